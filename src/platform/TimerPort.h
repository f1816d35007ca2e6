// Window timers: WM_TIMER with the timer's id arrives at the window.
#pragma once

#include "platform/WinTypes.h"

namespace platform {

class TimerPort {
public:
    virtual ~TimerPort() = default;
    virtual bool SetTimer(Hwnd hwnd, UInt id, UInt elapseMs) = 0;
    virtual bool KillTimer(Hwnd hwnd, UInt id) = 0;
};

}  // namespace platform
