// Kernel objects and waits of the start-up: the named semaphore, the thread's
// last error and Sleep, and CloseHandle for every kernel object (process,
// thread, event, semaphore, file), which platform::KernelHandle and
// platform::FileHandle call.
#pragma once

#include <string>

#include "platform/WinTypes.h"

namespace platform {

class SyncPort {
public:
    virtual ~SyncPort() = default;
    // Null security attributes; sets the last error (ERROR_ALREADY_EXISTS).
    virtual Handle CreateSemaphoreA(long initialCount, long maximumCount,
                                    const std::string& name) = 0;
    virtual DWord GetLastError() = 0;
    virtual void Sleep(DWord milliseconds) = 0;
    virtual bool CloseHandle(Handle object) = 0;
};

}  // namespace platform
