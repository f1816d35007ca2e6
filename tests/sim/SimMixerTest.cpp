// The simulated mixer: devices tests describe, the handles processes hold,
// winmm's checks of what callers pass, and the control-change notices posted
// to every callback window that has the device open.
#include <gtest/gtest.h>

#include <vector>

#include "platform/WinConst.h"
#include "sim/SimProcess.h"

using namespace platform;
using sim::SimProcess;
using sim::SimWorld;

namespace {

struct Notice {
    Hwnd window;
    WParam handle;
    LParam control;
};

// A window of process that notes the mixer notices it receives.
Hwnd NoticeWindow(SimProcess& process, std::vector<Notice>& seen) {
    return process.CreatePeerWindow("Notices", "", [&seen](Hwnd h, UInt msg, WParam w, LParam l) {
        if (msg == MM_MIXM_CONTROL_CHANGE) seen.push_back(Notice{h, w, l});
        return LResult{0};
    });
}

MixerControlDetails Details(DWord control, DWord channels, DWord items, std::vector<DWord>& buf) {
    MixerControlDetails d;
    d.cbStruct = sizeof d;
    d.dwControlID = control;
    d.cChannels = channels;
    d.cMultipleItems = items;
    d.cbDetails = sizeof(DWord);
    d.paDetails = buf.data();
    return d;
}

}  // namespace

