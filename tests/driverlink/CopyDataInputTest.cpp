// Whatever WM_COPYDATA another process sends, the panel reads only within
// cbData, answers 1 only to a device reply, and keeps running.
#include <gtest/gtest.h>

#include <cstring>

#include "driverlink/CommandFrame.h"
#include "platform/WinConst.h"
#include "support/PanelWorld.h"

using sim::Api;
using namespace platform;
using testing_support::PanelWorld;

TEST(CopyDataInput, ReplyTextEndsAtTheFirstZeroAndNeverPastCbData) {
    CopyDataStruct cds;
    EXPECT_EQ(driverlink::ReadCopyDataText(0), "");
    EXPECT_EQ(driverlink::ReadCopyDataText(ToLParam(&cds)), "");  // no data
    const char text[] = "AUDIO_IN Mic\0tail";
    cds.lpData = text;
    cds.cbData = 0;
    EXPECT_EQ(driverlink::ReadCopyDataText(ToLParam(&cds)), "");
    cds.cbData = sizeof text;
    EXPECT_EQ(driverlink::ReadCopyDataText(ToLParam(&cds)), "AUDIO_IN Mic");
    cds.cbData = 5;  // no zero within cbData
    EXPECT_EQ(driverlink::ReadCopyDataText(ToLParam(&cds)), "AUDIO");
    // A buffer with no zero at all is read exactly to its end (ASan checks).
    std::vector<char> exact(3, 'x');
    cds.lpData = exact.data();
    cds.cbData = 3;
    EXPECT_EQ(driverlink::ReadCopyDataText(ToLParam(&cds)), "xxx");
}

TEST(CopyDataInput, CommandFrameTakesTheTextUpToItsFirstZero) {
    EXPECT_EQ(driverlink::BuildCommandFrame("AB"), (std::vector<std::uint8_t>{'!', 'A', 'B', 0}));
    EXPECT_EQ(driverlink::BuildCommandFrame(std::string("A\0B", 3)),
              (std::vector<std::uint8_t>{'!', 'A', 0}));
}

TEST(CopyDataInput, MalformedMessagesAreNotAnsweredAndDoNotHurtThePanel) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    w.driver.Discover(w.Panel());
    const size_t defaultsBefore = w.PanelCalls(Api::DefWindowProcA, WM_COPYDATA).size();

    EXPECT_EQ(w.driver.Send(w.Panel(), WM_COPYDATA, 0, 0), 0);    // no structure
    EXPECT_EQ(w.driver.CopyData(w.Panel(), nullptr, 0), 0);       // no data
    EXPECT_EQ(w.driver.CopyData(w.Panel(), "AUDIO_IN x", 0), 0);  // cbData 0
    std::vector<char> megabyte(1 << 20, 'A');
    EXPECT_EQ(w.driver.CopyData(w.Panel(), megabyte.data(), static_cast<DWord>(megabyte.size())),
              0);
    EXPECT_EQ(w.driver.Reply(w.Panel(), "AUDIO_IN"), 0);  // no blank
    EXPECT_EQ(w.driver.Reply(w.Panel(), "hello"), 0);
    EXPECT_EQ(w.PanelCalls(Api::DefWindowProcA, WM_COPYDATA).size(), defaultsBefore + 6);

    // Device replies are answered, even unterminated or buried in a megabyte.
    const char unterminated[] = {'A', 'U', 'D', 'I', 'O', '_', 'O', 'U', 'T', ' ', 'x'};
    EXPECT_EQ(w.driver.CopyData(w.Panel(), unterminated, sizeof unterminated), 1);
    const std::string tail = "AUDIO_OUT Speakers";
    std::memcpy(megabyte.data() + megabyte.size() - tail.size(), tail.data(), tail.size());
    EXPECT_EQ(w.driver.CopyData(w.Panel(), megabyte.data(), static_cast<DWord>(megabyte.size())),
              1);
    EXPECT_EQ(w.driver.Reply(w.Panel(), "xx AUDIO_IN Mic"), 1);

    w.Advance(100);
    EXPECT_TRUE(w.Running());
    EXPECT_EQ(w.Form().DrvWnd, w.driver.Window());
    EXPECT_TRUE(w.world.desktop.MessageBoxTexts().empty());
}
