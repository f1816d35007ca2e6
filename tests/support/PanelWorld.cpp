#include "support/PanelWorld.h"

namespace testing_support {

PanelWorld::PanelWorld() = default;

PanelWorld::~PanelWorld() {
    program_.reset();
    panelProcess.Exit();
}

bool PanelWorld::Start(std::vector<std::string> args) {
    program_ = std::make_unique<app::Program>(panelProcess.Platform(), std::move(args));
    panelProcess.SetPump([this] {
        program_->Application().ProcessMessages();
        FinishIfTerminated();
    });
    running_ = program_->Start();
    if (!running_) program_->Shutdown();
    FinishIfTerminated();
    return running_;
}

void PanelWorld::FinishIfTerminated() {
    if (running_ && program_->Application().Terminated()) {
        running_ = false;
        program_->Shutdown();
    }
}

void PanelWorld::Advance(std::uint64_t ms) {
    world.Advance(ms);
    FinishIfTerminated();
}

int PanelWorld::SecondStart(std::vector<std::string> args) {
    sim::SimProcess second(world, "second");
    app::Program program(second.Platform(), std::move(args));
    const int code = program.Main();
    second.Exit();
    FinishIfTerminated();
    return code;
}

std::vector<sim::SimCall> PanelWorld::PanelCalls(sim::Api api) {
    const platform::DWord tid = panelProcess.ThreadId();
    return world.Journal().Where(
        [&](const sim::SimCall& c) { return c.thread == tid && c.api == api; });
}

std::vector<sim::SimCall> PanelWorld::PanelCalls(sim::Api api, platform::UInt msg) {
    const platform::DWord tid = panelProcess.ThreadId();
    return world.Journal().Where(
        [&](const sim::SimCall& c) { return c.thread == tid && c.api == api && c.msg == msg; });
}

bool PanelWorld::TimerRunning(const vcl::TTimer& timer) {
    return world.TimerRunning(Form().Handle(), timer.Id());
}

}  // namespace testing_support
