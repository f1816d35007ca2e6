// Ring-tone playback: the preview with its Play/Stop toggle, the speaker
// turned up and put back, the loop while the panel rings, the ring step's
// count of ringing messages, and files the media layer cannot open.
#include <gtest/gtest.h>

#include "driverlink/HandsetMessage.h"
#include "platform/WinConst.h"
#include "support/HandsetPanel.h"
#include "support/RingWorld.h"

using namespace platform;
using namespace testing_support;
using sim::Api;
using Items = std::vector<std::string>;

namespace {

// The handset present, its speaker at 8000 and muted; "a.wav" chosen.
struct PlaybackWorld : HandsetPanel {
    explicit PlaybackWorld(std::uint32_t toneMs = 5000) {
        device.speakerMute->values = device.waveMute->values = {1};
        AddChosenTone(w.world.files, "a.wav", toneMs);
        w.world.files.AddFile(InRing("b.wav"), Wave(toneMs));
        StartLinked();
        SendCall(w, kPresent, kIdle);
    }

    void Ring(int messages) {
        for (int i = 0; i < messages; ++i) SendCall(w, kPresent, kRinging);
    }
    std::size_t Plays() { return w.PanelCalls(Api::mciSendCommandA, MCI_PLAY).size(); }
    void ExpectSpeaker(int position, bool muted) {
        EXPECT_EQ(f->suiTrackBarVolOut.Position(), position);
        EXPECT_EQ(f->suiCheckBoxVolOut.Checked(), muted);
        EXPECT_EQ(device.speakerVolume->values[0], static_cast<DWord>(position));
        EXPECT_EQ(device.speakerMute->values[0], muted ? 1u : 0u);
    }
};

}  // namespace

TEST(Playback, APreviewTurnsTheSpeakerUpAndPutsItBackExactly) {
    PlaybackWorld p;
    app::TForm1& f = *p.f;
    p.ExpectSpeaker(8000, true);
    EXPECT_EQ(f.MediaPlayerTest.EnabledButtons(), vcl::ButtonBit(vcl::btPlay));

    f.MediaPlayerTest.ClickButton(vcl::btPlay);
    EXPECT_EQ(f.MediaPlayerTest.EnabledButtons(), vcl::ButtonBit(vcl::btStop));
    EXPECT_EQ(p.w.world.media.Playing(), Items{InRing("a.wav")});
    p.ExpectSpeaker(65535, false);
    // The user moves the slider during the preview.
    f.suiTrackBarVolOut.SetPosition(30000);
    f.suiCheckBoxVolOut.SetChecked(true);

    f.MediaPlayerTest.ClickButton(vcl::btStop);
    EXPECT_TRUE(p.w.world.media.OpenDevices().empty());
    EXPECT_EQ(f.MediaPlayerTest.EnabledButtons(), vcl::ButtonBit(vcl::btPlay));
    EXPECT_FALSE(p.w.TimerRunning(f.TimerMediaPlayerNotify));
    p.ExpectSpeaker(8000, true);
    EXPECT_FALSE(f.SpeakerSaved);

    // A second start without a stop boosts again but keeps the first
    // saved values.
    f.MediaPlayerTest.ClickButton(vcl::btPlay);
    f.suiTrackBarVolOut.SetPosition(20000);
    ASSERT_TRUE(f.PlayRingFile(InRing("b.wav")));
    p.ExpectSpeaker(65535, false);
    f.MediaPlayerTest.ClickButton(vcl::btStop);
    p.ExpectSpeaker(8000, true);

    // Shutting the window down during a preview restores the speaker too.
    f.MediaPlayerTest.ClickButton(vcl::btPlay);
    p.w.Program().Shutdown();
    EXPECT_EQ(p.device.speakerVolume->values[0], 8000u);
    EXPECT_EQ(p.device.speakerMute->values[0], 1u);
    EXPECT_TRUE(p.w.world.media.OpenDevices().empty());
}

