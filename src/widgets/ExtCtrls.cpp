#include "widgets/ExtCtrls.h"

#include "widgets/Application.h"
#include "widgets/Form.h"

namespace vcl {

TTimer::TTimer(std::string name, TCustomForm& owner)
    : TComponent(std::move(name), owner), id_(owner.RegisterTimer(*this)) {
    UpdateTimer();
}

TTimer::~TTimer() {
    enabled_ = false;
    UpdateTimer();
    Owner().UnregisterTimer(*this);
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::Restart() {
    enabled_ = true;
    if (!running_) return UpdateTimer();
    running_ = Ports().timers.SetTimer(Owner().Handle(), id_, interval_);
}

void TTimer::SetInterval(platform::UInt ms) {
    if (interval_ == ms) return;
    interval_ = ms;
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    const platform::Hwnd hwnd = Owner().Handle();
    if (hwnd == 0) return;
    auto& timers = Ports().timers;
    if (running_) timers.KillTimer(hwnd, id_);
    running_ = enabled_ && interval_ > 0 && timers.SetTimer(hwnd, id_, interval_);
}

void TTimer::Fire() {
    // A WM_TIMER may still be queued after the timer was stopped.
    if (enabled_ && OnTimer) OnTimer(this);
}

}  // namespace vcl
