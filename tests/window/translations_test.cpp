// The window in Hebrew and Arabic: every text translated, in the .ts files
// and on screen, each dialog with its own Alt keys in the language's own
// letters, the layout mirrored, and the batch's messages translated around
// their paths.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>
#include <QXmlStreamReader>
#include <algorithm>
#include <functional>
#include <map>
#include <memory>

#include "app/message_texts.h"
#include "fonts/font_catalog.h"
#include "window/about_dlg.h"
#include "window/font_select_dialog.h"
#include "window/hyper_link.h"
#include "window/message_translation.h"
#include "window/progress_dlg.h"
#include "window/quorin_dlg.h"
#include "window/shown_path.h"
#include "window/startup_tips_dlg.h"
#include "window/translations.h"
#include "window/tutorial_dlg.h"
#include "window/warning_box.h"
#include "window_test_support.h"

namespace quorin {
namespace {

// Whether a text holds a letter of the language's own script.
bool InScript(const QString& text, const QString& language) {
    const QChar::Script script = language == u"he" ? QChar::Script_Hebrew : QChar::Script_Arabic;
    for (QChar c : text)
        if (c.isLetter() && c.script() == script) return true;
    return false;
}

// The letter of a text's Alt key; null when it has none ("&&" is an "&").
QChar Mnemonic(const QString& text) {
    for (qsizetype at = text.indexOf(u'&'); at >= 0 && at + 1 < text.size(); at = text.indexOf(u'&', at + 2)) {
        if (text[at + 1] != u'&') return text[at + 1].toLower();
    }
    return {};
}

struct Message {
    QString context, source, comment;
    QStringList translations;  // one, or one per plural form
    QString type;              // "unfinished", "vanished", ... ; empty when done
};

std::vector<Message> ReadTs(const QString& language) {
    QFile file(QStringLiteral(QUORIN_TRANSLATIONS_DIR "/quorin_") + language + QStringLiteral(".ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    std::vector<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") context = xml.readElementText();
        else if (xml.name() == u"message") messages.push_back({context});
        else if (xml.name() == u"source") messages.back().source = xml.readElementText();
        else if (xml.name() == u"translation") {
            Message& message = messages.back();
            message.type = xml.attributes().value(QStringLiteral("type")).toString();
            // Its text, or one numerusform for each plural form.
            QString text;
            while (!xml.atEnd() && !(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == u"translation")) {
                if (xml.isCharacters()) text += xml.text();
                else if (xml.isStartElement() && xml.name() == u"numerusform") message.translations << xml.readElementText();
            }
            if (message.translations.isEmpty()) message.translations << text;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " at line " << xml.lineNumber();
    return messages;
}

// What a translation must keep of its source: its places (%1, %n), its RTF
// groups and control words, and an Alt key, in a letter of its own script.
TEST(Translations, EverySourceTextHasAFinishedTranslationThatKeepsWhatMatters) {
    const QRegularExpression places(QStringLiteral("%[0-9n]")), controls(QStringLiteral("\\\\[a-z]+[0-9]*"));
    auto sorted = [](const QString& text, const QRegularExpression& pattern) {
        QStringList found;
        for (const auto& match : pattern.globalMatch(text)) found << match.captured();
        found.sort();
        return found;
    };
    for (const QString& language : kWindowLanguages) {
        const std::vector<Message> messages = ReadTs(language);
        EXPECT_GT(messages.size(), 130u);
        for (const Message& m : messages) {
            SCOPED_TRACE((language + u' ' + m.context + QStringLiteral(": ") + m.source).toStdString());
            EXPECT_EQ(m.type, QString());
            ASSERT_FALSE(m.translations.isEmpty());
            for (const QString& translation : m.translations) {
                EXPECT_FALSE(translation.trimmed().isEmpty());
                EXPECT_EQ(sorted(translation, places), sorted(m.source, places));
                EXPECT_EQ(sorted(translation, controls), sorted(m.source, controls));
                EXPECT_EQ(translation.count(u'{'), m.source.count(u'{'));
                EXPECT_EQ(translation.count(u'}'), m.source.count(u'}'));
                // An Alt key where the source has one (and perhaps where the
                // language's letters leave room for one that English lacks).
                const QChar key = Mnemonic(translation);
                if (!Mnemonic(m.source).isNull()) EXPECT_FALSE(key.isNull());
                if (!key.isNull()) EXPECT_TRUE(InScript(key, language)) << QString(key).toStdString();
                const bool words = std::any_of(m.source.begin(), m.source.end(), [](QChar c) { return c.isLetter(); });
                if (words && m.source != u"QT_LAYOUT_DIRECTION") EXPECT_TRUE(InScript(translation, language));
            }
        }
    }
}

// Fonts for the font dialog without asking the machine.
struct SomeFonts : FontCatalog {
    QList<InstalledFace> Faces() const override {
        return {{"DejaVu Sans", "Western"}, {"DejaVu Sans", "Hebrew"}, {"Noto Sans Arabic", "Arabic"}};
    }
};

// Each dialog of the window, made afresh in the language in force.
struct Dialogs {
    test::MessageRecorder messages;
    CancelRequest cancel;
    FontMap map{test::FreshSettingsFile()};
    SomeFonts fonts;

    std::vector<std::pair<const char*, std::function<std::unique_ptr<QWidget>()>>> Makers() {
        return {
            {"main window", [] { return std::make_unique<CQuorinDlg>(); }},
            {"progress", [this] {
                 auto progress = std::make_unique<CProgressDlg>(messages, cancel, nullptr);
                 progress->setWindowModality(Qt::NonModal);
                 progress->ShowFileName("/home/dana/a.wp");
                 return progress;
             }},
            {"font selection", [this] {
                 auto dialog = std::make_unique<CFontSelectDialog>(map, fonts, messages, cancel);
                 dialog->Prepare(QStringLiteral("Times"), {}, QStringLiteral("/home/dana/a.wp"));
                 return dialog;
             }},
            {"tips", [] { return std::make_unique<CStartupTipsDlg>(); }},
            {"tutorial", [] { return std::make_unique<CTutorialDlg>(); }},
            {"warning", [] { return std::make_unique<CWarningBox>(); }},
            {"about", [] { return std::make_unique<CAboutDlg>(); }},
        };
    }
};

// The texts a person reads in a window, and its Alt keys, each group of
// controls that answer at the same time on its own (the window, each menu).
struct Reading {
    QStringList texts;
    std::vector<QStringList> keyGroups;
};

Reading Read(QWidget& window) {
    Reading reading;
    reading.texts << window.windowTitle();
    QStringList keys;
    auto read = [&](const QString& text) {
        reading.texts << text;
        if (!Mnemonic(text).isNull()) keys << text;
    };
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() != &window) continue;  // a window of its own, such as the tutorial
        if (!widget->toolTip().isEmpty() && !qobject_cast<CHyperLink*>(widget) && widget->objectName() != u"fileName" &&
            widget->objectName() != u"document")
            reading.texts << widget->toolTip();
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !button->text().isEmpty()) read(button->text());
        if (auto* box = qobject_cast<QGroupBox*>(widget)) read(box->title());
        if (auto* label = qobject_cast<QLabel*>(widget); label && !qobject_cast<CHyperLink*>(label) &&
                                                          !label->text().isEmpty() && label->pixmap().isNull())
            read(label->text());
    }
    if (auto* bar = window.findChild<QMenuBar*>()) {
        for (QAction* menu : bar->actions()) {
            read(menu->text());
            QStringList items;
            for (QAction* item : menu->menu()->actions()) {
                if (item->isSeparator()) continue;
                reading.texts << item->text();
                items << item->text();
            }
            reading.keyGroups.push_back(items);
        }
    }
    reading.keyGroups.push_back(keys);
    return reading;
}

// Texts that are the same in every language: the program's name, the font
// asked about, paths, numbers.
bool SameInEveryLanguage(const QString& text) {
    static const QStringList same = {"Quorin", "Times", "/home/dana/a.wp", " 0 %", "0%"};
    return same.contains(text) || text.startsWith(QStringLiteral("Quorin Version"));
}

// In each language, every text of every dialog is in that language's script
// (none left in English), each dialog's Alt keys are its own, and the
// layout runs from right to left.
TEST(Translations, EveryDialogSpeaksTheLanguageWithItsOwnAltKeys) {
    Dialogs dialogs;
    for (const QString& language : {QStringLiteral("en"), QStringLiteral("he"), QStringLiteral("ar")}) {
        ASSERT_TRUE(UseLanguage(language));
        EXPECT_EQ(WindowLanguage(), language);
        EXPECT_EQ(QGuiApplication::layoutDirection(), language == u"en" ? Qt::LeftToRight : Qt::RightToLeft);
        for (auto& [name, make] : dialogs.Makers()) {
            SCOPED_TRACE((language + u' ' + QString::fromLatin1(name)).toStdString());
            std::unique_ptr<QWidget> dialog = make();
            EXPECT_EQ(dialog->layoutDirection(), QGuiApplication::layoutDirection());
            const Reading reading = Read(*dialog);
            for (const QString& text : reading.texts) {
                if (language == u"en" || SameInEveryLanguage(text) || text.isEmpty()) continue;
                EXPECT_TRUE(InScript(text, language)) << text.toStdString();
            }
            for (const QStringList& group : reading.keyGroups) {
                std::map<QChar, QString> owners;
                for (const QString& text : group) {
                    auto [owner, fresh] = owners.emplace(Mnemonic(text), text);
                    EXPECT_TRUE(fresh) << text.toStdString() << " and " << owner->second.toStdString();
                }
            }
        }
    }
    UseLanguage(QStringLiteral("en"));
}

// Alt with a letter of the translated word moves to its control, as Alt+N
// does in English.
TEST(Translations, AltKeysWorkWithTheLanguagesLetters) {
    for (const QString& language : {QStringLiteral("en"), QStringLiteral("he"), QStringLiteral("ar")}) {
        SCOPED_TRACE(language.toStdString());
        UseLanguage(language);
        {
            CQuorinDlg window;
            test::ShowActive(window);
            window.findChild<QWidget*>("convert")->setFocus();
            QWidget* names = window.findChild<QWidget*>(kFileNamesName);
            const QList<QLabel*> labels = window.findChildren<QLabel*>();
            auto label = std::find_if(labels.begin(), labels.end(), [names](QLabel* l) { return l->buddy() == names; });
            ASSERT_NE(label, labels.end());
            const QChar key = Mnemonic((*label)->text());
            ASSERT_FALSE(key.isNull());
            test::PressAlt(&window, Qt::Key(key.toUpper().unicode()));
            EXPECT_EVENTUALLY(QApplication::focusWidget() == window.findChild<QWidget*>(kFileNamesName));
        }
    }
    UseLanguage(QStringLiteral("en"));
}

// Arabic letters join, and an underlined one would stand apart from its
// word: in Arabic the Alt keys' letters are underlined only while Alt is
// held; in Hebrew and English always.
TEST(Translations, ArabicUnderlinesItsAltKeysOnlyWhileAltIsHeld) {
    auto underlined = [] { return QApplication::style()->styleHint(QStyle::SH_UnderlineShortcut) != 0; };
    UseLanguage(QStringLiteral("he"));
    EXPECT_TRUE(underlined());
    UseLanguage(QStringLiteral("ar"));
    EXPECT_FALSE(underlined());
    CAboutDlg dialog;
    test::ShowActive(dialog);
    QTest::keyPress(&dialog, Qt::Key_Alt, Qt::AltModifier);
    EXPECT_TRUE(underlined());
    QTest::keyRelease(&dialog, Qt::Key_Alt);
    EXPECT_FALSE(underlined());
    UseLanguage(QStringLiteral("en"));
    EXPECT_TRUE(underlined());
}

// English leaves the direction to Qt, so that "-reverse" (which Qt reads
// from the arguments) still mirrors the window; Hebrew mirrors it, and
// English after Hebrew undoes that.
TEST(Translations, EnglishKeepsWhatReverseAsksFor) {
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);  // as "-reverse" leaves it
    UseLanguage(QStringLiteral("en"));
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    UseLanguage(QStringLiteral("he"));
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    UseLanguage(QStringLiteral("en"));
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

TEST(Translations, LanguageFollowsThePersonsLanguages) {
    const std::pair<QStringList, const char*> cases[] = {
        {{"he-IL", "he", "en"}, "he"}, {{"fr-FR", "ar-EG"}, "ar"}, {{"en-US", "he-IL"}, "en"},
        {{"C"}, "en"},                 {{}, "en"},                 {{"de-DE", "fr"}, "en"},
        {{"ar"}, "ar"},
    };
    for (const auto& [languages, chosen] : cases) EXPECT_EQ(WindowLanguageFor(languages), chosen) << languages.join(',').toStdString();
    EXPECT_FALSE(UseLanguage(QStringLiteral("fr")));
    EXPECT_EQ(WindowLanguage(), "en");
}

// The batch's messages in the window's language: the known sentences
// translated around their paths (kept whole, as left-to-right units), the
// rest as it is; in English, byte for byte what the batch said.
TEST(Translations, TheBatchsMessagesAreTranslatedAroundTheirPaths) {
    // A path that reads backwards as it stands, and one that needs no marks
    // on its own but does in a right-to-left sentence.
    for (const std::string path : {"/home/dana/מסמכים/a \"b\" %1.wp", "/tmp/a \"b\" %1.wp"}) {
        const QString shownPath = QString::fromStdString(DisplayPath(path));
        const QString unit = shownPath.startsWith(QChar(0x2066)) ? shownPath : QChar(0x2066) + shownPath + QChar(0x2069);
        // Every reason the batch can give, as it says it, with its caption.
        std::vector<std::string> messages;
        for (int kind = int(ReasonKind::kNotFound); kind <= int(ReasonKind::kOutputExists); ++kind) {
            for (long seconds : {1, 30}) {
                const Reason reason(ReasonKind(kind), path, ReasonKind(kind) == ReasonKind::kExport ? "docx" : "/tmp/x.wp",
                                    seconds);
                messages.push_back(texts::ReasonText(reason));
                messages.push_back(texts::CaptionOf(reason));
            }
        }
        for (const char* message : {texts::kUserCanceled, texts::kCancelQuestion, texts::kErrorCaption, texts::kMemoryCaption,
                                    texts::kCanceledCaption, texts::kNoticeCaption, texts::kCancelCaption})
            messages.push_back(message);
        for (const QString& language : {QStringLiteral("en"), QStringLiteral("he"), QStringLiteral("ar")}) {
            UseLanguage(language);
            for (const std::string& message : messages) {
                SCOPED_TRACE(language.toStdString() + ": " + message);
                const QString shown = TranslatedMessage(message);
                if (language == u"en") {
                    EXPECT_EQ(shown.toStdString(), message);
                    continue;
                }
                // Every line but a path on its own is in the language, and
                // within it the path (the lines holding "%1" hold it) is one
                // left-to-right unit.
                for (const QString& line : shown.split(u'\n')) {
                    if (line.isEmpty() || line == shownPath) continue;
                    EXPECT_TRUE(InScript(line, language)) << line.toStdString();
                    if (message.find(path) != std::string::npos && line.contains(u'%')) EXPECT_TRUE(line.contains(unit));
                }
                if (message.find(DisplayPath(path)) != std::string::npos)
                    EXPECT_TRUE(WithoutShownMarks(shown).contains(QString::fromStdString(path)));
            }
        }
    }
    UseLanguage(QStringLiteral("en"));
}

}  // namespace
}  // namespace quorin