TEST(Playback, ARingThatInterruptsAPreviewKeepsTheFirstSavedSpeakerValues) {
    PlaybackWorld p;
    app::TForm1& f = *p.f;
    f.FileListBoxTest.UserSelect(1);
    f.FileListBoxTestDblClick(&f.FileListBoxTest);
    ASSERT_EQ(p.w.world.media.Playing(), Items{InRing("b.wav")});
    p.Ring(5);
    EXPECT_TRUE(f.Ring.RingPlaying);
    // The preview's "b.wav" was chosen by playing it; the ring plays it.
    EXPECT_EQ(p.w.world.media.Playing(), Items{InRing("b.wav")});
    p.ExpectSpeaker(65535, false);
    // The Stop button is enabled but does nothing while ringing.
    f.MediaPlayerTest.ClickButton(vcl::btStop);
    EXPECT_EQ(p.w.world.media.Playing().size(), 1u);

    SendCall(p.w, kPresent, kIdle);
    EXPECT_FALSE(f.Ring.RingPlaying);
    EXPECT_TRUE(p.w.world.media.OpenDevices().empty());
    p.ExpectSpeaker(8000, true);
}

TEST(Playback, AShortFileEndsThePreviewAtTheFirstTickAndLoopsWhileRinging) {
    PlaybackWorld p(400);
    app::TForm1& f = *p.f;
    f.MediaPlayerTest.ClickButton(vcl::btPlay);
    p.w.Advance(999);
    EXPECT_EQ(f.MediaPlayerTest.EnabledButtons(), vcl::ButtonBit(vcl::btStop));
    p.w.Advance(1);
    EXPECT_EQ(f.MediaPlayerTest.EnabledButtons(), vcl::ButtonBit(vcl::btPlay));
    EXPECT_TRUE(p.w.world.media.OpenDevices().empty());
    p.ExpectSpeaker(8000, true);

    p.Ring(5);
    const std::size_t plays = p.Plays();
    for (int tick = 1; tick <= 4; ++tick) {
        p.Ring(1);  // the driver goes on reporting, or its watchdog would end the ring
        p.w.Advance(1000);
        EXPECT_EQ(p.Plays(), plays + tick);
        EXPECT_EQ(p.w.world.media.Playing(), Items{InRing("a.wav")});
    }
    // Every restart seeks to the start with its parameter block.
    for (const sim::SimCall& c : p.w.PanelCalls(Api::mciSendCommandA, MCI_SEEK))
        EXPECT_EQ(c.lParam, 0);
}

TEST(Playback, ADeviceThatDoesNotMoveEndsThePreviewAndIsRestartedWhileRinging) {
    PlaybackWorld p;
    p.w.world.media.noOutput = true;
    p.f->MediaPlayerTest.ClickButton(vcl::btPlay);
    p.w.Advance(1000);
    EXPECT_TRUE(p.w.world.media.OpenDevices().empty());
    p.Ring(5);
    p.w.Advance(1000);
    EXPECT_EQ(p.Plays(), 3u);
}

TEST(Playback, ALongFileGoesOnPlayingAcrossTicks) {
    PlaybackWorld p(2500);
    p.f->MediaPlayerTest.ClickButton(vcl::btPlay);
    p.w.Advance(2000);
    EXPECT_EQ(p.w.world.media.Playing(), Items{InRing("a.wav")});
    EXPECT_EQ(p.Plays(), 1u);
    p.w.Advance(1000);
    EXPECT_TRUE(p.w.world.media.OpenDevices().empty());
}

