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

// The window run: the start-up warning, the main window with `files` in
// File Name(s), the tip of the day; returns the exit status. `noDisplay` is
// said, and the status is a usage error, when Qt cannot reach the display.
int RunDialog(int argc, char** argv, const QStringList& files, const std::string& noDisplay);

}  // namespace quorin
