// The main window driven as a person would: its settings, Browse, Convert and
// the progress dialog, with the messages recorded instead of shown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <filesystem>
#include <functional>

#include "app/run_quorin.h"
#include "app/word_export.h"
#include "fonts/font_map.h"
#include "support/wp_builder.h"
#include "window/about_dlg.h"
#include "window/dialog_run.h"
#include "window/font_select_dialog.h"
#include "window/message_boxes.h"
#include "window/progress_dlg.h"
#include "window/quorin_dlg.h"
#include "window/shown_path.h"
#include "window/summary_text.h"
#include "window/tutorial_dlg.h"
#include "window_test_support.h"

namespace quorin::test {
namespace {

// Font answers given at once, with a hook that runs (on the window's thread)
// at the first question, while the batch is waiting in the middle of a file.
struct HookedFonts : FontResolver {
    std::function<void()> atFirstQuestion;
    int questions = 0;
    FontSubstitutes LookupSubstitutes(const std::string&) override {
        if (questions++ == 0 && atFirstQuestion) atFirstQuestion();
        return {"DejaVu Sans", "DejaVu Sans", "DejaVu Sans"};
    }
};

// Every control of the main window.
const char* const kControls[] = {kFileNamesName,   "browse",          "changeFolder",        kOutputFolderName,
                                 "convertToWord",  "reverseParentheses", "reverseTabAlignment", "rightToLeftDocument",
                                 "convert",        "exit"};

struct MainWindow : ::testing::Test {
    TemporaryFolder folder;
    MessageRecorder messages;
    HookedFonts fonts;

    void SetUp() override {
        qputenv("QUORIN_SOFFICE", "none");
        Settings().clear();
    }
    static QSettings Settings() { return QSettings(FontMap().SettingsFile(), QSettings::IniFormat); }
    QString In(const std::string& name) const { return QString::fromStdString(folder / name); }

