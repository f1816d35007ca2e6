// What the panel holds after each thing it does: a read of the default
// device, the Sound control panel's button, a preview, a drop and a whole
// start and exit leave no handle behind but those it keeps on purpose.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/WinConst.h"
#include "sim/SimHandleLedger.h"
#include "support/RingWorld.h"

using namespace platform;
using namespace testing_support;
using sim::HandleKind;

namespace {

using Counts = std::map<HandleKind, std::size_t>;

std::string Describe(const Counts& counts) {
    std::string text;
    for (const auto& [kind, n] : counts)
        text += std::string(sim::HandleKindName(kind)) + " " + std::to_string(n) + " ";
    return text.empty() ? "none" : text;
}

// The panel with the handset present, a tone in the ring folder, shown,
// after its start-up read of the default device.
struct LifetimeWorld {
    PanelWorld w;
    app::TForm1* f = nullptr;

    LifetimeWorld() {
        // Two devices: the button reads the default one on the worker.
        w.world.mixer.AddDevice("Speakers");
        AddHandsetMixer(w.world.mixer);
        AddChosenTone(w.world.files, "a.wav", 500);
        w.world.files.AddFolder("D:\\Sounds");
        w.world.files.AddFile("D:\\Sounds\\new.wav", Wave(300));
        EXPECT_TRUE(w.Start());
        f = &w.Form();
        w.driver.Discover(w.Panel());
        SendCall(w, kPresent, kIdle);
        f->ShowMainWindow();
        w.Advance(500);
    }
    Counts Held() const { return w.panelProcess.handles.Counts(); }
    // Time passes with the driver's status every 500 ms, as the real driver
    // keeps the link (and with it the handset's open mixer device).
    void Wait(std::uint64_t ms) {
        for (std::uint64_t waited = 0; waited < ms; waited += 500) {
            SendCall(w, kPresent, kIdle);
            w.Advance(500);
        }
    }
};

}  // namespace

TEST(HandleLifetimes, AStartAndAnExitLeaveOnlyTheSingleInstanceSemaphore) {
    LifetimeWorld l;
    // The start-up read of the default device ran on the worker.
    ASSERT_EQ(l.w.world.system.launches.size(), 1u);
    EXPECT_EQ(l.w.panelProcess.handles.Count(HandleKind::Desktop), 0u);
    EXPECT_EQ(l.w.panelProcess.handles.Count(HandleKind::Process), 0u);
    l.w.Program().Shutdown();
    EXPECT_EQ(Describe(l.Held()), "Semaphore 1 ") << "open after the exit";
}

TEST(HandleLifetimes, AReadAClickAPreviewAndADropLeaveNothingOpen) {
    LifetimeWorld l;
    app::TForm1& f = *l.f;
    const Counts before = l.Held();

    // Another read on the worker, its private desktop and the panel it ran.
    f.AudioMixerUsb.SysDefaultAudio(false, 0, 0);
    l.Wait(500);
    ASSERT_EQ(l.w.world.system.launches.size(), 2u);
    EXPECT_EQ(Describe(l.Held()), Describe(before)) << "after a read";
    EXPECT_EQ(l.w.world.system.OpenDesktops(), 0u);

    // The button's Sound control panel on the user's desktop.
    f.suiButtonSysAudioOut.Click();
    ASSERT_EQ(l.w.world.system.launches.size(), 3u);
    EXPECT_EQ(Describe(l.Held()), Describe(before)) << "after the button";

    // A preview played to its end and one stopped by the user.
    f.suiPageControl1.UserSelectPage(1);
    f.MediaPlayerTest.ClickButton(vcl::btPlay);
    l.Wait(3000);
    f.MediaPlayerTest.ClickButton(vcl::btPlay);
    l.Wait(500);
    f.MediaPlayerTest.ClickButton(vcl::btStop);
    l.Wait(500);
    EXPECT_EQ(Describe(l.Held()), Describe(before)) << "after the previews";

    // A drop on the tone list.
    vcl::TMessage drop{WM_DROPFILES,
                       static_cast<WParam>(l.w.world.shell.NewDrop({"D:\\Sounds\\new.wav"})), 0, 0};
    ASSERT_TRUE(f.FileListBoxTest.Dispatch(drop));
    ASSERT_TRUE(l.w.world.files.Text(InRing("new.wav")).has_value());
    EXPECT_EQ(Describe(l.Held()), Describe(before)) << "after a drop";
}
