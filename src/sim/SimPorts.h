// The ports of one simulated process, one class per Windows service. Each
// call acts for the thread that is running now (SimWorld::CurrentThread),
// or for the process's main thread when a test calls on the process's behalf.
#pragma once

#include <string>
#include <utility>

#include "platform/MenuPort.h"
#include "platform/MessagePort.h"
#include "platform/MixerPort.h"
#include "platform/NlsPort.h"
#include "platform/RegistryPort.h"
#include "platform/ShellPort.h"
#include "platform/SyncPort.h"
#include "platform/ThreadPort.h"
#include "platform/TimerPort.h"
#include "platform/WindowPort.h"
// Files, folders and media.
#include "platform/FilePort.h"
#include "platform/MediaPort.h"
// Desktops, processes and other processes' windows.
#include "platform/ProcessPort.h"
#include "sim/SimJournal.h"

namespace sim {

class SimProcess;
struct SimMixerDevice;
class SimWorld;

// What every port of a process shares: the world, the process and the
// journal entry of a call.
class SimPortBase {
public:
    explicit SimPortBase(SimProcess& process) : process_(process) {}

protected:
    SimWorld& World() const;
    platform::DWord Pid() const;
    platform::DWord Caller() const;
    SimCall Call(Api api, platform::Hwnd hwnd = 0, platform::UInt msg = 0,
                 platform::WParam wParam = 0, platform::LParam lParam = 0) const;
    void Log(SimCall call) const;
    // Logs the call with its result and, when error is not 0, sets it as the
    // calling thread's last error.
    template <class R>
    R Done(SimCall call, R result, platform::DWord error) const {
        Finish(std::move(call), static_cast<platform::LParam>(result), error);
        return result;
    }
    void Finish(SimCall call, platform::LParam result, platform::DWord error) const;

