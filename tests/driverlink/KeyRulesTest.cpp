// The handset keys' rules without a window: acceptance by mode and call
// state, presses and repeats from the held key, and the pages' tables.
#include <gtest/gtest.h>

#include "driverlink/KeyRules.h"

using namespace driverlink;

TEST(KeyRules, AcceptanceFollowsKeyModeAndCallState) {
    constexpr std::uint8_t kOff = 0, kOn = 1, kIdle = 0, kInCall = 6, kRinging = 1;
    // Key mode off: only the page key, and in a call the two volume keys.
    EXPECT_TRUE(KeyAccepted(kOff, kIdle, 36));
    EXPECT_FALSE(KeyAccepted(kOff, kIdle, 31));
    EXPECT_FALSE(KeyAccepted(kOff, kIdle, 17));
    EXPECT_FALSE(KeyAccepted(kOff, kIdle, 38));
    EXPECT_FALSE(KeyAccepted(kOff, kRinging, 17));
    EXPECT_TRUE(KeyAccepted(kOff, kInCall, 17));
    EXPECT_TRUE(KeyAccepted(kOff, kInCall, 31));
    EXPECT_TRUE(KeyAccepted(kOff, kInCall, 36));
    EXPECT_FALSE(KeyAccepted(kOff, kInCall, 38));
    // Key mode on (any non-zero byte): everything but 32.
    for (std::uint8_t mode : {kOn, std::uint8_t{0x80}}) {
        for (std::uint8_t call : {kIdle, kInCall}) {
            EXPECT_TRUE(KeyAccepted(mode, call, 38));
            EXPECT_TRUE(KeyAccepted(mode, call, 17));
            EXPECT_TRUE(KeyAccepted(mode, call, 99));
            EXPECT_FALSE(KeyAccepted(mode, call, 32));
        }
    }
    EXPECT_FALSE(KeyAccepted(kOff, kInCall, 32));
}

TEST(KeyRules, HeldKeyGivesPressRepeatAndReleaseOfAReplacedKey) {
    auto same = [](KeyStepResult a, KeyStepResult b) {
        return a.releasedCode == b.releasedCode && a.code == b.code && a.kind == b.kind;
    };
    EXPECT_TRUE(same(KeyStep(31, 0), {0, 31, KeyKind::Press}));
    EXPECT_TRUE(same(KeyStep(31, 31), {0, 31, KeyKind::Repeat}));
    EXPECT_TRUE(same(KeyStep(0, 31), {0, 31, KeyKind::Release}));
    EXPECT_TRUE(same(KeyStep(17, 31), {31, 17, KeyKind::Press}));
    // Nothing held: a "repeat" of code 0, which acts on nothing.
    EXPECT_TRUE(same(KeyStep(0, 0), {0, 0, KeyKind::Repeat}));
}

TEST(KeyRules, PageKeyWrapsAfterTheLastPage) {
    EXPECT_EQ(NextPage(0, 4), 1);
    EXPECT_EQ(NextPage(2, 4), 3);
    EXPECT_EQ(NextPage(3, 4), 0);
    EXPECT_EQ(NextPage(-1, 4), 0);
    EXPECT_EQ(NextPage(0, 0), -1);
}

TEST(KeyRules, WebPageTableSelectsAndOpens) {
    auto is = [](WebKey k, int select, bool open) { return k.select == select && k.open == open; };
    EXPECT_TRUE(is(WebKeyAction(17, 0, 5), 4, false));
    EXPECT_TRUE(is(WebKeyAction(17, 3, 5), 2, false));
    EXPECT_TRUE(is(WebKeyAction(31, 4, 5), 0, false));
    EXPECT_TRUE(is(WebKeyAction(31, 1, 5), 2, false));
    EXPECT_TRUE(is(WebKeyAction(35, 3, 5), 0, true));
    EXPECT_TRUE(is(WebKeyAction(30, 3, 5), 1, true));
    EXPECT_TRUE(is(WebKeyAction(25, 3, 5), 2, true));
    EXPECT_TRUE(is(WebKeyAction(20, 0, 5), 3, true));
    EXPECT_TRUE(is(WebKeyAction(34, 0, 5), 4, true));
    EXPECT_TRUE(is(WebKeyAction(37, 2, 5), -1, true));
    EXPECT_TRUE(is(WebKeyAction(38, 2, 5), -1, true));
    EXPECT_TRUE(is(WebKeyAction(36, 2, 5), -1, false));
    EXPECT_TRUE(is(WebKeyAction(19, 2, 5), -1, false));
}

TEST(KeyRules, RingListSelectionWrapsBothWays) {
    // Previous: from the first item or no selection, the last.
    EXPECT_EQ(RingKeySelection(17, 2, 5), 1);
    EXPECT_EQ(RingKeySelection(17, 0, 5), 4);
    EXPECT_EQ(RingKeySelection(17, -1, 5), 4);
    // Next: from the last item or no selection, the first.
    EXPECT_EQ(RingKeySelection(31, 2, 5), 3);
    EXPECT_EQ(RingKeySelection(31, 4, 5), 0);
    EXPECT_EQ(RingKeySelection(31, -1, 5), 0);
    EXPECT_EQ(RingKeySelection(31, 0, 1), 0);
    // An empty list or another key selects nothing.
    EXPECT_EQ(RingKeySelection(31, -1, 0), -1);
    EXPECT_EQ(RingKeySelection(38, 1, 5), -1);
}

TEST(KeyRules, SlidersWrapOnlyOnARaisePressAtTheTop) {
    EXPECT_EQ(SliderRaised(65535, 65535, 4096, KeyKind::Press), 0);
    EXPECT_EQ(SliderRaised(70000, 65535, 4096, KeyKind::Press), 0);
    EXPECT_EQ(SliderRaised(61440, 65535, 4096, KeyKind::Press), 65536);
    EXPECT_EQ(SliderRaised(65535, 65535, 4096, KeyKind::Repeat), 65535 + 4096);
    EXPECT_EQ(SliderRaised(14, 15, 1, KeyKind::Repeat), 15);
    EXPECT_EQ(SliderLowered(4096, 4096), 0);
    EXPECT_EQ(SliderLowered(0, 4096), -4096);
}

TEST(KeyRules, SkypeListsStepNextWithWrapAndPreviousWithout) {
    EXPECT_EQ(ComboNext(0, 1), -1);
    EXPECT_EQ(ComboNext(0, 0), -1);
    EXPECT_EQ(ComboNext(0, 3), 1);
    EXPECT_EQ(ComboNext(2, 3), 0);
    EXPECT_EQ(ComboNext(-1, 3), 0);
    EXPECT_EQ(ComboPrevious(0), -1);
    EXPECT_EQ(ComboPrevious(-1), -1);
    EXPECT_EQ(ComboPrevious(2), 1);
}