    std::unique_ptr<CQuorinDlg> Open() {
        auto window = std::make_unique<CQuorinDlg>();
        window->SetMessages(&messages);
        window->SetFontResolver(&fonts);
        return window;
    }
    template <class T = QWidget>
    static T* Control(CQuorinDlg& window, const char* name) {
        T* control = window.findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const UserMessage& message : messages.shown) captions.push_back(message.caption);
        return captions;
    }
};

TEST_F(MainWindow, FirstStartStoredFolderAndOptionsWithoutWordEngine) {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    {
        auto window = Open();
        EXPECT_TRUE(Control<QCheckBox>(*window, "reverseParentheses")->isChecked());
        for (const char* name : {"reverseTabAlignment", "rightToLeftDocument", "convertToWord"})
            EXPECT_FALSE(Control<QCheckBox>(*window, name)->isChecked()) << name;
        EXPECT_EQ(Control<QLineEdit>(*window, kOutputFolderName)->text(), documents);
        EXPECT_FALSE(window->windowIcon().pixmap(32).isNull());
    }
    // Every option on, Word included, and a folder that has since gone: the
    // Word box stays off and disabled, and says why; the folder falls back.
    Settings().setValue("Options/MainForm", 15);
    Settings().setValue("Directories/BrowseSave", In("gone"));
    {
        auto window = Open();
        QCheckBox* word = Control<QCheckBox>(*window, "convertToWord");
        EXPECT_FALSE(word->isChecked());
        EXPECT_FALSE(word->isEnabled());
        EXPECT_NE(word->toolTip().indexOf("LibreOffice (soffice)"), -1);
        EXPECT_EQ(Control<QLineEdit>(*window, kOutputFolderName)->text(), documents);
        Control<QCheckBox>(*window, "reverseTabAlignment")->click();
    }
    EXPECT_EQ(Settings().value("Options/MainForm").toInt(), 1 | 4);  // bit 3 written as 0
    EXPECT_EQ(Settings().value("Directories/BrowseSave").toString(), documents);
    // A root folder and one written with a closing "/" are still found.
    for (QString stored : {QString("/"), In("")}) {
        Settings().setValue("Directories/BrowseSave", stored);
        EXPECT_EQ(Control<QLineEdit>(*Open(), kOutputFolderName)->text(), stored);
    }
}

// Every stored setting comes back into its own control and goes out again
// unchanged: each option bit alone and together, and folders that read
// backwards or hold what a path may hold.
TEST_F(MainWindow, StoredSettingsComeBackIntoTheirOwnControls) {
    qputenv("QUORIN_SOFFICE", "/bin/true");  // an engine, so the Word bit is kept
    const std::pair<int, const char*> bits[] = {
        {1, "reverseParentheses"}, {2, "reverseTabAlignment"}, {4, "rightToLeftDocument"}, {8, "convertToWord"}};
    for (const std::string& name : {std::string("מסמכים ישנים"), std::string("a \"b\" | c"), std::string("plain")})
        std::filesystem::create_directories(folder / name);
    for (int stored = 0; stored < 16; ++stored) {
        SCOPED_TRACE(stored);
        const QString output = In(stored % 3 == 0 ? "מסמכים ישנים" : stored % 3 == 1 ? "a \"b\" | c" : "plain");
        Settings().setValue("Options/MainForm", stored);
        Settings().setValue("Directories/BrowseSave", output);
        {
            auto window = Open();
            for (auto [bit, name] : bits) EXPECT_EQ(Control<QCheckBox>(*window, name)->isChecked(), (stored & bit) != 0) << name;
            EXPECT_EQ(WithoutShownMarks(Control<QLineEdit>(*window, kOutputFolderName)->text()), output);
        }
        EXPECT_EQ(Settings().value("Options/MainForm").toString(), QString::number(stored));
        EXPECT_EQ(Settings().value("Directories/BrowseSave").toString(), output);
    }
}

TEST_F(MainWindow, ConvertWithEmptyFieldsSaysWhichIsMissing) {
    auto window = Open();
    ShowActive(*window);
    PressAlt(window.get(), Qt::Key_C);
    EXPECT_EVENTUALLY(messages.shown.size() == 1u);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "You have to give an INFILE name!");
    EXPECT_EQ(messages.shown[0].caption, "File Name?");
    EXPECT_EQ(QApplication::focusWidget(), Control(*window, kFileNamesName));
    QTest::keyClicks(Control(*window, kFileNamesName), "a.wp");
    Control<QLineEdit>(*window, kOutputFolderName)->clear();
    QTest::keyClick(window.get(), Qt::Key_Return);  // Return is Convert
    EXPECT_EVENTUALLY(messages.shown.size() == 2u);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, "You have to give an OUTFILE name!");
    EXPECT_EQ(QApplication::focusWidget(), Control(*window, kOutputFolderName));
}

// A main window of the desktop, not a dialog: minimisable, named after its
// desktop entry, with the program's icon, which About shows too.
TEST_F(MainWindow, IsANormalWindowWithTheProgramsIcon) {
    auto window = Open();
    EXPECT_EQ(window->windowType(), Qt::Window);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(QGuiApplication::desktopFileName(), "quorin");
    const QImage icon = QApplication::windowIcon().pixmap(48).toImage();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(window->windowIcon().pixmap(48).toImage(), icon);
    CAboutDlg about;
    const QList<QLabel*> labels = about.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](QLabel* label) {
        return !label->pixmap().isNull() && label->pixmap().toImage() == icon;
    }));
}

