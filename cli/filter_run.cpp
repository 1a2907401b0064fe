#include "cli/filter_run.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/conversion_step.h"
#include "app/crlf_writer.h"
#include "app/input_file.h"
#include "app/message_texts.h"
#include "app/temporary_file.h"
#include "cli/in_place_output.h"
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
    CrLfSink rtf;
    InPlaceOutput inPlace;
    TemporaryFile temporary(TemporaryFolder());
    const bool writtenInPlace = inPlace.Begin(output);
    if (writtenInPlace) rtf.Begin(inPlace);
    else rtf.Begin(temporary);
    // Whatever reached standard output's file of a document that fails.
    auto discard = [&] {
        rtf.Drop();
        if (writtenInPlace) inPlace.CutBack();
        temporary.Discard();
    };
    ConversionStep step;
    // A signal ends a read that waits for standard input.
    step.failure = Guarded([&] {
        bytes.ReadAll(input, KnownSize(input), inputName == "-" ? "standard input" : inputName, &cancel);
    });
    if (step.failure == StepFailure::kNone)
        step = ConvertStep(bytes.View(), rtf, message, nullptr, options, cancel, fonts);
    // Before any message, which may go to the same file.
    if (step.failure != StepFailure::kNone || step.result != 0 || cancel.Requested()) discard();

    if (cancel.Requested()) {
        errors << texts::kUserCanceled << "\n";
        return kExitCancelled;
    }
    if (const ReasonKind failure = ReasonOf(step); failure != ReasonKind::kNone) {
        errors << texts::Line(texts::ReasonWords({failure, inputName}));
        return kExitFailed;
    }
    bool written;
    if (writtenInPlace) {
        written = rtf.Finish();
    } else if (rtf.AllHeld()) {
        // A small document never left memory.
        written = rtf.WriteHeldTo(output);
    } else if (!rtf.Finish() && rtf.NoFileMade()) {
        discard();
        StringSink text;
        step = ConvertStep(bytes.View(), text, message, nullptr, options, cancel, fonts);
        written = step.failure == StepFailure::kNone && step.result == 0 && WriteWithCrLf(output, text.Text());
    } else {
        written = rtf.Error() == 0 && temporary.CopyTo(output, rtf.FileBytes());
    }
    if (!written) {
        discard();
        errors << texts::Line(texts::ReasonWords({ReasonKind::kWriteOutput, "-"}));
        return kExitFailed;
    }
    temporary.Discard();
    return kExitConverted;
}

}  // namespace quorin
