#include "fonts/fontconfig_catalog.h"

#include <fontconfig/fontconfig.h>

#include <array>
#include <memory>
#include <set>
#include <utility>

#include "core/font_table.h"

namespace quorin {

namespace {

// A script of the font table's list (same order) counts as covered when
// fontconfig finds the letters of every one of these languages in the font.
constexpr std::array<std::array<const char*, 4>, kFontScriptNames.size()> kScriptLanguages = {{
    {"en", "fr", "de", "es"},  // Western
    {"he"},                    // Hebrew
    {"ar"},                    // Arabic
    {"ru", "uk"},              // Cyrillic
    {"el"},                    // Greek
    {"tr"},                    // Turkish
    {"lt", "lv", "et"},        // Baltic
    {"pl", "cs", "hu"},        // Central European
    {"vi"},                    // Vietnamese
    {"th"},                    // Thai
}};

bool Covers(const FcLangSet* languages, const std::array<const char*, 4>& required) {
    for (const char* language : required) {
        if (language &&
            FcLangSetHasLang(languages, reinterpret_cast<const FcChar8*>(language)) == FcLangDifferentLang)
            return false;
    }
    return true;
}

// The first English family name, else the first of any language.
QString FamilyOf(FcPattern* font) {
    FcChar8* first = nullptr;
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        if (!first) first = name;
        FcChar8* language = nullptr;
        if (FcPatternGetString(font, FC_FAMILYLANG, i, &language) == FcResultMatch &&
            FcStrCmpIgnoreCase(language, reinterpret_cast<const FcChar8*>("en")) == 0)
            return QString::fromUtf8(reinterpret_cast<const char*>(name));
    }
    return first ? QString::fromUtf8(reinterpret_cast<const char*>(first)) : QString();
}

using PatternPointer = std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)>;

}  // namespace

QList<InstalledFace> FontconfigCatalog::Faces() const {
    PatternPointer pattern(FcPatternBuild(nullptr, FC_OUTLINE, FcTypeBool, FcTrue, nullptr), FcPatternDestroy);
    std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(
        FcObjectSetBuild(FC_FAMILY, FC_FAMILYLANG, FC_LANG, nullptr), FcObjectSetDestroy);
    if (!pattern || !objects) return {};
    std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> fonts(
        FcFontList(nullptr, pattern.get(), objects.get()), FcFontSetDestroy);
    if (!fonts) return {};

    // Ordered and without repeats: the styles of a family report the same scripts.
    std::set<std::pair<QString, size_t>> found;
    for (int i = 0; i < fonts->nfont; ++i) {
        FcPattern* font = fonts->fonts[i];
        QString family = FamilyOf(font);
        FcLangSet* languages = nullptr;
        if (family.isEmpty() || FcPatternGetLangSet(font, FC_LANG, 0, &languages) != FcResultMatch) continue;
        for (size_t s = 0; s < kScriptLanguages.size(); ++s) {
            if (Covers(languages, kScriptLanguages[s])) found.emplace(family, s);
        }
    }
    QList<InstalledFace> faces;
    for (const auto& [family, script] : found) faces.append({family, QString::fromLatin1(kFontScriptNames[script].data(), kFontScriptNames[script].size())});
    return faces;
}

QString FontconfigMatcher::MatchFamily(const QString& name, const QString& script) const {
    PatternPointer pattern(FcPatternBuild(nullptr, FC_OUTLINE, FcTypeBool, FcTrue, nullptr), FcPatternDestroy);
    if (!pattern) return {};
    QByteArray family = name.toUtf8();
    if (!family.isEmpty()) FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.constData()));
    for (size_t s = 0; s < kFontScriptNames.size(); ++s) {
        if (script == QLatin1StringView(kFontScriptNames[s].data(), kFontScriptNames[s].size()))
            FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>(kScriptLanguages[s][0]));
    }
    if (!FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern)) return {};
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPointer match(FcFontMatch(nullptr, pattern.get(), &result), FcPatternDestroy);
    return match ? FamilyOf(match.get()) : QString();
}

}  // namespace quorin
