#include "app/conversion_step.h"

#include "core/convert_document.h"
#include "core/document_direction.h"

namespace quorin {

ConversionStep ConvertStep(RtfBuffer& document, RtfBuffer& message, ProgressTracker* tracker,
                           const ConversionOptions& options, FontResolver* fonts) {
    ConversionStep step;
    ConversionOptions own;
    SetDocumentOptions(options, document, own);
    step.rightToLeft = own.rightToLeftDocument != 0;
    step.failure = Guarded([&] { step.result = ConvertDocument(document, message, tracker, own, fonts); });
    return step;
}

}  // namespace quorin