TEST(Playback, TheFifthRingingMessageStartsTheRingAndTheNextStatusStopsIt) {
    PlaybackWorld p;
    app::TForm1& f = *p.f;
    p.Ring(4);
    EXPECT_FALSE(f.Ring.RingPlaying);
    EXPECT_EQ(f.Ring.RingDelay, 0);
    EXPECT_TRUE(p.w.world.media.OpenDevices().empty());
    p.Ring(1);
    EXPECT_TRUE(f.Ring.RingPlaying);
    EXPECT_EQ(f.Ring.RingDelay, 4);
    EXPECT_EQ(p.w.world.media.Playing(), Items{InRing("a.wav")});
    p.Ring(3);  // further ringing changes nothing
    EXPECT_EQ(p.Plays(), 1u);
    EXPECT_EQ(f.Ring.RingDelay, 4);

    SendCall(p.w, kPresent, 6);  // in call
    EXPECT_FALSE(f.Ring.RingPlaying);
    EXPECT_EQ(f.Ring.RingDelay, 4);
    EXPECT_TRUE(p.w.world.media.OpenDevices().empty());
}

TEST(Playback, TheWatchdogEndsTheRingWhenTheDriverFallsSilent) {
    PlaybackWorld p;
    app::TForm1& f = *p.f;
    p.Ring(5);
    ASSERT_TRUE(f.Ring.RingPlaying);
    f.Ring.RingDelay = 2;  // the reset puts the count back
    p.w.Advance(3000);
    EXPECT_FALSE(f.Ring.RingPlaying);
    EXPECT_EQ(f.Ring.RingDelay, 4);
    EXPECT_TRUE(p.w.world.media.OpenDevices().empty());
    EXPECT_FALSE(p.w.TimerRunning(f.TimerMediaPlayerNotify));
    EXPECT_EQ(f.SelectedRingFile, InRing("a.wav"));
    // The device the panel lets go of is not left turned up.
    EXPECT_EQ(p.device.speakerVolume->values[0], 8000u);
    EXPECT_EQ(p.device.speakerMute->values[0], 1u);
}

TEST(Playback, TheHandsetsSpeakerIsAlwaysLeftAtTheUsersVolume) {
    // The handset reported away while a preview plays: the speaker goes back
    // before the panel lets go of the device, and the end of the preview
    // writes nothing more.
    {
        PlaybackWorld p;
        app::TForm1& f = *p.f;
        f.MediaPlayerTest.ClickButton(vcl::btPlay);
        p.ExpectSpeaker(65535, false);
        SendCall(p.w, driverlink::kSkypeReady, kIdle);
        EXPECT_EQ(p.device.speakerVolume->values[0], 8000u);
        EXPECT_EQ(p.device.speakerMute->values[0], 1u);
        f.MediaPlayerTest.ClickButton(vcl::btStop);
        EXPECT_FALSE(f.SpeakerSaved);
        EXPECT_EQ(p.device.speakerVolume->values[0], 8000u);
        EXPECT_EQ(p.device.speakerMute->values[0], 1u);
    }
    // A ring that starts while the volume group is off turns nothing up: the
    // group's reset values are nobody's volume, and the handset that comes
    // back during the ring keeps its own.
    {
        PlaybackWorld p;
        app::TForm1& f = *p.f;
        for (int i = 0; i < 5; ++i) SendCall(p.w, driverlink::kSkypeReady, kRinging);
        ASSERT_TRUE(f.Ring.RingPlaying);
        EXPECT_FALSE(f.SpeakerSaved);
        SendCall(p.w, kPresent, kRinging);
        ASSERT_TRUE(f.suiGroupBoxVol.Enabled());
        p.ExpectSpeaker(8000, true);
        SendCall(p.w, kPresent, kIdle);
        EXPECT_FALSE(f.Ring.RingPlaying);
        p.ExpectSpeaker(8000, true);
    }
    // A preview that ends by itself between a device notice and the reload
    // puts the slider back at once and the device at the reload.
    {
        PlaybackWorld p(500);
        app::TForm1& f = *p.f;
        f.MediaPlayerTest.ClickButton(vcl::btPlay);
        p.ExpectSpeaker(65535, false);
        p.w.Advance(300);
        p.w.driver.Send(p.w.Panel(), WM_DEVICECHANGE, 0, 0);
        p.w.Advance(700);  // the end-of-tone tick, with the device closed
        ASSERT_EQ(f.MediaPlayerTest.EnabledButtons(), vcl::ButtonBit(vcl::btPlay));
        EXPECT_EQ(f.suiTrackBarVolOut.Position(), 8000);
        EXPECT_EQ(p.device.speakerVolume->values[0], 65535u);
        SendCall(p.w, kPresent, kIdle);
        p.w.Advance(300);  // the reload
        p.ExpectSpeaker(8000, true);
    }
    // The slider moved between a notice and the reload is not the device's
    // volume: a preview started then turns nothing up and puts nothing back.
    {
        PlaybackWorld p;
        app::TForm1& f = *p.f;
        p.w.driver.Send(p.w.Panel(), WM_DEVICECHANGE, 0, 0);
        f.suiTrackBarVolOut.SetPosition(30000);
        f.MediaPlayerTest.ClickButton(vcl::btPlay);
        EXPECT_FALSE(f.SpeakerSaved);
        p.w.Advance(1000);  // the reload ends the preview
        p.ExpectSpeaker(8000, true);
    }
}

