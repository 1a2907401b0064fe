// The batch inside the process: discovery of the input list, backup names,
// vanished files and cancelling from an error message.
#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "app/backup_name.h"
#include "app/batch_pause.h"
#include "app/batch_report.h"
#include "app/convert_files.h"
#include "app/file_batch.h"
#include "app/input_list.h"
#include "app/message_texts.h"
#include "app/path_text.h"
#include "run_quorin.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

struct Recorder : UserMessages {
    std::vector<UserMessage> shown;
    std::function<MessageAnswer(const UserMessage&)> answer = [](const UserMessage& m) {
        return m.buttons == MessageButtons::kYesNo ? MessageAnswer::kNo : MessageAnswer::kOk;
    };
    MessageAnswer Show(const UserMessage& message) override {
        shown.push_back(message);
        return answer(message);
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const UserMessage& m : shown) texts.push_back(m.caption + " " + m.text);
        return texts;
    }
};

const std::string kDocument = WpDocument().Body("Hi").Build();

struct BatchFolder : ::testing::Test {
    TemporaryFolder folder;
    Recorder messages;
    ConversionOptions options;
    CancelRequest cancel;
    OutcomeList outcomes;

    std::string In(const std::string& name) { return folder / name; }
    std::vector<std::string> Discovered(const std::string& list, int* count = nullptr) {
        FileBatch batch(SplitInputList(list), folder / "out", messages, cancel, outcomes);
        int found = batch.Discover();
        if (count) *count = found;
        std::vector<std::string> names;
        while (batch.NextFile() == FileBatch::kTaken) names.push_back(batch.InputPath());
        return names;
    }
    BatchOutcome Convert(const std::string& list, int jobs = 1, BatchProgressView* progress = nullptr) {
        BatchServices services{options, cancel, messages, progress};
        return ConvertFiles(SplitInputList(list), folder / "out", services, {jobs, false});
    }
};

