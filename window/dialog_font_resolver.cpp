#include "window/dialog_font_resolver.h"

#include <QCoreApplication>
#include <QThread>

#include "fonts/font_key.h"
#include "window/font_select_dialog.h"

namespace quorin {

DialogFontResolver::DialogFontResolver(const FontMap& map, const FontCatalog& catalog, UserMessages& messages,
                                       CancelRequest& cancel, QWidget* parent, const FontMatcher* matcher)
    : map_(map), catalog_(catalog), matcher_(matcher), messages_(messages), cancel_(cancel), parent_(parent) {}

FontSubstitutes DialogFontResolver::LookupSubstitutes(const std::string& wordPerfectName) {
    return LookupSubstitutesFor({}, wordPerfectName);
}

FontSubstitutes DialogFontResolver::LookupSubstitutesFor(const std::string& documentPath,
                                                         const std::string& wordPerfectName) {
    Q_ASSERT_X(QThread::currentThread() == QCoreApplication::instance()->thread(), "DialogFontResolver",
               "widgets live on the window's thread: reach it through a blocking queued call");
    // Font names are bytes of the document; Latin-1 keeps every byte distinct.
    QString key = FontKey(QString::fromLatin1(wordPerfectName.data(), static_cast<qsizetype>(wordPerfectName.size())));
    FontChoice choice = map_.Lookup(key);
    if (!choice.Complete() && !cancel_.Requested()) {
        CFontSelectDialog dialog(map_, catalog_, messages_, cancel_, parent_, matcher_);
        choice = dialog.Ask(key, QString::fromStdString(documentPath));
    }
    return {choice.english.toStdString(), choice.hebrew.toStdString(), choice.arabic.toStdString()};
}

}  // namespace quorin
