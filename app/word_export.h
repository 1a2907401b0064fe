#pragma once
#include <string>
#include <vector>

#include "app/user_messages.h"
#include "core/conversion_options.h"

namespace quorin {

// The program that turns RTF files into Word documents: $QUORIN_SOFFICE when
// set ("none" disables the export), else soffice on the PATH. Empty when
// there is none.
std::string FindWordEngine();

// The text shown once when -w is asked for without an engine.
UserMessage WordUnavailableMessage();

// Turns written RTF files into Word documents (NAME.rtf -> NAME.docx beside
// it) with LibreOffice run headless under a private profile, and deletes each
// RTF file once its document is in place. Files handed over are converted
// together, one LibreOffice start for many files; an existing NAME.docx is
// moved to its backup name first, never overwritten. A file that fails is
// reported and keeps its RTF file.
class WordExporter {
public:
    WordExporter(std::string engine, UserMessages& messages, ConversionOptions& options);
    ~WordExporter();
    WordExporter(const WordExporter&) = delete;
    WordExporter& operator=(const WordExporter&) = delete;

    void ExportToWord(const std::string& rtfPath);
    bool IsPending(const std::string& rtfPath) const;
    // Converts every file handed over (after a cancel, none: they stay RTF
    // files); returns how many failed.
    int Flush();

private:
    int ConvertGroup(const std::vector<std::string>& group);
    bool RunEngine(const std::vector<std::string>& arguments);
    bool PlaceDocument(const std::string& rtfPath, const std::string& converted);

    std::string engine_;
    UserMessages& messages_;
    ConversionOptions& options_;
    std::vector<std::string> pending_;
    std::string profile_;
};

}  // namespace quorin
