#include "widgets/Thread.h"

#include "platform/WinConst.h"

namespace vcl {

using namespace platform;

void TThread::Start(bool suspended) {
    ThreadPort& threads = platform_.threads;
    terminateEvent_ = KernelHandle(platform_.sync, threads.CreateEventA(true, false));
    if (!terminateEvent_) return;
    handle_ = KernelHandle(platform_.sync, threads.CreateThread(*this, suspended, &threadId_));
    suspended_ = handle_ && suspended;
}

TThread::~TThread() {
    Stop();
}

void TThread::Stop() {
    if (!handle_) return;
    ThreadPort& threads = platform_.threads;
    Terminate();
    if (suspended_) Resume();
    // The body may be sending to this thread's windows right now: a wait
    // that did not take sent messages would never end.
    for (;;) {
        if (threads.MsgWaitForSingleObject(handle_.get(), INFINITE) != WAIT_OBJECT_0 + 1) break;
        Msg sent;
        platform_.messages.PeekMessageA(sent, 0, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    handle_.reset();
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
    if (platform_.threads.ResumeThread(handle_.get()) != 0xFFFFFFFFu) suspended_ = false;
}

void TThread::Terminate() {
    if (terminateEvent_) platform_.threads.SetEvent(terminateEvent_.get());
}

bool TThread::Terminated() const {
    return terminateEvent_ &&
           platform_.threads.WaitForSingleObject(terminateEvent_.get(), 0) == WAIT_OBJECT_0;
}

DWord TThread::WaitFor() {
    if (!handle_) return 0;
    platform_.threads.WaitForSingleObject(handle_.get(), INFINITE);
    DWord code = 0;
    platform_.threads.GetExitCodeThread(handle_.get(), &code);
    return code;
}

bool TThread::Finished() const {
    return handle_ && platform_.threads.WaitForSingleObject(handle_.get(), 0) == WAIT_OBJECT_0;
}

}  // namespace vcl
