#include "sim/SimWindows.h"

#include <algorithm>
#include <cctype>

namespace sim {

using namespace platform;

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

Hwnd SimWindows::Create(DWord thread, DWord process, const WindowCreateParams& params,
                        WindowProcTarget* target) {
    const Hwnd hwnd = next_;
    next_ += 0x1A;
    SimWindow& window = windows_[hwnd];
    window.hwnd = hwnd;
    window.className = params.className;
    window.title = params.title;
    window.style = params.style;
    window.exStyle = params.exStyle;
    window.bounds = params.bounds;
    window.owner = params.owner;
    window.parent = Find(params.parent) ? params.parent : 0;
    window.id = window.parent ? params.id : 0;
    window.target = target;
    window.thread = thread;
    window.process = process;
    return hwnd;
}

std::vector<Hwnd> SimWindows::Destroy(Hwnd hwnd) {
    if (!Find(hwnd)) return {};
    std::vector<Hwnd> gone = Descendants(hwnd);
    std::reverse(gone.begin(), gone.end());
    gone.push_back(hwnd);
    for (Hwnd each : gone) windows_.erase(each);
    return gone;
}

SimWindow* SimWindows::Find(Hwnd hwnd) {
    auto it = windows_.find(hwnd);
    return it == windows_.end() ? nullptr : &it->second;
}

const SimWindow* SimWindows::Find(Hwnd hwnd) const {
    auto it = windows_.find(hwnd);
    return it == windows_.end() ? nullptr : &it->second;
}

std::vector<Hwnd> SimWindows::TopLevel() const {
    return Children(0);
}

std::vector<Hwnd> SimWindows::Children(Hwnd parent) const {
    // Handles grow with every creation, so the map's order is creation order.
    std::vector<Hwnd> out;
    for (const auto& [hwnd, window] : windows_)
        if (window.parent == parent) out.push_back(hwnd);
    return out;
}

std::vector<Hwnd> SimWindows::Descendants(Hwnd parent) const {
    std::vector<Hwnd> out;
    for (Hwnd child : Children(parent)) {
        out.push_back(child);
        for (Hwnd below : Descendants(child)) out.push_back(below);
    }
    return out;
}

std::vector<Hwnd> SimWindows::OwnedByThread(DWord thread) const {
    std::vector<Hwnd> out;
    for (const auto& [hwnd, window] : windows_)
        if (window.thread == thread) out.push_back(hwnd);
    return out;
}

Hwnd SimWindows::FindTopLevel(const std::string& className, const std::string& title) const {
    for (const auto& [hwnd, window] : windows_)
        if (window.parent == 0 && SameTextIgnoringCase(window.className, className) &&
            window.title == title)
            return hwnd;
    return 0;
}

}  // namespace sim