// After a successful Convert the focus is on Exit, and Return presses it,
// as in any dialog.
TEST_F(MainWindow, AfterASuccessfulConvertReturnIsExit) {
    WriteFile(folder / "a.wp", WpDocument().Body("Fine.\n").Build());
    Settings().setValue("Directories/BrowseSave", In(""));
    auto window = Open();
    ShowActive(*window);
    Control<QLineEdit>(*window, kFileNamesName)->setText(In("a.wp"));
    Control(*window, kFileNamesName)->setFocus();
    QTest::keyClick(window.get(), Qt::Key_Return);  // Convert
    ASSERT_TRUE(Exists(folder / "a.wp.rtf"));
    auto* exit = Control<QPushButton>(*window, "exit");
    EXPECT_EQ(window->focusWidget(), exit);
    ShowActive(*window);  // as the desktop gives the keyboard back once the progress dialog goes
    EXPECT_EVENTUALLY(QApplication::focusWidget() == exit);
    EXPECT_TRUE(exit->isDefault());
    EXPECT_FALSE(Control<QPushButton>(*window, "convert")->isDefault());
    EXPECT_EQ(Control<QLabel>(*window, kSummaryName)->text(), "1 converted");
    QTest::keyClick(exit, Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(messages.shown.empty());
}

// Three files chosen in the file dialog, one holding "|": the field lists
// them quoted, Convert writes exactly what the command line writes, and the
// field is emptied since every file converted.
TEST_F(MainWindow, ThreeFilesFromBrowseConvertAsTheCommandLineDoes) {
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    std::string letter = WpDocument().Body("A short letter.\n").Build();
    for (const char* name : {"a.wp", "b|c.wp", "d.wp"}) WriteFile(folder / name, letter);
    std::filesystem::create_directory(folder / "window");
    Settings().setValue("Directories/BrowseSave", In("window"));
    Settings().setValue("Directories/BrowseOpen", In(""));
    auto window = Open();
    for (int round = 0; round < 2; ++round) {
        WhenModal choose([](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->nameFilters(), QStringList{"WordPerfect Files (*)"});
            dialog->selectFile("\"a.wp\" \"b|c.wp\" \"d.wp\"");
            QMetaObject::invokeMethod(dialog, "accept");
        });
        window->Browse();
    }
    EXPECT_EQ(Control<QLineEdit>(*window, kFileNamesName)->text(),
              QuotedFileList({In("a.wp"), In("b|c.wp"), In("d.wp")}));
    EXPECT_EQ(Settings().value("Directories/BrowseOpen").toString(), In(""));
    ASSERT_EQ(messages.shown.size(), 1u);  // the note comes with the first Browse only
    EXPECT_EQ(messages.shown[0].text,
              "You can choose multiple files by holding down the\n\"Ctrl\" or \"Shift\" key while selecting your files!");
    EXPECT_EQ(messages.shown[0].caption, "Attention!");

    window->Convert();
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(Control<QLineEdit>(*window, kFileNamesName)->text(), "");
    QuorinRun command = RunQuorin(folder.Path(), {"-f", "a.wp|\"b|c.wp\"|d.wp", "-o", "command", "-p"});
    EXPECT_EQ(command.status, 0) << command.err;
    EXPECT_EQ(FolderNames(folder / "window"), FolderNames(folder / "command"));
    for (const char* name : {"a.wp.rtf", "b|c.wp.rtf", "d.wp.rtf"})
        EXPECT_EQ(ReadFile(folder / "window/" + name), ReadFile(folder / "command/" + name)) << name;
}

TEST_F(MainWindow, AFailedFileKeepsTheNames) {
    WriteFile(folder / "a.wp", WpDocument().Body("Fine.\n").Build());
    WriteFile(folder / "b.wp", "not a document");
    Settings().setValue("Directories/BrowseSave", In(""));
    auto window = Open();
    QString names = QuotedFileList({In("a.wp"), In("b.wp")});
    Control<QLineEdit>(*window, kFileNamesName)->setText(names);
    window->Convert();
    EXPECT_EQ(Captions(), std::vector<std::string>{"Error!"});
    EXPECT_TRUE(window->LastOutcome().AnyFailed());
    EXPECT_TRUE(Exists(folder / "a.wp.rtf"));
    EXPECT_EQ(Control<QLineEdit>(*window, kFileNamesName)->text(), names);
    EXPECT_FALSE(window->Busy());
    // The command line's summary line stays until the next Convert.
    EXPECT_EQ(Control<QLabel>(*window, kSummaryName)->text(), "1 converted, 1 failed");
    Control<QLineEdit>(*window, kFileNamesName)->clear();
    window->Convert();
    EXPECT_EQ(Control<QLabel>(*window, kSummaryName)->text(), "");
}

