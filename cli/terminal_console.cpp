#include "cli/terminal_console.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <iostream>

#include "app/display_path.h"

namespace quorin {

TerminalConsole::TerminalConsole(std::ostream& out, int width) : out_(out), width_(width) {}

MessageAnswer TerminalConsole::Show(const UserMessage& message) {
    ClearLine();
    std::string text = message.caption + " " + message.text;
    if (!text.ends_with('\n')) text += '\n';
    out_ << text << std::flush;
    switch (message.buttons) {
        case MessageButtons::kYesNo: return MessageAnswer::kYes;
        default: return MessageAnswer::kOk;
    }
}

void TerminalConsole::StepIt() {
    std::string before = bar_.Percent();
    bar_.StepIt();
    if (bar_.Percent() != before) DrawLine();
}

void TerminalConsole::ShowFileName(const std::string& name) {
    fileName_ = name;
    DrawLine();
}

void TerminalConsole::DrawLine() {
    if (width_ <= 0) return;
    // Long names keep their end, which tells the files of a folder apart.
    std::string percent = "  " + bar_.Percent();
    size_t room = width_ > static_cast<int>(percent.size()) + 4 ? width_ - percent.size() - 1 : 4;
    std::string name = fileName_;
    if (name.size() > room) {
        size_t start = name.size() - (room - 3);
        while (start < name.size() && (static_cast<unsigned char>(name[start]) & 0xC0) == 0x80) ++start;
        name = "..." + name.substr(start);
    }
    out_ << "\r" << DisplayPath(name) << percent << "\x1b[K" << std::flush;
    lineShown_ = true;
}

void TerminalConsole::ClearLine() {
    if (!lineShown_) return;
    out_ << "\r\x1b[K" << std::flush;
    lineShown_ = false;
}

TerminalConsole& StandardErrorConsole() {
    static TerminalConsole console(std::cerr, [] {
        if (!isatty(STDERR_FILENO)) return 0;
        winsize size{};
        return ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? int(size.ws_col) : 80;
    }());
    return console;
}

}  // namespace quorin
