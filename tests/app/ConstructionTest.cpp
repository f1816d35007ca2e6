// The main window as construction leaves it: its design, its state, its
// timers, and the order of the steps that reach outside the program.
#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "support/PanelWorld.h"

using sim::Api;
using namespace platform;
using testing_support::PanelWorld;

TEST(Construction, StepsThatReachOutsideRunInTheirOrder) {
    PanelWorld w;
    w.world.desktop.cursor = Point{321, 654};
    ASSERT_TRUE(w.Start());
    auto& journal = w.world.Journal();
    const DWord tid = w.panelProcess.ThreadId();
    auto first = [&](Api api, UInt msg = 0) {
        return journal.IndexOf([&](const sim::SimCall& c) {
            return c.thread == tid && c.api == api && (msg == 0 || c.msg == msg);
        });
    };
    const int owner = first(Api::CreateWindowExA);
    const int registered = first(Api::RegisterWindowMessageA);
    const int greeting = first(Api::SendMessageTimeoutA, w.Form().MsgAttach);
    const int published = first(Api::SetPropA);
    ASSERT_GE(owner, 0);
    EXPECT_LT(owner, registered);
    EXPECT_LT(registered, greeting);
    // The handle is published by FormCreate, after the whole construction.
    EXPECT_LT(greeting, published);
    // The indicator window comes last.
    const auto windows = journal.Where(
        [&](const sim::SimCall& c) { return c.thread == tid && c.api == Api::CreateWindowExA; });
    ASSERT_EQ(windows.size(), 5u);
    EXPECT_EQ(windows[0].text.substr(0, 13), "TApplication|");
    EXPECT_EQ(w.world.Window(w.Owner())->title, "USB Phone keyboard UI");
    // The tray icon's and the mixer component's windows come with the
    // form's parts.
    EXPECT_EQ(windows[1].text.substr(0, 16), "TTrayIconWindow|");
    EXPECT_EQ(windows[2].text.substr(0, 18), "TAudioMixerNotify|");
    EXPECT_EQ(windows[3].text.substr(0, 7), "TForm1|");
    EXPECT_EQ(windows[4].text.substr(0, 7), "TForm2|");
    EXPECT_LT(published, journal.IndexOf([&](const sim::SimCall& c) {
        return c.api == Api::CreateWindowExA && c.text.rfind("TForm2", 0) == 0;
    }));
    EXPECT_EQ(w.Form().PopupPoint.x, 321);
    EXPECT_EQ(w.Form().PopupPoint.y, 654);
}

TEST(Construction, StateStartsAtItsInitialValues) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    app::TForm1& f = w.Form();
    EXPECT_EQ(f.DrvWnd, 0u);
    EXPECT_EQ(f.DrvWndSaved, 0u);
    EXPECT_EQ(f.StatusW, 0u);
    EXPECT_EQ(f.StatusL, 0u);
    EXPECT_FALSE(f.SearchMode);
    EXPECT_EQ(f.KeyCode, 0);
    EXPECT_EQ(f.KeyCodePrev, 0);
    EXPECT_FALSE(f.Ring.RingPlaying);
    EXPECT_EQ(f.Ring.RingDelay, 4);
    EXPECT_FALSE(f.ExitRequested);
    EXPECT_FALSE(f.SkypeOutPending);
    EXPECT_FALSE(f.SkypeInPending);
    EXPECT_FALSE(f.FUpdatingControls);
    EXPECT_TRUE(f.RingCommandPending);
    EXPECT_EQ(f.RingToneFile, "");
    EXPECT_EQ(f.SelectedRingFile, "");
    EXPECT_FALSE(f.SpeakerSaved);
    EXPECT_EQ(f.WebIndex, 0);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(f.WebLinks[static_cast<size_t>(i)]->Name(), "suiURLLabelWeb" + std::to_string(i));
        EXPECT_EQ(f.WebRadios[static_cast<size_t>(i)]->Name(),
                  "suiRadioButtonWeb" + std::to_string(i));
        EXPECT_EQ(f.WebNumbers[static_cast<size_t>(i)]->Name(), "LabelWeb" + std::to_string(i));
        EXPECT_FALSE(f.WebRadios[static_cast<size_t>(i)]->TabStop());
    }
}

TEST(Construction, OnlyTheWatchdogRunsAtStart) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    app::TForm1& f = w.Form();
    struct Expected {
        const vcl::TTimer& timer;
        UInt interval;
        bool running;
    };
    const Expected timers[] = {
        {f.TimerDrvCheck, 3000, true}, {f.TimerKeyRepeat, 300, false},
        {f.TimerMouseUp, 500, false},  {f.TimerMin, 10000, false},
        {f.TimerDevChg, 1000, false},  {f.TimerMediaPlayerNotify, 1000, false},
    };
    for (const Expected& e : timers) {
        EXPECT_EQ(e.timer.Interval(), e.interval) << e.timer.Name();
        EXPECT_EQ(w.TimerRunning(e.timer), e.running) << e.timer.Name();
    }
    EXPECT_EQ(w.world.TimerDue(w.Panel(), f.TimerDrvCheck.Id()), w.world.Now() + 3000);
    // No other timer was ever started during construction.
    for (const sim::SimCall& c : w.PanelCalls(Api::SetTimer))
        EXPECT_EQ(c.wParam, f.TimerDrvCheck.Id());
}