// In English the window's summary is the command line's, word for word.
TEST(Summary, SaysWhatTheCommandLineSays) {
    const texts::SummaryCounts cases[] = {
        {}, {1, 0, 0, 0, 0, 0}, {412, 3, 2, 0, 5, 0}, {0, 1, 1, 1, 1, 1}, {2, 0, 0, 7, 0, 9}};
    for (const texts::SummaryCounts& counts : cases)
        EXPECT_EQ(SummaryText(counts).toStdString(), texts::SummaryLine(counts));
}

// Paths with Hebrew folders are shown with direction marks in the fields,
// and the batch still gets the paths themselves.
TEST_F(MainWindow, PathsWithHebrewFoldersAreShownInOrderAndConvert) {
    std::filesystem::create_directories(folder / "מסמכים/ישנים");
    std::filesystem::create_directories(folder / "פלט");
    WriteFile(folder / "מסמכים/ישנים/מכתב.wp", WpDocument().Body("Fine.\n").Build());
    Settings().setValue("Directories/BrowseSave", In("פלט"));
    auto window = Open();
    auto* output = Control<QLineEdit>(*window, kOutputFolderName);
    EXPECT_EQ(output->text(), ShownPath(In("פלט")));
    EXPECT_NE(output->text(), In("פלט"));
    Control<QLineEdit>(*window, kFileNamesName)->setText(QuotedFileList({In("מסמכים/ישנים/מכתב.wp")}));
    window->Convert();
    EXPECT_TRUE(messages.shown.empty()) << (messages.shown.empty() ? "" : messages.shown[0].text);
    EXPECT_TRUE(Exists(folder / "פלט/מכתב.wp.rtf"));
}

// With LibreOffice at hand, the Word box makes Word documents in place of the RTF files.
TEST_F(MainWindow, WordBoxWritesWordDocuments) {
    qunsetenv("QUORIN_SOFFICE");
    if (FindWordEngine().empty()) GTEST_SKIP() << "no soffice";
    WriteFile(folder / "a.wp", WpDocument().Body("A short letter.\n").Build());
    Settings().setValue("Directories/BrowseSave", In(""));
    auto window = Open();
    Control<QCheckBox>(*window, "convertToWord")->setChecked(true);
    Control<QLineEdit>(*window, kFileNamesName)->setText(In("a.wp"));
    window->Convert();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(FolderNames(folder.Path()), (std::vector<std::string>{"a.wp", "a.wp.docx"}));
}

