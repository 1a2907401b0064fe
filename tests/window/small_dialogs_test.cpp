#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <set>

#include "app/version.h"
#include "window/about_dlg.h"
#include "window/hyper_link.h"
#include "window/manual.h"
#include "window/rtf_view.h"
#include "window/startup_tips_dlg.h"
#include "window/tutorial_dlg.h"
#include "window/translations.h"
#include "window/tutorial_pages.h"
#include "window/warning_box.h"
#include "fonts/qt_printing.h"
#include "window_test_support.h"

namespace quorin {
namespace {

QSettings UserSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Ardenwick"), QStringLiteral("Quorin"));
}

qlonglong StoredTipState() { return UserSettings().value("Options/StartupTips", -1).toLongLong(); }

QPushButton* Button(QWidget& dialog, const QString& text) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == text) return button;
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

// Opens the tips as a start of the program does, and closes them; returns the tip shown.
int ShowTipsOnce() {
    CStartupTipsDlg tips;
    tips.show();
    int shown = tips.TipShown();
    tips.accept();
    return shown;
}

TEST(StartupTips, GoOnFromStartToStartAndWrapAfterTheEighth) {
    UserSettings().remove("Options/StartupTips");
    EXPECT_TRUE(CStartupTipsDlg::ShouldShowAtStartup());
    std::vector<int> shown;
    for (int start = 0; start < 9; ++start) shown.push_back(ShowTipsOnce());
    EXPECT_EQ(shown, std::vector<int>({1, 2, 3, 4, 5, 6, 7, 8, 1}));
    EXPECT_EQ(StoredTipState(), 0x80000000LL + 1);

    // Next tip moves on; a hidden and shown again dialog shows one more.
    CStartupTipsDlg tips;
    tips.show();
    QTest::mouseClick(Button(tips, "&Next tip"), Qt::LeftButton);
    EXPECT_EQ(tips.TipShown(), 3);
    EXPECT_TRUE(tips.TipText().trimmed().startsWith("Did you know...\n\n")) << tips.TipText().toStdString();
    tips.hide();
    tips.show();
    EXPECT_EQ(tips.TipShown(), 4);
}

// The stored state comes back whole: the show flag in bit 31, written as an
// unsigned 32-bit number whatever form it was read in, and the next tip.
TEST(StartupTips, TheStoredStateComesBackWhole) {
    struct Case {
        QVariant stored;
        qlonglong written;
        bool show;
        int tip;
    };
    const Case cases[] = {{0x80000005u, 0x80000005LL, true, 6}, {5, 5, false, 6}, {qlonglong(-2147483643LL), 0x80000005LL, true, 6},
                          {0x80000000u, 0x80000000LL, true, 1}, {0, 0, false, 1}, {7, 7, false, 8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.toString().toStdString());
        UserSettings().setValue("Options/StartupTips", c.stored);
        EXPECT_EQ(CStartupTipsDlg::ShouldShowAtStartup(), c.show);
        { CStartupTipsDlg untouched; }
        EXPECT_EQ(StoredTipState(), c.written);
        EXPECT_EQ(ShowTipsOnce(), c.tip);
    }
}

TEST(StartupTips, TheCheckBoxClearsBit31AndTheCodesOfTipEightShowAsText) {
    UserSettings().setValue("Options/StartupTips", 0x80000000u + 7);
    {
        CStartupTipsDlg tips;
        test::ShowActive(tips);
        EXPECT_EQ(tips.TipShown(), 8);
        EXPECT_TRUE(tips.TipText().contains("'Bold' {\\bo} for 'Italic' {\\i}.")) << tips.TipText().toStdString();
        test::PressAlt(&tips, Qt::Key_S);
        EXPECT_EVENTUALLY(!tips.findChild<QCheckBox*>()->isChecked());
        QTest::keyClick(&tips, Qt::Key_Escape);
        EXPECT_FALSE(tips.isVisible());
    }
    EXPECT_EQ(StoredTipState(), 8);  // past the last: the next showing starts again
    EXPECT_FALSE(CStartupTipsDlg::ShouldShowAtStartup());
    EXPECT_EQ(ShowTipsOnce(), 1);

    CStartupTipsDlg tips;
    tips.show();
    QTest::mouseClick(Button(tips, "&View tutorial"), Qt::LeftButton);
    EXPECT_EQ(tips.result(), CStartupTipsDlg::kViewTutorial);
}

