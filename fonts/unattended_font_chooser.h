#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <utility>

#include "core/font_resolver.h"
#include "fonts/font_catalog.h"
#include "fonts/font_lists.h"
#include "fonts/font_map.h"

namespace quorin {

// Answers for runs without a user: the font map's three entries when it holds
// them all, otherwise the entries the font selection would preselect under
// the filter last used; where a list has nothing stored and no entry shares
// even a first letter with the font key, the entry of the system's own
// substitute for the key (when the matcher names a family of that list).
// Writes nothing to the map: only a person's choice is remembered. Safe to
// call from several conversions at once. The map, the catalog and the matcher
// must outlive it; the catalog is read once, each key matched once.
class UnattendedFontChooser : public FontResolver {
public:
    UnattendedFontChooser(const FontMap& map, const FontCatalog& catalog, const FontMatcher* matcher = nullptr)
        : map_(map), catalog_(catalog), matcher_(matcher) {}

    FontSubstitutes LookupSubstitutes(const std::string& wordPerfectName) override;

private:
    const FontLists& ListsFor(int filter);
    QString SystemEntry(const QStringList& list, const QString& fontKey, const QString& script);
    std::array<int64_t, 4> SettingsFileState() const;

    const FontMap& map_;
    const FontCatalog& catalog_;
    const FontMatcher* matcher_;
    std::mutex mutex_;
    std::optional<QList<InstalledFace>> faces_;
    std::map<int, FontLists> lists_;
    std::map<std::pair<QString, QString>, QString> matches_;  // (key, script) -> family
    std::map<QString, FontSubstitutes> answers_;  // while the settings file is unchanged
    std::array<int64_t, 4> answeredState_{};
};

}  // namespace quorin
