#include "app/filter_run.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "app/conversion_step.h"
#include "app/crlf_writer.h"
#include "app/message_texts.h"
#include "app/quorin_main.h"

namespace quorin {

namespace {

void ReadAll(int input, RtfBuffer& document) {
    char block[1 << 16];
    for (;;) {
        ssize_t got = read(input, block, sizeof block);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw std::system_error(errno, std::generic_category(), "standard input");
        if (got == 0) return;
        document.append(block, static_cast<size_t>(got));
    }
}

}  // namespace

int RunFilter(int input, int output, std::ostream& errors, const ConversionOptions& options, FontResolver* fonts,
              const std::string& inputName) {
    RtfBuffer document, message;
    ConversionStep step;
    step.failure = Guarded([&] { ReadAll(input, document); });
    if (step.failure == StepFailure::kNone) step = ConvertStep(document, message, nullptr, options, fonts);

    if (step.failure == StepFailure::kOutOfMemory) {
        errors << texts::kNotEnoughMemory << "\n";
        return kExitFailed;
    }
    if (step.failure == StepFailure::kRaised) {
        errors << texts::ErrorWhileConverting(inputName) << "\n";
        return kExitFailed;
    }
    if (options.CancelRequested()) {
        errors << texts::kUserCanceled << "\n";
        return kExitCancelled;
    }
    if (step.result != 0) {
        errors << message;
        return kExitFailed;
    }
    if (!WriteWithCrLf(output, document)) {
        errors << texts::ErrorWritingToFile("-") << "\n";
        return kExitFailed;
    }
    return kExitConverted;
}

}  // namespace quorin
