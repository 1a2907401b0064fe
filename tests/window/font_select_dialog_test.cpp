#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

#include "window/dialog_font_resolver.h"
#include "window/font_select_dialog.h"
#include "window/shown_path.h"
#include "fonts/qt_printing.h"
#include "window_test_support.h"

namespace quorin {
namespace {

class FakeCatalog : public FontCatalog {
public:
    QList<InstalledFace> Faces() const override {
        return {{"Times New Roman", "Western"}, {"Arial", "Western"},       {"Arial", "Hebrew"},
                {"Arial", "Arabic"},            {"David", "Hebrew"},        {"Davka Ktav", "Western"},
                {"GuttmanD Yad", "Western"},    {"Traditional Arabic", "Arabic"}, {"Tahoma", "Greek"},
                {"David", "Hebrew"}};
    }
};

QStringList Entries(QListWidget* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries.append(list->item(i)->text());
    return entries;
}

class FontDialog : public testing::Test {
protected:
    void Open(const QString& key, const FontChoice& stored = {}, const FontCatalog* faces = nullptr,
              const FontMatcher* matcher = nullptr, const QString& document = {}) {
        dialog = std::make_unique<CFontSelectDialog>(map, faces ? *faces : catalog, messages, cancel, nullptr, matcher);
        dialog->Prepare(key, stored, document);
        test::ShowActive(*dialog);
    }
    template <typename T>
    T* Find(const char* name) {
        T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QListWidget* List(const char* name) { return Find<QListWidget>(name); }
    QString Current(const char* name) { return List(name)->currentItem()->text(); }
    // On the left end, where a radio button has its circle and text.
    void Click(const char* name) {
        QAbstractButton* button = Find<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    FontMap map{test::FreshSettingsFile()};
    FakeCatalog catalog;
    test::MessageRecorder messages;
    CancelRequest cancel;
    std::unique_ptr<CFontSelectDialog> dialog;
};

TEST_F(FontDialog, EachFilterListsItsFontsAndDavkaBringsItsNotice) {
    Open("Times");
    EXPECT_EQ(Entries(List("englishList")), QStringList({"Arial (Western)", "Davka Ktav (Western)",
                                                         "GuttmanD Yad (Western)", "Times New Roman (Western)"}));
    EXPECT_EQ(Entries(List("hebrewList")), QStringList({"Arial (Hebrew)", "David (Hebrew)"}));
    EXPECT_EQ(Entries(List("arabicList")), QStringList({"Arial (Arabic)", "Traditional Arabic (Arabic)"}));
    EXPECT_TRUE(messages.shown.empty());

    test::PressAlt(dialog.get(), Qt::Key_D);  // its mnemonic
    EXPECT_EVENTUALLY(dialog->Filter() == kDavkaCompatibleFonts);
    EXPECT_EQ(Entries(List("englishList")), QStringList({"Arial", "Times New Roman"}));
    EXPECT_EQ(Entries(List("hebrewList")), QStringList({"Ktav", "Yad"}));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Notice!");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::kInformation);
    EXPECT_EQ(messages.shown[0].text, kDavkaNotice);
    EXPECT_EQ(QApplication::focusWidget(), List("englishList"));

    Click("allButton");
    EXPECT_EQ(List("englishList")->count(), 9);
    EXPECT_EQ(Entries(List("hebrewList")), Entries(List("englishList")));
    EXPECT_EQ(Entries(List("arabicList")), Entries(List("englishList")));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(FontDialog, ArabicLeavesTheDavkaFilterAndHebrewOffersItAgain) {
    Open("Times");
    Click("davkaButton");
    EXPECT_EQ(dialog->Filter(), kDavkaCompatibleFonts);
    Click("arabicButton");
    EXPECT_EQ(dialog->Filter(), kWindowsCompatibleFonts);
    EXPECT_TRUE(Find<QRadioButton>("windowsButton")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("davkaButton")->isEnabled());
    EXPECT_TRUE(List("arabicList")->isVisible());
    EXPECT_FALSE(List("hebrewList")->isVisible());
    EXPECT_EQ(Find<QLabel>("rightLabel")->text(), "Arabic &Font");
    EXPECT_EQ(Entries(List("englishList")).first(), "Arial (Western)");

    test::PressAlt(dialog.get(), Qt::Key_B);  // He&brew
    EXPECT_EVENTUALLY(dialog->Language() == kHebrewLanguage);
    EXPECT_TRUE(Find<QRadioButton>("davkaButton")->isEnabled());
    EXPECT_EQ(dialog->Filter(), kWindowsCompatibleFonts);
    EXPECT_TRUE(List("hebrewList")->isVisible());
    EXPECT_EQ(Find<QLabel>("rightLabel")->text(), "Hebrew &Font");
}

TEST_F(FontDialog, PreselectsNearestEntriesAndCrossSelectsTheOtherLanguage) {
    Open("Times");
    EXPECT_EQ(Current("englishList"), "Times New Roman (Western)");
    EXPECT_EQ(Current("hebrewList"), "Arial (Hebrew)");  // nothing begins with T: the first entry
    EXPECT_EQ(Current("arabicList"), "Traditional Arabic (Arabic)");

    // A Hebrew choice moves the Arabic list to its nearest entry, if any.
    List("hebrewList")->setCurrentRow(1);  // David (Hebrew)
    EXPECT_EQ(Current("arabicList"), "Traditional Arabic (Arabic)");
    List("hebrewList")->setCurrentRow(0);
    EXPECT_EQ(Current("arabicList"), "Arial (Arabic)");

    // Stored entries win over the font key and over the other language.
    Open("Times", {"Arial (Western)", "", "Traditional Arabic (Arabic)"});
    EXPECT_EQ(Current("englishList"), "Arial (Western)");
    EXPECT_EQ(Current("arabicList"), "Traditional Arabic (Arabic)");
    List("hebrewList")->setCurrentRow(1);
    List("hebrewList")->setCurrentRow(0);  // Arial (Hebrew), which would draw the Arabic list to Arial
    EXPECT_EQ(Current("arabicList"), "Traditional Arabic (Arabic)");
    Click("arabicButton");
    List("arabicList")->setCurrentRow(0);  // no Hebrew stored: follows the Arabic choice
    EXPECT_EQ(Current("hebrewList"), "Arial (Hebrew)");
}

// Where nothing is stored and no entry shares more than a first letter with
// the font's name, the system's own substitute is preselected, when the list
// offers it: Arial gets a sans-serif face, not the first "A" or the first entry.
TEST_F(FontDialog, PreselectsTheSystemsSubstituteWhereNoNameIsNear) {
    struct NearlyNoArial : FontCatalog {
        QList<InstalledFace> Faces() const override {
            return {{"C059", "Western"},        {"Amiri", "Western"}, {"Liberation Sans", "Western"},
                    {"Times New Roman", "Western"}, {"David", "Hebrew"}, {"Noto Sans Hebrew", "Hebrew"},
                    {"Amiri", "Arabic"}};
        }
    } faces;
    struct Matcher : FontMatcher {
        QString MatchFamily(const QString& name, const QString& script) const override {
            if (!name.startsWith("Arial")) return "DejaVu Serif";
            return script == "Western" ? "Liberation Sans" : script == "Hebrew" ? "Noto Sans Hebrew" : "Noto Naskh Arabic";
        }
    } matcher;
    struct Case {
        QString key;
        FontChoice stored;
        FontChoice preselected;
    };
    const Case cases[] = {
        {"Arial", {}, {"Liberation Sans (Western)", "Noto Sans Hebrew (Hebrew)", "Amiri (Arabic)"}},
        {"Times", {}, {"Times New Roman (Western)", "David (Hebrew)", "Amiri (Arabic)"}},
        {"Arial", {"C059 (Western)", "", ""}, {"C059 (Western)", "Noto Sans Hebrew (Hebrew)", "Amiri (Arabic)"}},
        {"Amsterdam", {}, {"Amiri (Western)", "David (Hebrew)", "Amiri (Arabic)"}},  // "Am" is near enough
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key.toStdString());
        Open(c.key, c.stored, &faces, &matcher);
        EXPECT_EQ(dialog->Selections(), c.preselected);
    }
}

// The dialog names the document that asks, its path as one left-to-right unit.
TEST_F(FontDialog, NamesTheDocumentThatAsks) {
    const QString path = QStringLiteral("/home/dana/מסמכים/מכתב.wp");
    Open("Times", {}, nullptr, nullptr, path);
    auto* document = Find<QLabel>("document");
    EXPECT_TRUE(document->isVisible());
    EXPECT_EQ(document->toolTip(), ShownPath(path));
    EXPECT_EQ(document->text(), ShownPath(path));
    Open("Times");
    EXPECT_FALSE(Find<QLabel>("document")->isVisible());
}

TEST_F(FontDialog, TabGoesThroughTheControlsInTheFormsOrder) {
    Open("Times");
    QStringList visited;
    for (int i = 0; i < 12; ++i) {
        QString name = QApplication::focusWidget()->objectName();
        if (visited.isEmpty() || visited.back() != name) visited.append(name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited.mid(0, 7), QStringList({"englishList", "hebrewList", "windowsButton", "hebrewButton",
                                              "okButton", "cancelButton", "helpButton"}));
}

// The window's resolver, answered as a person would.
class DialogResolver : public FontDialog {
protected:
    FontSubstitutes Lookup(const std::string& name) { return resolver.LookupSubstitutes(name); }
    DialogFontResolver resolver{map, catalog, messages, cancel, nullptr};
};

TEST_F(DialogResolver, OkStoresTheChoiceTheFilterAndTheLanguage) {
    map.Store("Times", {"Arial (Western)", "", ""});
    test::WhenModal person([](QWidget* modal) {
        auto* dialog = qobject_cast<CFontSelectDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->findChild<QLabel*>("document")->text(), "/home/dana/report.wp");
        QTest::mouseClick(dialog->findChild<QRadioButton*>("arabicButton"), Qt::LeftButton, {}, QPoint(8, 8));
        QTest::keyClick(dialog->findChild<QListWidget*>("arabicList"), Qt::Key_Down);
        QTest::keyClick(dialog->findChild<QListWidget*>("arabicList"), Qt::Key_Return);  // the default button
    });
    FontSubstitutes chosen = resolver.LookupSubstitutesFor("/home/dana/report.wp", "WPTimes Roman");
    EXPECT_EQ(chosen.english, "Arial (Western)");
    EXPECT_EQ(chosen.arabic, "Traditional Arabic (Arabic)");
    EXPECT_EQ(chosen.hebrew, "Arial (Hebrew)");  // the Hebrew list followed
    EXPECT_EQ(map.Lookup("Times"), FontChoice({"Arial (Western)", "Arial (Hebrew)", "Traditional Arabic (Arabic)"}));
    EXPECT_EQ(map.FontLanguage(), kArabicLanguage);
    EXPECT_EQ(map.FontType(), kWindowsCompatibleFonts);
    EXPECT_FALSE(cancel.Requested());

    // Now the map answers alone.
    bool shown = false;
    test::WhenModal watch([&shown](QWidget* modal) { shown = true; modal->hide(); });
    EXPECT_EQ(Lookup("Times").arabic, "Traditional Arabic (Arabic)");  // a dialog would be answered before this
    EXPECT_FALSE(shown);
}

TEST_F(DialogResolver, CancelAsksFirstAndYesCancelsWithoutStoring) {
    map.Store("Courier", {"Arial (Western)", "", ""});
    map.SetFontType(kAllFonts);
    messages.answers = {MessageAnswer::kNo, MessageAnswer::kYes};
    bool stayedOpen = false;
    test::WhenModal person([&](QWidget* modal) {
        QTest::keyClick(modal, Qt::Key_Escape);  // No: the dialog stays
        stayedOpen = modal->isVisible();
        QTest::mouseClick(modal->findChild<QPushButton*>("cancelButton"), Qt::LeftButton);  // Yes
    });
    FontSubstitutes answer = Lookup("Courier-TT");
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "Do You Really want to cancel?");
    EXPECT_TRUE(cancel.Requested());
    EXPECT_EQ(answer.english, "Arial (Western)");
    EXPECT_EQ(answer.hebrew, "");
    EXPECT_EQ(map.Lookup("Courier"), FontChoice({"Arial (Western)", "", ""}));
    EXPECT_EQ(map.FontType(), kAllFonts);

    // The batch is cancelled: no more questions.
    bool asked = false;
    test::WhenModal watch([&asked](QWidget* modal) { asked = true; modal->hide(); });
    EXPECT_EQ(Lookup("Helve").english, "");
    EXPECT_FALSE(asked);
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(FontDialog, HelpOpensTheManualAtTheDialogsSection) {
    test::UrlCatcher catcher;
    Open("Times");
    test::PressAlt(dialog.get(), Qt::Key_H);
    EXPECT_EVENTUALLY(catcher.urls.size() == 1u);
    ASSERT_EQ(catcher.urls.size(), 1u);
    EXPECT_EQ(catcher.urls[0].fragment(), "font-dialog");
    EXPECT_TRUE(dialog->isVisible());

    // Delete FontMap's Help leaves the question open.
    std::unique_ptr<test::WhenModal> then;
    test::WhenModal person([&then](QWidget* modal) {
        qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Help)->click();
        then = std::make_unique<test::WhenModal>(
            [](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::No)->click(); });
    });
    EXPECT_FALSE(AskDeleteFontMap(nullptr, map));
    ASSERT_EQ(catcher.urls.size(), 2u);
    EXPECT_EQ(catcher.urls[1].fragment(), "delete-fontmap");
}

TEST_F(FontDialog, DeleteFontMapAsksAndKeepsTheFilterAndLanguage) {
    map.Store("Times", {"Arial (Western)", "Arial (Hebrew)", "Arial (Arabic)"});
    map.SetFontType(kDavkaCompatibleFonts);
    map.SetFontLanguage(kArabicLanguage);
    auto ask = [this](QMessageBox::StandardButton button) {
        test::WhenModal person([button](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(), kDeleteFontMapQuestion);
            box->button(button)->click();
        });
        return AskDeleteFontMap(nullptr, map);
    };
    EXPECT_FALSE(ask(QMessageBox::No));
    EXPECT_TRUE(map.Lookup("Times").Complete());
    // Yes is the default: Return deletes.
    {
        test::WhenModal returnKey([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
        EXPECT_TRUE(AskDeleteFontMap(nullptr, map));
        EXPECT_EQ(map.Lookup("Times"), FontChoice());
    }
    map.Store("Times", {"Arial (Western)", "Arial (Hebrew)", "Arial (Arabic)"});

    EXPECT_TRUE(ask(QMessageBox::Yes));
    EXPECT_EQ(map.Lookup("Times"), FontChoice());
    EXPECT_EQ(map.FontType(), kDavkaCompatibleFonts);
    EXPECT_EQ(map.FontLanguage(), kArabicLanguage);
}

}  // namespace
}  // namespace quorin
