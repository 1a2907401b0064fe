#pragma once
#include <QStringList>
#include <string>
#include <vector>

namespace quorin {

// Whether the arguments (without the program name) ask for the window: none
// at all, or only paths, none beginning with "-" (what a file manager passes
// to "Open with"). Anything else is a command line.
bool StartsWindow(const std::vector<std::string>& arguments);

// Whether a window can be shown: an X11 or Wayland session, or a platform
// named in QT_QPA_PLATFORM.
bool HasDisplay();

// Said, after the usage, when the window is asked for without a display.
inline constexpr const char* kNeedsGraphicalSession =
    "quorin: the window needs a graphical session (X11 or Wayland); "
    "to convert from a terminal, give -f and -o as shown above.\n";

// The window run: the start-up warning, the main window with `files` in
// File Name(s), the tip of the day; returns the exit status.
int RunDialog(int argc, char** argv, const QStringList& files);

}  // namespace quorin
