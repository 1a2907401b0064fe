#pragma once
#include <exception>
#include <new>

#include "app/file_outcome.h"
#include "core/cancel_request.h"
#include "core/conversion_options.h"
#include "core/convert_document.h"
#include "core/font_resolver.h"
#include "core/progress_tracker.h"
#include "core/rtf_buffer.h"
#include "core/rtf_sink.h"

namespace quorin {

// How a step of the batch ended when it did not end normally.
enum class StepFailure { kNone, kOutOfMemory, kRaised };

// Runs `step`, turning a failure raised inside it into a StepFailure: the
// batch catches such failures once per file.
template <class Step>
StepFailure Guarded(Step&& step) {
    try {
        step();
        return StepFailure::kNone;
    } catch (const std::bad_alloc&) {
        return StepFailure::kOutOfMemory;
    } catch (...) {
        return StepFailure::kRaised;
    }
}

struct ConversionStep {
    int result = 0;  // of ConvertDocument, when failure is kNone
    StepFailure failure = StepFailure::kNone;
    bool rightToLeft = false;  // the direction the document was converted in
    Refusal refusal = Refusal::kNone;  // why the conversion refused it, when it did
};

// Why a step that did not convert its document failed: kNone when it did.
ReasonKind ReasonOf(const ConversionStep& step);

// The conversion of one document: a pure function of its bytes, the options
// and the font answers, safe to run on a worker thread, stopped early by the
// batch's cancel request. The direction is the document's own (see
// DocumentOptions). A protected document is decrypted once, and its plain
// text both decides the direction and is converted. The RTF text (line feeds
// as LF) goes to `out`, and is a document only on result 0; on 255 the
// message says why.
ConversionStep ConvertStep(std::string_view document, RtfSink& out, RtfBuffer& message, ProgressTracker* tracker,
                           const ConversionOptions& options, const CancelRequest& cancel, FontResolver* fonts);

}  // namespace quorin
