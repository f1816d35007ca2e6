// A panel the simulated driver has discovered, on a simulated Windows with
// the journal off: what the benchmarks time their messages against.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "app/Program.h"
#include "sim/SimDriver.h"
#include "sim/SimMixer.h"
#include "sim/SimProcess.h"

struct LinkedPanel {
    sim::SimWorld world;
    sim::SimProcess panelProcess{world, "panel"};
    sim::SimDriver driver{world};
    app::Program program{panelProcess.Platform(), {}};

    explicit LinkedPanel(const std::function<void(sim::SimMixer&)>& devices = {}) {
        world.journalEnabled = false;
        if (devices) devices(world.mixer);
        panelProcess.SetPump([this] { program.Application().ProcessMessages(); });
        program.Start();
        driver.Discover(Panel());
        world.Advance(0);
    }
    platform::Hwnd Panel() { return program.Form1()->Handle(); }
    // The mixer calls the panel makes for one status message.
    std::size_t MixerCallsOfOneStatus(std::uint32_t statusW, std::uint32_t statusL) {
        world.journalEnabled = true;
        world.Journal().Clear();
        driver.Status(Panel(), statusW, statusL);
        const std::size_t calls = world.Journal()
                                      .Where([](const sim::SimCall& c) {
                                          return c.api >= sim::Api::mixerGetNumDevs &&
                                                 c.api <= sim::Api::mixerSetControlDetails;
                                      })
                                      .size();
        world.journalEnabled = false;
        return calls;
    }
};
