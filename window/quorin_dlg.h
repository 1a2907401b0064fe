#pragma once
#include <QDialog>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "app/batch_pause.h"
#include "app/convert_files.h"
#include "core/conversion_options.h"
#include "core/font_resolver.h"
#include "fonts/fontconfig_catalog.h"
#include "fonts/font_map.h"
#include "window/message_boxes.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;

namespace quorin {

class CProgressDlg;
class CTutorialDlg;

// The names of the main window's controls, for tests and screenshots.
inline constexpr const char* kFileNamesName = "fileNames";
inline constexpr const char* kOutputFolderName = "outputFolder";
inline constexpr const char* kSummaryName = "summary";

// Paths as the File Name(s) field lists them: each in double quotes, joined
// by " | ", so that a name holding "|" stays whole, and shown as ShownPath
// shows it.
QString QuotedFileList(const QStringList& paths);

// The main window: the files to convert, the output folder, the four options,
// Convert and Exit, and the menu. It remembers the options ("Options/MainForm")
// and the folders ("Directories/BrowseSave", ".../BrowseOpen") in the
// settings file; the options and output folder are written when the window
// goes, whichever way it goes.
class CQuorinDlg : public QDialog {
    Q_OBJECT

public:
    // `files`: paths to put in File Name(s), as a file manager hands them over.
    explicit CQuorinDlg(const QStringList& files = {}, QWidget* parent = nullptr);
    ~CQuorinDlg() override;

    // The start-up warning; false when it was declined and the program ends.
    bool ShowStartupWarning();
    // The tip of the day, when the person wants it at start-up.
    void OfferTips();

    // Where messages go (message boxes unless replaced) and who answers the
    // fonts the font map lacks (the font selection dialog unless replaced).
    void SetMessages(UserMessages* messages);
    void SetFontResolver(FontResolver* fonts) { fonts_ = fonts; }

    bool Busy() const { return progress_ != nullptr; }
    // Held while the batch asks the person something.
    const BatchPause& Pause() const { return pause_; }
    // The progress dialog of the batch running; null between batches.
    CProgressDlg* Progress() const { return progress_; }
    const BatchOutcome& LastOutcome() const { return outcome_; }

    // The commands of the buttons and the menu.
    void Convert();
    void Browse();
    void ChangeFolder();
    void Exit();
    void DeleteFontMap();
    void ShowTips();
    void ShowTutorial();
    void ShowAbout();
    void HelpTopics();

    void reject() override;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildForm();
    QMenuBar* BuildMenu();
    void LoadOptions();
    void FindOutputFolder();
    void LookForWord();
    void SaveSettings();
    void ShowFileNames(const QString& list);
    int OptionBits() const;
    QString OutputFolder() const;
    BatchOutcome RunBatch(const std::vector<std::string>& items, const std::string& folder);

    CMessageBoxes boxes_{this};
    UserMessages* messages_ = &boxes_;
    FontResolver* fonts_ = nullptr;
    ConversionOptions options_;
    FontMap fontMap_;
    FontconfigCatalog catalog_;
    FontconfigMatcher matcher_;
    std::string wordEngine_;
    BatchOutcome outcome_;
    BatchPause pause_;
    CProgressDlg* progress_ = nullptr;
    bool browsedBefore_ = false;

    QWidget* body_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QLineEdit* fileNames_ = nullptr;
    QLineEdit* outputFolder_ = nullptr;
    QPushButton* browseButton_ = nullptr;
    QPushButton* changeFolderButton_ = nullptr;
    QCheckBox* wordBox_ = nullptr;
    QCheckBox* parenthesesBox_ = nullptr;
    QCheckBox* tabBox_ = nullptr;
    QCheckBox* rightToLeftBox_ = nullptr;
    QPushButton* convertButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QLabel* summary_ = nullptr;  // the line that ends the last batch
    CTutorialDlg* tutorial_ = nullptr;
};

}  // namespace quorin
