#include "fonts/font_lists.h"

#include <algorithm>

namespace quorin {

namespace {

QString Entry(const InstalledFace& face) { return face.family + QStringLiteral(" (") + face.script + u')'; }

// Sorted as a sorted list box shows them, case ignored; exact repeats (same
// case) are then next to each other and only the last of them is kept.
void SortAndPrune(QStringList& list) {
    std::sort(list.begin(), list.end(), [](const QString& a, const QString& b) {
        int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    for (qsizetype i = list.size() - 2; i >= 0; --i) {
        if (list[i] == list[i + 1]) list.removeAt(i);
    }
    if (list.isEmpty()) list.append(kDefaultFontEntry);
}

// Davka compatible: Western faces named for Davka or GuttmanD are Hebrew
// fonts, listed without their maker's prefix; other Western faces are listed
// bare; Arabic faces as usual; every other script is left out.
void AddDavkaCompatible(const InstalledFace& face, FontLists& lists) {
    if (face.script == u"Arabic") {
        lists.arabic.append(Entry(face));
    } else if (face.script == u"Western") {
        // A face named just "Davka" leaves no name: it is not offered.
        auto addHebrew = [&lists](const QString& name) { if (!name.isEmpty()) lists.hebrew.append(name); };
        if (face.family.contains(u"Davka")) addHebrew(face.family.mid(6));
        else if (face.family.contains(u"GuttmanD")) addHebrew(face.family.mid(9));
        else lists.english.append(face.family);
    }
}

}  // namespace

FontLists BuildFontLists(const QList<InstalledFace>& faces, int filter) {
    FontLists lists;
    for (const InstalledFace& face : faces) {
        switch (filter) {
            case kWindowsCompatibleFonts:
                if (face.script == u"Western") lists.english.append(Entry(face));
                else if (face.script == u"Hebrew") lists.hebrew.append(Entry(face));
                else if (face.script == u"Arabic") lists.arabic.append(Entry(face));
                break;
            case kDavkaCompatibleFonts:
                AddDavkaCompatible(face, lists);
                break;
            case kAllFonts:
                lists.english.append(Entry(face));
                lists.hebrew.append(Entry(face));
                lists.arabic.append(Entry(face));
                break;
        }
    }
    SortAndPrune(lists.english);
    SortAndPrune(lists.hebrew);
    SortAndPrune(lists.arabic);
    return lists;
}

int EffectiveFilter(int filter, int language) {
    return filter == kDavkaCompatibleFonts && language == kArabicLanguage ? kWindowsCompatibleFonts : filter;
}

qsizetype SharedPrefixLength(const QStringList& list, const QString& text) {
    for (qsizetype length = text.size(); length > 0; --length) {
        QStringView beginning = QStringView(text).left(length);
        for (const QString& entry : list) {
            if (entry.startsWith(beginning, Qt::CaseInsensitive)) return length;
        }
    }
    return 0;
}

qsizetype BestPrefixIndex(const QStringList& list, const QString& text, qsizetype selected) {
    const qsizetype length = SharedPrefixLength(list, text);
    if (length == 0) return selected;
    QStringView beginning = QStringView(text).left(length);
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list[i].startsWith(beginning, Qt::CaseInsensitive)) return i;
    }
    return selected;
}

QString EntryOfFamily(const QStringList& list, const QString& family, const QString& script) {
    if (family.isEmpty()) return {};
    QString own = family + QStringLiteral(" (") + script + u')';
    if (list.contains(own)) return own;
    if (list.contains(family)) return family;
    QString anyScript = family + QStringLiteral(" (");
    for (const QString& entry : list) {
        if (entry.startsWith(anyScript) && entry.endsWith(u')')) return entry;
    }
    return {};
}

FontChoice PreselectedChoice(const FontLists& lists, const QString& fontKey, const FontChoice& stored) {
    auto preselect = [&fontKey](const QStringList& list, const QString& storedEntry) {
        return list[BestPrefixIndex(list, storedEntry.isEmpty() ? fontKey : storedEntry, 0)];
    };
    return {preselect(lists.english, stored.english), preselect(lists.hebrew, stored.hebrew),
            preselect(lists.arabic, stored.arabic)};
}

}  // namespace quorin
