// Whatever another process sends the main window, in whatever order, the
// panel keeps running and reads no byte it was not given (ASan watches).
#include <gtest/gtest.h>

#include <random>

#include "app/SingleInstance.h"
#include "driverlink/HandsetMessage.h"
#include "platform/WinConst.h"
#include "support/PanelWorld.h"

using namespace platform;
using testing_support::PanelWorld;

TEST(RandomMessages, TenThousandArbitraryMessagesLeaveThePanelRunningAndLinked) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    w.driver.Discover(w.Panel());
    std::mt19937 random(20261209);
    auto pick = [&](std::uint32_t n) { return static_cast<std::uint32_t>(random() % n); };
    const UInt messages[] = {w.Form().MsgDevChange,
                             w.Form().MsgAttach,
                             driverlink::WM_HANDSET,
                             WM_COPYDATA,
                             WM_SETTINGCHANGE,
                             WM_DEVICECHANGE,
                             WM_USER + 109,
                             WM_USER + 113,
                             WM_NULL,
                             WM_KEYDOWN,
                             WM_MOUSEMOVE,
                             WM_TIMER};
    std::vector<std::uint8_t> payload;
    for (int i = 0; i < 10000; ++i) {
        const UInt msg = messages[pick(sizeof messages / sizeof messages[0])];
        const WParam wParam = random();
        if (msg == WM_COPYDATA) {
            payload.resize(pick(64));
            for (auto& b : payload)
                b = static_cast<std::uint8_t>(pick(4) ? 'A' + pick(26) : pick(256));
            if (pick(3) == 0) {
                const std::string prefix = pick(2) ? "AUDIO_IN " : "AUDIO_OUT ";
                payload.insert(payload.begin(), prefix.begin(), prefix.end());
            }
            w.driver.CopyData(w.Panel(), payload.data(), static_cast<DWord>(payload.size()));
        } else if (msg == driverlink::WM_HANDSET) {
            // Keep the driver's status messages coming, keys in between.
            w.driver.Status(w.Panel(), static_cast<std::uint32_t>(wParam) | 0x100,
                            static_cast<std::uint32_t>(random()) | (pick(2) ? 0xFFu : 0u));
        } else if (msg == WM_TIMER || msg == WM_KEYDOWN || msg == WM_MOUSEMOVE) {
            w.panelProcess.messages.PostMessageA(w.Panel(), msg, wParam,
                                                 static_cast<LParam>(random()));
        } else {
            w.driver.Send(w.Panel(), msg, wParam, static_cast<LParam>(random()));
        }
        if (i % 100 == 0) {
            w.Advance(pick(500));
            w.driver.Status(w.Panel(), 0x101, 0xFF);
        }
    }
    // Key 36 among the random keys may have shown the window; once the held
    // key is released the auto-hide puts it away again.
    w.driver.Key(w.Panel(), 0, 0x101);
    for (int s = 0; s < 11; ++s) {
        w.driver.Status(w.Panel(), 0x101, 0xFF);
        w.Advance(1000);
    }
    w.driver.Status(w.Panel(), 0x101, 0xFF);
    w.Advance(10);
    EXPECT_TRUE(w.Running());
    EXPECT_EQ(w.Form().DrvWnd, w.driver.Window());
    EXPECT_TRUE(w.world.desktop.MessageBoxTexts().empty());
    EXPECT_FALSE(w.panelProcess.windows.IsWindowVisible(w.Panel()));
}
