#pragma once
#include <string>

namespace quorin {

// Whether finishing a file whose output is `outputPath` (NAME.rtf) may change
// or remove `inputPath` before a later file's turn: the output, its backups
// and its Word document (NAME.rtf, NAME_000.rtf, NAME.docx, ...) are all named
// NAME. or NAME_ in the output's folder. Such an input must not be read ahead
// of its turn.
bool FinishingMayTouch(const std::string& outputPath, const std::string& inputPath);

}  // namespace quorin
