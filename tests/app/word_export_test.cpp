// Word documents through LibreOffice: NAME.docx beside NAME.rtf, the RTF
// removed, an existing document backed up; and -w without the engine.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/word_export.h"
#include "run_quorin.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

TEST(WordExport, DocumentsReplaceTheRtfFilesAndReadBack) {
    std::string engine = FindWordEngine();
    if (engine.empty()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    TemporaryFolder folder;
    WriteFile(folder / "a.wp", WpDocument().Body("Dear Sir,\nthank you.\n").Build());
    WriteFile(folder / "b.wp", WpDocument().Body("Short memo").Build());
    std::filesystem::create_directory(folder / "out");
    WriteFile(folder / "out/a.wp.docx", "an older document");

    // a.wp twice: its first document must be made before its RTF is replaced.
    QuorinRun run = RunQuorin(folder.Path(), {"-f", "a.wp|b.wp|a.wp", "-o", "out", "-w"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(FolderNames(folder / "out"),
              (std::vector<std::string>{"a.wp.docx", "a.wp_000.docx", "a.wp_001.docx", "b.wp.docx"}));
    EXPECT_EQ(ReadFile(folder / "out/a.wp_000.docx"), "an older document");

    std::string command = "cd '" + folder.Path() + "' && '" + engine +
                          "' -env:UserInstallation=file://" + folder.Path() + "/profile --headless --norestore"
                          " --convert-to txt:Text --outdir text out/a.wp.docx out/b.wp.docx >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_NE(ReadFile(folder / "text/a.wp.txt").find("Dear Sir,"), std::string::npos);
    EXPECT_NE(ReadFile(folder / "text/b.wp.txt").find("Short memo"), std::string::npos);
}

TEST(WordExport, DisabledEngineLeavesTheRtfFiles) {
    TemporaryFolder folder;
    WriteFile(folder / "a.wp", WpDocument().Body("Hi").Build());
    QuorinRun run = RunQuorin(folder.Path(), {"-f", "a.wp", "-o", "out", "-w"}, {}, {{"QUORIN_SOFFICE", "none"}});
    // The RTF is kept, the run fails, and nobody is told to install what they turned off.
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Error! Writing Word documents is turned off (QUORIN_SOFFICE=none): the RTF files are kept.\n");
    EXPECT_EQ(FolderNames(folder / "out"), std::vector<std::string>{"a.wp.rtf"});
    run = RunQuorin(folder.Path(), {"-f", "a.wp", "-o", "out", "--to", "pdf"}, {}, {{"QUORIN_SOFFICE", folder / "none"}});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("LibreOffice (soffice) is needed to write"), std::string::npos) << run.err;
    EXPECT_EQ(FolderNames(folder / "out"), (std::vector<std::string>{"a.wp.rtf", "a.wp_000.rtf"}));
}

}  // namespace
}  // namespace quorin::test
