// The layout arithmetic of the display scale: designed 96-dpi lengths at
// 120, 144 and 192 pixels per inch, and rectangles scaled by their edges.
#include <gtest/gtest.h>

#include "widgets/DisplayScale.h"

using vcl::TDisplayScale;

TEST(DisplayScale, LengthsFollowTheRatioToTheNearestPixel) {
    struct Row {
        int pixelsPerInch, designed, scaled;
    };
    const Row rows[] = {
        {96, 590, 590},   {96, 297, 297},  {96, 1, 1},    {96, 0, 0},
        {120, 590, 738},  // 737.5: halves away from zero
        {120, 297, 371},  {120, 16, 20},   {120, 1, 1},   {120, 2, 3},
        {144, 590, 885},  {144, 297, 446}, {144, 16, 24}, {144, 1, 2},
        {192, 590, 1180}, {192, 297, 594}, {192, 16, 32}, {192, -3, -6},
        {120, -2, -3},  // symmetric about zero
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.pixelsPerInch) + " dpi, " + std::to_string(row.designed));
        EXPECT_EQ(TDisplayScale(row.pixelsPerInch).Scale(row.designed), row.scaled);
    }
    // What no display gives is the design's scale.
    for (int nonsense : {0, -96, 23, 961, 100000}) {
        EXPECT_EQ(TDisplayScale(nonsense).PixelsPerInch(), 96) << nonsense;
        EXPECT_TRUE(TDisplayScale(nonsense).IsDesignScale()) << nonsense;
    }
}

TEST(DisplayScale, NeighboursThatMeetStillMeetAndGapsStayGaps) {
    // Controls side by side at every offset and width up to 40 pixels:
    // where one ends at 96 dpi and the next begins, they meet at every
    // scale; a gap of a pixel or more stays open; nothing overlaps.
    for (int ppi : {96, 120, 144, 168, 192}) {
        const TDisplayScale scale(ppi);
        for (int left = 0; left < 40; ++left) {
            for (int width = 1; width < 40; ++width) {
                const platform::Rect first = scale.Bounds(left, 7, width, 16);
                const platform::Rect meeting = scale.Bounds(left + width, 7, 10, 16);
                const platform::Rect apart = scale.Bounds(left + width + 1, 7, 10, 16);
                ASSERT_EQ(first.right, meeting.left) << ppi << " " << left << " " << width;
                ASSERT_LT(first.right, apart.left) << ppi << " " << left << " " << width;
                ASSERT_GT(first.right, first.left) << ppi << " " << left << " " << width;
            }
        }
    }
    const platform::Rect at144 = TDisplayScale(144).Bounds(8, 40, 196, 32);
    EXPECT_EQ(at144.left, 12);
    EXPECT_EQ(at144.top, 60);
    EXPECT_EQ(at144.right, 306);
    EXPECT_EQ(at144.bottom, 108);
}
