// The arithmetic between mixer values and the volume rows, without a mixer.
#include <gtest/gtest.h>

#include <limits>

#include "audio/VolumeLevels.h"

using namespace audio;
using platform::DWord;

TEST(VolumeLevels, LevelsSaturateTheLouderChannelIsShownAndTheRangeClamps) {
    EXPECT_EQ(LevelOf(65535), 65535);
    // The largest values would read as -1 ("no control") if merely cast.
    EXPECT_EQ(LevelOf(0xFFFFFFFFu), std::numeric_limits<int>::max());
    EXPECT_EQ(LevelOf(0x80000000u), std::numeric_limits<int>::max());
    EXPECT_EQ(LouderChannel(100, 300), 300);
    EXPECT_EQ(LouderChannel(300, 100), 300);
    EXPECT_EQ(LouderChannel(300, -1), 300);
    EXPECT_EQ(ClampLevel(70000, 0, 65535), 65535);
    EXPECT_EQ(ClampLevel(-3, 0, 65535), 0);
    EXPECT_EQ(ClampLevel(12, 0, 65535), 12);
    EXPECT_EQ(VolumeValues(5, -1), (std::vector<DWord>{5, 5}));
    EXPECT_EQ(VolumeValues(5, 9), (std::vector<DWord>{5, 9}));
}

TEST(VolumeLevels, AMonoLineMatchesAStereoLineWhoseChannelsEqualIt) {
    EXPECT_FALSE(LevelsDiffer({100, -1, 0}, {100, 100, 0}));
    EXPECT_FALSE(LevelsDiffer({100, 100, 1}, {100, -1, 1}));
    EXPECT_TRUE(LevelsDiffer({100, -1, 0}, {100, 200, 0}));
    EXPECT_TRUE(LevelsDiffer({100, 200, 0}, {200, 200, 0}));
    EXPECT_TRUE(LevelsDiffer({100, 100, 0}, {100, 100, 1}));
    EXPECT_FALSE(LevelsDiffer({7, 9, 1}, {7, 9, 1}));
}

TEST(VolumeLevels, SelectionStatesAreReadAndSetPerItemInEveryChannel) {
    // Two channels of three items: channel 0 first.
    const std::vector<DWord> list = {0, 5, 0, 1, 0, 0};
    EXPECT_EQ(SelectionStateAt(list, 3, 1), 1);
    EXPECT_EQ(SelectionStateAt(list, 3, 0), 0);
    EXPECT_EQ(SelectionStateAt(list, 3, 3), -1);  // item 0 of channel 1, not item 3
    EXPECT_EQ(SelectionStateAt(list, 3, -1), -1);
    EXPECT_EQ(SelectionStateAt({}, 3, 0), -1);

    std::vector<DWord> mux = list;
    ASSERT_TRUE(SetSelectionAt(mux, 3, 2, 1, true));
    EXPECT_EQ(mux, (std::vector<DWord>{0, 0, 1, 0, 0, 1}));
    std::vector<DWord> mixer = list;
    ASSERT_TRUE(SetSelectionAt(mixer, 3, 2, 1, false));
    EXPECT_EQ(mixer, (std::vector<DWord>{0, 5, 1, 1, 0, 1}));
    ASSERT_TRUE(SetSelectionAt(mixer, 3, 1, 0, false));
    EXPECT_EQ(mixer, (std::vector<DWord>{0, 0, 1, 1, 0, 1}));
    // A source past the list's items is not written, nor anything else.
    std::vector<DWord> untouched = list;
    EXPECT_FALSE(SetSelectionAt(untouched, 3, 3, 1, true));
    EXPECT_EQ(untouched, list);
}
