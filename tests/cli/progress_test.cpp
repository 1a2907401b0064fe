// The progress tracker's arithmetic, the percentage text and the terminal line.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

#include "app/progress_bar.h"
#include "cli/terminal_console.h"
#include "core/progress_tracker.h"

namespace quorin {
namespace {

// A batch of `files` files, each read by the reader as `length` bytes.
struct Batch {
    ProgressBar bar;
    ProgressTracker tracker{&bar};
    int32_t length;
    Batch(int files, int32_t fileLength) : length(fileLength) {
        tracker.SetFileCount(files);
        tracker.SetStepsPerFile(20);
    }
    void StartFile() {
        tracker.AdvanceFile();
        tracker.SetFileRange(0, length);
        tracker.BeginFile();
    }
};

TEST(ProgressTracker, ThreeFilesMakeSixtyStepsAndHalfwayIsFiftyPercent) {
    Batch batch(3, 1000);
    batch.StartFile();
    batch.tracker.UpdatePosition(1000);
    EXPECT_EQ(batch.bar.Position(), 20);
    batch.StartFile();
    batch.tracker.UpdatePosition(500);
    EXPECT_EQ(batch.bar.Position(), 30);
    EXPECT_EQ(batch.bar.Percent(), "50%");
    batch.tracker.UpdatePosition(1000);
    batch.StartFile();
    batch.tracker.UpdatePosition(1000);
    EXPECT_EQ(batch.bar.Position(), 60);
    EXPECT_EQ(batch.bar.Percent(), "100%");
}

TEST(ProgressTracker, AFileThatEndsEarlyIsCaughtUpByTheNext) {
    Batch batch(2, 1000);
    batch.StartFile();
    batch.tracker.UpdatePosition(490);  // 9.8 steps: 9
    EXPECT_EQ(batch.tracker.StepsDone(), 9);
    batch.StartFile();
    batch.tracker.UpdatePosition(1);  // 0.02 steps into the second file's share
    EXPECT_EQ(batch.tracker.StepsDone(), 20);
}

TEST(ProgressTracker, EmptyStreamAndZeroOffsetDoNothing) {
    Batch batch(1, 0);
    batch.StartFile();
    batch.tracker.UpdatePosition(0);
    batch.tracker.UpdatePosition(7);  // past an empty range: nothing to divide by
    EXPECT_EQ(batch.tracker.StepsDone(), 0);
    Batch other(2, 100);
    other.StartFile();
    other.tracker.UpdatePosition(100);
    other.StartFile();
    other.tracker.UpdatePosition(0);  // the catch-up waits for a real position
    EXPECT_EQ(other.tracker.StepsDone(), 20);
}

TEST(ProgressTracker, PositionsPastTheEndStayWithinTheFilesShare) {
    Batch batch(3, 100);
    batch.StartFile();
    batch.tracker.UpdatePosition(250);
    EXPECT_EQ(batch.tracker.StepsDone(), 20);
}

// The tracker skips updates that cannot take a step; whatever the order of
// positions it must step exactly as the plain formula says.
TEST(ProgressTracker, SkippingUpdatesNeverChangesTheSteps) {
    std::mt19937 random(7);
    for (int32_t length : {1, 3, 19, 20, 21, 997, 65536, 10000019}) {
        ProgressTracker tracker;
        tracker.SetFileCount(4);
        tracker.SetStepsPerFile(20);
        int64_t expected = 0;
        for (int file = 1; file <= 4; ++file) {
            tracker.AdvanceFile();
            tracker.SetFileRange(0, length);
            tracker.BeginFile();
            int32_t position = 0;
            for (int update = 0; update < 400; ++update) {
                position = std::min<int32_t>(length, position + int32_t(random() % (length / 50 + 2)));
                if (random() % 40 == 0) position = int32_t(random() % (length + 1));  // jumps back
                tracker.UpdatePosition(position);
                if (position != 0) {
                    float fraction = float(double(position) / length);
                    int64_t target = int64_t(20 * fraction) + (file - 1) * 20;
                    expected = std::max(expected, target);
                }
                ASSERT_EQ(tracker.StepsDone(), expected) << "length " << length << " position " << position;
            }
        }
    }
}

TEST(ProgressBar, PercentText) {
    EXPECT_EQ(PercentText(30, 0, 60), "50%");
    EXPECT_EQ(PercentText(60, 0, 60), "100%");
    EXPECT_EQ(PercentText(0, 0, 60), "0%");
    EXPECT_EQ(PercentText(61, 0, 60), "1%");  // past the end wraps, as the bar does
}

TEST(TerminalConsole, ProgressLineIsUpdatedInPlaceAndClearedForMessages) {
    std::ostringstream out;
    TerminalConsole console(out, 30);
    console.SetRange(0, 40);
    console.SetStep(1);
    console.ShowFileName("/home/user/letters/a-rather-long-name.wp");
    EXPECT_EQ(out.str(), "\r.../a-rather-long-name.wp  0%\x1b[K");
    out.str("");
    for (int i = 0; i < 20; ++i) console.StepIt();
    EXPECT_NE(out.str().find("50%\x1b[K"), std::string::npos);
    out.str("");
    console.Show({"User Canceled!    ", "Canceled!", MessageIcon::kExclamation, MessageButtons::kOk});
    EXPECT_EQ(out.str(), "\r\x1b[KCanceled! User Canceled!    \n");
}

TEST(TerminalConsole, WithoutTerminalOnlyMessagesAreWritten) {
    std::ostringstream out;
    TerminalConsole console(out, 0);
    console.ShowFileName("/A.WP");
    console.StepIt();
    EXPECT_EQ(console.Show({"Can't find file(s) \"x\"!\n", "Error!"}), MessageAnswer::kOk);
    console.Close();
    EXPECT_EQ(out.str(), "Error! Can't find file(s) \"x\"!\n");
}

}  // namespace
}  // namespace quorin
