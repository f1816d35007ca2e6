// One instance per logon: the names every instance shares, the requests a
// second start hands to the running one, and the check made at start-up.
#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/WinConst.h"

namespace app {

constexpr const char* kSemaphoreName = "USB Phone keyboard UI Semaphore";
constexpr const char* kApplicationTitle = "USB Phone keyboard UI";
constexpr const char* kOwnerWindowClass = "TApplication";
constexpr const char* kMainWindowProperty = "USB Phone keyboard UI Form";

constexpr platform::UInt WM_INSTANCE_QUIT = platform::WM_USER + 111;  // 1135
constexpr platform::UInt WM_INSTANCE_SHOW = platform::WM_USER + 112;  // 1136
constexpr platform::WParam kRequestWParam = 51772;
constexpr platform::LParam kRequestLParam = 0x5A1C7E93;
constexpr platform::UInt kRequestTimeoutMs = 3000;
constexpr platform::DWord kSecondInstanceWaitMs = 500;

inline bool HasRequestSignature(platform::WParam wParam, platform::LParam lParam) {
    return wParam == kRequestWParam && lParam == kRequestLParam;
}

// True when this process is the first instance and may go on; otherwise the
// running instance has been asked to show itself or to quit.
bool CheckSingleInstance(platform::Platform& platform, const std::vector<std::string>& args);

}  // namespace app
