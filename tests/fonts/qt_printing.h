#pragma once
#include <QString>
#include <QStringList>
#include <ostream>

#include "fonts/font_map.h"

// Readable failure messages for Qt strings in GoogleTest expectations.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '[' << list.join(QStringLiteral(" | ")).toStdString() << ']';
}

namespace quorin {
inline void PrintTo(const FontChoice& choice, std::ostream* out) {
    *out << '{' << choice.english.toStdString() << " | " << choice.hebrew.toStdString() << " | "
         << choice.arabic.toStdString() << '}';
}
}  // namespace quorin
