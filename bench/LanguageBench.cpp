// How long switching the language from the tray menu takes: every control's
// font, every caption converted from the table, the menu, the tip and the
// stored choice, alternating between two languages so that each pick
// applies.
#include <benchmark/benchmark.h>

#include "app/Program.h"
#include "sim/SimProcess.h"

namespace {

struct Panel {
    sim::SimWorld world;
    sim::SimProcess panelProcess{world, "panel"};
    app::Program program{panelProcess.Platform(), {}};

    Panel() {
        world.journalEnabled = false;
        panelProcess.SetPump([this] { program.Application().ProcessMessages(); });
        program.Start();
        world.Advance(0);
    }
};

void BM_LanguageSwitch(benchmark::State& state) {
    Panel panel;
    app::TForm1& form = *panel.program.Form1();
    const int languages[] = {4, 20};  // Korean (its own font) and Russian
    int next = 0;
    for (auto _ : state) {
        form.SelectLanguage(languages[next]);
        next ^= 1;
    }
    if (form.CurrentLanguage != languages[next ^ 1])
        state.SkipWithError("the switch did not apply");
}
BENCHMARK(BM_LanguageSwitch)->Unit(benchmark::kMicrosecond);

}  // namespace
