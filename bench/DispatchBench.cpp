// How long the panel takes to take in one WM_HANDSET from the driver: a
// status message and a key message, each sent across threads and answered;
// a status message that changes nothing while the volume group is enabled,
// and one that enables it on a large mixer device; a status that changes
// nothing once Skype is pointed at the handset, and a Skype device reply
// matched against 64 devices.
#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

#include "LinkedPanel.h"
#include "driverlink/HandsetMessage.h"
#include "driverlink/SkypeNames.h"
#include "platform/WinConst.h"

namespace {

// A handset device of `destinations` lines with `sources` source lines each,
// every line with a volume and a mute control.
std::function<void(sim::SimMixer&)> HandsetDevice(int destinations, int sources) {
    using namespace platform;
    return [=](sim::SimMixer& mixer) {
        sim::SimMixerDevice& device = mixer.AddDevice("USB Audio Device");
        for (int d = 0; d < destinations; ++d) {
            sim::SimMixerLine& dest = device.AddDestination("Line " + std::to_string(d), 2);
            dest.AddControl(MIXERCONTROL_CONTROLTYPE_VOLUME);
            dest.AddControl(MIXERCONTROL_CONTROLTYPE_MUTE, MIXERCONTROL_CONTROLF_UNIFORM);
            for (int s = 0; s < sources; ++s) {
                sim::SimMixerLine& src = device.AddSource(dest, "Source " + std::to_string(s), 2);
                src.AddControl(MIXERCONTROL_CONTROLTYPE_VOLUME);
                src.AddControl(MIXERCONTROL_CONTROLTYPE_MUTE, MIXERCONTROL_CONTROLF_UNIFORM);
            }
        }
    };
}

constexpr std::uint32_t kPresentAndReady = driverlink::kHandsetPresent | driverlink::kSkypeReady;

void BM_HandsetStatusMessage(benchmark::State& state) {
    LinkedPanel p;
    const platform::Hwnd panel = p.Panel();
    const std::uint32_t status = sim::SimDriver::StatusLParam(1, 0);
    for (auto _ : state) benchmark::DoNotOptimize(p.driver.Status(panel, kPresentAndReady, status));
    p.driver.ClearReceived();
}
BENCHMARK(BM_HandsetStatusMessage);

void BM_HandsetKeyMessage(benchmark::State& state) {
    LinkedPanel p;
    const platform::Hwnd panel = p.Panel();
    std::uint8_t code = 36;
    for (auto _ : state) {
        benchmark::DoNotOptimize(p.driver.Key(panel, code, kPresentAndReady, 0x00000100));
        code = code ? 0 : 36;  // press, release, press...
    }
}
BENCHMARK(BM_HandsetKeyMessage);

// The steady state: the handset present, its device open and the volume
// group enabled. A repeated status enumerates nothing and queries no mixer.
void BM_RepeatedStatusWithVolumeGroupEnabled(benchmark::State& state) {
    LinkedPanel p(HandsetDevice(2, 1));
    const platform::Hwnd panel = p.Panel();
    const std::uint32_t status = sim::SimDriver::StatusLParam(0, 0);
    p.driver.Status(panel, driverlink::kHandsetPresent, status);
    p.world.Advance(0);
    if (!p.program.Form1()->suiGroupBoxVol.Enabled()) state.SkipWithError("group not enabled");
    if (p.MixerCallsOfOneStatus(driverlink::kHandsetPresent, status) != 0)
        state.SkipWithError("a repeated status queried the mixer");
    for (auto _ : state)
        benchmark::DoNotOptimize(p.driver.Status(panel, driverlink::kHandsetPresent, status));
}
BENCHMARK(BM_RepeatedStatusWithVolumeGroupEnabled);

// The status that enables the group on a device of 4 destinations of 8
// sources each: the rescan, the open with its tree, both rows loaded. The
// status that resets the group between two iterations is not timed.
void BM_StatusEnablingVolumeGroup4x8(benchmark::State& state) {
    LinkedPanel p(HandsetDevice(4, 8));
    const platform::Hwnd panel = p.Panel();
    const std::uint32_t status = sim::SimDriver::StatusLParam(0, 0);
    for (auto _ : state) {
        p.driver.Status(panel, driverlink::kHandsetPresent, status);
        state.PauseTiming();
        if (!p.program.Form1()->suiGroupBoxVol.Enabled()) state.SkipWithError("group not enabled");
        p.driver.Status(panel, 0, status);
        p.world.Advance(0);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StatusEnablingVolumeGroup4x8);

// The steady state with Skype: the handset's device open and selected for
// Skype, both groups enabled. A repeated status sends no command.
void BM_RepeatedStatusWithHandsetSelectedForSkype(benchmark::State& state) {
    LinkedPanel p(HandsetDevice(2, 1));
    const platform::Hwnd panel = p.Panel();
    const std::uint32_t status = sim::SimDriver::StatusLParam(0, 0);
    p.driver.Status(panel, kPresentAndReady, status);
    p.world.Advance(0);
    const app::TForm1& form = *p.program.Form1();
    if (form.SkypeOutPending || form.SkypeInPending || !form.suiGroupBoxSkype.Enabled())
        state.SkipWithError("the handset was not selected for Skype");
    p.driver.ClearReceived();
    p.driver.Status(panel, kPresentAndReady, status);
    if (!p.driver.Commands().empty()) state.SkipWithError("a repeated status sent commands");
    for (auto _ : state) benchmark::DoNotOptimize(p.driver.Status(panel, kPresentAndReady, status));
}
BENCHMARK(BM_RepeatedStatusWithHandsetSelectedForSkype);

// A reply naming the last of 64 devices: both decodings, then every
// candidate compared.
void BM_ApplySkypeDeviceReply64Devices(benchmark::State& state) {
    LinkedPanel p([](sim::SimMixer& mixer) {
        for (int i = 0; i < 64; ++i) mixer.AddDevice("Audio Device " + std::to_string(i));
    });
    app::TForm1& form = *p.program.Form1();
    const std::string reply = "AUDIO_OUT Audio Device 63";
    form.ApplySkypeDeviceReply(reply, "AUDIO_OUT ", form.suiComboBoxSkypeOut);
    if (form.suiComboBoxSkypeOut.ItemIndex() != 64) state.SkipWithError("device 63 not selected");
    for (auto _ : state) form.ApplySkypeDeviceReply(reply, "AUDIO_OUT ", form.suiComboBoxSkypeOut);
}
BENCHMARK(BM_ApplySkypeDeviceReply64Devices);

// The matching alone, without the code-page conversions of the simulated
// port: the same reply against the same 64 names.
void BM_SkypeReplyItem64Names(benchmark::State& state) {
    std::vector<std::string> names;
    for (int i = 0; i < 64; ++i) names.push_back("Audio Device " + std::to_string(i));
    const std::string reply = "AUDIO_OUT Audio Device 63";
    const auto same = [](const std::string& n) -> const std::string& { return n; };
    if (driverlink::SkypeReplyItem("AUDIO_OUT ", reply, reply, names, same) != 64)
        state.SkipWithError("device 63 not matched");
    for (auto _ : state)
        benchmark::DoNotOptimize(
            driverlink::SkypeReplyItem("AUDIO_OUT ", reply, reply, names, same));
}
BENCHMARK(BM_SkypeReplyItem64Names);

}  // namespace
