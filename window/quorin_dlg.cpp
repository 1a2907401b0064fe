#include "window/quorin_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <thread>

#include "app/batch_summary.h"
#include "app/exit_status.h"
#include "app/input_list.h"
#include "app/word_export.h"
#include "window/about_dlg.h"
#include "window/dialog_font_resolver.h"
#include "window/font_select_dialog.h"
#include "window/gui_thread_services.h"
#include "window/manual.h"
#include "window/placement.h"
#include "window/progress_dlg.h"
#include "window/shown_path.h"
#include "window/startup_tips_dlg.h"
#include "window/summary_text.h"
#include "window/tutorial_dlg.h"
#include "window/warning_box.h"

namespace quorin {

namespace {

// Bits of "Options/MainForm".
constexpr int kReverseParenthesesBit = 1 << 0;
constexpr int kReverseTabAlignmentBit = 1 << 1;
constexpr int kRightToLeftBit = 1 << 2;
constexpr int kConvertToWordBit = 1 << 3;

const QString kMainFormKey = QStringLiteral("Options/MainForm");
const QString kBrowseSaveKey = QStringLiteral("Directories/BrowseSave");
const QString kBrowseOpenKey = QStringLiteral("Directories/BrowseOpen");

// Shown through the message service, which translates it (see message_translation.cpp).
const char* kMultipleFilesNote =
    "You can choose multiple files by holding down the\n\"Ctrl\" or \"Shift\" key while selecting your files!";

// As in any dialog, the focused button is the one Return presses; elsewhere
// it is Convert.
QPushButton* MakeButton(const QString& text, const QString& toolTip, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setToolTip(toolTip);
    button->setAutoDefault(true);
    return button;
}

QCheckBox* MakeCheckBox(const QString& name, const QString& text, const QString& toolTip, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setToolTip(toolTip);
    return box;
}

// The folder part of a path, with its closing "/".
QString FolderWithSlash(const QString& path) { return path.left(path.lastIndexOf('/') + 1); }

}  // namespace

QString QuotedFileList(const QStringList& paths) {
    QStringList quoted;
    for (const QString& path : paths) quoted << '"' + ShownPath(path) + '"';
    return quoted.join(" | ");
}

CQuorinDlg::CQuorinDlg(const QStringList& files, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Quorin");
    // A main window, not a dialog: in the task bar, with its icon, minimisable.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setAcceptDrops(true);
    BuildForm();
    LoadOptions();
    ShowFileNames(QuotedFileList(files));
    FindOutputFolder();
    LookForWord();
    tutorial_ = new CTutorialDlg(this);
    tutorial_->hide();
}

CQuorinDlg::~CQuorinDlg() { SaveSettings(); }

void CQuorinDlg::BuildForm() {
    body_ = new QWidget(this);

    auto* title = new QLabel("Quorin", body_);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    fileNames_ = new QLineEdit(body_);
    fileNames_->setObjectName(kFileNamesName);
    fileNames_->setToolTip(tr("Enter file name(s)"));
    auto* fileNamesLabel = new QLabel(tr("File &Name(s)"), body_);
    fileNamesLabel->setBuddy(fileNames_);
    browseButton_ = MakeButton(tr("&Browse..."), tr("Browse to select the files to convert"), body_);
    browseButton_->setObjectName("browse");

    outputFolder_ = new QLineEdit(body_);
    outputFolder_->setObjectName(kOutputFolderName);
    outputFolder_->setReadOnly(true);
    outputFolder_->setToolTip(tr("Click 'Change Folder' to choose your output folder"));
    auto* outputFolderLabel = new QLabel(tr("&Output Folder"), body_);
    outputFolderLabel->setBuddy(outputFolder_);
    changeFolderButton_ = MakeButton(tr("C&hange Folder"), tr("Choose your output folder"), body_);
    changeFolderButton_->setObjectName("changeFolder");

    auto* options = new QGroupBox(tr("Options"), body_);
    wordBox_ = MakeCheckBox("convertToWord", tr("Convert to Microsoft &Word"),
                            tr("Convert To Word document rather than to RTF"), options);
    parenthesesBox_ = MakeCheckBox("reverseParentheses", tr("&Reverse Right to Left Parenthesis"),
                                   tr("Reverse the parenthesis direction when converting"), options);
    tabBox_ = MakeCheckBox("reverseTabAlignment", tr("Reverse Right to Left &Tab alignment"),
                           tr("Select if 'Flush Right' text does not convert correctly"), options);
    rightToLeftBox_ = MakeCheckBox("rightToLeftDocument", tr("Con&vert as Right to Left Document"),
                                   tr("Document is mainly right-to-left"), options);
    auto* optionsLayout = new QVBoxLayout(options);
    for (QCheckBox* box : {wordBox_, parenthesesBox_, tabBox_, rightToLeftBox_}) optionsLayout->addWidget(box);

    convertButton_ = MakeButton(tr("&Convert"), tr("Start the conversion process"), body_);
    convertButton_->setObjectName("convert");
    convertButton_->setDefault(true);
    exitButton_ = MakeButton(tr("E&xit"), tr("Exit program"), body_);
    exitButton_->setObjectName("exit");

    auto* grid = new QGridLayout(body_);
    grid->addWidget(title, 0, 0, 1, 2);
    grid->addWidget(fileNamesLabel, 1, 0);
    grid->addWidget(fileNames_, 2, 0);
    grid->addWidget(browseButton_, 2, 1);
    grid->addWidget(outputFolderLabel, 3, 0);
    grid->addWidget(outputFolder_, 4, 0);
    grid->addWidget(changeFolderButton_, 4, 1);
    grid->addWidget(options, 5, 0, 3, 1);
    grid->addWidget(convertButton_, 5, 1, Qt::AlignTop);
    grid->addWidget(exitButton_, 6, 1, Qt::AlignTop);
    summary_ = new QLabel(body_);
    summary_->setObjectName(kSummaryName);
    grid->addWidget(summary_, 8, 0, 1, 2);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(0, 1);
    grid->setRowMinimumHeight(3, fontMetrics().height() + 6);
    fileNames_->setMinimumWidth(fontMetrics().averageCharWidth() * 44);
    // Paths read from left to right in every language; in a right-to-left
    // window they stand at the right, as its other texts do.
    for (QLineEdit* paths : {fileNames_, outputFolder_}) {
        paths->setLayoutDirection(Qt::LeftToRight);
        if (QGuiApplication::isRightToLeft()) paths->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    // The order the controls are listed in, not the order they stand in.
    QWidget* order[] = {fileNames_, browseButton_, outputFolder_, changeFolderButton_, wordBox_,
                        parenthesesBox_, tabBox_, rightToLeftBox_, convertButton_, exitButton_};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar_ = BuildMenu());
    layout->addWidget(body_);

    connect(browseButton_, &QPushButton::clicked, this, &CQuorinDlg::Browse);
    connect(changeFolderButton_, &QPushButton::clicked, this, &CQuorinDlg::ChangeFolder);
    connect(convertButton_, &QPushButton::clicked, this, &CQuorinDlg::Convert);
    connect(exitButton_, &QPushButton::clicked, this, &CQuorinDlg::Exit);
}

// "Tools" and "Help" share their letters with the Tab alignment box and
// Change Folder; as in a dialog, the controls keep Alt+T and Alt+H (two
// owners of one Alt key would make it do nothing), and the menus are reached
// with F10, the arrow keys and the mouse.
QMenuBar* CQuorinDlg::BuildMenu() {
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(tr("&File"));
    file->addAction(tr("E&xit"), this, &CQuorinDlg::Exit);
    //: The Tools menu: without an Alt key where its letter is a control's.
    QMenu* tools = bar->addMenu(tr("Tools"));
    tools->addAction(tr("&Delete FontMap"), this, &CQuorinDlg::DeleteFontMap);
    //: The Help menu: without an Alt key where its letter is a control's.
    QMenu* help = bar->addMenu(tr("Help"));
    help->addAction(tr("&Help Topics"), this, &CQuorinDlg::HelpTopics);
    help->addSeparator();
    help->addAction(tr("&Tip of the day"), this, &CQuorinDlg::ShowTips);
    help->addAction(tr("T&utorial"), this, &CQuorinDlg::ShowTutorial);
    help->addSeparator();
    help->addAction(tr("&About Quorin..."), this, &CQuorinDlg::ShowAbout);

    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, bar, [bar, file] {
        bar->setFocus(Qt::MenuBarFocusReason);
        bar->setActiveAction(file->menuAction());
    });
    return bar;
}

