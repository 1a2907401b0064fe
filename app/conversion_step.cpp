#include "app/conversion_step.h"

#include "core/convert_document.h"

namespace quorin {

ConversionStep ConvertStep(RtfBuffer& document, RtfBuffer& message, ProgressTracker* tracker,
                           const ConversionOptions& options, FontResolver* fonts) {
    ConversionStep step;
    step.failure = Guarded([&] { step.result = ConvertDocument(document, message, tracker, options, fonts); });
    return step;
}

}  // namespace quorin
