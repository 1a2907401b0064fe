#include "fonts/unattended_font_chooser.h"

#include "fonts/font_key.h"

namespace quorin {

FontSubstitutes UnattendedFontChooser::LookupSubstitutes(const std::string& wordPerfectName) {
    // Font names are bytes of the document; Latin-1 keeps every byte distinct.
    QString key = FontKey(QString::fromLatin1(wordPerfectName.data(), static_cast<qsizetype>(wordPerfectName.size())));
    std::lock_guard lock(mutex_);
    FontChoice choice = map_.Lookup(key);
    if (!choice.Complete()) {
        int filter = EffectiveFilter(map_.FontType(), map_.FontLanguage());
        choice = PreselectedChoice(ListsFor(filter), key, choice);
    }
    return {choice.english.toStdString(), choice.hebrew.toStdString(), choice.arabic.toStdString()};
}

const FontLists& UnattendedFontChooser::ListsFor(int filter) {
    if (!faces_) faces_ = catalog_.Faces();
    auto found = lists_.find(filter);
    if (found == lists_.end()) found = lists_.emplace(filter, BuildFontLists(*faces_, filter)).first;
    return found->second;
}

}  // namespace quorin
