#pragma once
#include <memory>

#include "core/font_resolver.h"

namespace quorin {

// The font answers of an unattended run: where the remembered font map and
// its automatic chooser are plugged in. Null: every WordPerfect font stands
// for itself.
std::unique_ptr<FontResolver> MakeFontResolver();

}  // namespace quorin
