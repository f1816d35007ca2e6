// Handset keys on a simulated desktop: presses and 300 ms repeats from the
// driver's key messages, acceptance by key mode and call state, the window
// hidden or behind another, and each page's keys.
#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "support/HandsetPanel.h"
#include "support/RingWorld.h"

using namespace platform;
using namespace testing_support;
using sim::Api;

namespace {

constexpr std::uint8_t kOff = 0, kOn = 1, kInCall = 6;
constexpr const char* kUrlList = "C:\\Phone\\urlList.jov";

// The handset present with its speaker at 8000, Skype ready with three
// devices besides the default, two ring tones and shortcuts 2 and 4 with
// addresses; the window hidden.
struct KeyPanel : HandsetPanel {
    KeyPanel() {
        w.world.mixer.AddDevice("Speakers");
        w.world.mixer.AddDevice("Line In");
        w.world.files.AddFile(std::string(kProgramFolder) + "UsbPhonePanel.exe", "MZ");
        w.world.files.AddFile(InRing("a.wav"), Wave(5000));
        w.world.files.AddFile(InRing("b.wav"), Wave(5000));
        w.world.files.AddFile(
            kUrlList, "Two\r\nhttp://two/\r\nN/A\r\n\r\nFour\r\nhttp://four/\r\nN/A\r\n\r\n");
        w.driver.answerAudioCommands = false;
        StartLinked();
        w.driver.Status(w.Panel(), kPresent | driverlink::kSkypeReady,
                        sim::SimDriver::StatusLParam(0, kIdle));
        w.Advance(0);
        w.driver.ClearReceived();
    }
    // A key message with the mode and call state it carries.
    void Key(std::uint8_t code, std::uint8_t mode = kOn, std::uint8_t call = kIdle) {
        w.driver.Key(w.Panel(), code, kPresent, sim::SimDriver::StatusLParam(mode, call));
        w.Advance(0);
    }
    // A press of the key and its release, with the same mode and call state.
    void Press(std::uint8_t code, std::uint8_t mode = kOn, std::uint8_t call = kIdle) {
        Key(code, mode, call);
        Key(0, mode, call);
    }
    void Show() {
        f->ShowMainWindow();
        w.Advance(0);
    }
    bool Visible() { return w.panelProcess.windows.IsWindowVisible(w.Panel()); }
    int Speaker() { return f->suiTrackBarVolOut.Position(); }
    void OnPage(int page) { f->suiPageControl1.SetActivePageIndex(page); }
    std::vector<sim::SimShellExecute>& Opened() { return w.world.shell.executed; }
};

}  // namespace

TEST(KeyActions, InACallHoldingDownStepsTheSpeakerEvery300MsWhileHiddenAndStopsAtZero) {
    KeyPanel p;
    app::TForm1& f = *p.f;
    ASSERT_TRUE(f.suiTrackBarVolOut.Enabled());
    ASSERT_FALSE(p.Visible());
    f.suiTrackBarVolOut.SetPosition(12288);

    // Key mode off: in a call the volume keys still act.
    p.Key(31, kOff, kInCall);
    EXPECT_EQ(p.Speaker(), 8192);
    EXPECT_EQ(p.device.speakerVolume->values[0], 8192u);
    EXPECT_TRUE(p.w.TimerRunning(f.TimerKeyRepeat));
    p.w.Advance(299);
    EXPECT_EQ(p.Speaker(), 8192);
    p.w.Advance(1);
    EXPECT_EQ(p.Speaker(), 4096);
    p.w.Advance(300);
    EXPECT_EQ(p.Speaker(), 0);
    p.w.Advance(300);
    EXPECT_EQ(p.Speaker(), 0);
    EXPECT_FALSE(p.Visible());

    // The release stops the repeats.
    p.Key(0, kOff, kInCall);
    EXPECT_FALSE(p.w.TimerRunning(f.TimerKeyRepeat));
    EXPECT_EQ(f.KeyCode, 0);

    // Up, then a different key while it is held: the new key's press.
    p.Key(17, kOff, kInCall);
    EXPECT_EQ(p.Speaker(), 4096);
    p.Key(17, kOff, kInCall);  // the same code again is a repeat
    EXPECT_EQ(p.Speaker(), 8192);
    p.Key(31, kOff, kInCall);
    EXPECT_EQ(p.Speaker(), 4096);
    p.Key(0, kOff, kInCall);
    p.w.Advance(1000);
    EXPECT_EQ(p.Speaker(), 4096);

    // Key mode on, in a call: the volume keys do nothing else, even shown
    // on the web page where 17 would select a shortcut.
    p.Show();
    p.OnPage(0);
    p.Press(17, kOn, kInCall);
    EXPECT_EQ(p.Speaker(), 8192);
    EXPECT_EQ(f.WebIndex, 0);
}

