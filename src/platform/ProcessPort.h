// Desktops, processes and other processes' windows: what running a program
// out of sight on a desktop of its own and operating its dialog takes, and
// the system facts that decide how (the version, the system folder, the
// default playback endpoint of newer systems).
#pragma once

#include <string>

#include "platform/WinTypes.h"

namespace platform {

// STARTUPINFOA as the core fills it; the adapter lays it out (cb 68 on
// 32-bit Windows) and leaves every other member 0.
struct StartupInfoA {
    std::string desktop;  // lpDesktop; empty for none
    DWord dwFlags = 0;
    Word wShowWindow = 0;
    DWord dwX = 0;
    DWord dwY = 0;
};

struct ProcessInformation {
    Handle hProcess = 0;
    Handle hThread = 0;
    DWord dwProcessId = 0;
    DWord dwThreadId = 0;
};

// OSVERSIONINFOA's fields that decide; the adapter passes the 148-byte record.
struct OsVersionInfoA {
    DWord dwMajorVersion = 0;
    DWord dwMinorVersion = 0;
    DWord dwBuildNumber = 0;
    DWord dwPlatformId = 0;
};

// EnumWindows' and EnumChildWindows' callback: false stops the walk.
using WndEnumProc = bool (*)(Hwnd hwnd, LParam lParam);

class ProcessPort {
public:
    virtual ~ProcessPort() = default;

    // CreateDesktopA without device, mode or security attributes; 0 on failure.
    virtual Handle CreateDesktopA(const std::string& name, DWord flags, DWord access) = 0;
    // GetThreadDesktop: the desktop the thread is on (a handle that is not
    // closed); 0 on failure.
    virtual Handle GetThreadDesktop(DWord threadId) = 0;
    virtual bool SetThreadDesktop(Handle desktop) = 0;
    // Fails (ERROR_BUSY) while a thread is still on the desktop.
    virtual bool CloseDesktop(Handle desktop) = 0;

    // CreateProcessA without application name, process or thread attributes
    // or environment; currentDirectory empty for none.
    virtual bool CreateProcessA(const std::string& commandLine, bool inheritHandles,
                                DWord creationFlags, const std::string& currentDirectory,
                                const StartupInfoA& startup, ProcessInformation* info) = 0;
    virtual bool TerminateProcess(Handle process, UInt exitCode) = 0;

    // The top-level windows of the calling thread's desktop.
    virtual bool EnumWindows(WndEnumProc proc, LParam lParam) = 0;
    // Every descendant of parent, depth first.
    virtual bool EnumChildWindows(Hwnd parent, WndEnumProc proc, LParam lParam) = 0;
    // The class name's length, 0 on failure.
    virtual int GetClassNameA(Hwnd hwnd, char* buffer, int size) = 0;
    virtual int GetDlgCtrlID(Hwnd hwnd) = 0;

    virtual bool GetVersionExA(OsVersionInfoA* info) = 0;
    // The length written, 0 on failure, more than size when it did not fit.
    virtual UInt GetSystemDirectoryA(char* buffer, UInt size) = 0;

    // The friendly name of the default console render endpoint (Windows
    // Vista and later, through the audio endpoint API) in the system's ANSI
    // code page; false when there is none or the API is missing.
    virtual bool GetDefaultRenderEndpointName(std::string& name) = 0;
};

}  // namespace platform
