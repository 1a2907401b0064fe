// Archives: the CSV report, the direction of each document (-a), documents
// meant to last (--to odt,pdf) and refused documents through LibreOffice
// (--fallback).
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include <QString>

#include "app/batch_report.h"
#include "app/convert_files.h"
#include "app/input_list.h"
#include "app/word_export.h"
#include "run_quorin.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

// Size and SHA-256 of a file, by other means than the program's.
std::pair<std::string, std::string> SizeAndDigest(const std::string& path) {
    return {std::to_string(std::filesystem::file_size(path)), Sha256Of(path)};
}

void ExpectFileFields(const Row& row, size_t at, const std::string& path) {
    auto [size, digest] = SizeAndDigest(path);
    EXPECT_EQ(row[at], size) << path;
    EXPECT_EQ(row[at + 1], digest) << path;
}

TEST(BatchReport, RowsAccountForEveryInputTheSameForAnyJobCount) {
    TemporaryFolder folder;
    const std::string good = WpDocument().Body("Dear Sir,\n").Build();
    WriteFile(folder / "a.wp", good);
    WriteFile(folder / "b.wp", WpDocument().Body("Memo").Build());
    WriteFile(folder / "broken.wp", good.substr(0, 3) + "x" + good.substr(4));  // no signature
    WriteFile(folder / "empty.wp", "");
    std::string reports[2];
    for (int run = 0; run < 2; ++run) {
        std::filesystem::remove_all(folder / "out");
        std::filesystem::create_directory(folder / "out");
        WriteFile(folder / "out/b.wp.rtf", "an older output");
        QuorinRun quorin = RunQuorin(folder.Path(), {"-j", run == 0 ? "1" : "4", "--report", "r.csv", "-f",
                                                     "a.wp|missing*.wp|broken.wp|empty.wp|b.wp", "-o", "out"});
        EXPECT_EQ(quorin.status, 1);
        reports[run] = ReadFile(folder / "r.csv");
    }
    EXPECT_EQ(reports[0], reports[1]);

    std::vector<Row> rows = ParseCsv(reports[1]);
    ASSERT_EQ(rows.size(), 6u) << reports[1];
    EXPECT_EQ(rows[0], ParseCsv(std::string(BatchReport::kHeader) + "\r\n")[0]);
    for (const Row& row : rows) ASSERT_EQ(row.size(), 10u);
    const Row& a = rows[1];
    EXPECT_EQ(a[0], folder / "a.wp");
    EXPECT_EQ((Row{a[1], a[2], a[3], a[4], a[9]}), (Row{folder / "out/a.wp.rtf", "converted", "", "", "ltr"}));
    ExpectFileFields(a, 5, folder / "a.wp");
    ExpectFileFields(a, 7, folder / "out/a.wp.rtf");
    EXPECT_EQ((Row(rows[2].begin(), rows[2].begin() + 4)),
              (Row{"missing*.wp", "", "failed", "Can't find file(s) \"missing*.wp\"!"}));
    EXPECT_EQ(rows[2][5] + rows[2][7] + rows[2][9], "");
    const Row& broken = rows[3];
    EXPECT_EQ((Row{broken[1], broken[2], broken[7], broken[9]}), (Row{"", "failed", "", ""}));
    EXPECT_NE(broken[3].find("Document is not a WordPerfect 5.X Document!"), std::string::npos);
    EXPECT_EQ(broken[3].find('\n'), std::string::npos);
    ExpectFileFields(broken, 5, folder / "broken.wp");
    EXPECT_EQ((Row{rows[4][0], rows[4][2], rows[4][5]}), (Row{folder / "empty.wp", "skipped-empty", "0"}));
    const Row& b = rows[5];
    EXPECT_EQ((Row{b[2], b[4]}), (Row{"converted", folder / "out/b.wp_000.rtf"}));
    ExpectFileFields(b, 7, folder / "out/b.wp.rtf");
}

// Names as the report writes them: valid UTF-8 whatever the bytes, and the
// name recovered by turning each %XX back into its byte.
TEST(BatchReport, NamesThatAreNotUtf8StayValidAndRecoverable) {
    auto recovered = [](const std::string& text) {
        std::string name;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '%') {
                name += char(std::stoi(text.substr(i + 1, 2), nullptr, 16));
                i += 2;
            } else {
                name += text[i];
            }
        }
        return name;
    };
    for (const std::string name : {"plain.wp", "caf\xe9.wp", "100%.wp", "a%41.wp", "\xe2\x82\xac.wp",
                                   "\x80\x9a\x82.wp", "\xed\xa0\x80.wp", "\xc0\xaf.wp", "\xf4\x90\x80\x80.wp",
                                   "\xe2\x82", "\xd7\x90\xd7\x91.wp"}) {
        const std::string written = ReportText(name);
        EXPECT_EQ(QString::fromUtf8(written).toUtf8().toStdString(), written) << written;
        EXPECT_EQ(recovered(written), name) << written;
        // Valid UTF-8 without "%" is written as it is.
        if (QString::fromUtf8(name).toUtf8().toStdString() == name && name.find('%') == std::string::npos) {
            EXPECT_EQ(written, name);
        }
    }
}

