#pragma once
#include <string>

namespace quorin {

inline constexpr int kTutorialPageCount = 9;

// The RTF text of a tutorial page, counted from 0: the common frame around
// the page's title and body.
std::string TutorialPageRtf(int page);

}  // namespace quorin