// Cancel, Escape and the close box of the progress dialog while the batch
// waits in its first file: the window cannot be closed meanwhile; No lets
// every file convert, Yes ends the batch with "User Canceled!".
TEST_F(MainWindow, CancelInTheProgressDialogAsksFirst) {
    qputenv("QUORIN_SOFFICE", "/bin/true");  // an engine, so the Word box takes part
    std::string report = ReadTestData("report-1980.wp");
    for (const char* name : {"a.wp", "b.wp", "c.wp"}) WriteFile(folder / name, report);
    for (MessageAnswer answer : {MessageAnswer::kNo, MessageAnswer::kYes}) {
        SCOPED_TRACE(answer == MessageAnswer::kYes ? "Yes" : "No");
        std::string out = answer == MessageAnswer::kYes ? "yes" : "no";
        std::filesystem::create_directory(folder / out);
        Settings().setValue("Directories/BrowseSave", In(out));
        messages.shown.clear();
        messages.answers = {answer};
        fonts.questions = 0;
        auto window = Open();
        ShowActive(*window);
        bool checked = false;
        fonts.atFirstQuestion = [&] {
            CProgressDlg* progress = window->Progress();
            ASSERT_NE(progress, nullptr);
            EXPECT_TRUE(progress->isVisible());
            EXPECT_TRUE(progress->isModal());
            // Nothing of the window takes input meanwhile, dropped files included.
            for (const char* name : kControls) EXPECT_FALSE(Control(*window, name)->isEnabled()) << name;
            EXPECT_FALSE(window->findChild<QMenuBar*>()->isEnabled());
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(In("other.wp"))});
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(window.get(), &enter);
            EXPECT_FALSE(enter.isAccepted());
            EXPECT_FALSE(window->close());
            window->Exit();
            QTest::keyClick(window.get(), Qt::Key_Escape);
            EXPECT_TRUE(window->isVisible());
            progress->CancelButton()->click();
            if (answer == MessageAnswer::kNo) {  // Escape and the close box ask too
                QTest::keyClick(progress, Qt::Key_Escape);
                EXPECT_FALSE(progress->close());
            }
            EXPECT_TRUE(progress->isVisible());
            checked = true;
        };
        const QString names = QuotedFileList({In("a.wp"), In("b.wp"), In("c.wp")});
        Control<QLineEdit>(*window, kFileNamesName)->setText(names);
        window->Convert();
        EXPECT_TRUE(checked);
        for (const char* name : kControls) EXPECT_TRUE(Control(*window, name)->isEnabled()) << name;
        EXPECT_TRUE(window->findChild<QMenuBar*>()->isEnabled());
        EXPECT_EQ(window->Progress(), nullptr);
        ASSERT_GE(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, "Do You Really want to cancel?");
        if (answer == MessageAnswer::kNo) {
            EXPECT_EQ(Captions(), (std::vector<std::string>{"Cancel?", "Cancel?", "Cancel?"}));
            EXPECT_EQ(FolderNames(folder / out), (std::vector<std::string>{"a.wp.rtf", "b.wp.rtf", "c.wp.rtf"}));
        } else {
            EXPECT_EQ(Captions(), (std::vector<std::string>{"Cancel?", "Canceled!"}));
            EXPECT_EQ(messages.shown[1].text, "User Canceled!    ");
            EXPECT_TRUE(window->LastOutcome().cancelled);
            EXPECT_FALSE(Exists(folder / (out + "/c.wp.rtf")));
            EXPECT_EQ(Control<QLineEdit>(*window, kFileNamesName)->text(), names);
        }
        EXPECT_TRUE(window->close());  // closable again once the batch is over
    }
}

// While "Do You Really want to cancel?" waits, the batch waits too instead
// of going on (and perhaps ending) behind it; Yes then ends it with "User
// Canceled!", having written nothing more, and keeps the names.
TEST_F(MainWindow, TheCancelQuestionPausesTheBatch) {
    std::string report = ReadTestData("report-1980.wp");
    QStringList names;
    for (int i = 0; i < 12; ++i) {
        WriteFile(folder / ("in" + std::to_string(i) + ".wp"), report);
        names << In("in" + std::to_string(i) + ".wp");
    }
    std::filesystem::create_directory(folder / "out");
    Settings().setValue("Directories/BrowseSave", In("out"));
    auto window = Open();
    // Each file's fonts are answered on the window's thread, so the batch is
    // still at its first files when the click queued now is handled.
    fonts.atFirstQuestion = [&] {
        QTimer::singleShot(0, window.get(), [&] { window->Progress()->CancelButton()->click(); });
    };
    messages.answers = {MessageAnswer::kYes};
    messages.whileShown = [&](const UserMessage& message) {
        if (message.caption != "Cancel?") return;
        EXPECT_TRUE(window->Pause().Held());
        // The batch comes to a halt (it would end behind the question otherwise).
        EXPECT_TRUE(QTest::qWaitFor([&] { return window->Pause().Waiting() > 0; }, 60000));
    };
    Control<QLineEdit>(*window, kFileNamesName)->setText(QuotedFileList(names));
    window->Convert();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Cancel?", "Canceled!"}));
    EXPECT_TRUE(window->LastOutcome().cancelled);
    EXPECT_LT(FolderNames(folder / "out").size(), 12u);
    EXPECT_EQ(Control<QLineEdit>(*window, kFileNamesName)->text(), QuotedFileList(names));
    EXPECT_FALSE(window->Pause().Held());
}

