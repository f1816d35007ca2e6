// The record of every Windows call the simulated programs made, in order,
// for tests to read back. Calls are named by an enumeration, so that a
// misspelt name is a compile error rather than an absence that passes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace sim {

// clang-format off
#define SIM_JOURNAL_APIS(X)                                                                   \
    X(RegisterWindowMessageA) X(SendMessageTimeoutA) X(SendMessageA) X(PostMessageA)          \
    X(ReplyMessage) X(DefWindowProcA) X(PostQuitMessage)                                      \
    X(CreateWindowExA) X(DestroyWindow) X(FindWindowA) X(SetPropA) X(RemovePropA)             \
    X(ShowWindow) X(SetWindowPos) X(SetForegroundWindow) X(AttachThreadInput) X(MessageBoxA)  \
    X(SetTimer) X(KillTimer)                                                                  \
    X(CreateSemaphoreA) X(Sleep)                                                              \
    X(CreateThread) X(ResumeThread) X(CreateEventA) X(SetEvent) X(ResetEvent)                 \
    X(WaitForSingleObject) X(MsgWaitForSingleObject) X(CloseHandle)                           \
    X(RegCreateKeyExA) X(RegQueryValueExA) X(RegSetValueExA) X(RegCloseKey)                    \
    X(mixerGetNumDevs) X(mixerOpen) X(mixerClose) X(mixerGetDevCapsA) X(mixerGetLineInfoA)    \
    X(mixerGetLineControlsA) X(mixerGetControlDetailsA) X(mixerSetControlDetails)     \
    X(WideCharToMultiByte) X(MultiByteToWideChar)                                             \
    X(SetWindowTextW) X(GetDeviceCaps)                                                        \
    X(Shell_NotifyIconA) X(LoadImageA) X(DestroyIcon)                                         \
    X(CreatePopupMenu) X(AppendMenuA) X(SetMenuDefaultItem) X(TrackPopupMenu) X(DestroyMenu) \
    /* Files, folders and media. */                                                           \
    X(GetModuleFileNameA) X(GetLogicalDrives) X(GetFileAttributesA) X(CreateDirectoryA)       \
    X(CreateFileA) X(ReadFile) X(WriteFile) X(MoveFileExA) X(DeleteFileA) X(FindFirstFileA)   \
    X(FindNextFileA) X(FindClose) X(mciSendCommandA) X(mciGetErrorStringA)               \
    /* Desktops, processes and other processes' windows. */                                 \
    X(CreateDesktopA) X(GetThreadDesktop) X(SetThreadDesktop) X(CloseDesktop) X(CreateProcessA)                   \
    X(TerminateProcess) X(EnumWindows) X(EnumChildWindows) X(GetClassNameA) X(GetDlgCtrlID)   \
    X(GetVersionExA) X(GetSystemDirectoryA) X(GetDefaultRenderEndpointName)                          \
    /* Opening addresses. */                                                                  \
    X(ShellExecuteA)                                                                          \
    /* Files dropped from the shell. */                                                       \
    X(DragAcceptFiles) X(DragQueryFileA) X(DragFinish) X(CopyFileA)
// clang-format on

enum class Api {
#define SIM_JOURNAL_ENUM(name) name,
    SIM_JOURNAL_APIS(SIM_JOURNAL_ENUM)
#undef SIM_JOURNAL_ENUM
};

const char* ApiName(Api api);

struct SimCall {
    std::uint64_t time = 0;      // virtual milliseconds
    platform::DWord thread = 0;  // calling thread
    Api api = Api::SendMessageA;
    platform::Hwnd hwnd = 0;
    platform::UInt msg = 0;
    platform::WParam wParam = 0;
    platform::LParam lParam = 0;
    platform::UInt flags = 0;
    platform::UInt timeout = 0;
    std::string text;                // names, titles, message box texts
    std::vector<std::uint8_t> data;  // the bytes of a WM_COPYDATA
};

class SimJournal {
public:
    void Add(SimCall call) { calls_.push_back(std::move(call)); }
    const std::vector<SimCall>& Calls() const { return calls_; }
    void Clear() { calls_.clear(); }

    std::vector<SimCall> Where(const std::function<bool(const SimCall&)>& pred) const;
    std::vector<SimCall> Of(Api api) const;
    // Calls of api carrying message msg.
    std::vector<SimCall> Of(Api api, platform::UInt msg) const;
    // Index of the first call matching pred at or after from; -1 if none.
    int IndexOf(const std::function<bool(const SimCall&)>& pred, int from = 0) const;

private:
    std::vector<SimCall> calls_;
};

}  // namespace sim
