// The core's ports on the real Windows, one class per service: every call
// goes straight to user32, kernel32 or advapi32, with the core's plain handle and
// message types cast to the SDK's.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace win32 {

class Win32MessagePort final : public platform::MessagePort {
public:
    platform::UInt RegisterWindowMessageA(const std::string& name) override;
    bool SendMessageTimeoutA(platform::Hwnd hwnd, platform::UInt msg, platform::WParam wParam,
                             platform::LParam lParam, platform::UInt flags,
                             platform::UInt timeoutMs, platform::LResult* result) override;
    platform::LResult SendMessageA(platform::Hwnd hwnd, platform::UInt msg, platform::WParam wParam,
                                   platform::LParam lParam) override;
    bool PostMessageA(platform::Hwnd hwnd, platform::UInt msg, platform::WParam wParam,
                      platform::LParam lParam) override;
    bool ReplyMessage(platform::LResult result) override;
    bool InSendMessage() override;
    platform::LResult DefWindowProcA(platform::Hwnd hwnd, platform::UInt msg,
                                     platform::WParam wParam, platform::LParam lParam) override;
    bool PeekMessageA(platform::Msg& msg, platform::Hwnd hwnd, platform::UInt filterMin,
                      platform::UInt filterMax, platform::UInt removeFlags) override;
    bool GetMessageA(platform::Msg& msg, platform::Hwnd hwnd, platform::UInt filterMin,
                     platform::UInt filterMax) override;
    bool TranslateMessage(const platform::Msg& msg) override;
    platform::LResult DispatchMessageA(const platform::Msg& msg) override;
    void PostQuitMessage(int exitCode) override;
};

class Win32WindowPort final : public platform::WindowPort {
public:
    platform::Hwnd CreateWindowExA(const platform::WindowCreateParams& params,
                                   platform::WindowProcTarget* target) override;
    bool DestroyWindow(platform::Hwnd hwnd) override;
    bool IsWindow(platform::Hwnd hwnd) override;
    platform::Hwnd FindWindowA(const std::string& className, const std::string& title) override;
    bool SetWindowTextA(platform::Hwnd hwnd, const std::string& text) override;
    bool SetPropA(platform::Hwnd hwnd, const std::string& name, platform::Handle value) override;
    platform::Handle GetPropA(platform::Hwnd hwnd, const std::string& name) override;
    platform::Handle RemovePropA(platform::Hwnd hwnd, const std::string& name) override;
    bool ShowWindow(platform::Hwnd hwnd, int cmdShow) override;
    bool IsWindowVisible(platform::Hwnd hwnd) override;
    bool IsIconic(platform::Hwnd hwnd) override;
    bool SetWindowPos(platform::Hwnd hwnd, platform::Hwnd insertAfter, int x, int y, int cx, int cy,
                      platform::UInt flags) override;
    platform::Hwnd GetForegroundWindow() override;
    bool SetForegroundWindow(platform::Hwnd hwnd) override;
    platform::DWord GetWindowThreadProcessId(platform::Hwnd hwnd,
                                             platform::DWord* processId) override;
    platform::DWord GetCurrentThreadId() override;
    bool AttachThreadInput(platform::DWord attach, platform::DWord attachTo,
                           bool doAttach) override;
    bool GetCursorPos(platform::Point& point) override;
    bool GetWorkArea(platform::Rect& area) override;
    bool AdjustWindowRectEx(platform::Rect& rect, platform::DWord style, bool hasMenu,
                            platform::DWord exStyle) override;
    int MessageBoxA(platform::Hwnd owner, const std::string& text, const std::string& caption,
                    platform::UInt type) override;
    bool SetWindowTextW(platform::Hwnd hwnd, const std::u16string& text) override;
    int GetScreenDeviceCaps(int index) override;
};

class Win32TimerPort final : public platform::TimerPort {
public:
    bool SetTimer(platform::Hwnd hwnd, platform::UInt id, platform::UInt elapseMs) override;
    bool KillTimer(platform::Hwnd hwnd, platform::UInt id) override;
};

class Win32NlsPort final : public platform::NlsPort {
public:
    platform::Word GetSystemDefaultLangID() override;
    int WideCharToMultiByte(platform::UInt codePage, platform::DWord flags, const char16_t* src,
                            int srcLen, char* dst, int dstLen) override;
    int MultiByteToWideChar(platform::UInt codePage, platform::DWord flags, const char* src,
                            int srcLen, char16_t* dst, int dstLen) override;
};

