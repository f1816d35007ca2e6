// The notification area (Shell_NotifyIconA) and the icons shown there,
// loaded from the program's own resources.
#pragma once

#include <cstdint>
#include <string>

#include "platform/WinTypes.h"

namespace platform {

constexpr int kNotifyTipChars = 128;

// NOTIFYICONDATAA in the shell-5 layout (NOTIFYICONDATAA_V2_SIZE: 488 bytes
// on 32-bit Windows), which Windows 2000 and XP accept.
struct NotifyIconDataA {
    DWord cbSize = sizeof(NotifyIconDataA);
    Hwnd hWnd = 0;
    UInt uID = 0;
    UInt uFlags = 0;
    UInt uCallbackMessage = 0;
    Handle hIcon = 0;
    char szTip[kNotifyTipChars] = {};
    DWord dwState = 0;
    DWord dwStateMask = 0;
    char szInfo[256] = {};
    UInt uTimeoutOrVersion = 0;
    char szInfoTitle[64] = {};
    DWord dwInfoFlags = 0;
};

class ShellPort {
public:
    virtual ~ShellPort() = default;
    virtual bool Shell_NotifyIconA(DWord message, NotifyIconDataA* data) = 0;
    // LoadImageA of the program's own module (an icon resource by name);
    // 0 when there is none.
    virtual Handle LoadImageA(const std::string& name, UInt type, int cx, int cy, UInt flags) = 0;
    virtual bool DestroyIcon(Handle icon) = 0;

    // --- Opening documents and addresses ---
    // ShellExecuteA; an empty parameters or directory stands for NULL. The
    // result is the instance value Windows returns (above 32 on success).
    virtual std::intptr_t ShellExecuteA(Hwnd owner, const std::string& verb,
                                        const std::string& file, const std::string& parameters,
                                        const std::string& directory, int showCommand) = 0;

    // --- Files dropped from the shell ---
    // DragAcceptFiles: window registered as a drop target (or no longer).
    virtual void DragAcceptFiles(Hwnd window, bool accept) = 0;
    // DragQueryFileA: with index kDragQueryCount the number of dropped
    // items; otherwise item index's name copied into buffer (at most size - 1
    // characters and the zero) and the characters copied, 0 when there is
    // no such item. A null buffer asks for the name's length.
    virtual UInt DragQueryFileA(Handle drop, UInt index, char* buffer, UInt size) = 0;
    // DragFinish: the drop handle is released.
    virtual void DragFinish(Handle drop) = 0;
};

// DragQueryFileA's index that asks for the number of items (all bits set).
constexpr UInt kDragQueryCount = 0xFFFFFFFFu;

}  // namespace platform