TEST(KeyActions, WithKeyModeOffOnlyThePageKeyActsAndItShowsTheWindow) {
    KeyPanel p;
    app::TForm1& f = *p.f;
    f.suiTrackBarVolOut.SetPosition(12288);
    p.Key(31, kOff, kIdle);
    EXPECT_EQ(p.Speaker(), 12288);
    EXPECT_EQ(f.KeyCode, 0);
    EXPECT_EQ(f.KeyCodePrev, 0);
    p.w.Advance(1000);
    EXPECT_EQ(p.Speaker(), 12288);
    EXPECT_FALSE(p.Visible());

    // Only a press shows the window; holding the key on does not page.
    p.Key(36, kOff, kIdle);
    EXPECT_TRUE(p.Visible());
    EXPECT_EQ(p.w.world.desktop.foreground, p.w.Panel());
    EXPECT_EQ(f.suiPageControl1.ActivePageIndex(), 0);
    p.w.Advance(900);
    EXPECT_EQ(f.suiPageControl1.ActivePageIndex(), 0);
    p.Key(0, kOff, kIdle);
    p.Key(36, kOff, kIdle);
    EXPECT_EQ(f.suiPageControl1.ActivePageIndex(), 1);
    p.Key(0, kOff, kIdle);

    // Key mode on: the window hidden again, a press of any other key does
    // nothing.
    f.Hide();
    p.w.Advance(0);
    p.Press(38, kOn, kIdle);
    EXPECT_FALSE(p.Visible());
}

TEST(KeyActions, BehindAnotherWindowTheFirstPressOnlyBringsItToTheFront) {
    KeyPanel p;
    app::TForm1& f = *p.f;
    p.Show();
    p.OnPage(3);
    sim::SimProcess other(p.w.world, "other");
    p.w.world.UserActivates(other.CreatePeerWindow("Other", "other", nullptr));
    ASSERT_NE(p.w.world.desktop.foreground, p.w.Panel());

    p.Key(36);
    EXPECT_EQ(p.w.world.desktop.foreground, p.w.Panel());
    EXPECT_EQ(f.suiPageControl1.ActivePageIndex(), 3);
    p.Key(0);
    // The second press pages on; after the last page comes the first.
    p.Key(36);
    EXPECT_EQ(f.suiPageControl1.ActivePageIndex(), 0);
    p.w.Advance(700);
    EXPECT_EQ(f.suiPageControl1.ActivePageIndex(), 0);
    p.Key(0);

    // A repeat behind another window does not bring it forward.
    p.Key(31);
    p.w.world.UserActivates(other.CreatePeerWindow("Other2", "other", nullptr));
    p.w.Advance(300);
    EXPECT_NE(p.w.world.desktop.foreground, p.w.Panel());
    EXPECT_EQ(f.WebIndex, 1);
    p.Key(0);
}

TEST(KeyActions, PagingByKeyTurnsTheToneListsDropsOnAndOffAsATabClickDoes) {
    KeyPanel p;
    app::TForm1& f = *p.f;
    p.Show();
    ASSERT_EQ(f.suiPageControl1.ActivePageIndex(), 0);
    ASSERT_FALSE(f.FileListBoxTest.DragDropAccepted());
    p.Press(36);
    EXPECT_EQ(f.suiPageControl1.ActivePageIndex(), 1);
    EXPECT_TRUE(f.FileListBoxTest.DragDropAccepted());
    p.Press(36);
    EXPECT_EQ(f.suiPageControl1.ActivePageIndex(), 2);
    EXPECT_FALSE(f.FileListBoxTest.DragDropAccepted());
}

TEST(KeyActions, KeysPostponeTheAutoHide) {
    KeyPanel p;
    app::TForm1& f = *p.f;
    p.Show();
    p.w.Advance(9000);
    p.Key(31);  // on the web page, while the timer runs
    p.Key(0);
    p.w.Advance(9000);
    EXPECT_TRUE(p.Visible());
    EXPECT_EQ(f.WebIndex, 1);
    p.w.Advance(1100);
    EXPECT_FALSE(p.Visible());
}

