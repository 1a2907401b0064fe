#pragma once
#include <string>
#include <string_view>

namespace quorin {

// Whether UTF-8 text holds a letter written right to left (Hebrew, Arabic,
// Syriac, Thaana, ... or the RIGHT-TO-LEFT MARK). Bytes that are not UTF-8
// count as no letter.
bool HasRightToLeft(std::string_view utf8);

// A path as it is shown to people, in messages and in the window. A path
// with right-to-left letters is read in the wrong order as it stands: the
// bidirectional algorithm joins "/" between two Hebrew folders to them and
// shows the folders backwards, and a right-to-left sentence around it
// scatters its parts. Such a path is shown as one left-to-right unit
// (LEFT-TO-RIGHT ISOLATE ... POP DIRECTIONAL ISOLATE) with a LEFT-TO-RIGHT
// MARK after each "/", so its folders keep their order. Any other path is
// returned as it is, byte for byte, so that scripts reading messages find it.
std::string DisplayPath(const std::string& path);

// Text holding paths as DisplayPath shows them (a list of names, say) with
// the marks it adds removed: every isolate, and each LEFT-TO-RIGHT MARK
// right after a "/".
std::string WithoutDisplayMarks(std::string_view shown);

}  // namespace quorin
