#include "cli/filter_run.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/conversion_step.h"
#include "app/crlf_writer.h"
#include "app/input_file.h"
#include "app/message_texts.h"
#include "app/output_file.h"
#include "app/exit_status.h"

namespace quorin {

namespace {

std::string TemporaryFolder() {
    const char* folder = getenv("TMPDIR");
    return folder && *folder ? folder : "/tmp";
}

size_t KnownSize(int fd) {
    struct stat info;
    return fstat(fd, &info) == 0 && S_ISREG(info.st_mode) ? static_cast<size_t>(info.st_size) : size_t{1} << 20;
}

}  // namespace

// Standard output must hold nothing of a document that fails. Sent to a file,
// it is written as the document converts and cut back on a failure; else the
// RTF goes to an unnamed temporary file first (a small document's stays in
// memory) and is copied out at the end. Without a temporary folder the
// document is converted again into memory.
int RunFilter(int input, int output, std::ostream& errors, const ConversionOptions& options,
              const CancelRequest& cancel, FontResolver* fonts, const std::string& inputName) {
    InputBuffer bytes;
    RtfBuffer message;
    OutputFile rtf;
    if (!rtf.BeginInPlace(output)) rtf.Begin(TemporaryFolder());
    ConversionStep step;
    step.failure = Guarded([&] { bytes.ReadAll(input, KnownSize(input), inputName == "-" ? "standard input" : inputName); });
    if (step.failure == StepFailure::kNone)
        step = ConvertStep(bytes.View(), rtf, message, nullptr, options, cancel, fonts);
    // Before any message, which may go to the same file.
    if (step.failure != StepFailure::kNone || step.result != 0 || cancel.Requested()) rtf.Discard();

    if (step.failure == StepFailure::kOutOfMemory) {
        errors << texts::kNotEnoughMemory << "\n";
        return kExitFailed;
    }
    if (step.failure == StepFailure::kRaised) {
        errors << texts::ErrorWhileConverting(inputName) << "\n";
        return kExitFailed;
    }
    if (cancel.Requested()) {
        errors << texts::kUserCanceled << "\n";
        return kExitCancelled;
    }
    if (step.result != 0) {
        errors << message;
        return kExitFailed;
    }
    bool written;
    if (!rtf.Finish() && rtf.NoFileMade()) {
        rtf.Discard();
        StringSink text;
        step = ConvertStep(bytes.View(), text, message, nullptr, options, cancel, fonts);
        written = step.failure == StepFailure::kNone && step.result == 0 && WriteWithCrLf(output, text.Text());
    } else {
        written = rtf.CopyTo(output);
    }
    if (!written) {
        rtf.Discard();
        errors << texts::ErrorWritingToFile("-") << "\n";
        return kExitFailed;
    }
    return kExitConverted;
}

}  // namespace quorin