TEST(Playback, InterruptedRingingKeepsItsCount) {
    PlaybackWorld p;
    app::TForm1& f = *p.f;
    p.Ring(3);
    SendCall(p.w, kPresent, kIdle);
    EXPECT_EQ(f.Ring.RingDelay, 1);
    p.Ring(1);
    EXPECT_FALSE(f.Ring.RingPlaying);
    p.Ring(1);
    EXPECT_TRUE(f.Ring.RingPlaying);
}

TEST(Playback, AMissingToneStillFreezesTheListButPlaysNothing) {
    PlaybackWorld p;
    app::TForm1& f = *p.f;
    p.w.world.files.Remove(InRing("a.wav"));
    p.Ring(5);
    EXPECT_TRUE(f.Ring.RingPlaying);
    EXPECT_TRUE(p.w.world.media.OpenDevices().empty());
    EXPECT_FALSE(p.w.TimerRunning(f.TimerMediaPlayerNotify));
    EXPECT_TRUE(p.w.world.desktop.messageBoxes.empty());
}

TEST(Playback, AFileThatFailsToOpenShowsOneErrorBoxWhileTheHandsetGoesOnRinging) {
    PlaybackWorld p;
    app::TForm1& f = *p.f;
    p.w.world.media.openErrors[InRing("a.wav")] = MCIERR_INVALID_FILE;
    p.w.world.desktop.messageBoxLifetimeMs = 20000;
    const std::uint64_t start = p.w.world.Now();
    // The driver reports ringing every second, also while the box is up.
    for (std::uint64_t i = 1; i <= 30; ++i)
        p.w.world.At(start + 1000 * i, [&p] {
            p.w.driver.Status(p.w.Panel(), kPresent, sim::SimDriver::StatusLParam(0, kRinging));
        });
    p.w.Advance(16000);
    ASSERT_EQ(p.w.world.desktop.messageBoxes.size(), 1u);
    EXPECT_EQ(p.w.world.desktop.messageBoxes[0].text,
              sim::SimMedia::ErrorText(MCIERR_INVALID_FILE));
    EXPECT_EQ(p.w.world.desktop.messageBoxes[0].type, MB_OK | MB_ICONERROR);
    EXPECT_FALSE(f.Ring.RingPlaying);
    // Several more attempts failed inside the box without a box of their own.
    EXPECT_GE(p.w.PanelCalls(Api::mciSendCommandA, MCI_OPEN).size(), 3u);
    EXPECT_TRUE(p.w.world.media.OpenDevices().empty());

    // Once the box is closed, the next failure shows its own.
    p.w.Advance(15000);
    EXPECT_FALSE(p.w.world.desktop.messageBoxes[0].open);
    EXPECT_GE(p.w.world.desktop.messageBoxes.size(), 2u);
    EXPECT_FALSE(f.Ring.RingPlaying);
    // A preview of that file fails the same way and chooses nothing.
    p.w.world.desktop.messageBoxLifetimeMs = 0;
    SendCall(p.w, kPresent, kIdle);
    const std::size_t boxes = p.w.world.desktop.messageBoxes.size();
    f.FileListBoxTestDblClick(&f.FileListBoxTest);
    p.w.Advance(0);
    EXPECT_EQ(p.w.world.desktop.messageBoxes.size(), boxes + 1);
    EXPECT_EQ(f.MediaPlayerTest.EnabledButtons(), vcl::ButtonBit(vcl::btPlay));
}

