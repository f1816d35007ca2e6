// The user's desktop: which window is in the foreground and who may change
// that, whose input is attached to whose, the cursor and work area, and the
// message boxes programs put up.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/WinTypes.h"

namespace sim {

struct SimMessageBox {
    platform::DWord thread = 0;
    platform::Hwnd owner = 0;
    std::string text;
    std::string caption;
    platform::UInt type = 0;
    std::uint64_t shownAt = 0;
    bool open = true;
    int result = 0;
    // Closes the box as a user's click on a button would (1 is OK).
    void Close(int button = 1) {
        open = false;
        result = button;
    }
};

class SimDesktop {
public:
    platform::Hwnd foreground = 0;
    // Another program holds the foreground lock: every SetForegroundWindow
    // is refused.
    bool foregroundLocked = false;
    platform::Point cursor{640, 512};
    platform::Rect workArea{0, 0, 1280, 994};
    // The screen's logical pixels per inch (GetDeviceCaps LOGPIXELSY).
    int pixelsPerInch = 96;

    // Windows' foreground rule: a thread may take the foreground when there
    // is none, when it is the foreground window's thread or in the same
    // process, or when its input is attached to that thread.
    bool MayTakeForeground(platform::DWord thread, platform::DWord process,
                           platform::DWord foregroundThread,
                           platform::DWord foregroundProcess) const;

    bool AttachInput(platform::DWord attach, platform::DWord attachTo, bool doAttach);
    bool InputAttached(platform::DWord a, platform::DWord b) const;
    bool AnyInputAttached() const { return !attached_.empty(); }

    // Message boxes, in the order they were shown. A box stays up until
    // closed by onMessageBox, by a scheduled action, or by itself after
    // messageBoxLifetimeMs of virtual time (0: as soon as the thread's
    // queue has been emptied once).
    std::vector<SimMessageBox> messageBoxes;
    std::uint64_t messageBoxLifetimeMs = 0;
    std::function<void(SimMessageBox&)> onMessageBox;
    std::vector<std::string> MessageBoxTexts() const;
    SimMessageBox* OpenMessageBox();

private:
    std::set<std::pair<platform::DWord, platform::DWord>> attached_;
};

}  // namespace sim
