// A simulated desktop with the panel running on it, for tests: the world,
// the panel's process and program, and a driver stand-in.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/Program.h"
#include "sim/SimDriver.h"
#include "sim/SimProcess.h"
#include "sim/SimWorld.h"

namespace testing_support {

class PanelWorld {
public:
    PanelWorld();
    ~PanelWorld();

    sim::SimWorld world;
    sim::SimProcess panelProcess{world, "panel"};
    sim::SimDriver driver{world};

    // Starts the first instance; false when it ended at start-up.
    bool Start(std::vector<std::string> args = {});
    app::Program& Program() { return *program_; }
    app::TForm1& Form() { return *program_->Form1(); }
    platform::Hwnd Panel() { return program_->Form1()->Handle(); }
    platform::Hwnd Owner() { return program_->Application().Handle(); }

    // Lets virtual time pass; the panel's loop runs on the way. When the
    // panel's application terminates, its windows are destroyed as the real
    // program does after its loop.
    void Advance(std::uint64_t ms);
    bool Running() const { return running_; }
    // Ends the panel's loop the way it ends after a terminate.
    void FinishIfTerminated();

    // Another start of the program, in a process of its own; its exit code.
    int SecondStart(std::vector<std::string> args);

    // Journal shortcuts.
    std::vector<sim::SimCall> PanelCalls(sim::Api api);
    std::vector<sim::SimCall> PanelCalls(sim::Api api, platform::UInt msg);
    bool TimerRunning(const vcl::TTimer& timer);

private:
    std::unique_ptr<app::Program> program_;
    bool running_ = false;
};

}  // namespace testing_support
