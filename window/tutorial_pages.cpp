#include "window/tutorial_pages.h"

#include <QCoreApplication>
#include <array>

#include "window/rtf_view.h"

namespace quorin {

namespace {

struct Page {
    const char* title;
    const char* body;  // RTF: {\b Quorin}, and commands as {\ul\cf13 Convert}
};

const std::array<Page, kTutorialPageCount> kPages = {{
    {QT_TRANSLATE_NOOP("Tutorial", "Welcome to Quorin!"),
     QT_TRANSLATE_NOOP("Tutorial",
     "{\\b Quorin} converts documents written with WordPerfect 5.0 and 5.1 into Rich Text Format (RTF) files, "
     "which today's word processors open, and, if you wish, into Word documents. This tutorial takes you "
     "through one conversion, step by step. Keep the main window beside it: you can even follow along while "
     "you read. Click {\\ul\\cf13 Next >} to go on.")},
    {QT_TRANSLATE_NOOP("Tutorial", "File name(s)"),
     QT_TRANSLATE_NOOP("Tutorial",
     "First tell {\\b Quorin} which documents to convert. Type a file name into the {\\ul\\cf13 File Name(s)} "
     "field, or click {\\ul\\cf13 Browse...} and pick one or more files; hold down the 'Ctrl' or 'Shift' key to "
     "pick several. You may also type wildcards, such as letters/*.wp, and separate several names with a bar "
     "( | ).")},
    {QT_TRANSLATE_NOOP("Tutorial", "Output Folder"),
     QT_TRANSLATE_NOOP("Tutorial",
     "Next choose where the converted files go. The {\\ul\\cf13 Output Folder} field shows the folder; click "
     "{\\ul\\cf13 Change Folder} to choose another one. Each document is written there under its own name "
     "with \".rtf\" added: LETTER becomes LETTER.rtf, and report.wp becomes report.wp.rtf.")},
    {QT_TRANSLATE_NOOP("Tutorial", "Options - 'Reverse Right to Left Parenthesis'"),
     QT_TRANSLATE_NOOP("Tutorial",
     "In Hebrew and Arabic text WordPerfect stored parentheses as they look on the screen. Tick "
     "{\\ul\\cf13 Reverse Right to Left Parenthesis} when the parentheses of your right-to-left text come out "
     "facing the wrong way, so that \"(\" and \")\" are exchanged in that text.")},
    {QT_TRANSLATE_NOOP("Tutorial", "Options - 'Reverse Right to Left Tab alignment'"),
     QT_TRANSLATE_NOOP("Tutorial",
     "Tick {\\ul\\cf13 Reverse Right to Left Tab alignment} when text that you aligned at right-aligned tabs "
     "in Hebrew or Arabic paragraphs comes out on the wrong side of its tab. Tick {\\ul\\cf13 Convert as Right "
     "to Left Document} when the whole document reads from right to left.")},
    {QT_TRANSLATE_NOOP("Tutorial", "Before you convert!"),
     QT_TRANSLATE_NOOP("Tutorial",
     "When you convert a document for the first time, try one file first, into a new or empty folder. Open "
     "the result in your word processor and check it; then choose the options that suit your documents and "
     "convert the rest. {\\b Quorin} never overwrites a file: an older file of the same name is renamed "
     "first.")},
    {QT_TRANSLATE_NOOP("Tutorial", "Converting..."),
     QT_TRANSLATE_NOOP("Tutorial",
     "Click {\\ul\\cf13 Convert}. A small window shows the name of each file and how far the conversion has "
     "come. You can stop at any time with {\\ul\\cf13 Cancel}; {\\b Quorin} asks you to confirm first. A file "
     "that cannot be converted is reported, and the others are converted all the same.")},
    {QT_TRANSLATE_NOOP("Tutorial", "Font substitution"),
     QT_TRANSLATE_NOOP("Tutorial",
     "The first time {\\b Quorin} meets a WordPerfect font, it asks which installed fonts should replace it: "
     "one for English text and one for Hebrew or Arabic text. {\\ul\\cf13 Show Windows compatible fonts} lists "
     "fonts by their letters, {\\ul\\cf13 Show Davka compatible fonts} lists Hebrew fonts that keep their "
     "letters in place of Latin ones, and {\\ul\\cf13 Show all fonts} lists every font. Your choice is "
     "remembered; {\\ul\\cf13 Tools | Delete FontMap} lets you choose again.")},
    {QT_TRANSLATE_NOOP("Tutorial", "Done!"),
     QT_TRANSLATE_NOOP("Tutorial",
     "That is all! Your converted files are waiting in the output folder. Open them in your word processor, "
     "or ask for Word documents with {\\ul\\cf13 Convert to Microsoft Word}. Click {\\ul\\cf13 Finish} to "
     "close this tutorial; you can open it again from {\\ul\\cf13 Help | Tutorial}.")},
}};

// The frame every page shares: fonts, the sixteen standard colours after the
// default one, a centred title in dark blue and a justified body.
const char* const kHeader =
    "{\\rtf1\\adeflang1037\\ansi\\ansicpg1252\\uc1\\deff0{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2  Times New "
    "Roman;}}";
const char* const kColourTable =
    "{\\colortbl ;\\red0\\green0\\blue0;\\red128\\green0\\blue0;\\red0\\green128\\blue0;\\red128\\green128\\blue0;"
    "\\red0\\green0\\blue128;\\red128\\green0\\blue128;\\red0\\green128\\blue128;\\red128\\green128\\blue128;"
    "\\red192\\green192\\blue192;\\red255\\green0\\blue0;\\red0\\green255\\blue0;\\red255\\green255\\blue0;"
    "\\red0\\green0\\blue255;\\red255\\green0\\blue255;\\red0\\green255\\blue255;\\red255\\green255\\blue255;}";
const char* const kTitleFormat = "\\pard\\plain\\ltrpar\\li100\\ri100\\qc\\fs12\\par\\fs26\\sl320\\slmult1\\b\\ul\\cf5 ";
const char* const kBodyFormat = "\\fs6\\par\\qj\\fs23\\ul0\\b0\\cf5 ";

}  // namespace

std::string TutorialPageRtf(int page, bool rightToLeft) {
    const Page& shown = kPages.at(static_cast<size_t>(page));
    std::string title = RtfUnicode(QCoreApplication::translate("Tutorial", shown.title), false);
    std::string body = RtfUnicode(QCoreApplication::translate("Tutorial", shown.body), false);
    std::string titleFormat = kTitleFormat;
    // A right-to-left language reads its pages from the right.
    if (rightToLeft) titleFormat.replace(titleFormat.find("\\ltrpar"), 7, "\\rtlpar");
    return std::string(kHeader) + kColourTable + titleFormat + title + "\\par" + kBodyFormat + body + "\\par}";
}

}  // namespace quorin
