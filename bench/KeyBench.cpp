// A handset key message with key mode on and the window shown and in front,
// sent across threads, answered and acted on: the shortcut selection moved
// on the first page, and the focused speaker slider stepped on the audio
// page (which writes the handset's mixer). Each message is a new press: the
// two codes alternate without a release in between, so the held key is
// replaced every time.
#include <benchmark/benchmark.h>

#include "LinkedPanel.h"
#include "driverlink/HandsetMessage.h"
#include "support/HandsetMixer.h"

namespace {

constexpr std::uint8_t kKeyModeOn = 1, kIdle = 0;

// Key mode on, the window shown and in front on the given page.
struct ShownPanel : LinkedPanel {
    app::TForm1* f = nullptr;

    explicit ShownPanel(int page)
        : LinkedPanel([](sim::SimMixer& mixer) { testing_support::AddHandsetMixer(mixer); }) {
        f = program.Form1();
        driver.Status(Panel(), driverlink::kHandsetPresent,
                      sim::SimDriver::StatusLParam(kKeyModeOn, kIdle));
        f->ShowMainWindow();
        f->suiPageControl1.SetActivePageIndex(page);
        world.Advance(0);
    }
    bool InFront() { return world.desktop.foreground == Panel(); }
    void Key(std::uint8_t code) {
        benchmark::DoNotOptimize(driver.Key(Panel(), code, driverlink::kHandsetPresent,
                                            sim::SimDriver::StatusLParam(kKeyModeOn, kIdle)));
    }
};

void BM_KeyMessageMovesShortcutSelection(benchmark::State& state) {
    ShownPanel p(0);
    if (!p.InFront()) state.SkipWithError("the window is not in front");
    p.Key(31);
    if (p.f->WebIndex != 1) state.SkipWithError("the down key did not move the selection");
    p.Key(17);
    if (p.f->WebIndex != 0) state.SkipWithError("the up key did not move the selection");
    std::uint8_t code = 31;  // down, then up, then down...
    for (auto _ : state) {
        p.Key(code);
        code = code == 31 ? 17 : 31;
    }
}
BENCHMARK(BM_KeyMessageMovesShortcutSelection);

void BM_KeyMessageStepsFocusedSpeakerSlider(benchmark::State& state) {
    ShownPanel p(2);
    if (!p.f->suiTrackBarVolOut.Enabled()) state.SkipWithError("the speaker slider is disabled");
    p.f->suiTrackBarVolOut.SetFocus();
    p.f->suiTrackBarVolOut.SetPosition(32768);
    p.Key(38);
    if (p.f->suiTrackBarVolOut.Position() != 32768 + 4096)
        state.SkipWithError("the raise key did not step the slider");
    p.Key(37);
    if (p.f->suiTrackBarVolOut.Position() != 32768)
        state.SkipWithError("the lower key did not step the slider");
    std::uint8_t code = 38;  // raise, then lower, then raise...
    for (auto _ : state) {
        p.Key(code);
        code = code == 38 ? 37 : 38;
    }
}
BENCHMARK(BM_KeyMessageStepsFocusedSpeakerSlider);

}  // namespace
