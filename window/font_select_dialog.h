#pragma once
#include <QDialog>
#include <QList>

#include "app/user_messages.h"
#include "core/cancel_request.h"
#include "fonts/font_catalog.h"
#include "fonts/font_lists.h"
#include "fonts/font_map.h"

class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace quorin {

// Asks which installed fonts stand in for one WordPerfect font, and names
// the document that uses it: one for English text and one for Hebrew or
// Arabic text, from lists of the installed fonts under one of three filters.
// Where nothing is stored and no entry shares more than a first letter with
// the font's name, the system's own substitute for it is preselected (Arial:
// an installed sans-serif face, not the first entry of the list). Cancel
// asks the cancel confirmation and, on Yes, cancels the conversion. Runs on
// the window's (GUI) thread only.
class CFontSelectDialog : public QDialog {
    Q_OBJECT

public:
    // matcher: the system's substitutes; null for none.
    CFontSelectDialog(const FontMap& map, const FontCatalog& catalog, UserMessages& messages,
                      CancelRequest& cancel, QWidget* parent = nullptr, const FontMatcher* matcher = nullptr);

    // Asks for the substitutes of a font key that the document at `document`
    // uses (empty: not said), modally, starting from the map's entries; on
    // OK the selections are stored in the map and returned. On Cancel the
    // map's entries (possibly empty) come back and the cancel request is set.
    FontChoice Ask(const QString& fontKey, const QString& document = {});

    // Shows the font key and the document's path and preselects the stored
    // entries, or the entries nearest the key where nothing is stored.
    void Prepare(const QString& fontKey, const FontChoice& stored, const QString& document = {});

    // The selected entries of the three lists.
    FontChoice Selections() const;
    int Filter() const { return filter_; }
    int Language() const { return language_; }

public slots:
    void accept() override;
    void reject() override;

private:
    void BuildForm();
    void FillLists();
    void ApplyLanguage();
    void OnFilterClicked(int filter);
    void OnLanguageClicked(int language);
    void OnHebrewChanged();
    void OnArabicChanged();

    QString Preselected(const QStringList& list, const QString& stored, const QString& chosen, const char* script);

    const FontMap& map_;
    const FontMatcher* matcher_;
    UserMessages& messages_;
    CancelRequest& cancel_;
    QList<InstalledFace> faces_;
    QString fontKey_;
    FontChoice stored_;
    int filter_ = kWindowsCompatibleFonts;
    int language_ = kHebrewLanguage;

    QLabel* fontName_ = nullptr;
    QLabel* document_ = nullptr;
    QLabel* rightLabel_ = nullptr;
    QListWidget* englishList_ = nullptr;
    QListWidget* hebrewList_ = nullptr;
    QListWidget* arabicList_ = nullptr;
    QButtonGroup* filterGroup_ = nullptr;
    QButtonGroup* languageGroup_ = nullptr;
    QRadioButton* davkaButton_ = nullptr;
};

// Tools -> Delete FontMap: asks whether to forget every font substitution and,
// on Yes, removes them, keeping the filter and language last used. Returns
// whether it deleted.
bool AskDeleteFontMap(QWidget* parent, const FontMap& map);

// The texts of the dialog that people read word for word (translated where
// they are shown).
inline constexpr const char* kDavkaNotice =
    "Not all Davka fonts convert correctly. If you don't get the\nresults you expected, try converting "
    "using a different font.\nChoose  \"Tools  |  Delete FontMap\"  and then convert\nagain using a "
    "different font.";
inline constexpr const char* kDeleteFontMapQuestion = QT_TRANSLATE_NOOP(
    "quorin::CFontSelectDialog",
    " This option removes all previous Font mapping, so that\nyou will be prompted next time to verify font "
    "substitutions.\n\t\tProceed?");

}  // namespace quorin
