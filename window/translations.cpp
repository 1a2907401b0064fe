#include "window/translations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>
#include <memory>

#include "window/mnemonic_style.h"

namespace quorin {

namespace {

// The translations in use: the window's own (built into the program) and Qt's.
struct Installed {
    QString language = QStringLiteral("en");
    std::unique_ptr<QTranslator> window;
    std::unique_ptr<QTranslator> qt;
    Qt::LayoutDirection direction = Qt::LeftToRight;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

void Uninstall(std::unique_ptr<QTranslator>& translator) {
    if (translator) QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

// Qt lays out a language's windows right to left when its translation says so.
//: LTR, or RTL for a language written right to left.
[[maybe_unused]] const char* const kLayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

}  // namespace

QString WindowLanguageFor(const QStringList& uiLanguages) {
    for (const QString& wanted : uiLanguages) {
        const QString language = QLocale(wanted).name().section(u'_', 0, 0);
        if (language == u"en" || kWindowLanguages.contains(language)) return language;
    }
    return QStringLiteral("en");
}

bool UseLanguage(const QString& language) {
    Installed& installed = Current();
    Uninstall(installed.window);
    Uninstall(installed.qt);
    auto window = std::make_unique<QTranslator>();
    const bool found = kWindowLanguages.contains(language) && window->load(QStringLiteral(":/i18n/quorin_") + language);
    if (found) {
        QCoreApplication::installTranslator(window.get());
        installed.window = std::move(window);
        // Qt's words for its standard buttons and dialogs; without them, they stay English.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            installed.qt = std::move(qt);
        }
    }
    installed.language = found ? language : QStringLiteral("en");
    // The style in force, without the Arabic underlines, or with them.
    auto* alt = qobject_cast<MnemonicsOnAltStyle*>(QApplication::style());
    if (LettersJoin(installed.language) && !alt) {
        auto* style = new MnemonicsOnAltStyle;
        style->setBaseStyle(QStyleFactory::create(QApplication::style()->name()));
        QApplication::setStyle(style);
    } else if (!LettersJoin(installed.language) && alt) {
        QApplication::setStyle(QStyleFactory::create(alt->baseStyle()->name()));
    }
    const Qt::LayoutDirection direction = QLocale(installed.language).textDirection();
    // Left to right is Qt's to decide, so that "-reverse" keeps working; an
    // earlier right-to-left choice is undone.
    if (direction == Qt::RightToLeft || installed.direction == Qt::RightToLeft)
        QGuiApplication::setLayoutDirection(direction);
    installed.direction = direction;
    return found || language == u"en";
}

QString WindowLanguage() { return Current().language; }

}  // namespace quorin
