#include "window/message_translation.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>

namespace quorin {

namespace {

// The captions and the texts without anything in them that the window may
// show, as the batch (app/message_texts.h, the conversion's reasons) and the
// window write them.
constexpr std::array kFixedTexts = {
    QT_TRANSLATE_NOOP("Messages", "Error!"),
    QT_TRANSLATE_NOOP("Messages", "Memory error!"),
    QT_TRANSLATE_NOOP("Messages", "Canceled!"),
    QT_TRANSLATE_NOOP("Messages", "Notice!"),
    QT_TRANSLATE_NOOP("Messages", "Cancel?"),
    QT_TRANSLATE_NOOP("Messages", "File Name?"),
    QT_TRANSLATE_NOOP("Messages", "Attention!"),
    QT_TRANSLATE_NOOP("Messages", "User Canceled!    "),
    QT_TRANSLATE_NOOP("Messages", "Do You Really want to cancel?"),
    QT_TRANSLATE_NOOP("Messages", "Not enough memory!"),
    QT_TRANSLATE_NOOP("Messages", "You have to give an INFILE name!"),
    QT_TRANSLATE_NOOP("Messages", "You have to give an OUTFILE name!"),
    QT_TRANSLATE_NOOP("Messages", "You can choose multiple files by holding down the"),
    QT_TRANSLATE_NOOP("Messages", "\"Ctrl\" or \"Shift\" key while selecting your files!"),
    QT_TRANSLATE_NOOP("Messages", "Not all Davka fonts convert correctly. If you don't get the"),
    QT_TRANSLATE_NOOP("Messages", "results you expected, try converting using a different font."),
    QT_TRANSLATE_NOOP("Messages", "Choose  \"Tools  |  Delete FontMap\"  and then convert"),
    QT_TRANSLATE_NOOP("Messages", "again using a different font."),
    QT_TRANSLATE_NOOP("Messages", "Document is not a WordPerfect 5.X Document!"),
    QT_TRANSLATE_NOOP("Messages", "Document is not a standard WordPerfect 5.X Document!"),
    QT_TRANSLATE_NOOP("Messages", "Error in file!"),
    QT_TRANSLATE_NOOP("Messages", "Document is protected by a password!"),
    QT_TRANSLATE_NOOP("Messages", "Document is protected by a password: the password given is wrong!"),
    QT_TRANSLATE_NOOP("Messages",
                      "LibreOffice (soffice) is needed to write Word documents, and it was not found: the RTF files "
                      "are kept."),
};

// The sentences around a path (%1, %2): each line of a message is matched
// against them, and the translated sentence takes the same paths.
constexpr std::array kSentences = {
    QT_TRANSLATE_NOOP("Messages", "Can't find file(s) \"%1\"!"),
    QT_TRANSLATE_NOOP("Messages", "Error opening file \"%1\"!"),
    QT_TRANSLATE_NOOP("Messages", "Error writing to file \"%1\"!"),
    QT_TRANSLATE_NOOP("Messages", "Error backing up file: \"%1\"!"),
    QT_TRANSLATE_NOOP("Messages", "Skipping file: \"%1\"!"),
    QT_TRANSLATE_NOOP("Messages", "An error has occured while converting \"%1\"!"),
    QT_TRANSLATE_NOOP("Messages", "\"%1\" is a folder: -R converts the files in its tree!"),
    QT_TRANSLATE_NOOP("Messages", "\"%1\" is empty: there is nothing to convert!"),
    QT_TRANSLATE_NOOP("Messages", "\"%1\" is not a regular file: -f - reads standard input!"),
    QT_TRANSLATE_NOOP("Messages", "\"%1\" is a link to nothing: its target does not exist!"),
    QT_TRANSLATE_NOOP("Messages", "LibreOffice ran out of time (%1 second): \"%2\" was not converted!"),
    QT_TRANSLATE_NOOP("Messages", "LibreOffice ran out of time (%1 seconds): \"%2\" was not converted!"),
    QT_TRANSLATE_NOOP("Messages", "Output file exists: \"%1\"!"),
    QT_TRANSLATE_NOOP("Messages", "Error converting to %1: \"%2\"!"),
    QT_TRANSLATE_NOOP("Messages", "Error opening \"%1\"!"),
};

// The texts that a sentence's "%1", "%2" stand for in `line`; empty when
// the line is not that sentence.
QStringList Matched(const QString& sentence, const QString& line) {
    // The sentence's fixed pieces, between its places.
    QStringList pieces;
    QList<int> places;
    qsizetype from = 0;
    for (qsizetype at = sentence.indexOf(u'%'); at >= 0 && at + 1 < sentence.size(); at = sentence.indexOf(u'%', at + 1)) {
        if (!sentence[at + 1].isDigit()) continue;
        pieces << sentence.mid(from, at - from);
        places << sentence[at + 1].digitValue();
        from = at + 2;
    }
    pieces << sentence.mid(from);
    if (line.size() < pieces.first().size() + pieces.last().size() || !line.startsWith(pieces.first()) ||
        !line.endsWith(pieces.last()))
        return {};
    QStringList values(places.size());
    qsizetype at = pieces.first().size();
    for (qsizetype i = 0; i < places.size(); ++i) {
        const QString& next = pieces[i + 1];
        // The last value runs up to the sentence's end; earlier ones up to the next piece.
        const qsizetype end = i + 1 == places.size() ? line.size() - next.size() : line.indexOf(next, at);
        if (end < at) return {};
        values[places[i] - 1] = line.mid(at, end - at);
        at = end + next.size();
    }
    if (values.contains(QString())) return {};
    return values;
}

QString TranslatedLine(const QString& line) {
    const QByteArray source = line.toUtf8();
    for (const char* text : kFixedTexts) {
        if (source == text) return QCoreApplication::translate("Messages", text);
    }
    for (const char* sentence : kSentences) {
        const QStringList values = Matched(QString::fromUtf8(sentence), line);
        if (values.isEmpty()) continue;
        const QString translated = QCoreApplication::translate("Messages", sentence);
        // In a sentence of another language a path is one left-to-right unit,
        // so that the sentence's own words and quotes keep their places.
        QStringList shown = values;
        if (translated != QLatin1StringView(sentence)) {
            for (QString& value : shown) {
                if (!value.startsWith(QChar(0x2066))) value = QChar(0x2066) + value + QChar(0x2069);
            }
        }
        // All at once, so that a "%1" inside a path stays as it is.
        return shown.size() == 1 ? translated.arg(shown[0]) : translated.arg(shown[0], shown[1]);
    }
    return line;
}

}  // namespace

QString TranslatedMessage(const std::string& english) {
    QStringList lines = QString::fromStdString(english).split(u'\n');
    for (QString& line : lines) line = TranslatedLine(line);
    return lines.join(u'\n');
}

}  // namespace quorin
