// Window timers on the virtual clock: each is due at a time and, once its
// WM_TIMER is taken, due again a full interval later.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/WinTypes.h"

namespace sim {

struct SimTimer {
    platform::Hwnd hwnd = 0;
    platform::UInt id = 0;
    platform::UInt interval = 0;
    std::uint64_t due = 0;
};

class SimTimers {
public:
    // Setting a running timer again starts its interval anew.
    void Set(platform::Hwnd hwnd, platform::UInt id, platform::UInt intervalMs, std::uint64_t now);
    bool Kill(platform::Hwnd hwnd, platform::UInt id);
    void KillAllOf(platform::Hwnd hwnd);
    bool Running(platform::Hwnd hwnd, platform::UInt id) const { return Due(hwnd, id) != 0; }
    // When the timer fires next; 0 when it is not running.
    std::uint64_t Due(platform::Hwnd hwnd, platform::UInt id) const;

    // The earliest timer due by now among those belong() accepts.
    SimTimer* EarliestDue(std::uint64_t now, const std::function<bool(platform::Hwnd)>& belong);
    bool AnyDue(std::uint64_t now, const std::function<bool(platform::Hwnd)>& belong) const;
    // How many timers run on the windows belong() accepts.
    std::size_t CountOf(const std::function<bool(platform::Hwnd)>& belong) const;
    // The earliest time after now at which one of them falls due; 0 if none.
    std::uint64_t NextDueAfter(std::uint64_t now,
                               const std::function<bool(platform::Hwnd)>& belong) const;

private:
    std::vector<SimTimer> timers_;
};

}  // namespace sim
