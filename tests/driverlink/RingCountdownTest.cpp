// The panel's ring counted over ringing status messages, without a window.
#include <gtest/gtest.h>

#include "driverlink/RingCountdown.h"

using driverlink::RingCountdown;

namespace {

// How many ringing messages pass until CountRinging says start (at most 20).
int MessagesUntilStart(RingCountdown& ring) {
    for (int n = 1; n <= 20; ++n)
        if (ring.CountRinging()) return n;
    return -1;
}

}  // namespace

TEST(RingCountdown, TheFifthRingingMessageStartsTheRingAndAFailedStartTriesFourLater) {
    RingCountdown ring;
    EXPECT_EQ(MessagesUntilStart(ring), 5);
    EXPECT_EQ(ring.RingDelay, 4);
    // The tone could not be played: nothing was started, the next try
    // comes with the fifth message after.
    EXPECT_FALSE(ring.RingPlaying);
    EXPECT_EQ(MessagesUntilStart(ring), 5);

    // Playing: further ringing messages neither count nor start again.
    ring.Started();
    for (int i = 0; i < 10; ++i) EXPECT_FALSE(ring.CountRinging());
    EXPECT_EQ(ring.RingDelay, 4);
}

TEST(RingCountdown, AnEndSetsTheCountBackOnlyWhenARingWasPlaying) {
    RingCountdown ring;
    ring.CountRinging();
    ring.CountRinging();
    EXPECT_EQ(ring.RingDelay, 2);
    // Not ringing and no ring playing: the count keeps what it had.
    EXPECT_FALSE(ring.End());
    EXPECT_EQ(ring.RingDelay, 2);
    EXPECT_EQ(MessagesUntilStart(ring), 3);

    ring.Started();
    EXPECT_TRUE(ring.End());
    EXPECT_FALSE(ring.RingPlaying);
    EXPECT_EQ(ring.RingDelay, 4);
}

TEST(RingCountdown, ADeviceChangeEndsTheRingButKeepsTheCount) {
    RingCountdown ring;
    ring.CountRinging();  // 3 still to pass
    ring.Started();
    ring.EndKeepingCount();
    EXPECT_FALSE(ring.RingPlaying);
    EXPECT_EQ(ring.RingDelay, 3);
    EXPECT_EQ(MessagesUntilStart(ring), 4);
}
