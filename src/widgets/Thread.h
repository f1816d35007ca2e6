// The framework's thread class: a body of its own (Execute) on a thread of
// the program's process, asked to end through an event that the body
// polls, created running or suspended, and waited for when it goes.
#pragma once

#include <memory>
#include <utility>

#include "platform/HandleOwners.h"
#include "platform/Platform.h"
#include "widgets/Control.h"

namespace vcl {

class TThread : public TObject, private platform::ThreadBody {
public:
    // Ends the thread while the derived object is still whole, then deletes it.
    struct Deleter {
        void operator()(TThread* thread) const {
            thread->Stop();
            delete thread;
        }
    };
    template <class T>
    using Owned = std::unique_ptr<T, Deleter>;

    // Constructs the thread's object, then starts its thread: suspended
    // until Resume when createSuspended is set. The thread starts and ends
    // only while the derived object is whole, so Execute never runs on a
    // half-built or half-destroyed one. Check Created(): starting can fail.
    template <class T, class... Args>
    // cppcheck-suppress constParameter ; T's constructor takes the ports writable
    static Owned<T> Create(platform::Platform& platform, bool createSuspended, Args&&... args) {
        Owned<T> thread(new T(platform, std::forward<Args>(args)...));
        thread->Start(createSuspended);
        return thread;
    }

    explicit TThread(platform::Platform& platform) : platform_(platform) {}
    ~TThread() override;
    // Asks the body to end, lets a suspended thread run to see that, waits
    // for it (answering what it sends this thread meanwhile) and releases
    // it.
    void Stop();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    bool Created() const { return static_cast<bool>(handle_); }
    platform::DWord ThreadID() const { return threadId_; }
    bool Suspended() const { return suspended_; }
    void Resume();
    // The request to end; the body sees it through Terminated().
    void Terminate();
    bool Terminated() const;
    // Waits until the body has returned; its exit code.
    platform::DWord WaitFor();
    bool Finished() const;

protected:
    virtual void Execute() = 0;
    platform::Platform& Ports() const { return platform_; }

private:
    void Start(bool suspended);
    platform::DWord Run() override;

    platform::Platform& platform_;
    platform::KernelHandle handle_;
    platform::KernelHandle terminateEvent_;
    platform::DWord threadId_ = 0;
    bool suspended_ = false;
};

}  // namespace vcl
