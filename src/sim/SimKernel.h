// Kernel objects of the simulated Windows: named semaphores, events and the
// handles of threads, each reached through a handle of the process that
// opened it.
#pragma once

#include <map>
#include <string>

#include "platform/WinTypes.h"

namespace sim {

struct SimKernelObject {
    enum class Kind { Semaphore, Event, Thread };
    Kind kind = Kind::Event;
    platform::DWord process = 0;  // the process whose handle this is
    std::string name;             // a semaphore's name
    platform::DWord thread = 0;   // a thread handle's thread
    bool manualReset = false;     // an event's
    bool signalled = false;       // an event's
};

class SimKernel {
public:
    // Opens the named semaphore; true when the name existed already.
    bool OpenSemaphore(const std::string& name);
    bool SemaphoreExists(const std::string& name) const { return semaphores_.count(name) > 0; }

    platform::Handle Add(SimKernelObject object);
    SimKernelObject* Find(platform::Handle handle);
    // Closes the handle (a semaphore goes with its last handle).
    bool Close(platform::Handle handle);
    // Closes every handle of a process that ended.
    void CloseAllOf(platform::DWord process);
    std::size_t OpenHandles(platform::DWord process) const;

private:
    std::map<std::string, int> semaphores_;
    std::map<platform::Handle, SimKernelObject> objects_;
    platform::Handle next_ = 0x40;
};

}  // namespace sim
