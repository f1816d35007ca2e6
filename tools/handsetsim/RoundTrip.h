// Round-trip times of sent messages, and the bare window that gives the
// baseline: a second copy of this program whose window answers at once.
#pragma once

#include <windows.h>

struct RoundTripStats {
    unsigned sent = 0;
    unsigned failed = 0;  // timed out or not delivered
    double medianUs = 0;
    double minUs = 0;
    double maxUs = 0;
};

// Sends the message count times with SendMessageTimeoutA and times each send
// with QueryPerformanceCounter.
RoundTripStats measureRoundTrips(HWND target, UINT message, WPARAM wParam, LPARAM lParam,
                                 unsigned count);

// Starts "<this program> --bare-window" and waits for its window.
class BarePeer {
public:
    BarePeer() = default;
    ~BarePeer();
    BarePeer(const BarePeer&) = delete;
    BarePeer& operator=(const BarePeer&) = delete;

    bool start();
    HWND window() const { return window_; }

private:
    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
};

// Main of the --bare-window mode: a top-level window that answers 1 to
// every message of the link and ends on WM_CLOSE.
int runBareWindow(HINSTANCE instance);
