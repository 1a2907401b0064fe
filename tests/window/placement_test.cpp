// Where the tutorial goes beside the main window, and a box centred on the screen.
#include <gtest/gtest.h>

#include "window/placement.h"

namespace quorin {
namespace {

// Over main windows all across a screen, in both directions: the window is
// always wholly on the screen; beside the main window, without covering it,
// whenever one side has room; on the side after it when that side has room.
TEST(Placement, BesideTheMainWindowAndOnTheScreen) {
    const QRect screen(0, 24, 1920, 1056);
    const QSize size(520, 360);
    for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        for (int width : {500, 900, 1400}) {
            for (int x = -100; x + width <= 2020; x += 50) {
                for (int y : {24, 500, 900}) {
                    const QRect main(x, y, width, 420);
                    const QRect placed(BesideWindow(main, size, screen, direction), size);
                    SCOPED_TRACE(testing::Message() << direction << " main " << x << "," << y << " " << width);
                    EXPECT_TRUE(screen.contains(placed));
                    EXPECT_EQ(placed.top(), std::min(y, screen.bottom() + 1 - size.height()));
                    const bool roomRight = screen.right() - main.right() > size.width();
                    const bool roomLeft = main.left() - screen.left() > size.width();
                    if (roomRight || roomLeft) EXPECT_FALSE(placed.intersects(main));
                    if (direction == Qt::LeftToRight && roomRight) EXPECT_GT(placed.left(), main.right());
                    if (direction == Qt::RightToLeft && roomLeft) EXPECT_LT(placed.right(), main.left());
                }
            }
        }
    }
}

TEST(Placement, CentredOnTheScreen) {
    for (QRect screen : {QRect(0, 0, 800, 600), QRect(1920, 24, 1280, 1000)}) {
        for (QSize size : {QSize(400, 200), QSize(401, 199)}) {
            const QRect placed(CentredOn(screen, size), size);
            EXPECT_LE(std::abs(placed.center().x() - screen.center().x()), 1);
            EXPECT_LE(std::abs(placed.center().y() - screen.center().y()), 1);
        }
        EXPECT_TRUE(screen.contains(QRect(CentredOn(screen, QSize(2000, 2000)), QSize(1, 1))));
    }
}

}  // namespace
}  // namespace quorin