TEST(Construction, WindowIsHiddenFixedAndCentredWithItsDesign) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    app::TForm1& f = w.Form();
    EXPECT_FALSE(w.panelProcess.windows.IsWindowVisible(w.Panel()));
    EXPECT_EQ(f.ClientWidth(), 590);
    EXPECT_EQ(f.ClientHeight(), 297);
    const sim::SimWindow* window = w.world.Window(w.Panel());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->style, WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(window->owner, w.Owner());
    const int width = window->bounds.right - window->bounds.left;
    EXPECT_EQ(window->bounds.left, (1280 - width) / 2);
    EXPECT_EQ(window->title, "USB Phone Control Panel");

    EXPECT_EQ(f.suiPageControl1.PageCount(), 4);
    EXPECT_EQ(f.suiPageControl1.Pages(0), &f.suiTabSheetUrl);
    EXPECT_EQ(f.suiPageControl1.Pages(1), &f.suiTabSheetRing);
    EXPECT_EQ(f.suiPageControl1.Pages(2), &f.suiTabSheetAudio);
    EXPECT_EQ(f.suiPageControl1.Pages(3), &f.suiTabSheetWeb);
    EXPECT_EQ(f.suiPageControl1.ActivePageIndex(), 0);
    EXPECT_EQ(f.suiPageControl1.Width(), 581);
    EXPECT_EQ(f.suiPageControl1.Height(), 285);

    for (vcl::TTrackBar* bar : {&f.suiTrackBarVolOut, &f.suiTrackBarVolIn}) {
        EXPECT_EQ(bar->Min(), 0);
        EXPECT_EQ(bar->Max(), 65535);
        EXPECT_EQ(bar->PageSize, 4096);
        EXPECT_EQ(bar->Position(), 0);
        EXPECT_FALSE(bar->ShowTick());
    }
    EXPECT_EQ(f.suiTrackBarVolRing.Max(), 15);
    EXPECT_EQ(f.suiTrackBarVolRing.PageSize, 1);
    EXPECT_FALSE(f.suiTrackBarVolRing.Visible());
    EXPECT_FALSE(f.LabelVolRing.Visible());
    EXPECT_EQ(f.suiCheckBoxVolOut.Caption(), "Mute");
    EXPECT_EQ(f.suiButtonSysAudioOut.Caption(), "N/A");
    EXPECT_FALSE(f.suiButtonSysAudioOut.Enabled());
    EXPECT_FALSE(f.suiButtonWebSave.Enabled());
    EXPECT_TRUE(f.suiRadioButtonWeb0.Checked());
    EXPECT_EQ(f.suiEditWebName.Tag(), 1);
    EXPECT_EQ(f.MediaPlayerTest.EnabledButtons(), 0u);
    EXPECT_EQ(f.suiProgressBarCopy.Position(), 100);
    EXPECT_EQ(f.CppWebBrowser1.Width(), 575);
    EXPECT_EQ(f.CppWebBrowser1.Height(), f.suiTabSheetWeb.Height());
    EXPECT_EQ(f.suiURLLabelWeb0.LinkColor(), vcl::clRed);
    EXPECT_EQ(f.suiURLLabelWeb1.LinkColor(), vcl::clBlue);
    EXPECT_EQ(f.suiPopupMenuTrayIcon.Items().Count(), 4);
    EXPECT_EQ(f.ItemLanguage.Count(), 24);
    EXPECT_EQ(f.ItemLanguageTur.Tag, 23);
    EXPECT_EQ(f.ImageListTrayIcon.Count(), 3);
    EXPECT_EQ(f.TrayIconSts.RestoreOn, ui::imLeftDoubleClick);
}

TEST(Construction, IndicatorWindowIsHiddenInTheWorkAreasCorner) {
    PanelWorld w;
    w.world.desktop.workArea = Rect{0, 0, 1024, 738};
    ASSERT_TRUE(w.Start());
    app::TForm2* indicator = w.Program().Form2();
    ASSERT_NE(indicator, nullptr);
    const sim::SimWindow* window = w.world.Window(indicator->Handle());
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->visible);
    EXPECT_EQ(window->style, WS_POPUP);
    EXPECT_EQ(window->bounds.left, 1024 - 100);
    EXPECT_EQ(window->bounds.top, 738 - 32);
    EXPECT_EQ(window->bounds.right - window->bounds.left, 100);
    EXPECT_EQ(indicator->Image1.Left(), 8);
    EXPECT_EQ(indicator->Image1.Width(), 84);
}

TEST(Construction, SlidersSetAtConstructionDoNotCountAsUserChanges) {
    PanelWorld w;
    ASSERT_TRUE(w.Start());
    app::TForm1& f = w.Form();
    int changes = 0;
    f.suiTrackBarVolOut.OnChange = [&](vcl::TObject*) {
        if (!f.FUpdatingControls) ++changes;
    };
    f.SetTrackBarState(f.suiTrackBarVolOut, 4096, std::nullopt, std::nullopt, std::nullopt);
    f.SetTrackBarState(f.suiTrackBarVolOut, std::nullopt, false, std::nullopt,
                       100);  // range clamps the position
    EXPECT_EQ(f.suiTrackBarVolOut.Position(), 100);
    EXPECT_FALSE(f.suiTrackBarVolOut.Enabled());
    EXPECT_EQ(changes, 0);
    f.suiTrackBarVolOut.SetPosition(50);  // a user's move
    EXPECT_EQ(changes, 1);
    f.SetCheckBoxState(f.suiCheckBoxVolOut, true, false);
    EXPECT_TRUE(f.suiCheckBoxVolOut.Checked());
    EXPECT_FALSE(f.suiCheckBoxVolOut.Enabled());
    EXPECT_FALSE(f.FUpdatingControls);
}