TEST(BatchReport, CancelledBatchListsTheFilesNeverReached) {
    TemporaryFolder folder;
    for (const char* name : {"a.wp", "c.wp", "d.wp"}) WriteFile(folder / name, WpDocument().Body("Hi").Build());
    WriteFile(folder / "b.wp", "not a document");
    // Cancel in the message of b.wp, confirmed.
    CancellingMessages messages;
    ConversionOptions options;
    CancelRequest cancel;
    BatchReport report(folder / "r.csv");
    ASSERT_EQ(report.Prepare({}, false), "");
    BatchServices services{options, cancel, messages, nullptr};
    BatchOutcome outcome = ConvertFiles(SplitInputList(folder / "a.wp|" + folder / "b.wp|" + folder / "c.wp|" + folder / "d.wp"),
                                        folder / "out", services, {2, false});
    ASSERT_TRUE(report.Write(outcome.files));
    std::vector<Row> rows = ParseCsv(ReadFile(folder / "r.csv"));
    ASSERT_EQ(rows.size(), 5u);
    std::vector<std::string> statuses;
    for (size_t i = 1; i < rows.size(); ++i) statuses.push_back(rows[i][0].substr(folder.Path().size()) + " " + rows[i][2]);
    EXPECT_EQ(statuses, (std::vector<std::string>{"/a.wp converted", "/b.wp failed", "/c.wp cancelled", "/d.wp cancelled"}));
    EXPECT_EQ(FolderNames(folder.Path()), (std::vector<std::string>{"a.wp", "b.wp", "c.wp", "d.wp", "out", "r.csv"}));
}

TEST(BatchReport, UnwritableReportIsAUsageErrorBeforeTheBatch) {
    TemporaryFolder folder;
    WriteFile(folder / "a.wp", WpDocument().Body("Hi").Build());
    QuorinRun run = RunQuorin(folder.Path(), {"--report", "no/such/folder/r.csv", "-f", "a.wp", "-o", "out"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')),
              "quorin: --report \"no/such/folder/r.csv\" cannot be written: No such file or directory");
    EXPECT_FALSE(Exists(folder / "out"));
    // To standard output; not beside the filter form's output.
    run = RunQuorin(folder.Path(), {"--report", "-", "-f", "a.wp", "-o", "out"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.substr(0, run.out.find('\r')), BatchReport::kHeader);
    EXPECT_EQ(ParseCsv(run.out).size(), 2u);
    EXPECT_EQ(RunQuorin(folder.Path(), {"--report", "-", "-f", "-", "-o", "-"}).status, 2);
}

TEST(DocumentDirection, EachDocumentGetsTheDirectionItsLettersNeed) {
    TemporaryFolder folder;
    const std::string alef = Extended(9, 0), beh = Extended(13, 52);
    WriteFile(folder / "hebrew.wp", WpDocument().Body(alef + alef + alef + " ok").Build());
    WriteFile(folder / "arabic.wp", WpDocument().Body(beh + beh + " 12").Build());
    WriteFile(folder / "english.wp", WpDocument().Body("Dear " + alef).Build());
    WriteFile(folder / "balanced.wp", WpDocument().Body("ab" + alef + beh).Build());
    const std::string names = "hebrew.wp|arabic.wp|english.wp|balanced.wp";
    QuorinRun run = RunQuorin(folder.Path(), {"-a", "-v", "--report", "r.csv", "-j", "2", "-f", names, "-o", "out"});
    EXPECT_EQ(run.status, 0) << run.err;
    std::vector<Row> rows = ParseCsv(ReadFile(folder / "r.csv"));
    ASSERT_EQ(rows.size(), 5u);
    const char* expected[] = {"rtl", "rtl", "ltr", "ltr"};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(rows[i + 1][9], expected[i]) << rows[i + 1][0];
        bool rightToLeft = std::string(expected[i]) == "rtl";
        std::string rtf = ReadFile(rows[i + 1][1]);
        EXPECT_NE(rtf.find(rightToLeft ? "\\rtldoc" : "\\ltrdoc"), std::string::npos) << rows[i + 1][0];
        EXPECT_NE(run.err.find("\"" + rows[i + 1][0] + "\" " + (rightToLeft ? "right to left" : "left to right")),
                  std::string::npos);
    }
    // -r wins over -a; and the filter form decides too.
    QuorinRun forced = RunQuorin(folder.Path(), {"-a", "-r", "--report", "r.csv", "-f", "english.wp", "-o", "out"});
    EXPECT_EQ(ParseCsv(ReadFile(folder / "r.csv"))[1][9], "rtl");
    QuorinRun filter = RunQuorin(folder.Path(), {"-a", "-f", "-", "-o", "-"}, ReadFile(folder / "hebrew.wp"));
    EXPECT_NE(filter.out.find("\\rtldoc"), std::string::npos);
    QuorinRun without = RunQuorin(folder.Path(), {"-f", "-", "-o", "-"}, ReadFile(folder / "hebrew.wp"));
    EXPECT_NE(without.out.find("\\ltrdoc"), std::string::npos);
}

}  // namespace
}  // namespace quorin::test

