#pragma once
#include <memory>

#include "core/font_resolver.h"

namespace quorin {

// The font answers of an unattended run: the font map in the user's settings
// file, and where it lacks an answer the automatic chooser over the installed
// fonts. Reads the settings, never writes them. Safe for several conversions
// at once.
std::unique_ptr<FontResolver> MakeFontResolver();

}  // namespace quorin
