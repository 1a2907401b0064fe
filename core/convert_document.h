#pragma once
#include "core/cancel_request.h"
#include "core/conversion_notes.h"
#include "core/conversion_options.h"
#include "core/font_resolver.h"
#include "core/progress_tracker.h"
#include "core/rtf_buffer.h"
#include "core/rtf_sink.h"

namespace quorin {

enum ConvertResult : int {
    kConverted = 0,
    kNotConverted = 255,  // the message says why
    kCancelled = 254,     // cancelled while the prefix area was walked
    kProtected = 253,     // protected by a password not given or wrong; the message says which
};

// Why a document is refused before its body is read.
enum class Refusal { kNone, kNotWordPerfect, kNotStandard, kErrorInFile, kProtected, kWrongPassword };

// The refusal of a document's header: not a WordPerfect 5.x document, not a
// standard one, or a document area past the end; kNone for a sound header.
Refusal HeaderRefusal(std::string_view document);
// The message of a refusal, as the conversion leaves it.
const char* RefusalText(Refusal refusal);

// Converts one WordPerfect 5.x document, read where it lies, into RTF text
// (line feeds as LF) written to `out` as it is made. When the result is not
// kConverted, or a failure is raised, whatever reached `out` is no document:
// the caller discards it; on kNotConverted `message` is set. A failure raised
// inside the conversion (std::invalid_argument from a tested read, bad_alloc)
// is passed on to the caller. `fonts` may be null: each WordPerfect font then
// stands for itself in all three scripts. The conversion stops early, with
// kCancelled or a shortened body, once `cancel` is requested. `notes`, when
// given, is filled with what the document holds that the RTF does not carry.
int ConvertDocument(std::string_view document, RtfSink& out, RtfBuffer& message, ProgressTracker* tracker,
                    const ConversionOptions& options, const CancelRequest& cancel, FontResolver* fonts = nullptr,
                    ConversionNotes* notes = nullptr);

// The same conversion of a document held whole in `document`: on kConverted
// `document` holds the RTF text; otherwise it is left as given.
int ConvertDocument(RtfBuffer& document, RtfBuffer& message, ProgressTracker* tracker,
                    const ConversionOptions& options, const CancelRequest& cancel, FontResolver* fonts = nullptr,
                    ConversionNotes* notes = nullptr);

// For tools and tests: the same two conversions, never cancelled.
int ConvertDocument(std::string_view document, RtfSink& out, RtfBuffer& message, ProgressTracker* tracker,
                    const ConversionOptions& options, FontResolver* fonts = nullptr, ConversionNotes* notes = nullptr);
int ConvertDocument(RtfBuffer& document, RtfBuffer& message, ProgressTracker* tracker,
                    const ConversionOptions& options, FontResolver* fonts = nullptr, ConversionNotes* notes = nullptr);

}  // namespace quorin
