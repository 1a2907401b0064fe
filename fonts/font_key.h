#pragma once
#include <QString>

namespace quorin {

// The name under which the font map remembers a WordPerfect font: the name up
// to its first space, without a leading "WP" and without any "-TT", so that
// "WPHebrew David" is remembered as "Hebrew" and "Helve-TT Bold" as "Helve".
QString FontKey(const QString& wordPerfectName);

}  // namespace quorin
