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
                           const ConversionOptions& options, FontResolver* fonts) {
    ConversionStep step;
    ConversionOptions own;
    if (options.decideDirection && EncryptionKeyOf(document) != 0) {
        // The letters that decide the direction are those of the plain text;
        // a document whose password is missing or wrong is refused below.
        RtfBuffer plain(document);
        UnlockDocument(plain, options.password);
        SetDocumentOptions(options, plain, own);
    } else {
        SetDocumentOptions(options, document, own);
    }
    step.rightToLeft = own.rightToLeftDocument != 0;
    step.failure = Guarded([&] { step.result = ConvertDocument(document, out, message, tracker, own, fonts); });
    if (step.failure == StepFailure::kNone && step.result == kNotConverted) step.refusal = HeaderRefusal(document);
    if (step.failure == StepFailure::kNone && step.result == kProtected)
        step.refusal = options.password.empty() ? Refusal::kProtected : Refusal::kWrongPassword;
    return step;
}

}  // namespace quorin
