#pragma once
#include <QStringList>
#include <string>
#include <vector>

namespace quorin {

// Whether the arguments (without the program name) ask for the window: none
// at all, or only paths, none beginning with "-" (what a file manager passes
// to "Open with"), and Qt's standard options ("-reverse", "-style Fusion",
// "-platform xcb", ...), which go to Qt. Anything else is a command line.
bool StartsWindow(const std::vector<std::string>& arguments);

// The arguments of a window run without Qt's options: the paths.
std::vector<std::string> PathArguments(const std::vector<std::string>& arguments);

// Whether a window can be shown: an X11 or Wayland session, or a platform
// named in QT_QPA_PLATFORM or with "-platform" among the arguments.
bool HasDisplay(const std::vector<std::string>& arguments = {});

// The window run: the start-up warning, the main window with the paths among
// the arguments in File Name(s), the tip of the day; returns the exit
// status. `noDisplay` is said, and the status is a usage error, when Qt
// cannot reach the display.
int RunDialog(int argc, char** argv, const std::string& noDisplay);

}  // namespace quorin
