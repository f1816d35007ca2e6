// The set of ports a program instance runs on: the Win32 adapter fills it
// with the real Windows, the simulation with an in-memory one.
#pragma once

#include "platform/MessagePort.h"
#include "platform/SyncPort.h"
#include "platform/TimerPort.h"
#include "platform/WindowPort.h"

namespace platform {

struct Platform {
    MessagePort& messages;
    WindowPort& windows;
    TimerPort& timers;
    SyncPort& sync;
};

}  // namespace platform
