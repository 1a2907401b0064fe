#pragma once
#include <QString>

#include "app/display_path.h"

namespace quorin {

// A path as the window shows it (see DisplayPath), and the text of a field
// that shows paths with those marks taken out again.
inline QString ShownPath(const QString& path) { return QString::fromStdString(DisplayPath(path.toStdString())); }
inline QString WithoutShownMarks(const QString& text) {
    return QString::fromStdString(WithoutDisplayMarks(text.toStdString()));
}

}  // namespace quorin