TEST(Tutorial, StartsAtTheFirstPageAndEnablesButtonsByPage) {
    QWidget owner;
    auto* tutorial = new CTutorialDlg(&owner);
    EXPECT_FALSE(tutorial->isModal());
    test::ShowActive(*tutorial);
    auto previous = Button(*tutorial, "< Previous"), next = Button(*tutorial, "&Next >"),
         finish = Button(*tutorial, "&Finish");
    EXPECT_EQ(tutorial->Page(), 0);
    EXPECT_TRUE(tutorial->PageText().contains("Welcome to Quorin!"));
    EXPECT_FALSE(previous->isEnabled());
    EXPECT_TRUE(next->isEnabled());
    EXPECT_FALSE(finish->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), next);

    test::PressAlt(tutorial, Qt::Key_N);
    EXPECT_EVENTUALLY(tutorial->Page() == 1);
    for (int i = 0; i < 9; ++i) QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(tutorial->Page(), 8);
    EXPECT_TRUE(tutorial->PageText().contains("Done!"));
    EXPECT_TRUE(previous->isEnabled());
    EXPECT_FALSE(next->isEnabled());
    EXPECT_TRUE(finish->isEnabled());
    QTest::mouseClick(previous, Qt::LeftButton);
    EXPECT_EQ(tutorial->Page(), 7);

    QTest::keyClick(tutorial, Qt::Key_Escape);
    EXPECT_FALSE(tutorial->isVisible());
    tutorial->show();
    EXPECT_EQ(tutorial->Page(), 0);
}

// A theme of light text on dark ground, with its own link colours.
QPalette DarkPalette() {
    QPalette dark;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(0x2b, 0x2b, 0x2b)}, {QPalette::Base, QColor(0x1e, 0x1e, 0x1e)},
                                {QPalette::WindowText, QColor(0xee, 0xee, 0xee)}, {QPalette::Text, QColor(0xee, 0xee, 0xee)},
                                {QPalette::Button, QColor(0x35, 0x35, 0x35)}, {QPalette::ButtonText, QColor(0xee, 0xee, 0xee)},
                                {QPalette::Link, QColor(0x6c, 0xb4, 0xff)}, {QPalette::LinkVisited, QColor(0xc0, 0x9c, 0xff)}})
        dark.setColor(role, colour);
    return dark;
}

TEST(Colours, ContrastAsTheGuidelinesMeasureIt) {
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_NEAR(ContrastRatio(Qt::white, Qt::black), 21.0, 0.01);
    EXPECT_NEAR(ContrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
    EXPECT_NEAR(ContrastRatio(QColor(0, 0, 128), QColor(0, 0, 128)), 1.0, 0.001);
}

// Under a dark theme every character of every tutorial page reads on its
// ground, links in the theme's link colour; under a light theme the pages
// keep their own blues.
TEST(Tutorial, EveryPageReadsUnderALightAndADarkTheme) {
    for (bool darkTheme : {false, true}) {
        SCOPED_TRACE(darkTheme ? "dark" : "light");
        CTutorialDlg tutorial;
        if (darkTheme) tutorial.setPalette(DarkPalette());
        tutorial.show();
        const QPalette colours = tutorial.findChild<QTextEdit*>()->palette();
        for (int page = 0; page < kTutorialPageCount; ++page) {
            std::set<QRgb> seen;
            for (QTextBlock block = tutorial.PageDocument()->begin(); block.isValid(); block = block.next()) {
                for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
                    const QTextCharFormat format = fragment.fragment().charFormat();
                    const QColor colour = format.foreground().style() == Qt::NoBrush ? colours.color(QPalette::Text)
                                                                                     : format.foreground().color();
                    EXPECT_GE(ContrastRatio(colour, colours.color(QPalette::Base)), 4.5) << page;
                    if (format.fontUnderline() && darkTheme) EXPECT_EQ(colour, colours.color(QPalette::Link)) << page;
                    seen.insert(colour.rgb());
                }
            }
            if (!darkTheme) EXPECT_TRUE(seen.count(QColor(0, 0, 128).rgb())) << page;
            QTest::mouseClick(Button(tutorial, "&Next >"), Qt::LeftButton);
        }
    }
}

