// Shown paths laid out by Qt's own bidirectional text layout: their folders
// stand left to right in their order, alone or in a Hebrew sentence, in a
// paragraph of either direction.
#include <gtest/gtest.h>

#include <QGlyphRun>
#include <QTextLayout>

#include "window/shown_path.h"

namespace quorin {
namespace {

// Whether the parts of `text` stand from left to right in the order given.
bool InOrder(const QString& text, const QStringList& parts, Qt::LayoutDirection direction) {
    QTextLayout layout(text, QFont("DejaVu Sans"));
    QTextOption option;
    option.setTextDirection(direction);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(100000);
    layout.endLayout();
    qreal rightOfPrevious = -1e9;
    for (const QString& part : parts) {
        QRectF span;
        for (const QGlyphRun& run : line.glyphRuns(int(text.indexOf(part)), int(part.size())))
            span |= run.boundingRect();
        if (span.isEmpty() || span.left() < rightOfPrevious - 0.5) return false;
        rightOfPrevious = span.right();
    }
    return true;
}

TEST(ShownPath, FoldersStandInTheirOrder) {
    const QString path = QStringLiteral("/home/dana/מסמכים/ישנים/מכתב.wp");
    const QStringList parts = {"home", "dana", "מסמכים", "ישנים", "מכתב", "wp"};
    for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        SCOPED_TRACE(direction == Qt::LeftToRight ? "left to right" : "right to left");
        EXPECT_TRUE(InOrder(ShownPath(path), parts, direction));
        EXPECT_TRUE(InOrder(QStringLiteral("שגיאה בפתיחת \"") + ShownPath(path) + "\"!", parts, direction));
        EXPECT_FALSE(InOrder(path, parts, direction));  // as it stands, it reads backwards
    }
    EXPECT_EQ(WithoutShownMarks(ShownPath(path)), path);
}

}  // namespace
}  // namespace quorin
