#include "sim/SimTimers.h"

#include <algorithm>

namespace sim {

using namespace platform;

void SimTimers::Set(Hwnd hwnd, UInt id, UInt intervalMs, std::uint64_t now) {
    Kill(hwnd, id);
    timers_.push_back(SimTimer{hwnd, id, intervalMs, now + intervalMs});
}

bool SimTimers::Kill(Hwnd hwnd, UInt id) {
    const auto before = timers_.size();
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [&](const SimTimer& t) { return t.hwnd == hwnd && t.id == id; }),
                  timers_.end());
    return timers_.size() != before;
}

void SimTimers::KillAllOf(Hwnd hwnd) {
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [&](const SimTimer& t) { return t.hwnd == hwnd; }),
                  timers_.end());
}

std::uint64_t SimTimers::Due(Hwnd hwnd, UInt id) const {
    for (const SimTimer& t : timers_)
        if (t.hwnd == hwnd && t.id == id) return t.due;
    return 0;
}

SimTimer* SimTimers::EarliestDue(std::uint64_t now, const std::function<bool(Hwnd)>& belong) {
    SimTimer* earliest = nullptr;
    for (SimTimer& t : timers_)
        if (t.due <= now && belong(t.hwnd) && (!earliest || t.due < earliest->due)) earliest = &t;
    return earliest;
}

bool SimTimers::AnyDue(std::uint64_t now, const std::function<bool(Hwnd)>& belong) const {
    for (const SimTimer& t : timers_)
        if (t.due <= now && belong(t.hwnd)) return true;
    return false;
}

std::size_t SimTimers::CountOf(const std::function<bool(Hwnd)>& belong) const {
    std::size_t count = 0;
    for (const SimTimer& t : timers_)
        if (belong(t.hwnd)) ++count;
    return count;
}

std::uint64_t SimTimers::NextDueAfter(std::uint64_t now,
                                      const std::function<bool(Hwnd)>& belong) const {
    std::uint64_t next = 0;
    for (const SimTimer& t : timers_)
        if (t.due > now && (next == 0 || t.due < next) && belong(t.hwnd)) next = t.due;
    return next;
}

}  // namespace sim
