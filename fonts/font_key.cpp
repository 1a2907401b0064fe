#include "fonts/font_key.h"

namespace quorin {

QString FontKey(const QString& wordPerfectName) {
    QString key = wordPerfectName.left(wordPerfectName.indexOf(u' '));
    if (key.startsWith(u"WP")) key.remove(0, 2);
    key.remove(QStringLiteral("-TT"));
    return key;
}

}  // namespace quorin