void CQuorinDlg::LoadOptions() {
    QSettings settings(fontMap_.SettingsFile(), QSettings::IniFormat);
    bool ok = false;
    int bits = settings.value(kMainFormKey, kReverseParenthesesBit).toInt(&ok);
    if (!ok) bits = kReverseParenthesesBit;
    parenthesesBox_->setChecked(bits & kReverseParenthesesBit);
    tabBox_->setChecked(bits & kReverseTabAlignmentBit);
    rightToLeftBox_->setChecked(bits & kRightToLeftBit);
    wordBox_->setChecked(bits & kConvertToWordBit);
}

// The output folder of the last run, while it is still a folder; else the
// documents folder.
void CQuorinDlg::FindOutputFolder() {
    QSettings settings(fontMap_.SettingsFile(), QSettings::IniFormat);
    QString folder = settings.value(kBrowseSaveKey).toString();
    if (!folder.isEmpty() && !QFileInfo(folder).isDir()) folder.clear();
    if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    outputFolder_->setText(ShownPath(folder));
}

void CQuorinDlg::LookForWord() {
    wordEngine_ = quorin::FindWordEngine();
    if (!wordEngine_.empty()) return;
    wordBox_->setChecked(false);
    wordBox_->setEnabled(false);
    wordBox_->setToolTip(tr("LibreOffice (soffice) is needed to write Word documents and was not found!"));
}

