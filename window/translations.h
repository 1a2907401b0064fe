#pragma once
#include <QString>
#include <QStringList>

namespace quorin {

// The window's languages besides English, its source language.
inline const QStringList kWindowLanguages = {QStringLiteral("he"), QStringLiteral("ar")};

// The language the window speaks to a person whose languages are
// `uiLanguages`, in order of preference (QLocale::uiLanguages(): LANGUAGE,
// then LC_ALL, LC_MESSAGES or LANG): the first of them that it has, English
// included; English when it has none.
QString WindowLanguageFor(const QStringList& uiLanguages);

// Speaks `language` ("en", "he", "ar"): installs its translations, the
// window's and Qt's own for the standard buttons and dialogs (in place of
// those of an earlier call), lays the whole window out right to left for a
// right-to-left language, else as Qt decides (left to right, unless
// "-reverse" was given), and, for Arabic, underlines the Alt keys' letters
// only while Alt is held. Call it before the windows are made. False, and
// English, when the language is not one of the window's.
bool UseLanguage(const QString& language);

// The language UseLanguage last chose; "en" before.
QString WindowLanguage();

}  // namespace quorin
