// Renders each dialog offscreen into PNG files of the folder given as the
// only argument: in English (NAME.png), Hebrew (NAME_he.png) and Arabic
// (NAME_ar.png), and in English under a dark theme (NAME_dark.png). Run by
// tools/screenshots.sh with a settings folder of its own.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "app/message_texts.h"
#include "app/user_messages.h"
#include "fonts/fontconfig_catalog.h"
#include "window/about_dlg.h"
#include "window/application_setup.h"
#include "window/font_select_dialog.h"
#include "window/message_boxes.h"
#include "window/progress_dlg.h"
#include "window/quorin_dlg.h"
#include "window/startup_tips_dlg.h"
#include "window/translations.h"
#include "window/tutorial_dlg.h"
#include "window/warning_box.h"

namespace {

class NoMessages : public quorin::UserMessages {
public:
    quorin::MessageAnswer Show(const quorin::UserMessage&) override { return quorin::MessageAnswer::kNo; }
};

// A theme of light text on dark ground.
QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::AlternateBase, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::ToolTipBase, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ToolTipText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x6c, 0xb4, 0xff));
    dark.setColor(QPalette::LinkVisited, QColor(0xc0, 0x9c, 0xff));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    return dark;
}

class Shots {
public:
    Shots(const QDir& folder, const QString& suffix) : folder_(folder), suffix_(suffix) {}

    void Save(QWidget& widget, const QString& name) {
        widget.show();
        QApplication::processEvents();
        Write(widget, name);
        widget.hide();
    }

    // A message box is grabbed while it waits for its answer.
    void SaveNextModal(const QString& name) {
        QTimer::singleShot(0, [this, name] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) return;
            QApplication::processEvents();
            Write(*box, name);
            box->close();
        });
    }

    bool ok = true;

private:
    void Write(QWidget& widget, const QString& name) {
        const QString file = folder_.filePath(name + suffix_ + QStringLiteral(".png"));
        const bool saved = widget.grab().save(file);
        std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(file));
        ok &= saved;
    }

    QDir folder_;
    QString suffix_;
};

// Every dialog once, in the language and theme in force.
bool RenderAll(const QDir& folder, const QString& suffix) {
    Shots shots(folder, suffix);
    quorin::FontMap map;
    quorin::FontconfigCatalog catalog;
    NoMessages messages;
    quorin::CancelRequest cancel;
    // A user's folders, not those of the machine that renders them; one of them in Hebrew.
    const QString hebrewDocument = QStringLiteral("/home/dana/מסמכים/ישנים/מכתב.wp");

    quorin::CQuorinDlg window({QStringLiteral("/home/dana/letters/LETTER"), hebrewDocument});
    window.findChild<QLineEdit*>(quorin::kOutputFolderName)->setText(QStringLiteral("/home/dana/Documents"));
    shots.Save(window, QStringLiteral("quorin_dlg"));

    quorin::CProgressDlg progress(messages, cancel, nullptr);
    progress.setWindowModality(Qt::NonModal);
    progress.SetRange(0, 40);
    progress.SetStep(1);
    progress.ShowFileName(hebrewDocument.toStdString());
    for (int step = 0; step < 18; ++step) progress.StepIt();
    shots.Save(progress, QStringLiteral("progress_dlg"));

    quorin::FontconfigMatcher matcher;
    quorin::CFontSelectDialog fontDialog(map, catalog, messages, cancel, nullptr, &matcher);
    fontDialog.Prepare(QStringLiteral("Times"), {}, hebrewDocument);
    shots.Save(fontDialog, QStringLiteral("font_select_dialog"));

    quorin::CStartupTipsDlg tips;
    shots.Save(tips, QStringLiteral("startup_tips_dlg"));

    quorin::CTutorialDlg tutorial;
    shots.Save(tutorial, QStringLiteral("tutorial_dlg"));

    quorin::CWarningBox warning;
    shots.Save(warning, QStringLiteral("warning_box"));

    quorin::CAboutDlg about;
    shots.Save(about, QStringLiteral("about_dlg"));

    shots.SaveNextModal(QStringLiteral("delete_fontmap"));
    quorin::AskDeleteFontMap(nullptr, map);

    // An error of the batch about a document in a Hebrew folder.
    quorin::CMessageBoxes boxes(nullptr);
    shots.SaveNextModal(QStringLiteral("error_box"));
    boxes.Show({quorin::texts::WithPath(hebrewDocument.toStdString(), "Document is not a WordPerfect 5.X Document!\n"),
                quorin::texts::kErrorCaption, quorin::MessageIcon::kError, quorin::MessageButtons::kOkCancel});
    return shots.ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    quorin::SetUpApplication();
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorin_screenshots FOLDER\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) return 1;

    bool ok = true;
    for (const QString& language : {QStringLiteral("en"), QStringLiteral("he"), QStringLiteral("ar")}) {
        quorin::UseLanguage(language);
        ok &= RenderAll(folder, language == u"en" ? QString() : u'_' + language);
    }
    quorin::UseLanguage(QStringLiteral("en"));
    QApplication::setPalette(DarkPalette());
    ok &= RenderAll(folder, QStringLiteral("_dark"));
    return ok ? 0 : 1;
}