TEST(KeyActions, WebPageKeysSelectAndOpenShortcuts) {
    KeyPanel p;
    app::TForm1& f = *p.f;
    p.Show();
    ASSERT_EQ(f.WebIndex, 0);
    p.Press(17);
    EXPECT_EQ(f.WebIndex, 4);
    EXPECT_TRUE(f.suiRadioButtonWeb4.Checked());
    EXPECT_TRUE(p.Opened().empty());
    p.Key(31);
    EXPECT_EQ(f.WebIndex, 0);
    p.w.Advance(600);  // repeats do nothing here
    EXPECT_EQ(f.WebIndex, 0);
    p.Key(0);

    p.Press(20);
    EXPECT_EQ(f.WebIndex, 3);
    ASSERT_EQ(p.Opened().size(), 1u);
    EXPECT_EQ(p.Opened()[0].file, "http://four/");
    EXPECT_EQ(p.Opened()[0].owner, p.w.Panel());
    EXPECT_EQ(p.Opened()[0].showCommand, SW_SHOWNORMAL);
    // A shortcut without an address is selected but not opened.
    p.Press(34);
    EXPECT_EQ(f.WebIndex, 4);
    EXPECT_EQ(p.Opened().size(), 1u);
    p.Press(30);
    EXPECT_EQ(f.WebIndex, 1);
    ASSERT_EQ(p.Opened().size(), 2u);
    EXPECT_EQ(p.Opened()[1].file, "http://two/");
    // Open keys open the current one; other keys do nothing.
    p.Press(38);
    p.Press(37);
    p.Press(19);
    EXPECT_EQ(p.Opened().size(), 4u);
    EXPECT_EQ(p.Opened()[3].file, "http://two/");
    EXPECT_EQ(f.WebIndex, 1);
    p.Press(35);
    EXPECT_EQ(f.WebIndex, 0);
    EXPECT_EQ(p.Opened().size(), 5u);
    // Code 32 in key mode does nothing and ends a held key's repeats.
    p.Key(31);
    p.Key(32);
    p.w.Advance(900);
    EXPECT_EQ(f.WebIndex, 1);
    EXPECT_EQ(f.KeyCode, 0);
}

TEST(KeyActions, RingPageKeysPickAndPreviewTones) {
    KeyPanel p;
    app::TForm1& f = *p.f;
    p.Show();
    p.OnPage(1);
    const std::vector<std::string> items = f.FileListBoxTest.Items();
    ASSERT_GE(items.size(), 2u);
    const int last = static_cast<int>(items.size()) - 1;
    f.FileListBoxTest.SetItemIndex(-1);
    p.Press(17);
    EXPECT_EQ(f.FileListBoxTest.ItemIndex(), last);
    EXPECT_EQ(f.SelectedRingFile, InRing(items.back()));
    p.Key(31);
    EXPECT_EQ(f.FileListBoxTest.ItemIndex(), 0);
    p.w.Advance(300);
    EXPECT_EQ(f.FileListBoxTest.ItemIndex(), 0);
    p.Key(0);
    p.Press(17);
    EXPECT_EQ(f.FileListBoxTest.ItemIndex(), last);
    p.Press(31);
    EXPECT_EQ(f.FileListBoxTest.ItemIndex(), 0);
    EXPECT_EQ(f.SelectedRingFile, InRing(items[0]));

    // 38 plays the selected tone, 37 stops it.
    p.Press(38);
    EXPECT_EQ(p.w.world.media.Playing(), std::vector<std::string>{InRing(items[0])});
    p.Press(37);
    EXPECT_TRUE(p.w.world.media.Playing().empty());
}

TEST(KeyActions, AudioPageRaiseAndLowerActOnTheFocusedSlider) {
    KeyPanel p;
    app::TForm1& f = *p.f;
    p.Show();
    p.OnPage(2);
    f.suiTrackBarVolOut.SetFocus();
    ASSERT_TRUE(f.suiTrackBarVolOut.Focused());
    f.suiTrackBarVolOut.SetPosition(65535);
    p.Press(38);
    EXPECT_EQ(p.Speaker(), 0);
    // Held from 61440: the press goes to the top, repeats stay there.
    f.suiTrackBarVolOut.SetPosition(61440);
    p.Key(38);
    EXPECT_EQ(p.Speaker(), 65535);
    p.w.Advance(600);
    EXPECT_EQ(p.Speaker(), 65535);
    p.Key(0);
    // Lowering repeats down to the bottom, without wrapping.
    f.suiTrackBarVolOut.SetPosition(8192);
    p.Key(37);
    EXPECT_EQ(p.Speaker(), 4096);
    p.w.Advance(900);
    EXPECT_EQ(p.Speaker(), 0);
    p.Key(0);
    EXPECT_EQ(p.device.speakerVolume->values[0], 0u);

    // The microphone's slider the same way.
    f.suiTrackBarVolIn.SetFocus();
    f.suiTrackBarVolIn.SetPosition(4096);
    p.Press(38);
    EXPECT_EQ(f.suiTrackBarVolIn.Position(), 8192);
    EXPECT_EQ(p.Speaker(), 0);
}

