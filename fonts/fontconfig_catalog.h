#pragma once
#include "fonts/font_catalog.h"

namespace quorin {

// The outline (scalable) families that fontconfig knows, each with every
// script it has the letters for. Families are named by their first English
// name, so the styles of one family ("DejaVu Sans Condensed") count as it.
class FontconfigCatalog : public FontCatalog {
public:
    QList<InstalledFace> Faces() const override;
};

}  // namespace quorin
