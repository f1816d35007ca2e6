// ProcessPort on the simulated Windows: desktops and started programs live
// in SimSystem, windows in SimWindows; the walks see what the calling
// thread's desktop holds.
#include <algorithm>
#include <cstring>

#include "platform/WinConst.h"
#include "sim/SimPorts.h"
#include "sim/SimProcess.h"

namespace sim {

using namespace platform;

Handle SimProcessPort::CreateDesktopA(const std::string& name, DWord flags, DWord access) {
    SimCall call = Call(Api::CreateDesktopA);
    call.text = name;
    call.flags = flags;
    call.wParam = access;
    const Handle desktop = World().system.CreateDesktop(name);
    if (desktop) process_.handles.Opened(HandleKind::Desktop, desktop);
    call.lParam = static_cast<LParam>(desktop);
    Log(std::move(call));
    return desktop;
}

bool SimProcessPort::SetThreadDesktop(Handle desktop) {
    SimCall call = Call(Api::SetThreadDesktop);
    call.lParam = static_cast<LParam>(desktop);
    Log(std::move(call));
    return World().system.SetThreadDesktop(Caller(), desktop);
}

Handle SimProcessPort::GetThreadDesktop(DWord threadId) {
    SimCall call = Call(Api::GetThreadDesktop);
    call.wParam = threadId;
    const Handle desktop = World().system.ThreadDesktop(threadId);
    call.lParam = static_cast<LParam>(desktop);
    Log(std::move(call));
    return desktop;
}

bool SimProcessPort::CloseDesktop(Handle desktop) {
    SimCall call = Call(Api::CloseDesktop);
    call.lParam = static_cast<LParam>(desktop);
    // As Windows: a desktop that a thread is still on cannot be closed.
    if (World().system.InUse(desktop)) return Done(std::move(call), false, ERROR_BUSY);
    if (!World().system.CloseDesktop(desktop))
        return Done(std::move(call), false, ERROR_INVALID_HANDLE);
    process_.handles.Closed({HandleKind::Desktop}, desktop);
    return Done(std::move(call), true, 0);
}

bool SimProcessPort::CreateProcessA(const std::string& commandLine, bool inheritHandles,
                                    DWord creationFlags, const std::string& currentDirectory,
                                    const StartupInfoA& startup, ProcessInformation* info) {
    SimCall call = Call(Api::CreateProcessA);
    call.text = commandLine;
    call.flags = creationFlags;
    Log(std::move(call));
    SimLaunch launch;
    launch.commandLine = commandLine;
    launch.currentDirectory = currentDirectory;
    launch.inheritHandles = inheritHandles;
    launch.creationFlags = creationFlags;
    launch.startup = startup;
    ProcessInformation started;
    if (!World().system.CreateProcess(launch, &started)) return false;
    process_.handles.Opened(HandleKind::Process, started.hProcess);
    process_.handles.Opened(HandleKind::Thread, started.hThread);
    if (info) *info = started;
    return true;
}

bool SimProcessPort::TerminateProcess(Handle process, UInt exitCode) {
    SimCall call = Call(Api::TerminateProcess);
    call.lParam = static_cast<LParam>(process);
    call.wParam = exitCode;
    Log(std::move(call));
    return World().system.TerminateProcess(process);
}

bool SimProcessPort::EnumWindows(WndEnumProc proc, LParam lParam) {
    Log(Call(Api::EnumWindows));
    // Windows that go during the walk are skipped, as Windows skips them.
    for (Hwnd hwnd : World().system.TopLevelOnDesktopOf(Caller())) {
        if (!World().Window(hwnd)) continue;
        if (!proc(hwnd, lParam)) break;
    }
    return true;
}

bool SimProcessPort::EnumChildWindows(Hwnd parent, WndEnumProc proc, LParam lParam) {
    Log(Call(Api::EnumChildWindows, parent));
    for (Hwnd hwnd : World().windows.Descendants(parent)) {
        if (!World().Window(hwnd)) continue;
        if (!proc(hwnd, lParam)) break;
    }
    return true;
}

int SimProcessPort::GetClassNameA(Hwnd hwnd, char* buffer, int size) {
    Log(Call(Api::GetClassNameA, hwnd));
    const SimWindow* window = World().Window(hwnd);
    if (!window || size <= 0) return 0;
    const int length = std::min(static_cast<int>(window->className.size()), size - 1);
    std::memcpy(buffer, window->className.data(), static_cast<std::size_t>(length));
    buffer[length] = '\0';
    return length;
}

int SimProcessPort::GetDlgCtrlID(Hwnd hwnd) {
    Log(Call(Api::GetDlgCtrlID, hwnd));
    const SimWindow* window = World().Window(hwnd);
    return window ? window->id : 0;
}

bool SimProcessPort::GetVersionExA(OsVersionInfoA* info) {
    Log(Call(Api::GetVersionExA));
    if (World().system.versionFails) return false;
    *info = World().system.version;
    return true;
}

UInt SimProcessPort::GetSystemDirectoryA(char* buffer, UInt size) {
    Log(Call(Api::GetSystemDirectoryA));
    const std::string& dir = World().system.systemDirectory;
    // As Windows: the size needed, terminator included, when it does not fit.
    if (dir.size() + 1 > size) return static_cast<UInt>(dir.size() + 1);
    std::memcpy(buffer, dir.c_str(), dir.size() + 1);
    return static_cast<UInt>(dir.size());
}

bool SimProcessPort::GetDefaultRenderEndpointName(std::string& name) {
    Log(Call(Api::GetDefaultRenderEndpointName));
    if (World().system.renderEndpoint.empty()) return false;
    name = World().system.renderEndpoint;
    return true;
}

}  // namespace sim
