#include "app/conversion_step.h"

#include "core/convert_document.h"
#include "core/document_direction.h"
#include "core/document_password.h"

namespace quorin {

ConversionStep ConvertStep(RtfBuffer& document, RtfBuffer& message, ProgressTracker* tracker,
                           const ConversionOptions& options, FontResolver* fonts) {
    ConversionStep step;
    // The letters that decide the direction are those of the plain text;
    // a document whose password is missing or wrong is refused below.
    if (options.decideDirection) UnlockDocument(document, options.password);
    ConversionOptions own;
    SetDocumentOptions(options, document, own);
    step.rightToLeft = own.rightToLeftDocument != 0;
    step.failure = Guarded([&] { step.result = ConvertDocument(document, message, tracker, own, fonts); });
    return step;
}

}  // namespace quorin
