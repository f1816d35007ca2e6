// The main window's dispatch, row by row: what each message does, whether it
// is answered 1, and whether it goes on to default handling.
#include <gtest/gtest.h>

#include "app/SingleInstance.h"
#include "driverlink/HandsetMessage.h"
#include "platform/WinConst.h"
#include "support/PanelWorld.h"

using sim::Api;
using namespace platform;
using testing_support::PanelWorld;

namespace {

struct Outcome {
    LResult answer;
    bool reachedDefault;
};

// Sends msg from another process and reports the answer and whether the
// message reached the window's default procedure.
Outcome SendFromOutside(PanelWorld& w, UInt msg, WParam wParam = 0, LParam lParam = 0) {
    const size_t before = w.PanelCalls(Api::DefWindowProcA, msg).size();
    sim::SimProcess other(w.world, "other");
    LResult answer = -1;
    other.messages.SendMessageTimeoutA(w.Panel(), msg, wParam, lParam, SMTO_ABORTIFHUNG, 1000,
                                       &answer);
    return Outcome{answer, w.PanelCalls(Api::DefWindowProcA, msg).size() > before};
}

}  // namespace

TEST(Dispatch, RegisteredMessagesAreHandledAndAnswered) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    app::TForm1& f = w.Form();
    const Outcome devChange = SendFromOutside(w, f.MsgDevChange, 7, 9);
    EXPECT_EQ(devChange.answer, 1);
    EXPECT_FALSE(devChange.reachedDefault);
    EXPECT_EQ(w.world.TimerDue(w.Panel(), f.TimerDevChg.Id()), w.world.Now() + 1000);

    const Outcome attach = SendFromOutside(w, f.MsgAttach, 1, 2);
    EXPECT_EQ(attach.answer, 1);
    EXPECT_FALSE(attach.reachedDefault);
    EXPECT_EQ(f.DrvWnd, 0u);

    const Outcome handset = SendFromOutside(w, driverlink::WM_HANDSET, 0, 0x00FF);
    EXPECT_EQ(handset.answer, 1);
    EXPECT_FALSE(handset.reachedDefault);
}

TEST(Dispatch, DeviceAndSettingNoticesActThenGoOnToDefaultHandling) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    w.Advance(500);
    const Outcome device = SendFromOutside(w, WM_DEVICECHANGE, 7, 0);
    EXPECT_NE(device.answer, 1);
    EXPECT_TRUE(device.reachedDefault);
    EXPECT_EQ(w.world.TimerDue(w.Panel(), w.Form().TimerDevChg.Id()), w.world.Now() + 1000);
    const Outcome setting = SendFromOutside(w, WM_SETTINGCHANGE, 0, 0);
    EXPECT_NE(setting.answer, 1);
    EXPECT_TRUE(setting.reachedDefault);
}

TEST(Dispatch, InstanceRequestsAreAnsweredWhateverTheirSignature) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    for (UInt msg : {app::WM_INSTANCE_SHOW, app::WM_INSTANCE_QUIT}) {
        const Outcome o = SendFromOutside(w, msg, 1, 2);
        EXPECT_EQ(o.answer, 1);
        EXPECT_FALSE(o.reachedDefault);
    }
    EXPECT_TRUE(w.Running());
}

TEST(Dispatch, CopyDataIsHandledOnlyForDeviceReplies) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    EXPECT_EQ(w.driver.Reply(w.Panel(), "AUDIO_IN Mic"), 1);
    EXPECT_EQ(w.driver.Reply(w.Panel(), "AUDIO_OUT Speakers"), 1);
    const size_t before = w.PanelCalls(Api::DefWindowProcA, WM_COPYDATA).size();
    EXPECT_EQ(w.driver.Reply(w.Panel(), "AUDIO_INX"), 0);
    EXPECT_EQ(w.PanelCalls(Api::DefWindowProcA, WM_COPYDATA).size(), before + 1);
}

TEST(Dispatch, OtherMessagesGoStraightToDefaultHandling) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    for (UInt msg : {WM_USER + 109, WM_USER + 113, WM_USER + 1, WM_NULL}) {
        const Outcome o = SendFromOutside(w, msg, 51772, 0x5A1C7E93);
        EXPECT_NE(o.answer, 1) << msg;
        EXPECT_TRUE(o.reachedDefault) << msg;
    }
    EXPECT_TRUE(w.Running());
    EXPECT_FALSE(w.panelProcess.windows.IsWindowVisible(w.Panel()));
}

TEST(Dispatch, HandledMessagesFromOtherThreadsAreRepliedOnce) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    const size_t before = w.PanelCalls(Api::ReplyMessage).size();
    SendFromOutside(w, w.Form().MsgAttach);
    SendFromOutside(w, driverlink::WM_HANDSET, 0, 0xFF);
    SendFromOutside(w, WM_DEVICECHANGE);
    const auto replies = w.PanelCalls(Api::ReplyMessage);
    ASSERT_EQ(replies.size(), before + 2);
    EXPECT_EQ(replies.back().lParam, 1);
}
