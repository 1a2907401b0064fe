#pragma once
#include <QString>

namespace quorin {

// The list entries remembered for one font key, as the user chose them
// (such as "Arial (Hebrew)"); an empty text means nothing is remembered.
struct FontChoice {
    QString english;
    QString hebrew;
    QString arabic;

    bool Complete() const { return !english.isEmpty() && !hebrew.isEmpty() && !arabic.isEmpty(); }
    bool operator==(const FontChoice&) const = default;
};

// The remembered substitutions in the settings file: the groups
// "FontSubstitution/English", ".../Hebrew" and ".../Arabic" hold one value per
// font key, and "FontSubstitution" itself holds "FontType" and "FontLanguage".
// Font keys are matched without regard to case. Nothing is cached: every call
// reads the file again, so other processes' choices count at once. Failures
// of the file are not reported (a missing value reads as empty).
class FontMap {
public:
    // The program's own settings file ($XDG_CONFIG_HOME/Ardenwick/Quorin.ini).
    FontMap();
    // Another INI file of the same layout.
    explicit FontMap(QString settingsFile);

    const QString& SettingsFile() const { return file_; }

    FontChoice Lookup(const QString& fontKey) const;
    // Replaces all three entries of the key (a key stored under another case keeps its spelling).
    void Store(const QString& fontKey, const FontChoice& choice) const;
    // Forgets every substitution; "FontType" and "FontLanguage" stay.
    void DeleteFontMap() const;

    // The font list filter last used (0 Windows compatible, 1 Davka compatible,
    // 2 all fonts) and the right-to-left language last shown (0 Hebrew,
    // 1 Arabic); a missing or unknown value reads as 0.
    int FontType() const;
    void SetFontType(int filter) const;
    int FontLanguage() const;
    void SetFontLanguage(int language) const;

private:
    QString file_;
};

}  // namespace quorin
