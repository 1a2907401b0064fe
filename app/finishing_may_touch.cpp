#include "app/finishing_may_touch.h"

#include <stdlib.h>

#include <memory>
#include <string_view>

#include "app/path_text.h"

namespace quorin {

namespace {

// The folder with links resolved, so that two spellings of one folder agree;
// as written when it does not exist (yet).
std::string RealFolder(const std::string& folder) {
    std::unique_ptr<char, decltype(&free)> real(realpath(folder.c_str(), nullptr), free);
    return real ? real.get() : folder;
}

}  // namespace

bool FinishingMayTouch(const std::string& outputPath, const std::string& inputPath) {
    std::string_view stem = NameOf(outputPath);
    if (stem.ends_with(".rtf")) stem.remove_suffix(4);
    std::string_view name = NameOf(inputPath);
    // The cheap test first: most names differ.
    if (name.size() <= stem.size() || !name.starts_with(stem) || (name[stem.size()] != '.' && name[stem.size()] != '_'))
        return false;
    return RealFolder(FolderOf(outputPath)) == RealFolder(FolderOf(inputPath));
}

}  // namespace quorin
