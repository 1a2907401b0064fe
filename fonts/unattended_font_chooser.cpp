#include "fonts/unattended_font_chooser.h"

#include <sys/stat.h>

#include "fonts/font_key.h"

namespace quorin {

FontSubstitutes UnattendedFontChooser::LookupSubstitutes(const std::string& wordPerfectName) {
    // Font names are bytes of the document; Latin-1 keeps every byte distinct.
    QString key = FontKey(QString::fromLatin1(wordPerfectName.data(), static_cast<qsizetype>(wordPerfectName.size())));
    std::lock_guard lock(mutex_);
    // Reading the settings file costs more than converting a small document,
    // so answers are kept while the file stays as it was: a choice stored by
    // another process still counts at once.
    const std::array<int64_t, 4> state = SettingsFileState();
    if (state != answeredState_) {
        answers_.clear();
        answeredState_ = state;
    }
    if (auto known = answers_.find(key); known != answers_.end()) return known->second;
    FontSubstitutes& answer = answers_[key];
    FontChoice stored = map_.Lookup(key);
    FontChoice choice = stored;
    if (!stored.Complete()) {
        const FontLists& lists = ListsFor(EffectiveFilter(map_.FontType(), map_.FontLanguage()));
        choice = PreselectedChoice(lists, key, stored);
        // The first entry of a sorted list is no answer for a name it shares
        // nothing with; the system's own substitute is a better guess.
        auto better = [&](QString& entry, const QString& storedEntry, const QStringList& list, const char* script) {
            if (!storedEntry.isEmpty() || BestPrefixIndex(list, key, -1) >= 0) return;
            QString system = SystemEntry(list, key, QString::fromLatin1(script));
            if (!system.isEmpty()) entry = system;
        };
        better(choice.english, stored.english, lists.english, "Western");
        better(choice.hebrew, stored.hebrew, lists.hebrew, "Hebrew");
        better(choice.arabic, stored.arabic, lists.arabic, "Arabic");
    }
    answer = {choice.english.toStdString(), choice.hebrew.toStdString(), choice.arabic.toStdString()};
    return answer;
}

// What tells a changed settings file: its identity, size and time of change.
std::array<int64_t, 4> UnattendedFontChooser::SettingsFileState() const {
    struct stat info {};
    if (stat(map_.SettingsFile().toLocal8Bit().constData(), &info) != 0) return {-1, 0, 0, 0};
    return {static_cast<int64_t>(info.st_ino), static_cast<int64_t>(info.st_size), static_cast<int64_t>(info.st_mtim.tv_sec),
            static_cast<int64_t>(info.st_mtim.tv_nsec)};
}

const FontLists& UnattendedFontChooser::ListsFor(int filter) {
    if (!faces_) faces_ = catalog_.Faces();
    auto found = lists_.find(filter);
    if (found == lists_.end()) found = lists_.emplace(filter, BuildFontLists(*faces_, filter)).first;
    return found->second;
}

QString UnattendedFontChooser::SystemEntry(const QStringList& list, const QString& fontKey, const QString& script) {
    if (!matcher_) return {};
    auto found = matches_.find({fontKey, script});
    if (found == matches_.end()) found = matches_.emplace(std::pair{fontKey, script}, matcher_->MatchFamily(fontKey, script)).first;
    return EntryOfFamily(list, found->second, script);
}

}  // namespace quorin
