// A body of code with a stack of its own that runs only when handed the
// turn: the simulation's worker threads. The body runs on a host thread,
// but strictly one side runs at a time, so a simulated worker is as
// deterministic as the virtual clock that resumes it.
#pragma once

#include <pthread.h>

#include <functional>

namespace sim {

class SimFiber {
public:
    // Thrown inside an abandoned fiber from its next Yield, to unwind it.
    struct Abandoned {};

    explicit SimFiber(std::function<void()> body);
    // Unwinds a fiber that has not finished (see Abandoned) and joins it.
    ~SimFiber();
    SimFiber(const SimFiber&) = delete;
    SimFiber& operator=(const SimFiber&) = delete;

    // Runs the body until it yields or returns; from any host thread but the
    // fiber's own.
    void Resume();
    // From inside the body: hands the turn back to whoever resumed it.
    void Yield();

    bool Started() const { return started_; }
    bool Finished() const { return finished_; }
    // True while the body has the turn.
    bool Running() const { return turn_ == Turn::Fiber; }
    // True when called from the body's own stack.
    bool IsCurrent() const { return started_ && pthread_equal(pthread_self(), thread_) != 0; }

private:
    enum class Turn { Resumer, Fiber };
    static void* Entry(void* self);
    void HandOver(Turn to);

    std::function<void()> body_;
    pthread_t thread_{};
    pthread_mutex_t mutex_ = PTHREAD_MUTEX_INITIALIZER;
    pthread_cond_t changed_ = PTHREAD_COND_INITIALIZER;
    Turn turn_ = Turn::Resumer;
    bool started_ = false;
    bool finished_ = false;
    bool abandoned_ = false;
};

}  // namespace sim