TEST_F(BatchFolder, InputListWithBarsQuotesAndSpaces) {
    WriteFile(In("a.wp"), kDocument);
    WriteFile(In("b.wp"), kDocument);
    std::vector<std::string> both{In("a.wp"), In("b.wp")};
    EXPECT_EQ(Discovered(In("a.wp") + " | " + In("b.wp")), both);
    EXPECT_EQ(Discovered("\"" + In("a.wp") + "\"|\"" + In("b.wp") + "\""), both);
    EXPECT_EQ(Discovered("  |" + In("a.wp") + "||" + In("b.wp") + "|"), both);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(InputList, QuotedNamesKeepTheirBars) {
    EXPECT_EQ(SplitInputList("\"a|b.wp\" | c.wp|\"d.wp\""), (std::vector<std::string>{"a|b.wp", "c.wp", "d.wp"}));
    EXPECT_EQ(SplitInputList(" | \"\" |"), std::vector<std::string>{});
}

std::string Summary(const std::vector<FileOutcome>& files) {
    std::string text;
    for (const FileOutcome& r : files)
        text += std::to_string(r.sequence) + " " + StatusName(r.status) + " " + (r.written.empty() ? "-" : "out") +
                (r.written.empty() || r.written[0].backup.empty() ? "" : " backup") + "\n";
    return text;
}

// One record per input: converted, failed, never found, and those a cancel
// leaves behind, each with its place in discovery order.
TEST_F(BatchFolder, EveryInputGetsOneRecord) {
    WriteFile(In("a.wp"), kDocument);
    WriteFile(In("b.wp"), "not a document");
    WriteFile(In("c.wp"), kDocument);
    std::filesystem::create_directory(folder / "out");
    WriteFile(folder / "out/c.wp.rtf", "earlier");
    BatchServices services{options, cancel, messages, nullptr};
    BatchOutcome outcome = ConvertFiles({In("a.wp"), In("none.wp"), In("b.wp"), In("c.wp")}, folder / "out", services);
    EXPECT_EQ(Summary(outcome.files), "0 converted out\n1 failed -\n2 failed -\n3 converted out backup\n");
    EXPECT_EQ(texts::ReasonText(outcome.files[1].reason), "Can't find file(s) \"" + In("none.wp") + "\"!\n");
    EXPECT_EQ(outcome.files[3].written[0].backup, folder / "out/c.wp_000.rtf");

    // Cancelled in the message of b.wp: b.wp is failed, c.wp never reached.
    messages.answer = [](const UserMessage& m) {
        return m.buttons == MessageButtons::kYesNo ? MessageAnswer::kYes : MessageAnswer::kCancel;
    };
    outcome = ConvertFiles({In("*.wp")}, folder / "out", services);
    EXPECT_EQ(Summary(outcome.files), "0 converted out backup\n1 failed -\n2 cancelled -\n");
}

TEST_F(BatchFolder, PatternsSkipEmptyFilesAndFoldersSilently) {
    WriteFile(In("b.wp"), kDocument);
    WriteFile(In("a.wp"), kDocument);
    WriteFile(In("empty.wp"), "");
    std::filesystem::create_directory(In("sub.wp"));
    int count = 0;
    EXPECT_EQ(Discovered(In("*.wp"), &count), (std::vector<std::string>{In("a.wp"), In("b.wp")}));
    EXPECT_EQ(count, 2);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(BatchFolder, ItemsThatMatchNothingAreReportedAndTheRestFound) {
    WriteFile(In("a.wp"), kDocument);
    EXPECT_EQ(Discovered(In("none*.wp") + "|" + In("a.wp")), std::vector<std::string>{In("a.wp")});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Can't find file(s) \"" + In("none*.wp") + "\"!\n");
    EXPECT_EQ(messages.shown[0].caption, "Error!");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::kOkCancel);
}

TEST_F(BatchFolder, RelativeNamesBecomeAbsoluteAndOutputNamesAppendRtf) {
    WriteFile(In("a.wp"), kDocument);
    std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    for (const std::string& output : {folder / "out", folder / "out/", std::string("./x/../out")}) {
        FileBatch batch({"./a.wp"}, output, messages, cancel, outcomes);
        ASSERT_EQ(batch.Discover(), 1);
        ASSERT_EQ(batch.NextFile(), FileBatch::kTaken);
        EXPECT_EQ(batch.InputPath(), In("a.wp"));
        EXPECT_EQ(batch.OutputPath(), folder / "out/a.wp.rtf");
    }
    std::filesystem::current_path(before);
}

TEST(BackupName, NumbersBeforeTheExtensionOfTheFileName) {
    TemporaryFolder folder;
    EXPECT_EQ(MakeBackupName(folder / "a.wp.rtf"), folder / "a.wp_000.rtf");
    WriteFile(folder / "a.wp_000.rtf", "x");
    EXPECT_EQ(MakeBackupName(folder / "a.wp.rtf"), folder / "a.wp_001.rtf");
    EXPECT_EQ(MakeBackupName(folder / "NAME"), folder / "NAME_000.");
    EXPECT_EQ(MakeBackupName("/some.folder/NAME"), "/some.folder/NAME_000.");
}

TEST_F(BatchFolder, NoFreeBackupNameSkipsTheFileAndKeepsEverything) {
    WriteFile(In("a.wp"), kDocument);
    std::filesystem::create_directory(folder / "out");
    WriteFile(folder / "out/a.wp.rtf", "previous");
    for (int i = 0; i < 1000; ++i) {
        char name[32];
        snprintf(name, sizeof name, "out/a.wp_%03d.rtf", i);
        WriteFile(folder / name, "old");
    }
    EXPECT_EQ(MakeBackupName(folder / "out/a.wp.rtf"), "");
    BatchOutcome outcome = Convert(In("a.wp"));
    EXPECT_EQ(outcome.result, kBatchOutputNotPrepared);
    std::string output = folder / "out/a.wp.rtf";
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0], "Error! " + output + "\nError backing up file: \"" + output +
                                       "\"!\nSkipping file: \"" + In("a.wp") + "\"!");
    EXPECT_EQ(ReadFile(output), "previous");
    EXPECT_EQ(FolderNames(folder / "out").size(), 1001u);
}

