#include "app/conversion_step.h"

#include "core/convert_document.h"
#include "core/document_direction.h"
#include "core/document_password.h"

namespace quorin {

ReasonKind ReasonOf(const ConversionStep& step) {
    if (step.failure == StepFailure::kOutOfMemory) return ReasonKind::kOutOfMemory;
    if (step.failure == StepFailure::kRaised) return ReasonKind::kRaised;
    if (step.result == kConverted) return ReasonKind::kNone;
    switch (step.refusal) {
        case Refusal::kNotWordPerfect: return ReasonKind::kNotWordPerfect;
        case Refusal::kNotStandard: return ReasonKind::kNotStandard;
        case Refusal::kErrorInFile: return ReasonKind::kErrorInFile;
        case Refusal::kProtected: return ReasonKind::kProtected;
        case Refusal::kWrongPassword: return ReasonKind::kWrongPassword;
        case Refusal::kNone: break;
    }
    return ReasonKind::kRaised;
}

ConversionStep ConvertStep(std::string_view document, RtfSink& out, RtfBuffer& message, ProgressTracker* tracker,
                           const ConversionOptions& options, const CancelRequest& cancel, FontResolver* fonts) {
    ConversionStep step;
    step.failure = Guarded([&] {
        RtfBuffer plain;
        std::string_view bytes = document;
        ConversionOptions batch = options;
        if (EncryptionKeyOf(document) != 0 && !options.password.empty()) {
            plain.assign(document);
            if (UnlockDocument(plain, options.password)) bytes = plain;
            // The password was tried and is wrong: without it the conversion
            // refuses the document at once instead of trying again.
            else batch.password.clear();
        }
        const ConversionOptions own = DocumentOptions(batch, bytes);
        step.rightToLeft = own.rightToLeftDocument != 0;
        step.result = ConvertDocument(bytes, out, message, tracker, own, cancel, fonts);
    });
    if (step.failure == StepFailure::kNone && step.result == kNotConverted) step.refusal = HeaderRefusal(document);
    if (step.failure == StepFailure::kNone && step.result == kProtected)
        step.refusal = options.password.empty() ? Refusal::kProtected : Refusal::kWrongPassword;
    return step;
}

}  // namespace quorin