TEST(SimMixer, SettingAValueNotifiesEveryHolderWithItsOwnHandleUntilItClosesOrExits) {
    SimWorld world;
    sim::SimMixerDevice& device = world.mixer.AddDevice("USB Audio Device");
    sim::SimMixerLine& speaker = device.AddDestination("Speaker", 2);
    const DWord volume = speaker.AddControl(MIXERCONTROL_CONTROLTYPE_VOLUME).id;
    world.mixer.AddDevice("Other").AddDestination("Master", 2);

    SimProcess panel(world, "panel"), other(world, "other"), bystander(world, "bystander");
    std::vector<Notice> panelSeen, otherSeen, bystanderSeen;
    const Hwnd panelWindow = NoticeWindow(panel, panelSeen);
    const Hwnd otherWindow = NoticeWindow(other, otherSeen);
    const Hwnd bystanderWindow = NoticeWindow(bystander, bystanderSeen);
    HMixer panelHandle = 0, otherHandle = 0, bystanderHandle = 0;
    ASSERT_EQ(panel.mixer.mixerOpen(&panelHandle, 0, panelWindow, 0, CALLBACK_WINDOW),
              MMSYSERR_NOERROR);
    ASSERT_EQ(other.mixer.mixerOpen(&otherHandle, 0, otherWindow, 0, CALLBACK_WINDOW),
              MMSYSERR_NOERROR);
    ASSERT_EQ(bystander.mixer.mixerOpen(&bystanderHandle, 1, bystanderWindow, 0, CALLBACK_WINDOW),
              MMSYSERR_NOERROR);
    EXPECT_NE(panelHandle, otherHandle);
    EXPECT_EQ(world.mixer.OpenCount(0), 2);

    // The panel writes one channel's worth: both channels take it.
    std::vector<DWord> one{40000};
    MixerControlDetails d = Details(volume, 1, 0, one);
    ASSERT_EQ(panel.mixer.mixerSetControlDetails(panelHandle, &d, MIXER_OBJECTF_HMIXER),
              MMSYSERR_NOERROR);
    EXPECT_EQ(speaker.controls[0].values, (std::vector<DWord>{40000, 40000}));
    world.Pump();
    ASSERT_EQ(panelSeen.size(), 1u);
    EXPECT_EQ(panelSeen[0].handle, panelHandle);
    EXPECT_EQ(panelSeen[0].control, static_cast<LParam>(volume));
    ASSERT_EQ(otherSeen.size(), 1u);
    EXPECT_EQ(otherSeen[0].handle, otherHandle);
    EXPECT_TRUE(bystanderSeen.empty());

    // Another process cannot use or close the panel's handle.
    EXPECT_EQ(other.mixer.mixerClose(panelHandle), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(other.mixer.mixerSetControlDetails(panelHandle, &d, MIXER_OBJECTF_HMIXER),
              MMSYSERR_INVALHANDLE);

    // A closed handle and an ended process hear nothing more.
    EXPECT_EQ(panel.mixer.mixerClose(panelHandle), MMSYSERR_NOERROR);
    EXPECT_EQ(panel.mixer.mixerClose(panelHandle), MMSYSERR_INVALHANDLE);
    world.mixer.SetValues(0, volume, {1, 2});
    world.Pump();
    EXPECT_EQ(panelSeen.size(), 1u);
    EXPECT_EQ(otherSeen.size(), 2u);
    other.Exit();
    EXPECT_EQ(world.mixer.OpenCount(0), 0);
    EXPECT_EQ(world.mixer.OpenCount(1), 1);
}

TEST(SimMixer, OpeningAndQueriesFailAsDescribedOrWhenTheCallerGetsTheLayoutWrong) {
    SimWorld world;
    world.mixer.AddDevice("Broken").failsToOpen = true;
    sim::SimMixerDevice& device = world.mixer.AddDevice("Good");
    sim::SimMixerLine& master = device.AddDestination("Master", 2);
    sim::SimMixerLine& wave = device.AddSource(master, "Wave", 2);
    wave.failsQuery = true;
    master.failsControls = true;
    sim::SimMixerLine& input = device.AddDestination("Input", 8);
    const DWord mux =
        input
            .AddControl(MIXERCONTROL_CONTROLTYPE_MUX,
                        MIXERCONTROL_CONTROLF_UNIFORM | MIXERCONTROL_CONTROLF_MULTIPLE, 40)
            .id;
    const DWord volume = input.AddControl(MIXERCONTROL_CONTROLTYPE_VOLUME).id;
    input.controls[0].values[39] = 1;
    input.controls[1].values[7] = 70000;

    SimProcess panel(world, "panel");
    const Hwnd window = panel.CreatePeerWindow("W", "", nullptr);
    HMixer handle = 0;
    EXPECT_EQ(panel.mixer.mixerGetNumDevs(), 2u);
    EXPECT_EQ(panel.mixer.mixerOpen(&handle, 0, window, 0, CALLBACK_WINDOW), MMSYSERR_NODRIVER);
    EXPECT_EQ(panel.mixer.mixerOpen(&handle, 2, window, 0, CALLBACK_WINDOW), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(panel.mixer.mixerOpen(&handle, 1, 0x999, 0, CALLBACK_WINDOW), MMSYSERR_INVALPARAM);
    ASSERT_EQ(panel.mixer.mixerOpen(&handle, 1, window, 0, CALLBACK_WINDOW), MMSYSERR_NOERROR);

    MixerCapsA caps;
    ASSERT_EQ(panel.mixer.mixerGetDevCapsA(1, &caps, sizeof caps), MMSYSERR_NOERROR);
    EXPECT_STREQ(caps.szPname, "Good");
    EXPECT_EQ(caps.cDestinations, 2u);

    MixerLineA line;
    line.cbStruct = sizeof line - 1;
    EXPECT_EQ(panel.mixer.mixerGetLineInfoA(handle, &line, MIXER_OBJECTF_HMIXER),
              MMSYSERR_INVALPARAM);
    line.cbStruct = sizeof line;
    line.dwDestination = 0;
    ASSERT_EQ(panel.mixer.mixerGetLineInfoA(handle, &line, MIXER_OBJECTF_HMIXER), MMSYSERR_NOERROR);
    EXPECT_EQ(line.cConnections, 1u);
    EXPECT_EQ(line.cChannels, 2u);
    line.dwSource = 0;
    EXPECT_EQ(panel.mixer.mixerGetLineInfoA(handle, &line,
                                            MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_SOURCE),
              MMSYSERR_ERROR);
    line.dwDestination = 5;
    EXPECT_EQ(panel.mixer.mixerGetLineInfoA(handle, &line, MIXER_OBJECTF_HMIXER), MIXERR_INVALLINE);

    std::vector<MixerControlA> block(2);
    MixerLineControlsA query;
    query.cbStruct = sizeof query;
    query.dwLineID = master.lineId;
    query.cControls = 0;
    query.cbmxctrl = sizeof(MixerControlA);
    query.pamxctrl = block.data();
    EXPECT_EQ(panel.mixer.mixerGetLineControlsA(handle, &query, MIXER_OBJECTF_HMIXER),
              MMSYSERR_ERROR);
    query.dwLineID = input.lineId;
    query.cControls = 1;  // the line has two
    EXPECT_EQ(panel.mixer.mixerGetLineControlsA(handle, &query, MIXER_OBJECTF_HMIXER),
              MMSYSERR_INVALPARAM);
    query.cControls = 2;
    ASSERT_EQ(panel.mixer.mixerGetLineControlsA(handle, &query, MIXER_OBJECTF_HMIXER),
              MMSYSERR_NOERROR);
    EXPECT_EQ(block[0].dwControlID, mux);
    EXPECT_EQ(block[0].cMultipleItems, 40u);
    EXPECT_EQ(block[1].dwControlID, volume);

    // Values: exactly channels × items of them are written.
    std::vector<DWord> values(41, 0xDEAD);
    MixerControlDetails d = Details(mux, 1, 0, values);
    EXPECT_EQ(panel.mixer.mixerGetControlDetailsA(handle, &d, MIXER_OBJECTF_HMIXER),
              MMSYSERR_INVALPARAM);  // a multiple control needs its item count
    d = Details(mux, 8, 40, values);
    EXPECT_EQ(panel.mixer.mixerGetControlDetailsA(handle, &d, MIXER_OBJECTF_HMIXER),
              MMSYSERR_INVALPARAM);  // a uniform one has one channel
    d = Details(mux, 1, 40, values);
    ASSERT_EQ(panel.mixer.mixerGetControlDetailsA(handle, &d, MIXER_OBJECTF_HMIXER),
              MMSYSERR_NOERROR);
    EXPECT_EQ(values[39], 1u);
    EXPECT_EQ(values[40], 0xDEADu);
    std::vector<DWord> eight(9, 0xDEAD);
    d = Details(volume, 3, 0, eight);
    EXPECT_EQ(panel.mixer.mixerGetControlDetailsA(handle, &d, MIXER_OBJECTF_HMIXER),
              MMSYSERR_INVALPARAM);
    d = Details(volume, 8, 0, eight);
    ASSERT_EQ(panel.mixer.mixerGetControlDetailsA(handle, &d, MIXER_OBJECTF_HMIXER),
              MMSYSERR_NOERROR);
    EXPECT_EQ(eight[7], 70000u);
    EXPECT_EQ(eight[8], 0xDEADu);
    input.controls[1].failsReads = true;
    EXPECT_EQ(panel.mixer.mixerGetControlDetailsA(handle, &d, MIXER_OBJECTF_HMIXER),
              MMSYSERR_ERROR);
    d.dwControlID = 999;
    EXPECT_EQ(panel.mixer.mixerGetControlDetailsA(handle, &d, MIXER_OBJECTF_HMIXER),
              MIXERR_INVALCONTROL);
    EXPECT_EQ(world.Journal().Of(sim::Api::mixerGetControlDetailsA).size(), 7u);
}
