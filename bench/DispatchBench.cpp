// How long the panel takes to take in one WM_HANDSET from the driver: a
// status message and a key message, each sent across threads and answered.
#include <benchmark/benchmark.h>

#include "app/Program.h"
#include "driverlink/HandsetMessage.h"
#include "sim/SimDriver.h"
#include "sim/SimProcess.h"

namespace {

struct LinkedPanel {
    sim::SimWorld world;
    sim::SimProcess panelProcess{world, "panel"};
    sim::SimDriver driver{world};
    app::Program program{panelProcess.Platform(), {}};

    LinkedPanel() {
        world.journalEnabled = false;
        panelProcess.SetPump([this] { program.Application().ProcessMessages(); });
        program.Start();
        driver.Discover(Panel());
        world.Advance(0);
    }
    platform::Hwnd Panel() { return program.Form1()->Handle(); }
};

constexpr std::uint32_t kPresentAndReady =
    driverlink::kHandsetPresent | driverlink::kSkypeReady;

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

}  // namespace
