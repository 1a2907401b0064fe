// Renders each dialog offscreen into a PNG file of the folder given as the
// only argument. Run by tools/screenshots.sh with a settings folder of its own.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <memory>

#include "app/user_messages.h"
#include "fonts/fontconfig_catalog.h"
#include "window/about_dlg.h"
#include "window/application_setup.h"
#include "window/font_select_dialog.h"
#include "window/progress_dlg.h"
#include "window/quorin_dlg.h"
#include "window/startup_tips_dlg.h"
#include "window/tutorial_dlg.h"
#include "window/warning_box.h"

namespace {

class NoMessages : public quorin::UserMessages {
public:
    quorin::MessageAnswer Show(const quorin::UserMessage&) override { return quorin::MessageAnswer::kNo; }
};

bool Save(QWidget& widget, const QDir& folder, const QString& name) {
    widget.show();
    QApplication::processEvents();
    QString file = folder.filePath(name + QStringLiteral(".png"));
    bool saved = widget.grab().save(file);
    std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(file));
    widget.hide();
    return saved;
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
    quorin::FontMap map;
    quorin::FontconfigCatalog catalog;
    NoMessages messages;
    quorin::ConversionOptions options;

    quorin::CQuorinDlg window({QStringLiteral("/home/dana/letters/LETTER"), QStringLiteral("/home/dana/letters/REPORT.WP5")});
    // The picture shows a user's folder, not the machine's that renders it.
    window.findChild<QLineEdit*>(quorin::kOutputFolderName)->setText(QStringLiteral("/home/dana/Documents"));
    ok &= Save(window, folder, QStringLiteral("quorin_dlg"));

    quorin::CProgressDlg progress(messages, options, nullptr);
    progress.setWindowModality(Qt::NonModal);
    progress.SetRange(0, 40);
    progress.SetStep(1);
    progress.ShowFileName("/home/dana/letters/REPORT.WP5");
    for (int step = 0; step < 18; ++step) progress.StepIt();
    ok &= Save(progress, folder, QStringLiteral("progress_dlg"));

    quorin::CFontSelectDialog fontDialog(map, catalog, messages, options);
    fontDialog.Prepare(QStringLiteral("Times"), {});
    ok &= Save(fontDialog, folder, QStringLiteral("font_select_dialog"));

    quorin::CStartupTipsDlg tips;
    ok &= Save(tips, folder, QStringLiteral("startup_tips_dlg"));

    quorin::CTutorialDlg tutorial;
    ok &= Save(tutorial, folder, QStringLiteral("tutorial_dlg"));

    quorin::CWarningBox warning;
    ok &= Save(warning, folder, QStringLiteral("warning_box"));

    quorin::CAboutDlg about;
    ok &= Save(about, folder, QStringLiteral("about_dlg"));

    // The Delete FontMap question is a message box: grab it while it waits.
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box) {
            QApplication::processEvents();
            ok &= box->grab().save(folder.filePath(QStringLiteral("delete_fontmap.png")));
            std::fprintf(stderr, "wrote %s\n", qPrintable(folder.filePath(QStringLiteral("delete_fontmap.png"))));
            box->close();
        }
    });
    quorin::AskDeleteFontMap(nullptr, map);
    return ok ? 0 : 1;
}
