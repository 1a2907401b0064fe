#pragma once
#include <ostream>
#include <string>

#include "app/batch_progress.h"
#include "app/progress_bar.h"
#include "app/user_messages.h"

namespace quorin {

// The terminal face of a command-line run. Messages go to the stream with
// their caption and are answered OK; when the stream is a terminal, a
// progress line (file name and percentage) is kept up to date in place.
class TerminalConsole : public UserMessages, public BatchProgressView {
public:
    // width: the terminal's columns; 0 shows no progress line.
    TerminalConsole(std::ostream& out, int width);

    MessageAnswer Show(const UserMessage& message) override;

    void SetRange(int32_t lower, int32_t upper) override { bar_.SetRange(lower, upper); }
    void SetStep(int32_t step) override { bar_.SetStep(step); }
    void StepIt() override;
    void ShowFileName(const std::string& name) override;
    void Close() override { ClearLine(); }

private:
    void DrawLine();
    void ClearLine();

    std::ostream& out_;
    int width_;
    ProgressBar bar_;
    std::string fileName_;
    bool lineShown_ = false;
};

// The console for standard error, with a progress line when it is a terminal.
TerminalConsole& StandardErrorConsole();

}  // namespace quorin
