// The dispatch's match of registered ids, and which queued messages count as
// the user's input for the auto-hide.
#include <gtest/gtest.h>

#include "app/MessageFilters.h"
#include "platform/WinConst.h"

using namespace platform;

namespace {
Msg Queued(UInt message, WParam wParam = 0) {
    Msg msg;
    msg.hwnd = 0x1234;
    msg.message = message;
    msg.wParam = wParam;
    return msg;
}
}  // namespace

TEST(MessageFilters, ARegisteredIdMatchesOnlyItselfAndNeverBeforeItIsObtained) {
    EXPECT_TRUE(app::IsRegisteredMessage(0xC123, 0xC123));
    EXPECT_FALSE(app::IsRegisteredMessage(0xC123, 0xC124));
    EXPECT_FALSE(app::IsRegisteredMessage(0xC123, WM_NULL));
    EXPECT_FALSE(app::IsRegisteredMessage(0, WM_NULL));
}

TEST(MessageFilters, KeysButtonsWheelAndDragsAreInputButBareMovesAndReleasesAreNot) {
    for (UInt down : {WM_KEYDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_MOUSEWHEEL}) {
        EXPECT_TRUE(app::IsUserInput(Queued(down))) << down;
        EXPECT_TRUE(app::IsUserInput(Queued(down, 1))) << down;
    }
    EXPECT_TRUE(app::IsUserInput(Queued(WM_MOUSEMOVE, 1)));     // left button held
    EXPECT_TRUE(app::IsUserInput(Queued(WM_MOUSEMOVE, 0x04)));  // shift held
    EXPECT_FALSE(app::IsUserInput(Queued(WM_MOUSEMOVE, 0)));
    for (UInt other :
         {WM_KEYUP, WM_CHAR, WM_LBUTTONUP, WM_RBUTTONUP, WM_TIMER, WM_NULL, WM_LBUTTONDBLCLK})
        EXPECT_FALSE(app::IsUserInput(Queued(other, 1))) << other;
}
