// The handles one simulated process holds, by kind, as its ports hand them
// out and take them back: what tests read to prove that nothing outlives
// its use.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace sim {

enum class HandleKind {
    Desktop,
    Process,
    Thread,
    File,
    Find,
    Event,
    Semaphore,
    Menu,
    RegistryKey,
    MixerDevice,
    MciDevice,
};

const char* HandleKindName(HandleKind kind);

class SimHandleLedger {
public:
    void Opened(HandleKind kind, std::uintptr_t handle);
    // Takes the handle back as the first of kinds it is open as; false when
    // it is open as none of them.
    bool Closed(std::initializer_list<HandleKind> kinds, std::uintptr_t handle);
    bool IsOpen(HandleKind kind, std::uintptr_t handle) const;
    std::size_t Count(HandleKind kind) const;
    // Every kind with handles open, and how many.
    std::map<HandleKind, std::size_t> Counts() const;
    // "Desktop 1, File 2"; "none" when nothing is open.
    std::string Describe() const;
    // The process ended: Windows closes everything it held.
    void Clear() { open_.clear(); }

private:
    std::set<std::pair<HandleKind, std::uintptr_t>> open_;
};

}  // namespace sim
