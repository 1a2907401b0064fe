#pragma once
#include <string>
#include <vector>

#include "app/exit_status.h"
#include "app/file_outcome.h"
#include "app/outcome_list.h"
#include "app/user_messages.h"
#include "core/cancel_request.h"
#include "core/conversion_options.h"

namespace quorin {

// The program that turns RTF files into Word documents: $QUORIN_SOFFICE when
// set ("none" disables the export), else soffice on the PATH. Empty when
// there is none.
std::string FindWordEngine();

// The documents the engine can write.
enum class ExportFormat { kDocx, kOdt, kPdf, kRtf };

// The file name extension of a format ("docx", ...).
std::string ExtensionOf(ExportFormat format);

// The formats of a --to value ("docx,pdf"); false when one is unknown or the
// list is empty. Repeated formats are written once.
bool ParseExportFormats(const std::string& value, std::vector<ExportFormat>& formats);

// The text shown once when documents are asked for and there is no engine:
// `formats` are those asked for, `turnedOff` whether QUORIN_SOFFICE=none.
UserMessage WordUnavailableMessage(const std::vector<ExportFormat>& formats, bool turnedOff);
// The text shown once when --fallback is asked for and there is no engine:
// documents of other versions are then refused as without it.
UserMessage FallbackUnavailableMessage(bool turnedOff);
// Whether QUORIN_SOFFICE turns the engine off.
bool WordEngineTurnedOff();

// Turns written RTF files into documents (NAME.rtf -> NAME.docx, NAME.odt,
// NAME.pdf beside it) with LibreOffice run headless under a private profile,
// and deletes each RTF file once all its documents are in place. Also
// converts documents refused by the conversion (another WordPerfect version)
// into the same names. Files handed over are converted together, one
// LibreOffice start a format for many files; an existing document is moved
// to its backup name first, never overwritten. A file that fails is reported
// and keeps its RTF file.
class WordExporter {
public:
    WordExporter(std::string engine, UserMessages& messages, const ConversionOptions& options, CancelRequest& cancel,
                 std::vector<ExportFormat> formats = {ExportFormat::kDocx});
    ~WordExporter();
    WordExporter(const WordExporter&) = delete;
    WordExporter& operator=(const WordExporter&) = delete;

    bool Available() const { return !engine_.empty(); }
    // The extensions of the documents that replace each RTF output.
    std::vector<std::string> Extensions() const;
    // --existing overwrite: a document replaces an existing one in one step
    // instead of moving it to its backup name.
    void ReplaceExisting(bool replace) { replaceExisting_ = replace; }
    // The seconds one LibreOffice run may take; when they pass, LibreOffice
    // is ended and the files of that run fail, keeping their RTF files.
    void SetTimeout(int seconds) { timeout_ = seconds; }
    // Where the outcomes of the files handed over are settled; it also tells
    // the documents written earlier in the batch, which are never replaced.
    void SetOutcomes(OutcomeList* outcomes) { outcomes_ = outcomes; }
    void ExportToWord(const std::string& rtfPath) { Export(rtfPath, {}); }
    // The RTF output of a converted file; its outcome (the RTF file written)
    // is settled once the export has.
    void Export(const std::string& rtfPath, FileOutcome outcome);
    // A document refused for its version (the outcome's reason), to be
    // written as `rtfPath` (or, with formats, the documents beside it). When
    // the engine fails too, the refusal is shown and the file counts as failed.
    void ConvertRefused(const std::string& input, const std::string& rtfPath, FileOutcome outcome);
    // Whether a file handed over will write a document of the output `rtfPath`.
    bool IsPending(const std::string& rtfPath) const;
    // Converts every file handed over (after a cancel, none: they stay RTF
    // files); returns how many failed.
    int Flush();

private:
    struct Job {
        std::string source;  // what the engine reads
        std::string base;    // the documents' path without the extension
        bool refused = false;
        bool observed = false;
        FileOutcome outcome;
    };
    std::vector<ExportFormat> TargetFormats(const Job& job) const;
    int ConvertGroup(std::vector<Job>& group);
    enum class EngineRun { kDone, kFailed, kTimedOut };
    EngineRun RunEngine(const std::vector<std::string>& arguments, const std::string& folder);
    bool PlaceDocument(const std::string& converted, const std::string& document, std::string& backup);
    void Settle(Job& job, Reason failure);

    std::string engine_;
    bool replaceExisting_ = false;
    int timeout_ = kDefaultTimeout;
    UserMessages& messages_;
    const ConversionOptions& options_;
    CancelRequest& cancel_;
    std::vector<ExportFormat> formats_;
    OutcomeList* outcomes_ = nullptr;
    std::vector<Job> pending_;
    std::string profile_;
};

}  // namespace quorin
