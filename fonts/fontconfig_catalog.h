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

// fontconfig's match for a family name and the script's first language
// (Arial for Hebrew text: an installed sans-serif face with Hebrew letters),
// named as the catalog names families.
class FontconfigMatcher : public FontMatcher {
public:
    QString MatchFamily(const QString& name, const QString& script) const override;
};

}  // namespace quorin
