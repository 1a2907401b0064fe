#include "window/font_select_dialog.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "window/manual.h"
#include "window/shown_path.h"

namespace quorin {

namespace {


void Fill(QListWidget* list, const QStringList& entries, const QString& selected) {
    QSignalBlocker quiet(list);
    list->clear();
    list->addItems(entries);
    list->setCurrentRow(static_cast<int>(std::max<qsizetype>(0, entries.indexOf(selected))));
}

QStringList Entries(const QListWidget* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries.append(list->item(i)->text());
    return entries;
}

QString Selected(const QListWidget* list) { return list->currentItem() ? list->currentItem()->text() : QString(); }

// Moves the selection of `list` to the entry sharing the longest beginning
// with `text`, without telling the list's own handler.
void SelectBestPrefix(QListWidget* list, const QString& text) {
    QSignalBlocker quiet(list);
    list->setCurrentRow(static_cast<int>(BestPrefixIndex(Entries(list), text, list->currentRow())));
}

}  // namespace

CFontSelectDialog::CFontSelectDialog(const FontMap& map, const FontCatalog& catalog, UserMessages& messages,
                                     CancelRequest& cancel, QWidget* parent, const FontMatcher* matcher)
    : QDialog(parent), map_(map), matcher_(matcher), messages_(messages), cancel_(cancel), faces_(catalog.Faces()) {
    filter_ = map_.FontType();
    language_ = map_.FontLanguage();
    BuildForm();
    FillLists();
    ApplyLanguage();
    englishList_->setFocus();
}

void CFontSelectDialog::BuildForm() {
    setWindowTitle(tr("Select Font"));

    auto* introduction = new QLabel(
        tr("Choose an installed font to substitute for the following font used in WordPerfect.\n"
           "Choose a replacement font for English text, and a replacement for Arabic or Hebrew text."));
    auto* advice = new QLabel(tr("Some extended characters require a \"Unicode\" font, such as \"DejaVu Sans\".\n"
                                 "Be sure that the replacement font is compatible with your WordProcessor."));
    fontName_ = new QLabel;
    fontName_->setAlignment(Qt::AlignCenter);
    fontName_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    fontName_->setMinimumHeight(fontMetrics().height() * 2);
    QFont nameFont = fontName_->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    fontName_->setFont(nameFont);
    document_ = new QLabel;
    document_->setObjectName(QStringLiteral("document"));
    document_->setTextFormat(Qt::PlainText);
    document_->setAlignment(Qt::AlignCenter);
    // A path reads from left to right in every language.
    document_->setLayoutDirection(Qt::LeftToRight);
    document_->hide();

    englishList_ = new QListWidget;
    englishList_->setObjectName(QStringLiteral("englishList"));
    hebrewList_ = new QListWidget;
    hebrewList_->setObjectName(QStringLiteral("hebrewList"));
    arabicList_ = new QListWidget;
    arabicList_->setObjectName(QStringLiteral("arabicList"));
    auto* englishLabel = new QLabel(tr("&English Font"));
    englishLabel->setBuddy(englishList_);
    rightLabel_ = new QLabel;
    rightLabel_->setObjectName(QStringLiteral("rightLabel"));

    auto* lists = new QGridLayout;
    lists->addWidget(englishLabel, 0, 0);
    lists->addWidget(rightLabel_, 0, 1);
    lists->addWidget(englishList_, 1, 0);
    lists->addWidget(hebrewList_, 1, 1);
    lists->addWidget(arabicList_, 1, 1);  // the same place: one of the two is shown

    auto* windowsButton = new QRadioButton(tr("Show &Windows compatible fonts"));
    davkaButton_ = new QRadioButton(tr("Show &Davka compatible fonts"));
    auto* allButton = new QRadioButton(tr("Show &all fonts"));
    windowsButton->setObjectName(QStringLiteral("windowsButton"));
    davkaButton_->setObjectName(QStringLiteral("davkaButton"));
    allButton->setObjectName(QStringLiteral("allButton"));
    filterGroup_ = new QButtonGroup(this);
    filterGroup_->addButton(windowsButton, kWindowsCompatibleFonts);
    filterGroup_->addButton(davkaButton_, kDavkaCompatibleFonts);
    filterGroup_->addButton(allButton, kAllFonts);
    auto* filterBox = new QGroupBox(tr("Options"));
    auto* filterLayout = new QVBoxLayout(filterBox);
    filterLayout->addWidget(windowsButton);
    filterLayout->addWidget(davkaButton_);
    filterLayout->addWidget(allButton);

    auto* hebrewButton = new QRadioButton(tr("He&brew"));
    auto* arabicButton = new QRadioButton(tr("A&rabic"));
    hebrewButton->setObjectName(QStringLiteral("hebrewButton"));
    arabicButton->setObjectName(QStringLiteral("arabicButton"));
    languageGroup_ = new QButtonGroup(this);
    languageGroup_->addButton(hebrewButton, kHebrewLanguage);
    languageGroup_->addButton(arabicButton, kArabicLanguage);
    auto* languageBox = new QGroupBox(tr("Language"));
    auto* languageLayout = new QHBoxLayout(languageBox);
    languageLayout->addWidget(arabicButton);
    languageLayout->addWidget(hebrewButton);
    languageLayout->setAlignment(Qt::AlignTop);

    auto* groups = new QHBoxLayout;
    groups->addWidget(filterBox, 2);
    groups->addWidget(languageBox, 1);

    auto* okButton = new QPushButton(tr("OK"));
    auto* cancelButton = new QPushButton(tr("Cancel"));
    auto* helpButton = new QPushButton(tr("&Help"));
    okButton->setObjectName(QStringLiteral("okButton"));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    helpButton->setObjectName(QStringLiteral("helpButton"));
    okButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addWidget(helpButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(introduction);
    layout->addWidget(advice);
    layout->addWidget(fontName_);
    layout->addWidget(document_);
    layout->addLayout(lists, 1);
    layout->addLayout(groups);
    layout->addLayout(buttons);

    // The order of the controls in the form, Hebrew before Arabic.
    QWidget* order[] = {englishList_, hebrewList_, arabicList_, windowsButton, davkaButton_, allButton,
                        hebrewButton, arabicButton, okButton, cancelButton, helpButton};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connect(filterGroup_, &QButtonGroup::idClicked, this, &CFontSelectDialog::OnFilterClicked);
    connect(languageGroup_, &QButtonGroup::idClicked, this, &CFontSelectDialog::OnLanguageClicked);
    connect(hebrewList_, &QListWidget::currentRowChanged, this, &CFontSelectDialog::OnHebrewChanged);
    connect(arabicList_, &QListWidget::currentRowChanged, this, &CFontSelectDialog::OnArabicChanged);
    connect(okButton, &QPushButton::clicked, this, &CFontSelectDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &CFontSelectDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [this] { OpenManual(this, kManualFontDialog); });
}

void CFontSelectDialog::Prepare(const QString& fontKey, const FontChoice& stored, const QString& document) {
    fontKey_ = fontKey;
    stored_ = stored;
    fontName_->setText(fontKey);
    // A long path keeps its beginning and its file name; the whole path is the tooltip.
    const QString shown = ShownPath(document);
    const int room = fontMetrics().averageCharWidth() * 70;
    document_->setText(document_->fontMetrics().elidedText(shown, Qt::ElideMiddle, room));
    document_->setToolTip(shown);
    document_->setVisible(!document.isEmpty());
    FillLists();
    englishList_->setFocus();
}

FontChoice CFontSelectDialog::Ask(const QString& fontKey, const QString& document) {
    FontChoice stored = map_.Lookup(fontKey);
    Prepare(fontKey, stored, document);
    if (exec() != QDialog::Accepted) return stored;
    FontChoice chosen = Selections();
    map_.Store(fontKey, chosen);
    return chosen;
}

FontChoice CFontSelectDialog::Selections() const {
    return {Selected(englishList_), Selected(hebrewList_), Selected(arabicList_)};
}

void CFontSelectDialog::FillLists() {
    FontLists lists = BuildFontLists(faces_, filter_);
    FontChoice preselected = PreselectedChoice(lists, fontKey_, stored_);
    Fill(englishList_, lists.english, Preselected(lists.english, stored_.english, preselected.english, "Western"));
    Fill(hebrewList_, lists.hebrew, Preselected(lists.hebrew, stored_.hebrew, preselected.hebrew, "Hebrew"));
    Fill(arabicList_, lists.arabic, Preselected(lists.arabic, stored_.arabic, preselected.arabic, "Arabic"));
    filterGroup_->button(filter_)->setChecked(true);
}

// An entry that shares no more than a first letter with the font's name is
// a poor guess (C059, a serif face, for Arial); the system's own substitute
// for the name is a better one, when the list offers it.
QString CFontSelectDialog::Preselected(const QStringList& list, const QString& stored, const QString& chosen,
                                       const char* script) {
    if (!stored.isEmpty() || !matcher_ || SharedPrefixLength(list, fontKey_) > 1) return chosen;
    const QString scriptName = QString::fromLatin1(script);
    const QString system = EntryOfFamily(list, matcher_->MatchFamily(fontKey_, scriptName), scriptName);
    return system.isEmpty() ? chosen : system;
}

void CFontSelectDialog::ApplyLanguage() {
    bool arabic = language_ == kArabicLanguage;
    rightLabel_->setText(arabic ? tr("Arabic &Font") : tr("Hebrew &Font"));
    rightLabel_->setBuddy(arabic ? arabicList_ : hebrewList_);
    hebrewList_->setVisible(!arabic);
    arabicList_->setVisible(arabic);
    // Davka fonts have no Arabic letters.
    if (arabic && filter_ != EffectiveFilter(filter_, language_)) {
        filter_ = EffectiveFilter(filter_, language_);
        FillLists();
    }
    davkaButton_->setEnabled(!arabic);
    languageGroup_->button(language_)->setChecked(true);
}

void CFontSelectDialog::OnFilterClicked(int filter) {
    filter_ = filter;
    FillLists();
    englishList_->setFocus();
    if (filter == kDavkaCompatibleFonts)
        messages_.Show({kDavkaNotice, "Notice!", MessageIcon::kInformation, MessageButtons::kOk});
}

void CFontSelectDialog::OnLanguageClicked(int language) {
    language_ = language;
    FillLists();
    ApplyLanguage();
    englishList_->setFocus();
}

void CFontSelectDialog::OnHebrewChanged() {
    SelectBestPrefix(arabicList_, stored_.arabic.isEmpty() ? Selected(hebrewList_) : stored_.arabic);
}

void CFontSelectDialog::OnArabicChanged() {
    SelectBestPrefix(hebrewList_, stored_.hebrew.isEmpty() ? Selected(arabicList_) : stored_.hebrew);
}

void CFontSelectDialog::accept() {
    map_.SetFontType(filter_);
    map_.SetFontLanguage(language_);
    QDialog::accept();
}

// Cancel, Escape and the close box all come here.
void CFontSelectDialog::reject() {
    if (ConfirmCancel(messages_, cancel_)) QDialog::reject();
}

bool AskDeleteFontMap(QWidget* parent, const FontMap& map) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quorin"),
                    QCoreApplication::translate("quorin::CFontSelectDialog", kDeleteFontMapQuestion),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Help, parent);
    box.setDefaultButton(QMessageBox::Yes);
    // Wide enough for the question's own lines, so they are not broken again.
    box.setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { min-width: 26em; }"));
    // Help shows the manual and leaves the question open.
    int answer = QMessageBox::NoButton;
    while ((answer = box.exec()) == QMessageBox::Help) OpenManual(parent, kManualDeleteFontMap);
    if (answer != QMessageBox::Yes) return false;
    map.DeleteFontMap();
    return true;
}

}  // namespace quorin
