#include "app/conversion_step.h"

#include "core/convert_document.h"

namespace quorin {

ConversionStep ConvertStep(std::string_view document, RtfSink& out, RtfBuffer& message, ProgressTracker* tracker,
                           const ConversionOptions& options, FontResolver* fonts) {
    ConversionStep step;
    step.failure = Guarded([&] { step.result = ConvertDocument(document, out, message, tracker, options, fonts); });
    return step;
}

}  // namespace quorin
