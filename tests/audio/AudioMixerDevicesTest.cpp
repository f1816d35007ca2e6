// The mixer component's device list: the scan, opening one device at a
// time, and finding devices by identifier.
#include <gtest/gtest.h>

#include "audio/MixerWorld.h"
#include "platform/WinConst.h"

using namespace platform;
using audio_test::MixerWorld;

TEST(AudioMixerDevices, WithoutAnyDeviceNothingIsListedOpenedOrFound) {
    MixerWorld w;
    audio::TAudioMixer& mixer = w.CreateMixer();
    EXPECT_EQ(mixer.FDevCount, 0);
    EXPECT_TRUE(mixer.FNames.empty());
    EXPECT_EQ(mixer.FOpenID, -1);
    EXPECT_EQ(mixer.MixerID(), -1);
    EXPECT_EQ(mixer.FDestinations, nullptr);
    for (int id : {-1, 0, 1}) {
        mixer.SetMixerId(id);
        EXPECT_EQ(mixer.GetName(id), nullptr);
        EXPECT_EQ(mixer.SearchIdx(id), -1);
    }
    EXPECT_TRUE(w.Calls(sim::Api::mixerOpen).empty());
    EXPECT_FALSE(mixer.CheckCtrlID(0, -1, 1));
}

TEST(AudioMixerDevices, ADeviceThatFailsToOpenIsLeftOutAndTheOnesAfterItStayOpenable) {
    MixerWorld w;
    w.world.mixer.AddDevice("Out: default").AddDestination("Master Volume", 2);
    w.world.mixer.AddDevice("Out: Broken").failsToOpen = true;
    w.world.mixer.AddDevice("Out: USB Audio Device").AddDestination("Master Volume", 2);
    audio::TAudioMixer& mixer = w.CreateMixer();

    // The constructor's scan ends on device 2, then it opens device 0.
    const auto opens = w.Calls(sim::Api::mixerOpen);
    ASSERT_EQ(opens.size(), 4u);
    EXPECT_EQ(opens[3].lParam, 0);
    EXPECT_EQ(opens[3].hwnd, mixer.FNotifyWnd);
    EXPECT_EQ(opens[3].flags, CALLBACK_WINDOW);
    EXPECT_EQ(mixer.FDevCount, 2);
    ASSERT_EQ(mixer.FNames.size(), 2u);
    EXPECT_EQ(mixer.FNames[0].Name, "Out: default");
    EXPECT_EQ(mixer.FNames[1].Id, 2);
    EXPECT_EQ(mixer.FOpenID, 0);
    EXPECT_TRUE(w.HeldOpen(0));
    EXPECT_FALSE(w.HeldOpen(2));
    EXPECT_STREQ(mixer.FCaps.szPname, "Out: default");

    // A rescan ends with the highest device that opened.
    mixer.GetMixerNumDevs();
    EXPECT_EQ(mixer.FOpenID, 2);
    EXPECT_TRUE(w.HeldOpen(2));
    EXPECT_FALSE(w.HeldOpen(0));
    EXPECT_EQ(mixer.FDevCount, 2);

    // Device 2 opened at the scan, so it is found and opens although 2 is
    // not below the count.
    mixer.SetMixerId(0);
    ASSERT_NE(mixer.GetName(2), nullptr);
    EXPECT_EQ(mixer.GetName(2)->Name, "Out: USB Audio Device");
    EXPECT_EQ(mixer.SearchIdx(2), 2);
    EXPECT_EQ(mixer.SearchIdx(0), 0);
    EXPECT_EQ(mixer.SearchIdx(1), -1);
    mixer.SetMixerId(2);
    EXPECT_EQ(mixer.MixerID(), 2);
    EXPECT_TRUE(w.HeldOpen(2));
    EXPECT_FALSE(w.HeldOpen(0));
    EXPECT_STREQ(mixer.FCaps.szPname, "Out: USB Audio Device");

    // An identifier past the count that never opened is ignored: what is
    // open stays open.
    mixer.SetMixerId(5);
    EXPECT_EQ(mixer.FOpenID, 2);
    EXPECT_TRUE(w.HeldOpen(2));
    // One below the count is tried: the open device is closed first.
    mixer.SetMixerId(1);
    EXPECT_EQ(mixer.FOpenID, -1);
    EXPECT_EQ(mixer.FDestinations, nullptr);
    EXPECT_TRUE(w.world.mixer.Handles().empty());
    // The name of the device opened last outlives its closing.
    EXPECT_STREQ(mixer.FCaps.szPname, "Out: USB Audio Device");

    mixer.SetMixerId(0);
    mixer.SetMixerId(-1);
    EXPECT_EQ(mixer.FOpenID, -1);
    EXPECT_TRUE(w.world.mixer.Handles().empty());
}

TEST(AudioMixerDevices, ADeviceWhoseCapabilitiesCannotBeReadIsLeftOutLikeOneThatFailsToOpen) {
    MixerWorld w;
    w.world.mixer.AddDevice("Out: default").AddDestination("Master Volume", 2);
    sim::SimMixerDevice& broken = w.world.mixer.AddDevice("Out: USB Audio Device");
    broken.AddDestination("Speaker", 2);
    broken.AddDestination("Recording", 1);
    broken.failsCaps = true;
    w.world.mixer.AddDevice("Out: Modem").AddDestination("Master Volume", 1);
    audio::TAudioMixer& mixer = w.CreateMixer();

    EXPECT_EQ(mixer.FDevCount, 2);
    ASSERT_EQ(mixer.FNames.size(), 2u);
    EXPECT_EQ(mixer.FNames[1].Id, 2);

    // Tried on its own it is not held open, and what its driver wrote
    // before failing does not replace the last good device's record.
    mixer.SetMixerId(1);
    EXPECT_EQ(mixer.FOpenID, -1);
    EXPECT_TRUE(w.world.mixer.Handles().empty());
    EXPECT_STREQ(mixer.FCaps.szPname, "Out: default");
    EXPECT_EQ(mixer.FCaps.cDestinations, 1u);
}

TEST(AudioMixerDevices, TheComponentClosesItsDeviceAndWindowWhenItGoes) {
    MixerWorld w;
    w.world.mixer.AddDevice("Out: USB Audio Device").AddDestination("Master Volume", 2);
    audio::TAudioMixer& mixer = w.CreateMixer();
    const Hwnd window = mixer.FNotifyWnd;
    ASSERT_NE(w.world.Window(window), nullptr);
    EXPECT_EQ(w.world.Window(window)->className, audio::TAudioMixer::kNotifyClass);
    EXPECT_FALSE(w.process.windows.IsWindowVisible(window));
    ASSERT_TRUE(w.HeldOpen(0));
    w.component.reset();
    EXPECT_TRUE(w.world.mixer.Handles().empty());
    EXPECT_EQ(w.world.Window(window), nullptr);
}
