#pragma once
#include <map>
#include <mutex>
#include <optional>

#include "core/font_resolver.h"
#include "fonts/font_catalog.h"
#include "fonts/font_lists.h"
#include "fonts/font_map.h"

namespace quorin {

// Answers for runs without a user: the font map's three entries when it holds
// them all, otherwise the entries the font selection would preselect under
// the filter last used. Writes nothing to the map: only a person's choice is
// remembered. Safe to call from several conversions at once. The map and the
// catalog must outlive it; the catalog is read once.
class UnattendedFontChooser : public FontResolver {
public:
    UnattendedFontChooser(const FontMap& map, const FontCatalog& catalog) : map_(map), catalog_(catalog) {}

    FontSubstitutes LookupSubstitutes(const std::string& wordPerfectName) override;

private:
    const FontLists& ListsFor(int filter);

    const FontMap& map_;
    const FontCatalog& catalog_;
    std::mutex mutex_;
    std::optional<QList<InstalledFace>> faces_;
    std::map<int, FontLists> lists_;
};

}  // namespace quorin
