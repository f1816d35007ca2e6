// The indicator's place: the bottom right corner, measured by the work
// area's size.
#include <gtest/gtest.h>

#include "app/IndicatorPlace.h"

using platform::Point;
using platform::Rect;

namespace {
std::pair<int, int> Origin(Rect work, int width = 100, int height = 32) {
    const Point p = app::IndicatorOrigin(work, width, height);
    return {p.x, p.y};
}
}  // namespace

TEST(IndicatorPlace, SitsInTheCornerMeasuredByTheWorkAreasSize) {
    EXPECT_EQ(Origin(Rect{0, 0, 1024, 738}), std::make_pair(924, 706));
    EXPECT_EQ(Origin(Rect{0, 0, 1280, 1024}, 84, 20), std::make_pair(1196, 1004));
    // A task bar on the left or at the top moves the work area but not the
    // indicator, which then stops short of the corner by the bar's size.
    EXPECT_EQ(Origin(Rect{60, 0, 1024, 768}), std::make_pair(864, 736));
    EXPECT_EQ(Origin(Rect{0, 30, 1024, 768}), std::make_pair(924, 706));
    // No work area known: the window stands off the screen's top left.
    EXPECT_EQ(Origin(Rect{}), std::make_pair(-100, -32));
}
