#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include "fonts/font_catalog.h"
#include "fonts/font_map.h"

namespace quorin {

// Which fonts the lists offer ("FontType").
enum FontFilter : int {
    kWindowsCompatibleFonts = 0,  // by script: Western, Hebrew, Arabic
    kDavkaCompatibleFonts = 1,    // Hebrew fonts that put their letters where Latin ones are
    kAllFonts = 2,                // every font and script in every list
};

// The right-to-left language shown beside the English list ("FontLanguage").
enum FontLanguage : int { kHebrewLanguage = 0, kArabicLanguage = 1 };

// The entry of a list that offers no font.
inline const QString kDefaultFontEntry = QStringLiteral("Default font");

// The three lists of entries offered for one WordPerfect font, sorted,
// without repeated entries, and never empty.
struct FontLists {
    QStringList english;
    QStringList hebrew;
    QStringList arabic;
};

FontLists BuildFontLists(const QList<InstalledFace>& faces, int filter);

// The filter the lists are filled with: Davka fonts have no Arabic, so the
// Arabic language shows Windows compatible fonts instead.
int EffectiveFilter(int filter, int language);

// The index of the first entry sharing the longest beginning with `text`
// (case ignored); `selected` when no entry shares even the first character.
qsizetype BestPrefixIndex(const QStringList& list, const QString& text, qsizetype selected);

// The length of the longest beginning `text` shares with an entry (case ignored).
qsizetype SharedPrefixLength(const QStringList& list, const QString& text);

// The entry of a list that offers `family`: for the list's own `script`
// first, then bare (Davka lists), then for any script (the all-fonts lists);
// empty when the list does not offer it.
QString EntryOfFamily(const QStringList& list, const QString& family, const QString& script);

// The entries preselected in the three lists for a font key: the entry
// nearest the stored one, or, where nothing is stored, the one nearest the
// font key; the first entry when neither shares a beginning with any entry.
FontChoice PreselectedChoice(const FontLists& lists, const QString& fontKey, const FontChoice& stored);

}  // namespace quorin
