#include "fonts/font_map.h"

#include <QSettings>
#include <QStringList>
#include <array>
#include <cctype>

namespace quorin {

namespace {

const QString kGroup = QStringLiteral("FontSubstitution");
const std::array<QString, 3> kScriptGroups = {QStringLiteral("FontSubstitution/English"),
                                              QStringLiteral("FontSubstitution/Hebrew"),
                                              QStringLiteral("FontSubstitution/Arabic")};

// QSettings reads "/" and "\" in a key as group separators and drops an empty
// key, so font keys are stored with those characters (and "%") as %XX, and
// the empty key as "%00" (a font name never holds a zero byte).
QString StoredKey(const QString& fontKey) {
    if (fontKey.isEmpty()) return QStringLiteral("%00");
    QString stored;
    for (QChar c : fontKey) {
        if (c == u'%') stored += u"%25";
        else if (c == u'/') stored += u"%2F";
        else if (c == u'\\') stored += u"%5C";
        else stored += c;
    }
    return stored;
}

bool IsHexDigit(QChar c) { return c.unicode() < 128 && std::isxdigit(c.unicode()); }

QString FontKeyOf(const QString& storedKey) {
    if (storedKey == u"%00") return {};
    QString key;
    for (qsizetype i = 0; i < storedKey.size(); ++i) {
        if (storedKey[i] == u'%' && i + 2 < storedKey.size() && IsHexDigit(storedKey[i + 1]) &&
            IsHexDigit(storedKey[i + 2])) {
            key += QChar(storedKey.mid(i + 1, 2).toUShort(nullptr, 16));
            i += 2;
        } else {
            key += storedKey[i];
        }
    }
    return key;
}

// The stored key of `fontKey` in the group the settings are in, found without
// regard to case; an exact match wins. Empty when the group lacks it.
QString FindStoredKey(QSettings& settings, const QString& fontKey) {
    QString exact = StoredKey(fontKey);
    if (settings.contains(exact)) return exact;
    const QStringList keys = settings.childKeys();
    for (const QString& stored : keys) {
        if (FontKeyOf(stored).compare(fontKey, Qt::CaseInsensitive) == 0) return stored;
    }
    return {};
}

// The value of a font key (or value name) in `group`, found without regard to case.
QVariant ReadValue(QSettings& settings, const QString& group, const QString& name) {
    settings.beginGroup(group);
    QString stored = FindStoredKey(settings, name);
    QVariant value = stored.isEmpty() ? QVariant() : settings.value(stored);
    settings.endGroup();
    return value;
}

// Sets the value; a name already stored under another case keeps its spelling.
void WriteValue(QSettings& settings, const QString& group, const QString& name, const QVariant& value) {
    settings.beginGroup(group);
    QString stored = FindStoredKey(settings, name);
    settings.setValue(stored.isEmpty() ? StoredKey(name) : stored, value);
    settings.endGroup();
}

QString TextOf(const QVariant& value) {
    // A hand-edited value with commas reads back as a list.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u", ");
    return value.toString();
}

int ReadNumber(const QString& file, const QString& name, int highest) {
    QSettings settings(file, QSettings::IniFormat);
    bool ok = false;
    int value = ReadValue(settings, kGroup, name).toInt(&ok);
    return ok && value >= 0 && value <= highest ? value : 0;
}

}  // namespace

FontMap::FontMap()
    : file_(QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Ardenwick"),
                      QStringLiteral("Quorin"))
                .fileName()) {}

FontMap::FontMap(QString settingsFile) : file_(std::move(settingsFile)) {}

FontChoice FontMap::Lookup(const QString& fontKey) const {
    QSettings settings(file_, QSettings::IniFormat);
    return {TextOf(ReadValue(settings, kScriptGroups[0], fontKey)),
            TextOf(ReadValue(settings, kScriptGroups[1], fontKey)),
            TextOf(ReadValue(settings, kScriptGroups[2], fontKey))};
}

void FontMap::Store(const QString& fontKey, const FontChoice& choice) const {
    QSettings settings(file_, QSettings::IniFormat);
    WriteValue(settings, kScriptGroups[0], fontKey, choice.english);
    WriteValue(settings, kScriptGroups[1], fontKey, choice.hebrew);
    WriteValue(settings, kScriptGroups[2], fontKey, choice.arabic);
}

void FontMap::DeleteFontMap() const {
    QSettings settings(file_, QSettings::IniFormat);
    for (const QString& group : kScriptGroups) settings.remove(group);
}

int FontMap::FontType() const { return ReadNumber(file_, QStringLiteral("FontType"), 2); }

void FontMap::SetFontType(int filter) const {
    QSettings settings(file_, QSettings::IniFormat);
    WriteValue(settings, kGroup, QStringLiteral("FontType"), filter);
}

int FontMap::FontLanguage() const { return ReadNumber(file_, QStringLiteral("FontLanguage"), 1); }

void FontMap::SetFontLanguage(int language) const {
    QSettings settings(file_, QSettings::IniFormat);
    WriteValue(settings, kGroup, QStringLiteral("FontLanguage"), language);
}

}  // namespace quorin
