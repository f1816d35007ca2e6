#include "app/SingleInstance.h"

#include "app/CommandLine.h"

namespace app {

using namespace platform;

bool CheckSingleInstance(Platform& platform, const std::vector<std::string>& args) {
    // The handle stays open for the life of the process: the named object
    // marks the running instance.
    platform.sync.CreateSemaphoreA(1, 1, kSemaphoreName);
    if (platform.sync.GetLastError() != ERROR_ALREADY_EXISTS) return true;

    const Hwnd owner = platform.windows.FindWindowA(kOwnerWindowClass, kApplicationTitle);
    const Hwnd running =
        owner ? static_cast<Hwnd>(platform.windows.GetPropA(owner, kMainWindowProperty)) : 0;
    if (running != 0) {
        const UInt request =
            StartSwitchOf(args) == StartSwitch::DestroyMode ? WM_INSTANCE_QUIT : WM_INSTANCE_SHOW;
        LResult ignored = 0;
        platform.messages.SendMessageTimeoutA(running, request, kRequestWParam, kRequestLParam,
                                              SMTO_ABORTIFHUNG, kRequestTimeoutMs, &ignored);
    }
    platform.sync.Sleep(kSecondInstanceWaitMs);
    return false;
}

}  // namespace app
