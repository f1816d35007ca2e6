// The audio page's default-device button: its three states by the number of
// mixer devices, the answers of the worker, the endpoint's name on newer
// systems, and the Sound control panel it opens.
#include <gtest/gtest.h>

#include "audio/Foundwindow.h"
#include "platform/WinConst.h"
#include "support/PanelWorld.h"

using namespace platform;
using sim::Api;
using testing_support::PanelWorld;

namespace {

struct ButtonPanel : PanelWorld {
    explicit ButtonPanel(int devices) {
        const char* names[] = {"Realtek HD Audio output", "USB Audio Device", "Modem Audio"};
        for (int i = 0; i < devices; ++i)
            world.mixer.AddDevice(names[i]).AddDestination("Master", 2);
    }
    vcl::TButton& Button() { return Form().suiButtonSysAudioOut; }
};

}  // namespace

TEST(DefaultDeviceButton, NoDeviceShowsNotAvailableDisabledAndOneDeviceItsNameWithoutAWorker) {
    {
        ButtonPanel w(0);
        ASSERT_TRUE(w.Start());
        EXPECT_EQ(w.Button().Caption(), "N/A");
        EXPECT_FALSE(w.Button().Enabled());
        EXPECT_FALSE(w.Form().AudioMixerUsb.FWorker);
    }
    {
        ButtonPanel w(1);
        ASSERT_TRUE(w.Start());
        w.Advance(1000);
        EXPECT_EQ(w.Button().Caption(), "Realtek HD Audio output");
        EXPECT_TRUE(w.Button().Enabled());
        EXPECT_FALSE(w.Form().AudioMixerUsb.FWorker);
        EXPECT_TRUE(w.world.system.launches.empty());
    }
}

TEST(DefaultDeviceButton, WithTwoDevicesTheButtonWaitsForTheWorkerAndNamesThePlaybackSelection) {
    ButtonPanel w(2);
    w.world.system.soundPanel.showAfterMs = 300;
    w.world.system.soundPanel.selection = {{1, 0, 0}};
    ASSERT_TRUE(w.Start());
    // Until the answer the button keeps its design state.
    EXPECT_EQ(w.Button().Caption(), "N/A");
    EXPECT_FALSE(w.Button().Enabled());
    w.Advance(1000);
    EXPECT_EQ(w.Button().Caption(), "USB Audio Device");
    EXPECT_TRUE(w.Button().Enabled());
    // Two reloads in quick succession: the second finds the worker busy.
    w.Form().UpdateSysAudioButton();
    w.Form().UpdateSysAudioButton();
    w.Advance(1000);
    EXPECT_EQ(w.world.system.launches.size(), 2u);
    EXPECT_EQ(w.world.Journal().Of(Api::SendMessageA, audio::WM_SYSDEFAULT_SUCCESS).size(), 2u);
}

TEST(DefaultDeviceButton, NoSelectionAFailureOrWindows7ShowUnknown) {
    {
        ButtonPanel w(2);
        w.world.system.soundPanel.selection = {{-1, 0, 0}};
        ASSERT_TRUE(w.Start());
        w.Advance(500);
        EXPECT_EQ(w.Button().Caption(), "UNKNOW");
        EXPECT_TRUE(w.Button().Enabled());
    }
    {
        ButtonPanel w(2);
        w.world.system.soundPanel.selection = {{2, 0, 0}};  // not a listed device
        ASSERT_TRUE(w.Start());
        w.Advance(500);
        EXPECT_EQ(w.Button().Caption(), "UNKNOW");
    }
    {
        // Windows 7 without an endpoint to read.
        ButtonPanel w(2);
        w.world.system.version = {6, 1, 7601, 2};
        ASSERT_TRUE(w.Start());
        EXPECT_EQ(w.Button().Caption(), "UNKNOW");
        EXPECT_TRUE(w.Button().Enabled());
        EXPECT_TRUE(w.world.system.launches.empty());
    }
}

TEST(DefaultDeviceButton, OnVistaAndLaterTheEndpointNamesTheMatchingMixerDeviceOrItself) {
    {
        ButtonPanel w(3);
        w.world.system.version = {6, 1, 7601, 2};
        w.world.system.renderEndpoint = "USB Audio Device";
        ASSERT_TRUE(w.Start());
        EXPECT_EQ(w.Button().Caption(), "USB Audio Device");
        EXPECT_TRUE(w.Button().Enabled());
        // Read directly: no worker, no control panel.
        EXPECT_FALSE(w.Form().AudioMixerUsb.FWorker);
        EXPECT_TRUE(w.world.system.launches.empty());
        EXPECT_EQ(w.PanelCalls(Api::GetDefaultRenderEndpointName).size(), 1u);
    }
    {
        ButtonPanel w(2);
        w.world.system.version = {10, 0, 19045, 2};
        w.world.system.renderEndpoint = "Speakers (High Definition Audio Device)";
        ASSERT_TRUE(w.Start());
        EXPECT_EQ(w.Button().Caption(), "Speakers (High Definition Audio Device)");
    }
}

TEST(DefaultDeviceButton, AClickStartsThePanelOnTheUsersDesktopWithTheLineOfThisWindows) {
    const struct {
        OsVersionInfoA version;
        const char* page;
    } rows[] = {
        {{5, 1, 2600, 2}, ",,2"},
        {{5, 0, 2195, 2}, ",,1"},
        {{4, 10, 2222, 1}, ",,1"},
        {{6, 1, 7601, 2}, ",,0"},
    };
    for (const auto& row : rows) {
        ButtonPanel w(1);
        w.world.system.version = row.version;
        ASSERT_TRUE(w.Start());
        w.Button().Click();
        ASSERT_EQ(w.world.system.launches.size(), 1u);
        const sim::SimLaunch& launch = w.world.system.launches[0];
        EXPECT_EQ(launch.commandLine,
                  std::string("C:\\WINDOWS\\system32\\rundll32.exe shell32.dll,Control_RunDLL "
                              "mmsys.cpl") +
                      row.page);
        EXPECT_EQ(launch.currentDirectory, "C:\\WINDOWS\\system32");
        EXPECT_EQ(launch.startup.desktop, "");
        EXPECT_EQ(launch.creationFlags, 0x90u);
        EXPECT_EQ(launch.startup.dwFlags, 5u);
        // Not waited for, not ended, its handles let go.
        EXPECT_TRUE(w.PanelCalls(Api::TerminateProcess).empty());
        EXPECT_EQ(w.world.system.OpenProcessHandles(), 0u);
    }
    // Without a system folder the line stands alone, with no folder.
    ButtonPanel w(1);
    w.world.system.systemDirectory.clear();
    ASSERT_TRUE(w.Start());
    w.Button().Click();
    ASSERT_EQ(w.world.system.launches.size(), 1u);
    EXPECT_EQ(w.world.system.launches[0].commandLine,
              "rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,,2");
    EXPECT_EQ(w.world.system.launches[0].currentDirectory, "");
}
