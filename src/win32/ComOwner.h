// The owner of one COM interface pointer: it holds one reference and gives
// it back when it goes, so an early return cannot leak an object, and a
// reference that must go at a given moment (before CoUninitialize, before
// its window goes) goes there through reset().
#pragma once

namespace win32 {

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    // Takes over a reference the caller already holds.
    explicit ComPtr(T* held) : held_(held) {}
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : held_(other.release()) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~ComPtr() { reset(); }

    T* get() const { return held_; }
    T* operator->() const { return held_; }
    explicit operator bool() const { return held_ != nullptr; }

    // For the out-parameter of a call that creates or finds an object:
    // whatever was held is released first, so a reused owner cannot leak.
    T** put() {
        reset();
        return &held_;
    }
    // The same, for the calls that take a void** (QueryInterface,
    // CoCreateInstance).
    void** put_void() { return reinterpret_cast<void**>(put()); }

    void reset(T* replacement = nullptr) {
        T* const previous = held_;
        held_ = replacement;
        if (previous) previous->Release();
    }
    // Hands the reference to the caller, who then releases it.
    T* release() {
        T* const taken = held_;
        held_ = nullptr;
        return taken;
    }

private:
    T* held_ = nullptr;
};

}  // namespace win32
