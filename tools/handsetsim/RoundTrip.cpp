#include "RoundTrip.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "LinkProtocol.h"

namespace {

constexpr const char* kBareClass = "HandsetSimBare";

void bareTitle(DWORD processId, char* title, std::size_t size) {
    std::snprintf(title, size, "HandsetSim bare window %lu", static_cast<unsigned long>(processId));
}

LRESULT CALLBACK bareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == link::kWmHandset) return 1;
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

RoundTripStats measureRoundTrips(HWND target, UINT message, WPARAM wParam, LPARAM lParam,
                                 unsigned count) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    times.reserve(count);
    RoundTripStats stats;
    for (unsigned i = 0; i < count; ++i) {
        LARGE_INTEGER before;
        LARGE_INTEGER after;
        DWORD_PTR answer = 0;
        QueryPerformanceCounter(&before);
        const LRESULT sent = SendMessageTimeoutA(target, message, wParam, lParam, SMTO_ABORTIFHUNG,
                                                 link::kSendTimeoutMs, &answer);
        QueryPerformanceCounter(&after);
        ++stats.sent;
        if (sent == 0) {
            ++stats.failed;
            continue;
        }
        times.push_back(static_cast<double>(after.QuadPart - before.QuadPart) * 1e6 /
                        static_cast<double>(frequency.QuadPart));
    }
    if (times.empty()) return stats;
    std::sort(times.begin(), times.end());
    stats.medianUs = times[times.size() / 2];
    stats.minUs = times.front();
    stats.maxUs = times.back();
    return stats;
}

BarePeer::~BarePeer() {
    if (process_.hProcess == nullptr) return;
    if (window_ != nullptr) PostMessageA(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 3000) != WAIT_OBJECT_0) {
        TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
}

bool BarePeer::start() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    char commandLine[MAX_PATH + 32];
    std::snprintf(commandLine, sizeof commandLine, "\"%s\" --bare-window", path);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        return false;
    }
    char title[64];
    bareTitle(process_.dwProcessId, title, sizeof title);
    for (int i = 0; i < 500 && window_ == nullptr; ++i) {
        window_ = FindWindowA(kBareClass, title);
        if (window_ == nullptr) Sleep(10);
    }
    return window_ != nullptr;
}

int runBareWindow(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = bareWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kBareClass;
    if (RegisterClassA(&windowClass) == 0) return 1;
    char title[64];
    bareTitle(GetCurrentProcessId(), title, sizeof title);
    if (CreateWindowExA(0, kBareClass, title, WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr, instance,
                        nullptr) == nullptr) {
        return 1;
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
