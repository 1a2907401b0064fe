#include "app/conversion_step.h"

#include "core/convert_document.h"
#include "core/document_direction.h"
#include "core/document_password.h"

namespace quorin {

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
    return step;
}

}  // namespace quorin