namespace quorin::test {
namespace {

// One batch, one group of LibreOffice runs: ODT and PDF/A of a 5.x document,
// a WordPerfect 6 document through --fallback, a damaged 5.x document that
// still fails.
TEST(ArchiveFormats, OdtPdfAndFallbackThroughLibreOffice) {
    std::string engine = FindWordEngine();
    if (engine.empty()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    TemporaryFolder folder;
    WriteFile(folder / "a.wp", ReadTestData("sample-51.wp"));
    WriteFile(folder / "six.wpd", ReadTestData("sample-6.wpd"));
    const std::string sample = ReadTestData("sample-51.wp");
    WriteFile(folder / "damaged.wp", sample.substr(0, 4) + Dword(1u << 30) + sample.substr(8));
    std::filesystem::create_directory(folder / "out");
    WriteFile(folder / "out/a.wp.pdf", "an older document");

    QuorinRun run = RunQuorin(folder.Path(), {"--fallback", "--to", "odt,pdf", "--report", "r.csv", "-f",
                                              "a.wp|six.wpd|damaged.wp", "-o", "out"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.find("not a WordPerfect 5.X"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("damaged.wp\nError in file!"), std::string::npos) << run.err;
    EXPECT_EQ(FolderNames(folder / "out"), (std::vector<std::string>{"a.wp.odt", "a.wp.pdf", "a.wp_000.pdf",
                                                                      "six.wpd.odt", "six.wpd.pdf"}));
    std::vector<Row> rows = ParseCsv(ReadFile(folder / "r.csv"));
    // A row for each document written.
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ((Row{rows[1][0], rows[1][1], rows[1][2], rows[1][4]}), (Row{folder / "a.wp", folder / "out/a.wp.odt", "converted", ""}));
    EXPECT_EQ((Row{rows[2][0], rows[2][1], rows[2][2], rows[2][4]}),
              (Row{folder / "a.wp", folder / "out/a.wp.pdf", "converted", folder / "out/a.wp_000.pdf"}));
    ExpectFileFields(rows[2], 7, folder / "out/a.wp.pdf");
    EXPECT_EQ((Row{rows[3][1], rows[3][2], rows[3][3], rows[3][9]}),
              (Row{folder / "out/six.wpd.odt", "converted-by-libreoffice", "", ""}));
    EXPECT_EQ((Row{rows[4][1], rows[4][2]}), (Row{folder / "out/six.wpd.pdf", "converted-by-libreoffice"}));
    EXPECT_EQ(rows[5][2], "failed");

    // The words read back: the PDF with pdftotext, the ODT with LibreOffice.
    EXPECT_NE(Shell("pdftotext '" + folder / "out/a.wp.pdf" + "' -").find("Sluwe Sjaantje"), std::string::npos);
    EXPECT_NE(Shell("pdftotext '" + folder / "out/six.wpd.pdf" + "' -").find("Sluwe Sjaantje"), std::string::npos);
    std::string metadata = Shell("pdfinfo -meta '" + folder / "out/a.wp.pdf" + "'");
    EXPECT_NE(metadata.find("pdfaid:part>2<"), std::string::npos) << metadata;
    EXPECT_NE(metadata.find("pdfaid:conformance>B<"), std::string::npos) << metadata;
    std::string command = "cd '" + folder.Path() + "' && '" + engine + "' -env:UserInstallation=file://" +
                          folder.Path() + "/profile --headless --norestore --convert-to txt:Text --outdir text" +
                          " out/a.wp.odt out/six.wpd.odt >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_NE(ReadFile(folder / "text/a.wp.txt").find("Sluwe Sjaantje"), std::string::npos);
    EXPECT_NE(ReadFile(folder / "text/six.wpd.txt").find("Sluwe Sjaantje"), std::string::npos);
}

}  // namespace
}  // namespace quorin::test