class Win32SyncPort final : public platform::SyncPort {
public:
    platform::Handle CreateSemaphoreA(long initialCount, long maximumCount,
                                      const std::string& name) override;
    platform::DWord GetLastError() override;
    bool CloseHandle(platform::Handle object) override;
    void Sleep(platform::DWord milliseconds) override;
};

class Win32ThreadPort final : public platform::ThreadPort {
public:
    platform::Handle CreateThread(platform::ThreadBody& body, bool suspended,
                                  platform::DWord* threadId) override;
    platform::DWord ResumeThread(platform::Handle thread) override;
    bool GetExitCodeThread(platform::Handle thread, platform::DWord* exitCode) override;
    platform::Handle CreateEventA(bool manualReset, bool initialState) override;
    bool SetEvent(platform::Handle event) override;
    bool ResetEvent(platform::Handle event) override;
    platform::DWord WaitForSingleObject(platform::Handle object,
                                        platform::DWord timeoutMs) override;
    platform::DWord MsgWaitForSingleObject(platform::Handle object,
                                           platform::DWord timeoutMs) override;
};

class Win32RegistryPort final : public platform::RegistryPort {
public:
    platform::Long RegCreateKeyExA(platform::HKey key, const std::string& subKey,
                                   platform::DWord samDesired, platform::HKey* result,
                                   platform::DWord* disposition) override;
    platform::Long RegQueryValueExA(platform::HKey key, const std::string& valueName,
                                    platform::DWord* type, platform::Byte* data,
                                    platform::DWord* dataSize) override;
    platform::Long RegSetValueExA(platform::HKey key, const std::string& valueName,
                                  platform::DWord type, const platform::Byte* data,
                                  platform::DWord dataSize) override;
    platform::Long RegCloseKey(platform::HKey key) override;
};

class Win32MixerPort final : public platform::MixerPort {
public:
    platform::UInt mixerGetNumDevs() override;
    platform::MmResult mixerOpen(platform::HMixer* mixer, platform::UInt deviceId,
                                 std::uintptr_t callback, std::uintptr_t instance,
                                 platform::DWord flags) override;
    platform::MmResult mixerClose(platform::HMixer mixer) override;
    platform::MmResult mixerGetDevCapsA(std::uintptr_t deviceId, platform::MixerCapsA* caps,
                                        platform::UInt size) override;
    platform::MmResult mixerGetLineInfoA(platform::HMixer mixer, platform::MixerLineA* line,
                                         platform::DWord flags) override;
    platform::MmResult mixerGetLineControlsA(platform::HMixer mixer,
                                             platform::MixerLineControlsA* controls,
                                             platform::DWord flags) override;
    platform::MmResult mixerGetControlDetailsA(platform::HMixer mixer,
                                               platform::MixerControlDetails* details,
                                               platform::DWord flags) override;
    platform::MmResult mixerSetControlDetails(platform::HMixer mixer,
                                              platform::MixerControlDetails* details,
                                              platform::DWord flags) override;
};

// --- Tray icon and tray menu --------------------------------------------------

class Win32ShellPort final : public platform::ShellPort {
public:
    bool Shell_NotifyIconA(platform::DWord message, platform::NotifyIconDataA* data) override;
    platform::Handle LoadImageA(const std::string& name, platform::UInt type, int cx, int cy,
                                platform::UInt flags) override;
    bool DestroyIcon(platform::Handle icon) override;
    std::intptr_t ShellExecuteA(platform::Hwnd owner, const std::string& verb,
                                const std::string& file, const std::string& parameters,
                                const std::string& directory, int showCommand) override;
    void DragAcceptFiles(platform::Hwnd window, bool accept) override;
    platform::UInt DragQueryFileA(platform::Handle drop, platform::UInt index, char* buffer,
                                  platform::UInt size) override;
    void DragFinish(platform::Handle drop) override;
};

// Owner-drawn items are drawn here, with the system's menu font, while
// TrackPopupMenu runs (Win32Menus.cpp).
class Win32MenuPort final : public platform::MenuPort {
public:
    ~Win32MenuPort() override;
    platform::HMenu CreatePopupMenu() override;
    bool AppendMenuA(platform::HMenu menu, platform::UInt flags, std::uintptr_t idOrSubmenu,
                     const std::string& text) override;
    bool SetMenuDefaultItem(platform::HMenu menu, platform::UInt item,
                            platform::UInt byPosition) override;
    int TrackPopupMenu(platform::HMenu menu, platform::UInt flags, int x, int y,
                       platform::Hwnd owner) override;
    bool DestroyMenu(platform::HMenu menu) override;
};