// Cancelled once the first file is written (the progress dialog names a
// later file only then): the batch did part of its work, and the names stay,
// so that the person can convert the rest.
TEST_F(MainWindow, ACancelAfterTheFirstFileKeepsTheNames) {
    std::string report = ReadTestData("report-1980.wp");
    for (const char* name : {"a.wp", "b.wp", "c.wp"}) WriteFile(folder / name, report);
    std::filesystem::create_directory(folder / "out");
    Settings().setValue("Directories/BrowseSave", In("out"));
    auto window = Open();
    messages.answers = {MessageAnswer::kYes};
    bool clicked = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        CProgressDlg* progress = window->Progress();
        if (clicked || !progress || progress->FileName().isEmpty() || progress->FileName() == In("a.wp")) return;
        clicked = true;
        EXPECT_TRUE(Exists(folder / "out/a.wp.rtf"));
        progress->CancelButton()->click();
    });
    poll.start(1);
    const QString names = QuotedFileList({In("a.wp"), In("b.wp"), In("c.wp")});
    Control<QLineEdit>(*window, kFileNamesName)->setText(names);
    window->Convert();
    ASSERT_TRUE(clicked);
    EXPECT_TRUE(window->LastOutcome().cancelled);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Cancel?", "Canceled!"}));
    EXPECT_EQ(Control<QLineEdit>(*window, kFileNamesName)->text(), names);
}

// With the font dialog behind the font map, parallel conversions of several
// copies of one document ask once per font of it.
TEST_F(MainWindow, EachFontIsAskedOnceAcrossParallelFiles) {
    std::string report = ReadTestData("report-1980.wp");
    for (const char* name : {"a.wp", "b.wp", "c.wp", "d.wp"}) WriteFile(folder / name, report);
    Settings().setValue("Directories/BrowseSave", In(""));
    CQuorinDlg window;
    window.SetMessages(&messages);
    int asked = 0;
    std::function<void(QWidget*)> answer = [&](QWidget* modal) {
        if (qobject_cast<CFontSelectDialog*>(modal)) {
            ++asked;
            // It names the document that asks (the first to ask, of four copies).
            auto* document = modal->findChild<QLabel*>("document");
            EXPECT_TRUE(document && document->isVisible() && document->toolTip().startsWith(In("")));
            qobject_cast<QDialog*>(modal)->accept();
        }
    };
    auto poll = std::make_unique<QTimer>();
    QObject::connect(poll.get(), &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) answer(modal);
    });
    poll->start(5);
    Control<QLineEdit>(window, kFileNamesName)->setText(In("*.wp"));
    window.Convert();
    EXPECT_EQ(asked, 2);  // Arial and Times New Roman
    EXPECT_EQ(FolderNames(folder.Path()).size(), 8u);
    EXPECT_TRUE(messages.shown.empty());
}