TEST(WarningBox, AcceptOrNot) {
    auto answer = [](std::function<void(QWidget*)> act) {
        // Mnemonics answer only once the box is the active window, which a
        // loaded machine may take a while to make it.
        test::WhenModal person([act](QWidget* modal) {
            QTest::qWaitForWindowActive(modal);
            // Centred on the screen, though its owner is not shown yet.
            const QRect screen = modal->screen()->availableGeometry();
            EXPECT_LE((modal->frameGeometry().center() - screen.center()).manhattanLength(), 8);
            act(modal);
        });
        QWidget owner;
        owner.move(10, 10);
        return CWarningBox::Accepted(&owner);
    };
    EXPECT_TRUE(answer([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); }));
    EXPECT_FALSE(answer([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); }));
    EXPECT_FALSE(answer([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_C, Qt::AltModifier); }));
    EXPECT_TRUE(answer([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_A, Qt::AltModifier); }));
}

// Whether any pixel of the widget as drawn has the colour.
bool Shows(QWidget& widget, const QColor& colour) {
    const QImage image = widget.grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).rgb() == colour.rgb()) return true;
    return false;
}

TEST(HyperLink, TurnsPurpleOnceOpenedAndReportsAFailure) {
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "About Quorin");
    const QList<QLabel*> labels = about.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
        return label->text() == QStringLiteral("Quorin Version ") + kQuorinVersion;
    }));
    CHyperLink* link = about.SupportLink();
    EXPECT_EQ(link->Url().scheme(), "mailto");
    EXPECT_EQ(about.WebLink()->Url().scheme(), "https");
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    const QPalette colours = link->palette();
    ASSERT_NE(colours.color(QPalette::Link), colours.color(QPalette::LinkVisited));
    EXPECT_EQ(link->TextColor(), colours.color(QPalette::Link));

    test::MessageRecorder messages;
    link->SetMessages(&messages);
    std::vector<QUrl> opened;
    bool succeeds = false;
    link->SetOpener([&](const QUrl& url) { opened.push_back(url); return succeeds; });
    about.show();
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error opening \"" + link->Target().toStdString() + "\"!");
    EXPECT_EQ(messages.shown[0].caption, "Error!");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::kError);
    EXPECT_EQ(link->TextColor(), colours.color(QPalette::Link));

    succeeds = true;
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_TRUE(link->Visited());
    EXPECT_EQ(link->TextColor(), colours.color(QPalette::LinkVisited));
    EXPECT_TRUE(Shows(*link, colours.color(QPalette::LinkVisited)));
    EXPECT_EQ(opened.size(), 2u);
    link->SetLinking(false);
    EXPECT_EQ(link->TextColor(), colours.color(QPalette::WindowText));
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(opened.size(), 2u);
}

// Help opens the manual in the window's language, at sections it has.
TEST(Manual, HelpOpensTheManualAtSectionsItHas) {
    test::UrlCatcher catcher;
    for (const QString& language : {QStringLiteral("en"), QStringLiteral("he"), QStringLiteral("ar")}) {
        UseLanguage(language);
        for (const QString& section : {kManualMainWindow, kManualFontDialog, kManualDeleteFontMap, kManualCommandLine,
                                       kManualArchives}) {
            SCOPED_TRACE((language + u' ' + section).toStdString());
            OpenManual(nullptr, section);
            ASSERT_FALSE(catcher.urls.empty());
            QUrl url = catcher.urls.back();
            EXPECT_EQ(url.fragment(), section);
            QFile manual(url.toLocalFile());
            ASSERT_TRUE(manual.open(QIODevice::ReadOnly)) << url.toString().toStdString();
            const QByteArray text = manual.readAll();
            EXPECT_TRUE(text.contains(("id=\"" + section + "\"").toUtf8()));
            EXPECT_TRUE(text.contains(("<html lang=\"" + language + "\"").toUtf8()));
        }
    }
    UseLanguage(QStringLiteral("en"));
}

}  // namespace
}  // namespace quorin
