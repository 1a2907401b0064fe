#include "window/startup_tips_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QShowEvent>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>
#include <array>
#include <string>

#include "window/rtf_view.h"

namespace quorin {

namespace {

const std::array<const char*, 8> kTips = {
    QT_TRANSLATE_NOOP("quorin::CStartupTipsDlg",
        "Quorin includes a step by step tutorial to teach you the conversion process. Just click on 'View "
        "tutorial', or select 'Help | Tutorial' from the main screen. You can even follow along while viewing the "
        "tutorial."),
    QT_TRANSLATE_NOOP("quorin::CStartupTipsDlg",
        "Quorin can convert multiple files at a time. You can select multiple files either by using wildcards, or "
        "by clicking on 'Browse' and holding down on the 'Ctrl' or 'Shift' key while selecting your files."),
    QT_TRANSLATE_NOOP("quorin::CStartupTipsDlg",
        "Many word-processor programs can convert (import) multiple RTF files at a time. For instructions, search "
        "your word-processor's help documentation for 'convert multiple files'."),
    QT_TRANSLATE_NOOP("quorin::CStartupTipsDlg",
        "When converting multiple files, it is suggested that you output them to a new or empty folder. The "
        "folder chooser that opens when you click on 'Change Folder' lets you create a new output folder."),
    QT_TRANSLATE_NOOP("quorin::CStartupTipsDlg",
        "You can change your choice of font substitution by deleting the fontmap. You delete the fontmap by "
        "choosing 'Tools | Delete FontMap' from the main screen. Thus subsequent conversions will prompt you for "
        "your new choice of font substitution."),
    QT_TRANSLATE_NOOP("quorin::CStartupTipsDlg",
        "Quorin will not overwrite a previous file with the same name, but it will rename it with a unique name. "
        "To prevent this, you should first delete any previous output file before you reconvert a file."),
    QT_TRANSLATE_NOOP("quorin::CStartupTipsDlg",
        "Some programs do not fully import all RTF attributes. Therefore if you find that your new document lost "
        "some of it's original formatting, it might be the fault of your word-processors. You can sometimes get "
        "around this by setting your program's defaults to the missing attribute before importing your files."),
    QT_TRANSLATE_NOOP("quorin::CStartupTipsDlg",
        "A file in Rich Text Format (RTF) is an ASCII text file, with a lot of markup code, and can be read with "
        "any text reader such as gedit. Therefore you can do with it many things that might not be possible "
        "otherwise. For example: you can Search and Replace 'Bold' {\\bo} for 'Italic' {\\i}. The full "
        "description of RTF is published by Microsoft on its web site: search there for 'Rich Text Format'."),
};

const QString kSettingsKey = QStringLiteral("Options/StartupTips");
constexpr quint32 kShowAtStartupBit = 0x80000000u;

QSettings Settings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Ardenwick"), QStringLiteral("Quorin"));
}

quint32 ReadTipState() {
    auto settings = Settings();
    // A 32-bit value: written unsigned, but a signed reading of bit 31 counts too.
    return static_cast<quint32>(settings.value(kSettingsKey, kShowAtStartupBit).toLongLong());
}

// A small empty line, the heading in bold underlined 14 points, an empty line
// and the tip in 10.5 points, indented 100 twips on both sides.
std::string TipRtf(int tip, bool rightToLeft) {
    const QString heading = QCoreApplication::translate("quorin::CStartupTipsDlg", "Did you know...");
    const QString text = QCoreApplication::translate("quorin::CStartupTipsDlg", kTips[static_cast<size_t>(tip)]);
    return std::string("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}\\pard\\plain") +
           (rightToLeft ? "\\rtlpar" : "") + "\\li100\\ri100\\fs8\\par\\fs28\\b\\ul " + RtfUnicode(heading, true) +
           "\\par\\b0\\ul0 \\fs21\\par " + RtfUnicode(text, true) + "\\par}";
}

}  // namespace

CStartupTipsDlg::CStartupTipsDlg(QWidget* parent) : QDialog(parent) {
    quint32 state = ReadTipState();
    showAtStartup_ = (state & kShowAtStartupBit) != 0;
    nextTip_ = static_cast<int>(state & ~kShowAtStartupBit);

    setWindowTitle(tr("Tip of the day"));
    auto* picture = new QLabel;
    int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize) * 3 / 2;
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(size));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    text_ = new QTextEdit;
    text_->setReadOnly(true);
    text_->setMinimumSize(380, 170);
    showCheck_ = new QCheckBox(tr("&Show tips at startup"));
    showCheck_->setChecked(showAtStartup_);
    auto* tutorialButton = new QPushButton(tr("&View tutorial"));
    auto* nextButton = new QPushButton(tr("&Next tip"));
    auto* closeButton = new QPushButton(tr("&Close"));
    closeButton->setDefault(true);
    closeButton->setFocus();

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addWidget(text_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(showCheck_);
    bottom->addStretch();
    bottom->addWidget(tutorialButton);
    bottom->addWidget(nextButton);
    bottom->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    setTabOrder(text_, showCheck_);
    setTabOrder(showCheck_, tutorialButton);
    setTabOrder(tutorialButton, nextButton);
    setTabOrder(nextButton, closeButton);

    connect(showCheck_, &QCheckBox::toggled, this, [this](bool on) { showAtStartup_ = on; });
    connect(nextButton, &QPushButton::clicked, this, &CStartupTipsDlg::ShowNextTip);
    connect(closeButton, &QPushButton::clicked, this, &CStartupTipsDlg::accept);
    connect(tutorialButton, &QPushButton::clicked, this, [this] {
        emit TutorialRequested();
        done(kViewTutorial);
    });
}

CStartupTipsDlg::~CStartupTipsDlg() {
    auto settings = Settings();
    settings.setValue(kSettingsKey, (showAtStartup_ ? kShowAtStartupBit : 0u) | static_cast<quint32>(nextTip_));
}

bool CStartupTipsDlg::ShouldShowAtStartup() { return (ReadTipState() & kShowAtStartupBit) != 0; }

QString CStartupTipsDlg::TipText() const { return text_->toPlainText(); }

// Once per showing: a window the desktop shows again after minimising keeps its tip.
void CStartupTipsDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) ShowNextTip();
}

void CStartupTipsDlg::ShowNextTip() {
    if (nextTip_ < 0 || nextTip_ >= static_cast<int>(kTips.size())) nextTip_ = 0;
    const QPalette colours = text_->palette();
    RenderRtf(TipRtf(nextTip_, layoutDirection() == Qt::RightToLeft), *text_->document(), &colours);
    tipShown_ = nextTip_ + 1;
    ++nextTip_;
}

}  // namespace quorin
