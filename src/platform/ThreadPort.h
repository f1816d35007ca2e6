// Threads of the program's own process and the kernel objects that hand
// work and its end between them: the thread itself (created running or
// suspended, waited for), and events (the request to end is one).
#pragma once

#include "platform/WinTypes.h"

namespace platform {

// The body of a thread; Run's result is the thread's exit code. Nothing may
// leave Run by an exception: there is no caller to catch it.
class ThreadBody {
public:
    virtual ~ThreadBody() = default;
    virtual DWord Run() = 0;
};

class ThreadPort {
public:
    virtual ~ThreadPort() = default;

    // CreateThread with the default stack and no security attributes; 0 when
    // it failed. The body must outlive the thread.
    virtual Handle CreateThread(ThreadBody& body, bool suspended, DWord* threadId) = 0;
    // The previous suspend count, or 0xFFFFFFFF on failure.
    virtual DWord ResumeThread(Handle thread) = 0;
    virtual bool GetExitCodeThread(Handle thread, DWord* exitCode) = 0;

    // CreateEventA without a name or security attributes.
    virtual Handle CreateEventA(bool manualReset, bool initialState) = 0;
    virtual bool SetEvent(Handle event) = 0;
    virtual bool ResetEvent(Handle event) = 0;

    // WAIT_OBJECT_0 when the object is signalled (a thread: it has ended),
    // WAIT_TIMEOUT when the time ran out, WAIT_FAILED for a bad handle.
    virtual DWord WaitForSingleObject(Handle object, DWord timeoutMs) = 0;
    // MsgWaitForMultipleObjects on one object, woken also by a message sent
    // to the calling thread (QS_SENDMESSAGE): WAIT_OBJECT_0 + 1 then, which
    // the caller answers by taking the sent messages (PeekMessageA with
    // PM_QS_SENDMESSAGE) before it waits again.
    virtual DWord MsgWaitForSingleObject(Handle object, DWord timeoutMs) = 0;
};

}  // namespace platform