TEST_F(BatchFolder, FileThatVanishedIsReportedAndTheBatchGoesOn) {
    WriteFile(In("a.wp"), kDocument);
    WriteFile(In("b.wp"), kDocument);
    FileBatch batch({In("*.wp")}, folder / "out", messages, cancel, outcomes);
    ASSERT_EQ(batch.Discover(), 2);
    unlink(In("a.wp").c_str());
    EXPECT_EQ(batch.NextFile(), FileBatch::kVanished);
    EXPECT_EQ(texts::ReasonText({ReasonKind::kVanished, batch.InputPath()}),
              "Can't find file(s) \"" + In("a.wp") + "\"!\n");
    EXPECT_EQ(batch.NextFile(), FileBatch::kTaken);
    EXPECT_EQ(batch.InputPath(), In("b.wp"));
    EXPECT_EQ(batch.NextFile(), FileBatch::kNoneLeft);
}

TEST_F(BatchFolder, CancelInAnErrorMessageStopsBeforeTheNextFile) {
    WriteFile(In("a.wp"), "not a document");
    WriteFile(In("b.wp"), kDocument);
    messages.answer = [](const UserMessage& m) {
        return m.buttons == MessageButtons::kYesNo ? MessageAnswer::kYes : MessageAnswer::kCancel;
    };
    BatchOutcome outcome = Convert(In("*.wp"));
    EXPECT_TRUE(outcome.cancelled);
    std::vector<std::string> texts = messages.Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1], "Cancel? Do You Really want to cancel?");
    EXPECT_EQ(texts[2], "Canceled! User Canceled!    ");
    EXPECT_FALSE(Exists(folder / "out/b.wp.rtf"));
}

TEST_F(BatchFolder, CancelAnsweredNoGoesOn) {
    WriteFile(In("a.wp"), "not a document");
    WriteFile(In("b.wp"), kDocument);
    messages.answer = [](const UserMessage& m) {
        return m.buttons == MessageButtons::kYesNo ? MessageAnswer::kNo : MessageAnswer::kCancel;
    };
    BatchOutcome outcome = Convert(In("*.wp"));
    EXPECT_FALSE(outcome.cancelled);
    EXPECT_TRUE(outcome.AnyFailed());
    EXPECT_EQ(outcome.result, kBatchConverted);  // the status of the last file
    EXPECT_TRUE(Exists(folder / "out/b.wp.rtf"));
}

// Several jobs: the same messages and the same stop after a cancel.
TEST_F(BatchFolder, CancelInAnErrorMessageWithSeveralJobs) {
    for (const char* name : {"a.wp", "c.wp", "d.wp", "e.wp"}) WriteFile(In(name), kDocument);
    WriteFile(In("b.wp"), "not a document");
    messages.answer = [](const UserMessage& m) {
        return m.buttons == MessageButtons::kYesNo ? MessageAnswer::kYes : MessageAnswer::kCancel;
    };
    BatchOutcome outcome = Convert(In("*.wp"), 4);
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{
                                    "Error! " + In("b.wp") + "\nDocument is not a WordPerfect 5.X Document!\n",
                                    "Cancel? Do You Really want to cancel?", "Canceled! User Canceled!    "}));
    EXPECT_EQ(FolderNames(folder / "out"), std::vector<std::string>{"a.wp.rtf"});
}

// A display that records what the batch shows.
struct ProgressRecorder : BatchProgressView {
    int32_t upper = 0;
    int steps = 0;
    std::vector<std::string> names;
    bool closed = false;
    void SetRange(int32_t, int32_t top) override { upper = top; }
    void SetStep(int32_t) override {}
    void StepIt() override { ++steps; }
    void ShowFileName(const std::string& name) override { names.push_back(name); }
    void Close() override { closed = true; }
};