int CQuorinDlg::OptionBits() const {
    return (parenthesesBox_->isChecked() ? kReverseParenthesesBit : 0) |
           (tabBox_->isChecked() ? kReverseTabAlignmentBit : 0) |
           (rightToLeftBox_->isChecked() ? kRightToLeftBit : 0) |
           (wordBox_->isChecked() ? kConvertToWordBit : 0);
}

void CQuorinDlg::SaveSettings() {
    QSettings settings(fontMap_.SettingsFile(), QSettings::IniFormat);
    settings.setValue(kMainFormKey, OptionBits());
    settings.setValue(kBrowseSaveKey, OutputFolder());
}

// From its first name on, as a person reads the list.
void CQuorinDlg::ShowFileNames(const QString& list) {
    fileNames_->setText(list);
    fileNames_->setCursorPosition(0);
}

QString CQuorinDlg::OutputFolder() const { return WithoutShownMarks(outputFolder_->text()); }

void CQuorinDlg::SetMessages(UserMessages* messages) { messages_ = messages ? messages : &boxes_; }

bool CQuorinDlg::ShowStartupWarning() { return CWarningBox::Accepted(this); }

void CQuorinDlg::OfferTips() {
    if (CStartupTipsDlg::ShouldShowAtStartup()) ShowTips();
}

void CQuorinDlg::Convert() {
    if (Busy()) return;
    summary_->clear();
    options_.convertToWord = wordBox_->isChecked();
    options_.reverseParentheses = parenthesesBox_->isChecked();
    options_.reverseTabAlignment = tabBox_->isChecked();
    options_.rightToLeftDocument = rightToLeftBox_->isChecked();
    std::vector<std::string> items = SplitInputList(WithoutShownMarks(fileNames_->text()).toStdString());
    if (items.empty()) {
        messages_->Show({"You have to give an INFILE name!", "File Name?", MessageIcon::kExclamation});
        fileNames_->setFocus();
        return;
    }
    QString folder = OutputFolder();
    if (folder.isEmpty()) {
        messages_->Show({"You have to give an OUTFILE name!", "File Name?", MessageIcon::kExclamation});
        outputFolder_->setFocus();
        return;
    }
    outcome_ = RunBatch(items, folder.toStdString());
    // Any failure or a cancel keeps the names, so they can be corrected.
    if (BatchSucceeded(outcome_.files) && !outcome_.cancelled) {
        fileNames_->clear();
        exitButton_->setFocus();
    }
}

