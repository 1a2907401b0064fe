#pragma once
#include <ostream>
#include <string>

#include "core/cancel_request.h"
#include "core/conversion_options.h"
#include "core/font_resolver.h"

namespace quorin {

// Converts one document from the input descriptor to the output descriptor
// (line feeds stored as CR LF). A failure writes its message to `errors`,
// writes nothing to the output, and gives a non-zero exit status; so does a
// cancel request. inputName: the input as messages name it ("-" for standard
// input).
int RunFilter(int input, int output, std::ostream& errors, const ConversionOptions& options,
              const CancelRequest& cancel, FontResolver* fonts, const std::string& inputName = "-");

}  // namespace quorin