// --- Files, folders and media -------------------------------------------------

class Win32FilePort final : public platform::FilePort {
public:
    platform::DWord GetModuleFileNameA(char* buffer, platform::DWord size) override;
    platform::DWord GetLogicalDrives() override;
    platform::DWord GetFileAttributesA(const std::string& path) override;
    bool CreateDirectoryA(const std::string& path) override;
    platform::Handle CreateFileA(const std::string& path, platform::DWord access,
                                 platform::DWord shareMode, platform::DWord creationDisposition,
                                 platform::DWord flagsAndAttributes) override;
    bool ReadFile(platform::Handle file, void* buffer, platform::DWord size,
                  platform::DWord* read) override;
    bool WriteFile(platform::Handle file, const void* buffer, platform::DWord size,
                   platform::DWord* written) override;
    bool MoveFileExA(const std::string& from, const std::string& to,
                     platform::DWord flags) override;
    bool DeleteFileA(const std::string& path) override;
    platform::Handle FindFirstFileA(const std::string& pattern,
                                    platform::Win32FindDataA* data) override;
    bool FindNextFileA(platform::Handle find, platform::Win32FindDataA* data) override;
    bool FindClose(platform::Handle find) override;
    bool CopyFileA(const std::string& from, const std::string& to, bool failIfExists) override;
};

class Win32MediaPort final : public platform::MediaPort {
public:
    platform::MciError mciSendCommandA(platform::MciDeviceId device, platform::UInt message,
                                       std::uintptr_t flags, std::uintptr_t params) override;
    bool mciGetErrorStringA(platform::MciError error, char* buffer, platform::UInt size) override;
};

// Desktops, processes and other processes' windows; the default playback
// endpoint's name through COM, which finds no endpoint API before Vista.
class Win32ProcessPort final : public platform::ProcessPort {
public:
    platform::Handle CreateDesktopA(const std::string& name, platform::DWord flags,
                                    platform::DWord access) override;
    platform::Handle GetThreadDesktop(platform::DWord threadId) override;
    bool SetThreadDesktop(platform::Handle desktop) override;
    bool CloseDesktop(platform::Handle desktop) override;
    bool CreateProcessA(const std::string& commandLine, bool inheritHandles,
                        platform::DWord creationFlags, const std::string& currentDirectory,
                        const platform::StartupInfoA& startup,
                        platform::ProcessInformation* info) override;
    bool TerminateProcess(platform::Handle process, platform::UInt exitCode) override;
    bool EnumWindows(platform::WndEnumProc proc, platform::LParam lParam) override;
    bool EnumChildWindows(platform::Hwnd parent, platform::WndEnumProc proc,
                          platform::LParam lParam) override;
    int GetClassNameA(platform::Hwnd hwnd, char* buffer, int size) override;
    int GetDlgCtrlID(platform::Hwnd hwnd) override;
    bool GetVersionExA(platform::OsVersionInfoA* info) override;
    platform::UInt GetSystemDirectoryA(char* buffer, platform::UInt size) override;
    bool GetDefaultRenderEndpointName(std::string& name) override;
};

// The ports of the running program, bundled for the core.
class Win32Platform {
public:
    Win32Platform() = default;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    platform::Platform& Ports() { return ports_; }

private:
    Win32MessagePort messages_;
    Win32WindowPort windows_;
    Win32TimerPort timers_;
    Win32SyncPort sync_;
    Win32ThreadPort threads_;
    Win32RegistryPort registry_;
    Win32MixerPort mixer_;
    Win32NlsPort nls_;
    // Tray icon and tray menu.
    Win32ShellPort shell_;
    Win32MenuPort menus_;
    // Files, folders and media.
    Win32FilePort files_;
    Win32MediaPort media_;
    // Desktops, processes and other processes' windows.
    Win32ProcessPort processes_;
    platform::Platform ports_{messages_, windows_, timers_, sync_, threads_, registry_, mixer_,
                              nls_,
                              /* tray icon and tray menu */ shell_, menus_,
                              /* files, folders and media */ files_, media_,
                              /* desktops, processes and other processes' windows */
                              processes_};
};

}  // namespace win32
