#include "app/usage_text.h"
#include "app/version.h"

namespace quorin {

std::string UsageText() {
    return "Quorin - Converts Wordperfect 5.x files to RTF and Word.\n"
           "quorin  -f  FileName   -o  OutputDirectory  {-p  -t  -r  -w}\n"
           "options:\n"
           "-p\tReverse Parenthesis\n"
           "-t\tReverseTabAlignment\n"
           "-r\tConvertAsRightToLeft\n"
           "-w\tConvert to Microsoft Word\n"
           "-R\tConvert Folders Recursively\n"
           "-j N\tConvert N Files At Once\n";
}

std::string HelpText() {
    return "Usage: quorin -f FILES -o FOLDER [-p] [-t] [-r] [-w] [-R] [-j N] [FILE...]\n"
           "  or:  quorin -f - -o - [-p] [-t] [-r]\n"
           "Convert WordPerfect 5.0 and 5.1 documents into RTF files, and on request\n"
           "into Word documents.\n"
           "\n"
           "Each input file FILE is written to FOLDER as FILE.rtf (with -w, FILE.docx).\n"
           "An existing output file is first renamed to FILE_000.rtf, FILE_001.rtf, ...;\n"
           "nothing is overwritten. A missing FOLDER is created.\n"
           "\n"
           "  -f FILES   input files: one or more names separated by \"|\", each of them\n"
           "             a name or a wildcard pattern (quote it to keep it from the\n"
           "             shell); further file arguments are added to the list\n"
           "  -o FOLDER  output folder\n"
           "  -p         reverse parentheses in right-to-left text\n"
           "  -t         reverse the alignment of right-aligned tabs in right-to-left text\n"
           "  -r         convert as a right-to-left document\n"
           "  -w         convert to Word documents (needs LibreOffice); the RTF files\n"
           "             are deleted once their Word documents are written\n"
           "  -R         walk folders recursively and keep the tree: a file below a\n"
           "             folder named in FILES is written at the same relative path\n"
           "             below FOLDER (-R -f docs -o out writes docs/a/b.wp as\n"
           "             out/a/b.wp.rtf); in a pattern such as 'docs/*.wp' the last\n"
           "             part is matched against file names at every depth below the\n"
           "             folders before it, and paths are kept relative to the leading\n"
           "             folders without wildcards (docs); hidden files and folders,\n"
           "             links to folders and FOLDER itself are not walked\n"
           "  -j N       convert N files at once (default: the number of processors);\n"
           "             the outputs, backup names, messages and exit status are\n"
           "             those of -j 1, which converts one file after another\n"
           "  -h, -?     show the short usage text\n"
           "  -f - -o -  convert standard input to standard output\n"
           "      --help     display this help and exit\n"
           "      --version  output version information and exit\n"
           "\n"
           "Messages and, on a terminal, a progress line go to standard error.\n"
           "Ctrl-C stops the conversion; no partial output file is left behind.\n"
           "\n"
           "Exit status:\n"
           "  0    every file was converted\n"
           "  1    some file or name failed (each is reported)\n"
           "  2    the command line was incomplete or wrong\n"
           "  130  cancelled with Ctrl-C\n"
           "\n"
           "Environment:\n"
           "  QUORIN_SOFFICE  the LibreOffice program used by -w (default: soffice on\n"
           "                  the PATH); \"none\" disables Word output\n"
           "\n"
           "Examples:\n"
           "  quorin -f letter.wp -o converted\n"
           "  quorin -f 'letters/*.wp' -o converted -r\n"
           "  quorin letters/*.wp -o converted -w\n"
           "  quorin -R -f archive -o converted -j 4\n"
           "  quorin -f - -o - < letter.wp > letter.rtf\n";
}

std::string VersionText() {
    return std::string("quorin (Quorin) ") + kQuorinVersion + "\n";
}

}  // namespace quorin