    SimProcess& process_;
};

class SimMessagePort final : public platform::MessagePort, SimPortBase {
public:
    using SimPortBase::SimPortBase;
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

class SimWindowPort final : public platform::WindowPort, SimPortBase {
public:
    using SimPortBase::SimPortBase;
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

class SimTimerPort final : public platform::TimerPort, SimPortBase {
public:
    using SimPortBase::SimPortBase;
    bool SetTimer(platform::Hwnd hwnd, platform::UInt id, platform::UInt elapseMs) override;
    bool KillTimer(platform::Hwnd hwnd, platform::UInt id) override;
};

class SimSyncPort final : public platform::SyncPort, SimPortBase {
public:
    using SimPortBase::SimPortBase;
    platform::Handle CreateSemaphoreA(long initialCount, long maximumCount,
                                      const std::string& name) override;
    platform::DWord GetLastError() override;
    void Sleep(platform::DWord milliseconds) override;
    bool CloseHandle(platform::Handle object) override;
};

class SimThreadPort final : public platform::ThreadPort, SimPortBase {
public:
    using SimPortBase::SimPortBase;
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

private:
    // A wait of the calling thread; takesSentMessages: messages other
    // threads send it are handled meanwhile (they are delivered as soon as
    // it does not block them, so the wait itself never ends for one).
    platform::DWord Wait(Api api, platform::Handle object, platform::DWord timeoutMs,
                         bool takesSentMessages);
    bool SignalEvent(Api api, platform::Handle event, bool signalled);
    // Whether the object is signalled now; consumes an auto-reset event's
    // signal when take is set.
    bool Signalled(platform::Handle object, bool take);
};

// The registry calls are logged with the key handle in wParam, the result in
// lParam, the sub-key or value name in text, and a write's type in flags and
// bytes in data.
class SimRegistryPort final : public platform::RegistryPort, SimPortBase {
public:
    using SimPortBase::SimPortBase;
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

class SimMixerPort final : public platform::MixerPort, SimPortBase {
public:
    using SimPortBase::SimPortBase;
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

private:
    SimCall MixerCall(Api api, platform::HMixer mixer, platform::DWord flags) const;
    // Logs a query of a device and finds the device it names.
    SimMixerDevice* LoggedQuery(Api api, platform::HMixer mixer, platform::DWord flags,
                                platform::LParam what, std::size_t* index = nullptr) const;
};

// Conversions are logged with the code page in msg and the result in lParam.
class SimNlsPort final : public platform::NlsPort, SimPortBase {
public:
    using SimPortBase::SimPortBase;
    platform::Word GetSystemDefaultLangID() override;
    int WideCharToMultiByte(platform::UInt codePage, platform::DWord flags, const char16_t* src,
                            int srcLen, char* dst, int dstLen) override;
    int MultiByteToWideChar(platform::UInt codePage, platform::DWord flags, const char* src,
                            int srcLen, char16_t* dst, int dstLen) override;
};

// --- Tray icon and tray menu --------------------------------------------------

// Shell_NotifyIconA is logged with the message in msg, the icon's id in
// wParam, its icon in lParam, its flags in flags and its tip in text.
class SimShellPort final : public platform::ShellPort, SimPortBase {
public:
    using SimPortBase::SimPortBase;
    bool Shell_NotifyIconA(platform::DWord message, platform::NotifyIconDataA* data) override;
    platform::Handle LoadImageA(const std::string& name, platform::UInt type, int cx, int cy,
                                platform::UInt flags) override;
    bool DestroyIcon(platform::Handle icon) override;
    std::intptr_t ShellExecuteA(platform::Hwnd owner, const std::string& verb,
                                const std::string& file, const std::string& parameters,
                                const std::string& directory, int showCommand) override;
    // Logged with the window in hwnd and the flag in wParam.
    void DragAcceptFiles(platform::Hwnd window, bool accept) override;
    // Logged with the drop in lParam, the index in wParam, the buffer's size
    // in flags and the item's whole name in text.
    platform::UInt DragQueryFileA(platform::Handle drop, platform::UInt index, char* buffer,
                                  platform::UInt size) override;
    void DragFinish(platform::Handle drop) override;
};

// TrackPopupMenu runs a modal loop, as Windows' menu loop does, until the
// test chooses an item or dismisses the menu (SimShell::popupMenus).
class SimMenuPort final : public platform::MenuPort, SimPortBase {
public:
    using SimPortBase::SimPortBase;
    platform::HMenu CreatePopupMenu() override;
    bool AppendMenuA(platform::HMenu menu, platform::UInt flags, std::uintptr_t idOrSubmenu,
                     const std::string& text) override;
    bool SetMenuDefaultItem(platform::HMenu menu, platform::UInt item,
                            platform::UInt byPosition) override;
    int TrackPopupMenu(platform::HMenu menu, platform::UInt flags, int x, int y,
                       platform::Hwnd owner) override;
    bool DestroyMenu(platform::HMenu menu) override;

private:
    void RunMenuLoop(std::size_t index);
};

// --- Files, folders and media ---------------------------------------------------

// File calls are logged with the path (or a find pattern) in text, the handle
// in wParam, the result in lParam and the bytes written in data.
class SimFilePort final : public platform::FilePort, SimPortBase {
public:
    using SimPortBase::SimPortBase;
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
    // Logged with "from|to" in text and failIfExists in flags.
    bool CopyFileA(const std::string& from, const std::string& to, bool failIfExists) override;
};

// MCI commands are logged with the device in wParam, the command in msg, the
// flags in flags, the result in lParam and an opened file's name in text.
class SimMediaPort final : public platform::MediaPort, SimPortBase {
public:
    using SimPortBase::SimPortBase;
    platform::MciError mciSendCommandA(platform::MciDeviceId device, platform::UInt message,
                                       std::uintptr_t flags, std::uintptr_t params) override;
    bool mciGetErrorStringA(platform::MciError error, char* buffer, platform::UInt size) override;
};

// --- Desktops, processes and other processes' windows --------------------------

class SimProcessPort final : public platform::ProcessPort, SimPortBase {
public:
    using SimPortBase::SimPortBase;
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

}  // namespace sim