// Every Alt key reaches its control (the controls win over the Tools and
// Help menus' letters), Tab walks the controls in their listed order, F10
// opens the menus, and Alt+X exits.
TEST_F(MainWindow, KeyboardAsInADialog) {
    qputenv("QUORIN_SOFFICE", "/bin/true");  // an engine, so the Word box takes part
    auto window = Open();
    ShowActive(*window);
    const std::vector<std::string> order = {kFileNamesName, "browse", kOutputFolderName, "changeFolder",
                                            "convertToWord", "reverseParentheses", "reverseTabAlignment",
                                            "rightToLeftDocument", "convert", "exit"};
    Control(*window, kFileNamesName)->setFocus();
    for (const std::string& name : order) {
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    PressAlt(window.get(), Qt::Key_O);
    EXPECT_EVENTUALLY(QApplication::focusWidget() == Control(*window, kOutputFolderName));
    PressAlt(window.get(), Qt::Key_N);
    EXPECT_EVENTUALLY(QApplication::focusWidget() == Control(*window, kFileNamesName));
    for (auto [key, name] : {std::pair{Qt::Key_W, "convertToWord"}, {Qt::Key_R, "reverseParentheses"},
                             {Qt::Key_T, "reverseTabAlignment"}, {Qt::Key_V, "rightToLeftDocument"}}) {
        bool before = Control<QCheckBox>(*window, name)->isChecked();
        PressAlt(window.get(), key);
        EXPECT_EVENTUALLY(Control<QCheckBox>(*window, name)->isChecked() != before) << name;
    }
    for (auto [key, title] : {std::pair{Qt::Key_B, "Open"}, {Qt::Key_H, "Choose a folder for your new files"}}) {
        QString seen;
        WhenModal close([&seen](QWidget* modal) {
            seen = modal->windowTitle();
            QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
        });
        PressAlt(window.get(), key);
        EXPECT_EVENTUALLY(!seen.isEmpty());
        EXPECT_EQ(seen, title);
        ShowActive(*window);  // the offscreen platform gives the keyboard back to no one
    }
    QTest::keyClick(window.get(), Qt::Key_F10);
    auto* menuBar = window->findChild<QMenuBar*>();
    ASSERT_NE(menuBar, nullptr);
    ASSERT_NE(menuBar->activeAction(), nullptr);
    EXPECT_EQ(menuBar->activeAction()->text(), "&File");
    QTest::keyClick(menuBar, Qt::Key_Escape);
    QTest::keyClick(menuBar, Qt::Key_Escape);
    PressAlt(window.get(), Qt::Key_X);
    EXPECT_EVENTUALLY(!window->isVisible());
}

// The tutorial opens beside the main window, not over File Name(s), Browse
// and Convert, when the screen has room for both.
TEST_F(MainWindow, TheTutorialOpensBesideTheWindow) {
    auto window = Open();
    const QRect screen = window->screen()->availableGeometry();
    window->move(screen.topLeft());
    ShowActive(*window);
    window->ShowTutorial();
    auto* tutorial = window->findChild<CTutorialDlg*>();
    ASSERT_NE(tutorial, nullptr);
    EXPECT_EVENTUALLY(tutorial->isVisible());
    const QRect placed = tutorial->frameGeometry();
    EXPECT_TRUE(screen.contains(placed));
    ASSERT_GE(screen.width(), window->frameGeometry().width() + placed.width() + 8);
    EXPECT_FALSE(placed.intersects(window->frameGeometry()));
    for (const char* name : {kFileNamesName, "browse", "convert"}) {
        QWidget* control = Control(*window, name);
        const QRect where(control->mapToGlobal(QPoint(0, 0)), control->size());
        EXPECT_FALSE(placed.intersects(where)) << name;
    }
}

// Declining the start-up warning ends the program, and the window still
// writes its options and folder as it goes.
TEST_F(MainWindow, DecliningTheWarningStillWritesTheSettings) {
    {
        auto window = Open();
        Control<QCheckBox>(*window, "rightToLeftDocument")->setChecked(true);
        WhenModal decline([](QWidget* modal) { QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection); });
        EXPECT_FALSE(window->ShowStartupWarning());
    }
    EXPECT_EQ(Settings().value("Options/MainForm").toInt(), 1 | 4);
    EXPECT_FALSE(Settings().value("Directories/BrowseSave").toString().isEmpty());
}

