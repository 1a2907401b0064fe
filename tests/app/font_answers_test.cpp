// The command's font answers: the font map in the settings file (a temporary
// one here) and the unattended chooser over the installed fonts.
#include <gtest/gtest.h>

#include "app/font_answers.h"
#include "core/convert_document.h"
#include "fonts/font_map.h"
#include "run_quorin.h"
#include "support/wp_builder.h"
#include "../fonts/temporary_config_home.h"

namespace quorin::test {
namespace {

std::string ConvertedWith(FontResolver* fonts, const std::string& file) {
    RtfBuffer document(file), message;
    EXPECT_EQ(ConvertDocument(document, message, nullptr, ConversionOptions{}, fonts), kConverted) << message;
    return WithCrLf(document);
}

// A real document naming Arial and Times New Roman.
TEST(FontAnswers, BatchAndFilterUseTheMapAndTheChooser) {
    TemporaryFolder folder;
    const std::string report = ReadTestData("report-1980.wp");
    WriteFile(folder / "report.wp", report);
    std::unique_ptr<FontResolver> fonts = MakeFontResolver();
    ASSERT_NE(fonts, nullptr);
    const std::string expected = ConvertedWith(fonts.get(), report);
    EXPECT_NE(expected, ConvertedWith(nullptr, report));
    EXPECT_EQ(expected.find(" Arial}"), std::string::npos) << "the font table names Arial itself";

    QuorinRun batch = RunQuorin(folder.Path(), {"-f", "report.wp", "-o", "out"});
    EXPECT_EQ(batch.status, 0) << batch.err;
    EXPECT_EQ(ReadFile(folder / "out/report.wp.rtf"), expected);
    EXPECT_EQ(RunQuorin(folder.Path(), {"-f", "-", "-o", "-"}, report).out, expected);
    EXPECT_FALSE(Exists(TemporaryConfigHome().toStdString() + "/Ardenwick/Quorin.ini")) << "settings were written";

    // A person's choice in the map wins over the chooser's guess.
    FontMap map;
    map.Store("Arial", {"Chosen Latin (Western)", "Chosen Hebrew (Hebrew)", "Chosen Arabic (Arabic)"});
    QuorinRun remembered = RunQuorin(folder.Path(), {"-f", "-", "-o", "-"}, report);
    map.DeleteFontMap();
    EXPECT_NE(remembered.out.find("\\fcharset0\\cpg1252 Chosen Latin;}"), std::string::npos) << remembered.out.substr(0, 600);
    EXPECT_NE(remembered.out.find("\\fcharset177\\cpg1255 Chosen Hebrew;}"), std::string::npos);
}

}  // namespace
}  // namespace quorin::test
