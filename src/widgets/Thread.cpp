#include "widgets/Thread.h"

#include "platform/WinConst.h"

namespace vcl {

using namespace platform;

void TThread::Start(bool suspended) {
    ThreadPort& threads = platform_.threads;
    terminateEvent_ = threads.CreateEventA(true, false);
    if (!terminateEvent_) return;
    handle_ = threads.CreateThread(*this, suspended, &threadId_);
    suspended_ = handle_ != 0 && suspended;
}

TThread::~TThread() {
    Stop();
    if (terminateEvent_) platform_.threads.CloseHandle(terminateEvent_);
}

void TThread::Stop() {
    if (!handle_) return;
    ThreadPort& threads = platform_.threads;
    Terminate();
    if (suspended_) Resume();
    // The body may be sending to this thread's windows right now: a wait
    // that did not take sent messages would never end.
    for (;;) {
        if (threads.MsgWaitForSingleObject(handle_, INFINITE) != WAIT_OBJECT_0 + 1) break;
        Msg sent;
        platform_.messages.PeekMessageA(sent, 0, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    threads.CloseHandle(handle_);
    handle_ = 0;
}

DWord TThread::Run() {
    // Nothing may leave a thread's body.
    try {
        Execute();
    } catch (...) {
        return 1;
    }
    return 0;
}

void TThread::Resume() {
    if (!handle_ || !suspended_) return;
    if (platform_.threads.ResumeThread(handle_) != 0xFFFFFFFFu) suspended_ = false;
}

void TThread::Terminate() {
    if (terminateEvent_) platform_.threads.SetEvent(terminateEvent_);
}

bool TThread::Terminated() const {
    return terminateEvent_ && platform_.threads.WaitForSingleObject(terminateEvent_, 0) == WAIT_OBJECT_0;
}

DWord TThread::WaitFor() {
    if (!handle_) return 0;
    platform_.threads.WaitForSingleObject(handle_, INFINITE);
    DWord code = 0;
    platform_.threads.GetExitCodeThread(handle_, &code);
    return code;
}

bool TThread::Finished() const {
    return handle_ && platform_.threads.WaitForSingleObject(handle_, 0) == WAIT_OBJECT_0;
}

}  // namespace vcl