// The batch runs on a thread of its own, so the window keeps drawing and
// Cancel answers at once; its questions (message boxes, the font dialog) are
// asked here on the window's thread while it waits.
BatchOutcome CQuorinDlg::RunBatch(const std::vector<std::string>& items, const std::string& folder) {
    CancelRequest cancel;  // of this batch: the progress dialog, a message box or the font dialog sets it
    // Every question of the batch, its cancel question included, pauses it.
    GuiThreadQuestions questions(this, &pause_);
    GuiThreadMessages messages(questions, *messages_);
    CProgressDlg progress(messages, cancel, this);
    progress_ = &progress;
    body_->setEnabled(false);
    menuBar_->setEnabled(false);

    std::unique_ptr<FontResolver> dialogFonts;
    FontResolver* fonts = fonts_;
    if (!fonts) {
        dialogFonts = std::make_unique<DialogFontResolver>(fontMap_, catalog_, *messages_, cancel, this, &matcher_);
        fonts = dialogFonts.get();
    }
    GuiThreadFonts threadFonts(questions, *fonts);
    GuiThreadProgress<CProgressDlg> view(&progress);
    std::string engine = options_.convertToWord ? wordEngine_ : std::string();
    BatchSettings settings{std::clamp(QThread::idealThreadCount(), 1, kMaxJobs), false};

    BatchOutcome outcome;
    QEventLoop loop;
    std::thread batch([&] {
        try {
            WordExporter word(engine, messages, options_, cancel);
            BatchServices services{options_, cancel, messages, &view, &threadFonts, &word, nullptr, &pause_};
            outcome = ConvertFiles(items, folder, services, settings);
        } catch (const std::exception& failure) {
            outcome.result = kBatchRaised;
            messages.Show({failure.what(), "Error!", MessageIcon::kError});
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    batch.join();
    // Yes to a cancel question the batch did not wait for (it had just
    // ended) still cancels: the person was told the work would stop.
    if (cancel.Requested() && !outcome.cancelled) {
        messages_->Show(CanceledMessage());
        outcome.cancelled = true;
    }

    summary_->setText(SummaryText(CountOutcomes(outcome.files)));
    progress.hide();
    progress_ = nullptr;
    body_->setEnabled(true);
    menuBar_->setEnabled(true);
    return outcome;
}

void CQuorinDlg::Browse() {
    if (!browsedBefore_) {
        browsedBefore_ = true;
        messages_->Show({kMultipleFilesNote, "Attention!", MessageIcon::kInformation});
    }
    QSettings settings(fontMap_.SettingsFile(), QSettings::IniFormat);
    QFileDialog dialog(this, tr("Open"), settings.value(kBrowseOpenKey, QDir::homePath()).toString(),
                       tr("WordPerfect Files (*)"));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        QStringList chosen = dialog.selectedFiles();
        settings.setValue(kBrowseOpenKey, FolderWithSlash(chosen.first()));
        ShowFileNames(QuotedFileList(chosen));
    }
    fileNames_->setFocus();
}

void CQuorinDlg::ChangeFolder() {
    QFileDialog dialog(this, tr("Choose a folder for your new files"), OutputFolder());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        outputFolder_->setText(ShownPath(dialog.selectedFiles().first()));
    outputFolder_->setFocus();
}

void CQuorinDlg::Exit() {
    if (Busy()) return;
    accept();
}

// Escape and the close box (QDialog turns it into reject) end the window as
// Exit does, never in the middle of a batch.
void CQuorinDlg::reject() {
    if (Busy()) return;
    QDialog::reject();
}

void CQuorinDlg::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!Busy() && std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); }))
        event->acceptProposedAction();
}

void CQuorinDlg::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    if (paths.isEmpty() || Busy()) return;
    ShowFileNames(QuotedFileList(paths));
    fileNames_->setFocus();
    event->acceptProposedAction();
}

void CQuorinDlg::DeleteFontMap() { AskDeleteFontMap(this, fontMap_); }

void CQuorinDlg::ShowTips() {
    CStartupTipsDlg tips(this);
    if (tips.exec() == CStartupTipsDlg::kViewTutorial) ShowTutorial();
}

// Beside the main window, so that the person can follow along in it.
void CQuorinDlg::ShowTutorial() {
    if (!tutorial_->isVisible()) {
        tutorial_->ensurePolished();
        tutorial_->adjustSize();
        const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect();
        if (!screen.isEmpty())
            tutorial_->move(BesideWindow(frameGeometry(), tutorial_->frameGeometry().size(), screen, layoutDirection()));
    }
    tutorial_->show();
    tutorial_->raise();
    tutorial_->activateWindow();
}

void CQuorinDlg::ShowAbout() { CAboutDlg(this).exec(); }

void CQuorinDlg::HelpTopics() { OpenManual(this, kManualMainWindow); }

}  // namespace quorin