TEST_F(MainWindow, DroppedFilesFillTheNames) {
    auto window = Open();
    ShowActive(*window);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(In("a.wp")), QUrl::fromLocalFile(In("b|c.wp"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    EXPECT_EQ(Control<QLineEdit>(*window, kFileNamesName)->text(), QuotedFileList({In("a.wp"), In("b|c.wp")}));
}

// The dialog appears with the batch's first call and follows the bar: three
// files of 20 steps, half of the second file done, is half the bar.
TEST(ProgressDialog, ShowsTheFileAndThePercentage) {
    MessageRecorder messages;
    CancelRequest cancel;
    CProgressDlg progress(messages, cancel, nullptr);
    EXPECT_FALSE(progress.isVisible());
    progress.ShowFileName("/home/dana/Letters/a.wp");
    EXPECT_TRUE(progress.isVisible());
    EXPECT_EQ(progress.FileName(), "/home/dana/Letters/a.wp");
    progress.SetRange(0, 60);
    progress.SetStep(1);
    for (int step = 0; step < 30; ++step) progress.StepIt();
    EXPECT_EQ(progress.PercentText(), "50%");
    EXPECT_EQ(progress.findChild<QProgressBar*>()->value(), 30);
    for (int step = 0; step < 30; ++step) progress.StepIt();
    EXPECT_EQ(progress.PercentText(), "100%");
}

// Each kind of message as a box: its caption, text, icon and buttons, and the
// answer of the key a person presses (Escape is Cancel, or No).
TEST(MessageBoxes, ShowTheMessageAndGiveTheAnswer) {
    struct Case {
        MessageIcon icon;
        MessageButtons buttons;
        QMessageBox::Icon boxIcon;
        QMessageBox::StandardButtons boxButtons;
        Qt::Key key;
        MessageAnswer answer;
    };
    const Case cases[] = {
        {MessageIcon::kError, MessageButtons::kOkCancel, QMessageBox::Critical, QMessageBox::Ok | QMessageBox::Cancel,
         Qt::Key_Escape, MessageAnswer::kCancel},
        {MessageIcon::kError, MessageButtons::kOkCancel, QMessageBox::Critical, QMessageBox::Ok | QMessageBox::Cancel,
         Qt::Key_Return, MessageAnswer::kOk},
        {MessageIcon::kQuestion, MessageButtons::kYesNo, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
         Qt::Key_Return, MessageAnswer::kYes},
        {MessageIcon::kQuestion, MessageButtons::kYesNo, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
         Qt::Key_Escape, MessageAnswer::kNo},
        {MessageIcon::kExclamation, MessageButtons::kOk, QMessageBox::Warning, QMessageBox::Ok, Qt::Key_Escape,
         MessageAnswer::kOk},
    };
    QWidget owner;
    CMessageBoxes boxes(&owner);
    for (const Case& c : cases) {
        WhenModal check([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Error!");
            EXPECT_EQ(box->text(), "<b>C:\\x</b>\n\"y\"!");
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            EXPECT_EQ(box->icon(), c.boxIcon);
            EXPECT_EQ(box->standardButtons(), c.boxButtons);
            QTest::keyClick(box, c.key);
        });
        EXPECT_EQ(boxes.Show({"<b>C:\\x</b>\n\"y\"!", "Error!", c.icon, c.buttons}), c.answer);
    }
}

// Paths and Qt's own options open the window, and the paths are what is
// left once Qt's options are taken out; anything else is a command line.
TEST(WindowStart, WindowForPathsAndQtsOwnOptions) {
    using Arguments = std::vector<std::string>;
    const std::pair<Arguments, Arguments> windows[] = {
        {{}, {}},
        {{"a.wp", "/tmp/b c.wp", "missing.wp"}, {"a.wp", "/tmp/b c.wp", "missing.wp"}},
        {{"-reverse"}, {}},
        {{"-style", "Fusion", "a.wp", "--reverse", "b.wp"}, {"a.wp", "b.wp"}},
        {{"-platform", "xcb", "-style=Fusion", "Fusion"}, {"Fusion"}},
        {{"--platformtheme", "gtk3", "-qwindowtitle", "-f", "-display", ":1", "x"}, {"x"}},
    };
    for (const auto& [arguments, paths] : windows) {
        EXPECT_TRUE(StartsWindow(arguments)) << testing::PrintToString(arguments);
        EXPECT_EQ(PathArguments(arguments), paths);
    }
    const Arguments commandLines[] = {{"a.wp", "-o", "out"}, {"-"}, {"--help"}, {"-style"}, {"-reverse", "-p", "a.wp"},
                                      {"-reversed"}, {"-reverse=1"}, {"-styles", "x"}, {"--existing", "skip", "a"}};
    for (const Arguments& arguments : commandLines) EXPECT_FALSE(StartsWindow(arguments)) << testing::PrintToString(arguments);
}

}  // namespace
}  // namespace quorin::test
