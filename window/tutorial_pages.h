#pragma once
#include <string>

namespace quorin {

inline constexpr int kTutorialPageCount = 9;

// The RTF text of a tutorial page, counted from 0, in the window's language:
// the common frame around the page's title and body, its paragraphs right to
// left when `rightToLeft`.
std::string TutorialPageRtf(int page, bool rightToLeft = false);

}  // namespace quorin
