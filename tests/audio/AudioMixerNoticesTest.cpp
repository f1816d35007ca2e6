// The notification window: the mixer's notices become events while a device
// is open; the default-device worker's results are answered and raised
// whether or not one is; anything else gets the default handling.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/MixerWorld.h"
#include "platform/WinConst.h"

using namespace platform;
using audio_test::MixerWorld;

TEST(AudioMixerNotices, ControlAndLineChangesRaiseEventsOnlyWhileADeviceIsOpen) {
    MixerWorld w;
    sim::SimMixerDevice& device = w.world.mixer.AddDevice("USB Audio Device");
    const DWord volume =
        device.AddDestination("Speaker", 2).AddControl(MIXERCONTROL_CONTROLTYPE_VOLUME).id;
    audio::TAudioMixer& mixer = w.CreateMixer();
    std::vector<std::string> seen;
    auto note = [&](const char* what) {
        return [&seen, what, &mixer](vcl::TObject* sender, HMixer handle, int id) {
            seen.push_back(std::string(what) + (sender == &mixer ? "" : " from a stranger") + " " +
                           std::to_string(handle) + " " + std::to_string(id));
        };
    };
    mixer.OnCtrlChange = note("control");
    mixer.OnLineChange = note("line");
    const std::string handle = std::to_string(mixer.FMixerHandle.get());

    // Another program changes the volume: winmm posts the notice.
    w.world.mixer.SetValues(0, volume, {5, 5});
    w.Pump();
    ASSERT_EQ(seen, (std::vector<std::string>{"control " + handle + " " + std::to_string(volume)}));
    seen.clear();
    w.process.messages.PostMessageA(mixer.FNotifyWnd, MM_MIXM_LINE_CHANGE, 77, 9);
    w.Pump();
    EXPECT_EQ(seen, (std::vector<std::string>{"line 77 9"}));
    seen.clear();

    // A notice that arrives while nothing is open raises nothing.
    w.world.mixer.SetValues(0, volume, {6, 6});
    mixer.CloseMixer();
    w.Pump();
    w.process.messages.PostMessageA(mixer.FNotifyWnd, MM_MIXM_CONTROL_CHANGE, 1, volume);
    w.process.messages.PostMessageA(mixer.FNotifyWnd, MM_MIXM_LINE_CHANGE, 1, 2);
    w.Pump();
    EXPECT_TRUE(seen.empty());
}

TEST(AudioMixerNotices, WorkerResultsAreAnsweredBeforeTheirEventsAndOtherMessagesGoOn) {
    MixerWorld w;
    audio::TAudioMixer& mixer = w.CreateMixer();  // no device: nothing open
    sim::SimProcess worker(w.world, "worker");
    std::vector<std::string> seen;
    mixer.OnSysDefaultSuccess = [&](vcl::TObject* sender, int out, int in) {
        // The sender's wait is over before the handler runs.
        const bool replied = !w.world.Journal().Of(sim::Api::ReplyMessage).empty();
        seen.push_back("success " + std::to_string(out) + " " + std::to_string(in) +
                       (replied ? " replied" : "") + (sender == &mixer ? "" : " stranger"));
    };
    mixer.OnSysDefaultFail = [&](vcl::TObject*) { seen.push_back("fail"); };

    LResult result = 0;
    ASSERT_TRUE(worker.messages.SendMessageTimeoutA(mixer.FNotifyWnd, audio::WM_SYSDEFAULT_SUCCESS,
                                                    3, 1, 0, 1000, &result));
    EXPECT_EQ(result, 1);
    ASSERT_TRUE(worker.messages.SendMessageTimeoutA(mixer.FNotifyWnd, audio::WM_SYSDEFAULT_FAIL, 0,
                                                    0, 0, 1000, &result));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(seen, (std::vector<std::string>{"success 3 1 replied", "fail"}));
    EXPECT_EQ(w.world.Journal().Of(sim::Api::ReplyMessage).size(), 2u);

    w.process.messages.SendMessageA(mixer.FNotifyWnd, WM_USER + 5, 0, 0);
    EXPECT_EQ(w.Calls(sim::Api::DefWindowProcA, WM_USER + 5).size(), 1u);
}
