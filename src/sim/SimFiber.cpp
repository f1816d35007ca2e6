#include "sim/SimFiber.h"

#include <cstdio>
#include <cstdlib>

namespace sim {

SimFiber::SimFiber(std::function<void()> body) : body_(std::move(body)) {}

SimFiber::~SimFiber() {
    if (!started_) return;
    if (!finished_) {
        abandoned_ = true;
        Resume();
    }
    pthread_join(thread_, nullptr);
    pthread_cond_destroy(&changed_);
    pthread_mutex_destroy(&mutex_);
}

void* SimFiber::Entry(void* self) {
    auto* fiber = static_cast<SimFiber*>(self);
    pthread_mutex_lock(&fiber->mutex_);
    while (fiber->turn_ != Turn::Fiber) pthread_cond_wait(&fiber->changed_, &fiber->mutex_);
    pthread_mutex_unlock(&fiber->mutex_);
    if (!fiber->abandoned_) {
        try {
            fiber->body_();
        } catch (const Abandoned&) {
        }
    }
    pthread_mutex_lock(&fiber->mutex_);
    fiber->finished_ = true;
    fiber->turn_ = Turn::Resumer;
    pthread_cond_broadcast(&fiber->changed_);
    pthread_mutex_unlock(&fiber->mutex_);
    return nullptr;
}

void SimFiber::HandOver(Turn to) {
    pthread_mutex_lock(&mutex_);
    turn_ = to;
    pthread_cond_broadcast(&changed_);
    const Turn back = to == Turn::Fiber ? Turn::Resumer : Turn::Fiber;
    while (turn_ != back && !(to == Turn::Fiber && finished_))
        pthread_cond_wait(&changed_, &mutex_);
    pthread_mutex_unlock(&mutex_);
}

void SimFiber::Resume() {
    if (finished_ || Running()) return;
    if (!started_) {
        started_ = true;
        if (pthread_create(&thread_, nullptr, &SimFiber::Entry, this) != 0) {
            std::fputs("SimFiber: no host thread for a simulated worker\n", stderr);
            std::abort();
        }
    }
    HandOver(Turn::Fiber);
}

void SimFiber::Yield() {
    HandOver(Turn::Resumer);
    if (abandoned_) throw Abandoned{};
}

}  // namespace sim
