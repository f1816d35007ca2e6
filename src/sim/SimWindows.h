// The windows of the simulated desktop: top-level windows and their child
// windows, with classes, titles, control identifiers, properties and the
// thread that owns each.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/WinTypes.h"
#include "platform/WindowPort.h"

namespace sim {

struct SimWindow {
    platform::Hwnd hwnd = 0;
    std::string className;
    std::string title;
    // The title set by SetWindowTextW; SetWindowTextA clears it, and a
    // SetWindowTextW clears title.
    std::u16string wideTitle;
    platform::DWord style = 0;
    platform::DWord exStyle = 0;
    platform::Rect bounds;
    platform::Hwnd owner = 0;
    platform::Hwnd parent = 0;  // 0 for a top-level window
    int id = 0;                 // a child's control identifier
    platform::WindowProcTarget* target = nullptr;
    platform::DWord thread = 0;
    platform::DWord process = 0;
    bool visible = false;
    bool iconic = false;
    bool topmost = false;
    // A hung window's thread answers no sent message.
    bool hung = false;
    std::map<std::string, platform::Handle> props;
};

class SimWindows {
public:
    platform::Hwnd Create(platform::DWord thread, platform::DWord process,
                          const platform::WindowCreateParams& params,
                          platform::WindowProcTarget* target);
    // Removes the window and its descendants; the handles that went, the
    // window's own last.
    std::vector<platform::Hwnd> Destroy(platform::Hwnd hwnd);

    SimWindow* Find(platform::Hwnd hwnd);
    const SimWindow* Find(platform::Hwnd hwnd) const;
    // Top-level windows in creation order, as EnumWindows lists them.
    std::vector<platform::Hwnd> TopLevel() const;
    // Direct children in creation order.
    std::vector<platform::Hwnd> Children(platform::Hwnd parent) const;
    // Every descendant, depth first, as EnumChildWindows walks them.
    std::vector<platform::Hwnd> Descendants(platform::Hwnd parent) const;
    std::vector<platform::Hwnd> OwnedByThread(platform::DWord thread) const;
    // FindWindowA: a top-level window by class (any letter case) and title.
    platform::Hwnd FindTopLevel(const std::string& className, const std::string& title) const;

private:
    std::map<platform::Hwnd, SimWindow> windows_;
    platform::Hwnd next_ = 0x10010;
};

bool SameTextIgnoringCase(const std::string& a, const std::string& b);

}  // namespace sim
