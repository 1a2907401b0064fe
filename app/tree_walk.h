#pragma once
#include <string>
#include <vector>

namespace quorin {

// A file found for a batch: its absolute path, and its path below the output
// folder without the ".rtf" that the output name adds.
struct FoundFile {
    std::string path;
    std::string relative;
    size_t sequence = 0;  // place in discovery order, set by the batch
};

// What an input item names with -R (recursive). An existing file is itself,
// kept under its own name. An existing folder is walked through: every file
// below it, kept at its path relative to the folder. Anything else is a
// pattern FOLDERS/NAMES: its NAMES part is matched against the file names at
// every depth below the folders that FOLDERS matches, and each file is kept at
// its path relative to the leading folders of the item that hold no wildcard
// (docs/19*/*.wp keeps docs/1990/a/b.wp as 1990/a/b.wp).
// Names beginning with "." are passed over unless the pattern spells the dot;
// hidden folders, links to folders and the folder `skipFolder` (the output
// folder, when it lies inside the tree) are not entered. Folders are walked in
// the byte order of their names. Folders that cannot be read are added to
// `unreadable`. Files of every size and kind but folders are returned.
std::vector<FoundFile> FindInTree(const std::string& item, const std::string& skipFolder,
                                  std::vector<std::string>& unreadable);

}  // namespace quorin
