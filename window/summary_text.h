#pragma once
#include <QString>

#include "app/message_texts.h"

namespace quorin {

// The line that ends a batch, as the command line's summary says it
// ("412 converted, 3 failed, 2 skipped (empty)"), in the window's language.
QString SummaryText(const texts::SummaryCounts& counts);

}  // namespace quorin