TEST(Playback, NothingStartsWhileTheWindowIsBeingDestroyed) {
    PlaybackWorld p;
    app::TForm1& f = *p.f;
    f.ShowMainWindow();
    f.suiPageControl1.UserSelectPage(1);
    p.w.Advance(10);
    const std::size_t plays = p.Plays();
    // The driver answers the panel's leaving send with a ringing handset
    // and the play key, from inside that send.
    bool leaving = false;
    const Hwnd panel = p.w.Panel();
    p.w.driver.onSent = [&](UInt msg, WParam wParam, LParam lParam) {
        if (msg != p.w.driver.MsgAttach() || wParam != 0 || lParam != 0) return;
        leaving = true;
        for (int i = 0; i < 6; ++i)
            p.w.driver.Status(panel, kPresent, sim::SimDriver::StatusLParam(0, kRinging));
        const std::uint32_t keyMode = sim::SimDriver::StatusLParam(1, kIdle);
        p.w.driver.Key(panel, 38, kPresent, keyMode);
        p.w.driver.Key(panel, 0, kPresent, keyMode);
    };
    p.w.Program().Shutdown();
    ASSERT_TRUE(leaving);
    EXPECT_EQ(p.Plays(), plays);
    EXPECT_TRUE(p.w.world.media.Playing().empty());
    // The speaker is as the user left it.
    EXPECT_EQ(p.device.speakerVolume->values[0], 8000u);
    EXPECT_EQ(p.device.speakerMute->values[0], 1u);
}

TEST(Playback, RingingStatusesTakenInsideTheMixerScanCountOnceEach) {
    PanelWorld w;
    AddHandsetMixer(w.world.mixer);
    AddChosenTone(w.world.files, "a.wav", 5000);
    ASSERT_TRUE(w.Start());
    app::TForm1& f = w.Form();
    w.driver.Discover(w.Panel());
    w.driver.ClearReceived();
    const Hwnd panel = w.Panel();
    const std::uint32_t ready = kPresent | driverlink::kSkypeReady;
    const std::uint32_t ringing = sim::SimDriver::StatusLParam(0, kRinging);
    // The driver's next three statuses reach the panel inside the mixer's
    // open, while the first one is being handled.
    int nested = 0;
    w.world.mixer.onOpen = [&] {
        if (nested >= 3) return;
        ++nested;
        w.driver.Status(panel, ready, ringing);
    };
    w.driver.Status(panel, ready, ringing);
    w.Advance(0);
    w.world.mixer.onOpen = nullptr;
    ASSERT_GE(nested, 2);
    EXPECT_TRUE(f.suiGroupBoxVol.Enabled());
    EXPECT_EQ(f.AudioMixerUsb.FOpenID, 0);
    // Every status counts once towards the ring, nested or not.
    for (int sent = 1 + nested; sent < 4; ++sent) {
        w.driver.Status(panel, ready, ringing);
        w.Advance(0);
    }
    EXPECT_FALSE(f.Ring.RingPlaying);
    EXPECT_TRUE(w.world.media.Playing().empty());
    // Skype is pointed at the handset once.
    std::size_t sets = 0;
    for (const std::string& command : w.driver.Commands())
        sets += command.rfind("SET AUDIO_OUT ", 0) == 0 ? 1 : 0;
    EXPECT_EQ(sets, 1u);
    // The fifth ringing status starts the ring.
    w.driver.Status(panel, ready, ringing);
    w.Advance(0);
    EXPECT_TRUE(f.Ring.RingPlaying);
    EXPECT_EQ(w.world.media.Playing(), Items{InRing("a.wav")});
}