// The font dialog's Cancel, given while a document asks for its first font,
// stops that document there: no question about its next font follows, on
// this thread or on workers.
TEST_F(BatchFolder, CancelWhileAskingForAFontAsksNoMore) {
    std::string fontList(2 * 86, '\0');
    fontList[86 + 18] = 6;  // the second record names "Beta", at offset 6 of the pool
    const std::string document =
        WpDocument().Packet(2, fontList).Packet(7, std::string("Alpha\0Beta\0", 11)).Body("Hi").Build();
    struct CancellingFonts : FontResolver {
        explicit CancellingFonts(CancelRequest& c) : cancel(c) {}
        FontSubstitutes LookupSubstitutes(const std::string& name) override {
            if (name != "Alpha") ++othersAsked;
            cancel.Request();
            return {name, name, name};
        }
        CancelRequest& cancel;
        std::atomic<int> othersAsked{0};
    };
    for (int jobs : {1, 3}) {
        for (const char* name : {"a.wp", "b.wp", "c.wp"}) WriteFile(In(name), document);
        CancelRequest cancel;
        CancellingFonts fonts(cancel);
        BatchServices services{options, cancel, messages, nullptr, &fonts};
        BatchOutcome outcome = ConvertFiles({In("*.wp")}, folder / "out", services, {jobs, false});
        EXPECT_TRUE(outcome.cancelled) << jobs;
        EXPECT_EQ(fonts.othersAsked, 0) << jobs;
        EXPECT_FALSE(Exists(folder / "out")) << jobs;
    }
}

TEST_F(BatchFolder, ProgressWithSeveralJobsNamesFilesInOrderAndFillsTheBar) {
    std::string body;
    for (int i = 0; i < 5000; ++i) body += "Some text of a longer letter.\n";
    std::vector<std::string> expectedNames;
    for (const char* name : {"a.wp", "b.wp", "c.wp", "d.wp", "e.wp"}) {
        WriteFile(In(name), WpDocument().Body(body).Build());
        expectedNames.push_back(In(name));
    }
    WriteFile(In("f.wp"), "not a document");
    expectedNames.push_back(In("f.wp"));
    ProgressRecorder progress;
    BatchOutcome outcome = Convert(In("*.wp"), 3, &progress);
    EXPECT_TRUE(outcome.AnyFailed());
    EXPECT_EQ(progress.names, expectedNames);
    EXPECT_EQ(progress.upper, 6 * 20);
    EXPECT_EQ(progress.steps, 6 * 20);
    EXPECT_TRUE(progress.closed);
}

// While the person is asked something the batch pauses: held before it
// starts, no file starts; held by a question that opens during a file (here
// its first font), that file's output waits. Every thread of the batch ends
// up waiting, nothing is written meanwhile, and everything is once released.
TEST_F(BatchFolder, NoFileStartsAndNothingIsCommittedWhileAQuestionIsOpen) {
    struct HoldingFonts : FontResolver {
        BatchPause* pause = nullptr;
        std::atomic<bool> held{false};
        FontSubstitutes LookupSubstitutes(const std::string& name) override {
            if (pause && !held.exchange(true)) pause->Hold();
            return {name, name, name};
        }
    };
    const std::string report = ReadTestData("report-1980.wp");
    for (const char* name : {"a.wp", "b.wp", "c.wp"}) WriteFile(In(name), report);
    // (A question during a file is left to one job: with more, which file asks
    // first, and what is committed before it asks, is up to the threads.)
    for (auto [fromTheStart, jobs] : {std::pair{true, 1}, {true, 2}, {false, 1}}) {
        {
            SCOPED_TRACE((fromTheStart ? "held from the start, -j " : "held by a font question, -j ") +
                         std::to_string(jobs));
            std::filesystem::remove_all(folder / "out");
            BatchPause pause;
            HoldingFonts fonts;
            if (fromTheStart) pause.Hold();
            else fonts.pause = &pause;
            BatchServices services{options, cancel, messages, nullptr, &fonts, nullptr, nullptr, &pause};
            BatchOutcome outcome;
            std::thread batch([&] { outcome = ConvertFiles({In("*.wp")}, folder / "out", services, {jobs, false}); });
            // The batch's own thread, and each worker with a file still to start.
            const int threads = jobs == 1 ? 1 : 1 + jobs;
            for (int tenths = 0; tenths < 600 && pause.Waiting() < threads; ++tenths)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            EXPECT_EQ(pause.Waiting(), threads);
            EXPECT_FALSE(Exists(folder / "out/a.wp.rtf"));
            pause.Release();
            batch.join();
            EXPECT_EQ(outcome.result, kBatchConverted);
            EXPECT_EQ(FolderNames(folder / "out"), (std::vector<std::string>{"a.wp.rtf", "b.wp.rtf", "c.wp.rtf"}));
        }
    }
}

}  // namespace
}  // namespace quorin::test
