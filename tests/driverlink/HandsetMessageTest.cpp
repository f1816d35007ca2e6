// The fields of WM_HANDSET and what a message asks of the panel.
#include <gtest/gtest.h>

#include "driverlink/HandsetMessage.h"

using namespace driverlink;

TEST(HandsetMessage, FieldsComeFromTheirBytesOfLParam) {
    const std::uint32_t ringingWithKeyMode = 0x06AB02FF;  // in call, byte 2 unused
    EXPECT_EQ(KindOrKey(ringingWithKeyMode), kStatusKind);
    EXPECT_EQ(KeyMode(ringingWithKeyMode), 0x02);
    EXPECT_EQ(CallState(ringingWithKeyMode), kCallInCall);
    const std::uint32_t keyWhileRinging = 0x01000011;
    EXPECT_EQ(KindOrKey(keyWhileRinging), 0x11);
    EXPECT_EQ(KeyMode(keyWhileRinging), 0);
    EXPECT_EQ(CallState(keyWhileRinging), kCallRinging);
}

TEST(HandsetMessage, StatusAlwaysCountsAndKeysOnlyWhileTheHandsetIsPresent) {
    const std::uint32_t present = kHandsetPresent | kSkypeReady;
    EXPECT_EQ(EventOf(present, 0x000100FF), HandsetEvent::Status);
    EXPECT_EQ(EventOf(0, 0x000000FF), HandsetEvent::Status);
    EXPECT_EQ(EventOf(kHandsetPresent, 0x00000011), HandsetEvent::Key);
    EXPECT_EQ(EventOf(kHandsetPresent, 0x06010000), HandsetEvent::Key);  // a release
    EXPECT_EQ(EventOf(kHandsetPresent | kKeyboardBlocked, 0x00000005), HandsetEvent::Key);
    // Other bits do not stand in for presence.
    EXPECT_EQ(EventOf(kSkypeReady | kKeyboardBlocked | 0xFFFFFCFEu, 0x00000011),
              HandsetEvent::Ignored);
    EXPECT_EQ(EventOf(0, 0x00000000), HandsetEvent::Ignored);
}

TEST(HandsetMessage, StatusFieldsByName) {
    const HandsetStatus idle = StatusOf(0, 0x000000FF);
    EXPECT_FALSE(idle.skypeReady || idle.handsetPresent || idle.keyboardBlocked);
    EXPECT_FALSE(idle.Ringing() || idle.InCall() || idle.KeysBlocked());
    EXPECT_EQ(idle.keyMode, 0);

    // Ringing, keys driving the panel, Skype ready and the handset there.
    const HandsetStatus ringing = StatusOf(kSkypeReady | kHandsetPresent, 0x010003FF);
    EXPECT_TRUE(ringing.skypeReady && ringing.handsetPresent && ringing.Ringing());
    EXPECT_FALSE(ringing.InCall() || ringing.KeysBlocked());
    EXPECT_EQ(ringing.keyMode, 3);

    // Blocked keys count only while the handset is there.
    EXPECT_TRUE(StatusOf(kHandsetPresent | kKeyboardBlocked, 0x060000FF).KeysBlocked());
    EXPECT_TRUE(StatusOf(kHandsetPresent | kKeyboardBlocked, 0x060000FF).InCall());
    const HandsetStatus away = StatusOf(kKeyboardBlocked | 0xFFFFFCFEu, 0x000000FF);
    EXPECT_TRUE(away.keyboardBlocked);
    EXPECT_FALSE(away.handsetPresent || away.skypeReady || away.KeysBlocked());
}
