#include "sim/SimHandleLedger.h"

namespace sim {

const char* HandleKindName(HandleKind kind) {
    switch (kind) {
        case HandleKind::Desktop:
            return "Desktop";
        case HandleKind::Process:
            return "Process";
        case HandleKind::Thread:
            return "Thread";
        case HandleKind::File:
            return "File";
        case HandleKind::Find:
            return "Find";
        case HandleKind::Event:
            return "Event";
        case HandleKind::Semaphore:
            return "Semaphore";
        case HandleKind::Menu:
            return "Menu";
        case HandleKind::RegistryKey:
            return "RegistryKey";
        case HandleKind::MixerDevice:
            return "MixerDevice";
        case HandleKind::MciDevice:
            return "MciDevice";
    }
    return "?";
}

void SimHandleLedger::Opened(HandleKind kind, std::uintptr_t handle) {
    open_.insert({kind, handle});
}

bool SimHandleLedger::Closed(std::initializer_list<HandleKind> kinds, std::uintptr_t handle) {
    for (HandleKind kind : kinds)
        if (open_.erase({kind, handle}) != 0) return true;
    return false;
}

bool SimHandleLedger::IsOpen(HandleKind kind, std::uintptr_t handle) const {
    return open_.count({kind, handle}) != 0;
}

std::size_t SimHandleLedger::Count(HandleKind kind) const {
    std::size_t n = 0;
    for (const auto& entry : open_) n += entry.first == kind ? 1 : 0;
    return n;
}

std::map<HandleKind, std::size_t> SimHandleLedger::Counts() const {
    std::map<HandleKind, std::size_t> counts;
    for (const auto& entry : open_) ++counts[entry.first];
    return counts;
}

std::string SimHandleLedger::Describe() const {
    std::string text;
    for (const auto& [kind, n] : Counts())
        text += (text.empty() ? "" : ", ") + std::string(HandleKindName(kind)) + " " +
                std::to_string(n);
    return text.empty() ? "none" : text;
}

}  // namespace sim