TEST(KeyActions, AudioPageStepsTheSkypeListsAndClicksTheMuteBoxes) {
    KeyPanel p;
    app::TForm1& f = *p.f;
    p.Show();
    p.OnPage(2);
    vcl::TComboBox& out = f.suiComboBoxSkypeOut;
    ASSERT_GE(out.Count(), 3);
    out.SetFocus();
    ASSERT_TRUE(out.Focused());
    // The handset's device was pointed out to Skype at the ready status.
    EXPECT_EQ(out.ItemIndex(), 1);
    out.SetItemIndex(0);
    p.w.driver.ClearReceived();
    // Item 0 ignores 37.
    p.Press(37);
    EXPECT_EQ(out.ItemIndex(), 0);
    EXPECT_TRUE(p.w.driver.Commands().empty());
    p.Key(38);
    p.w.Advance(600);  // no repeats on a list
    p.Key(0);
    EXPECT_EQ(out.ItemIndex(), 1);
    EXPECT_EQ(p.w.driver.Commands(),
              (std::vector<std::string>{"SET AUDIO_OUT " + out.Items()[1], "GET AUDIO_OUT"}));
    // From the last item back to 0.
    out.SetItemIndex(out.Count() - 1);
    p.Press(38);
    EXPECT_EQ(out.ItemIndex(), 0);
    p.w.driver.ClearReceived();

    vcl::TComboBox& in = f.suiComboBoxSkypeIn;
    in.SetFocus();
    in.SetItemIndex(2);
    p.Press(37);
    EXPECT_EQ(in.ItemIndex(), 1);
    EXPECT_EQ(p.w.driver.Commands(),
              (std::vector<std::string>{"SET AUDIO_IN " + in.Items()[1], "GET AUDIO_IN"}));
    // A list with one item ignores 38.
    in.Clear();
    in.AddItem("Only");
    in.SetItemIndex(0);
    p.w.driver.ClearReceived();
    p.Press(38);
    EXPECT_EQ(in.ItemIndex(), 0);
    EXPECT_TRUE(p.w.driver.Commands().empty());

    // The focused mute box is clicked on a press, not on repeats.
    f.suiCheckBoxVolIn.SetFocus();
    ASSERT_TRUE(f.suiCheckBoxVolIn.Focused());
    const bool micMuted = f.suiCheckBoxVolIn.Checked();
    p.Key(38);
    p.w.Advance(900);
    p.Key(0);
    EXPECT_EQ(f.suiCheckBoxVolIn.Checked(), !micMuted);
    EXPECT_EQ(p.device.micMute->values[0], micMuted ? 0u : 1u);
    f.suiCheckBoxVolOut.SetFocus();
    p.Press(37);
    EXPECT_TRUE(f.suiCheckBoxVolOut.Checked());
    EXPECT_EQ(f.suiCheckBoxVolIn.Checked(), !micMuted);
}

TEST(KeyActions, AudioPageMovesTheFocusThroughTheWindowsOwnTabOrder) {
    KeyPanel p;
    app::TForm1& f = *p.f;
    p.Show();
    p.OnPage(2);
    f.suiTrackBarVolOut.SetFocus();
    const std::vector<vcl::TWinControl*> stops = f.TabStops();
    const auto at = std::find(stops.begin(), stops.end(), &f.suiTrackBarVolOut);
    ASSERT_NE(at, stops.end());
    ASSERT_NE(at + 1, stops.end());
    ASSERT_NE(at, stops.begin());

    p.Key(31);
    p.w.Advance(600);  // repeats do not move it further
    p.Key(0);
    EXPECT_EQ(f.ActiveControl(), *(at + 1));
    p.Press(17);
    p.Press(17);
    EXPECT_EQ(f.ActiveControl(), *(at - 1));
    const auto moves = p.w.PanelCalls(Api::SendMessageA, WM_NEXTDLGCTL);
    ASSERT_EQ(moves.size(), 3u);
    EXPECT_EQ(moves[0].hwnd, p.w.Panel());
    EXPECT_EQ(moves[0].wParam, 0u);
    EXPECT_EQ(moves[1].wParam, 1u);
    EXPECT_EQ(moves[0].lParam, 0);
}
