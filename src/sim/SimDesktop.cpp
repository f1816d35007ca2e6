#include "sim/SimDesktop.h"

#include <algorithm>

namespace sim {

using namespace platform;

bool SimDesktop::MayTakeForeground(DWord thread, DWord process, DWord foregroundThread,
                                   DWord foregroundProcess) const {
    if (foregroundLocked) return false;
    if (foregroundThread == 0) return true;
    return thread == foregroundThread || process == foregroundProcess ||
           InputAttached(thread, foregroundThread);
}

bool SimDesktop::AttachInput(DWord attach, DWord attachTo, bool doAttach) {
    if (attach == 0 || attachTo == 0 || attach == attachTo) return false;
    const auto pair = std::minmax(attach, attachTo);
    if (doAttach) {
        attached_.insert(pair);
        return true;
    }
    return attached_.erase(pair) > 0;
}

bool SimDesktop::InputAttached(DWord a, DWord b) const {
    return attached_.count(std::minmax(a, b)) > 0;
}

std::vector<std::string> SimDesktop::MessageBoxTexts() const {
    std::vector<std::string> texts;
    for (const SimMessageBox& box : messageBoxes) texts.push_back(box.text);
    return texts;
}

SimMessageBox* SimDesktop::OpenMessageBox() {
    for (SimMessageBox& box : messageBoxes)
        if (box.open) return &box;
    return nullptr;
}

}  // namespace sim
