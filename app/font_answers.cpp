#include "app/font_answers.h"

namespace quorin {

std::unique_ptr<FontResolver> MakeFontResolver() { return nullptr; }

}  // namespace quorin
