// ProcessPort: desktops, processes and other processes' windows through
// user32 and kernel32, and the default playback endpoint through the audio
// endpoint API (COM; where the API is missing, before Vista, creating its
// enumerator fails and there is no name).
#include <cstring>
#include <string>
#include <vector>

#include "ComLibraries.h"
#include "ComOwner.h"
#include "Handles.h"
#include "Win32Api.h"
#include "Win32Platform.h"

#include <mmdeviceapi.h>
#include <objbase.h>
#include <propidl.h>
#include <propsys.h>

namespace win32 {

using namespace platform;

namespace {

struct EnumThunk {
    WndEnumProc proc;
    LParam lParam;
};

BOOL CALLBACK EnumTrampoline(HWND hwnd, LPARAM lParam) {
    const EnumThunk* thunk = reinterpret_cast<const EnumThunk*>(lParam);
    return thunk->proc(FromHwnd(hwnd), thunk->lParam) ? TRUE : FALSE;
}

// Spelt out here so that nothing links the SDK's GUID libraries.
const GUID kClsidMMDeviceEnumerator = {
    0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};
const GUID kIidIMMDeviceEnumerator = {
    0xA95664D2, 0x9614, 0x4F35, {0xA7, 0x46, 0xDE, 0x8D, 0xB6, 0x36, 0x17, 0xE6}};
const PROPERTYKEY kPkeyDeviceFriendlyName = {
    {0xA45C254E, 0xDF1C, 0x4EFD, {0x80, 0x20, 0x67, 0xD1, 0x46, 0xA8, 0x50, 0xE0}}, 14};

std::string ToAnsi(const wchar_t* text) {
    const int size = ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return std::string();
    std::vector<char> buffer(static_cast<std::size_t>(size));
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, buffer.data(), size, nullptr, nullptr);
    return std::string(buffer.data());
}

// The friendly name once COM is up on this thread. Every object it reads
// through is released before it returns, so before the caller's
// CoUninitialize.
bool ReadFriendlyName(const Ole32& ole32, std::string& name) {
    ComPtr<IMMDeviceEnumerator> enumerator;
    if (FAILED(ole32.coCreateInstance(kClsidMMDeviceEnumerator, nullptr, CLSCTX_ALL,
                                      kIidIMMDeviceEnumerator, enumerator.put_void())) ||
        !enumerator)
        return false;
    ComPtr<IMMDevice> device;
    if (FAILED(enumerator->GetDefaultAudioEndpoint(eRender, eConsole, device.put())) || !device)
        return false;
    ComPtr<IPropertyStore> store;
    if (FAILED(device->OpenPropertyStore(STGM_READ, store.put())) || !store) return false;
    bool found = false;
    PROPVARIANT value;
    std::memset(&value, 0, sizeof value);
    if (SUCCEEDED(store->GetValue(kPkeyDeviceFriendlyName, &value)) && value.vt == VT_LPWSTR &&
        value.pwszVal) {
        name = ToAnsi(value.pwszVal);
        found = !name.empty();
    }
    ole32.propVariantClear(&value);
    return found;
}

}  // namespace

Handle Win32ProcessPort::CreateDesktopA(const std::string& name, DWord flags, DWord access) {
    return FromHandle(::CreateDesktopA(name.c_str(), nullptr, nullptr, flags, access, nullptr));
}

Handle Win32ProcessPort::GetThreadDesktop(DWord threadId) {
    return FromHandle(::GetThreadDesktop(threadId));
}

bool Win32ProcessPort::SetThreadDesktop(Handle desktop) {
    return ::SetThreadDesktop(static_cast<HDESK>(ToHandle(desktop))) != FALSE;
}

bool Win32ProcessPort::CloseDesktop(Handle desktop) {
    return ::CloseDesktop(static_cast<HDESK>(ToHandle(desktop))) != FALSE;
}

bool Win32ProcessPort::CreateProcessA(const std::string& commandLine, bool inheritHandles,
                                      DWord creationFlags, const std::string& currentDirectory,
                                      const StartupInfoA& startup, ProcessInformation* info) {
    STARTUPINFOA si;
    std::memset(&si, 0, sizeof si);
    si.cb = sizeof si;
    std::vector<char> desktop(startup.desktop.begin(), startup.desktop.end());
    desktop.push_back('\0');
    si.lpDesktop = startup.desktop.empty() ? nullptr : desktop.data();
    si.dwFlags = startup.dwFlags;
    si.wShowWindow = startup.wShowWindow;
    si.dwX = startup.dwX;
    si.dwY = startup.dwY;
    // CreateProcessA may write into the command line.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    PROCESS_INFORMATION pi;
    std::memset(&pi, 0, sizeof pi);
    const BOOL ok = ::CreateProcessA(
        nullptr, line.data(), nullptr, nullptr, inheritHandles ? TRUE : FALSE, creationFlags,
        nullptr, currentDirectory.empty() ? nullptr : currentDirectory.c_str(), &si, &pi);
    if (!ok) return false;
    if (info) {
        info->hProcess = FromHandle(pi.hProcess);
        info->hThread = FromHandle(pi.hThread);
        info->dwProcessId = pi.dwProcessId;
        info->dwThreadId = pi.dwThreadId;
    }
    return true;
}

bool Win32ProcessPort::TerminateProcess(Handle process, UInt exitCode) {
    return ::TerminateProcess(ToHandle(process), exitCode) != FALSE;
}

bool Win32ProcessPort::EnumWindows(WndEnumProc proc, LParam lParam) {
    EnumThunk thunk{proc, lParam};
    return ::EnumWindows(EnumTrampoline, reinterpret_cast<LPARAM>(&thunk)) != FALSE;
}

bool Win32ProcessPort::EnumChildWindows(Hwnd parent, WndEnumProc proc, LParam lParam) {
    EnumThunk thunk{proc, lParam};
    return ::EnumChildWindows(ToHwnd(parent), EnumTrampoline, reinterpret_cast<LPARAM>(&thunk)) !=
           FALSE;
}

int Win32ProcessPort::GetClassNameA(Hwnd hwnd, char* buffer, int size) {
    return ::GetClassNameA(ToHwnd(hwnd), buffer, size);
}

int Win32ProcessPort::GetDlgCtrlID(Hwnd hwnd) {
    return ::GetDlgCtrlID(ToHwnd(hwnd));
}

bool Win32ProcessPort::GetVersionExA(OsVersionInfoA* info) {
    OSVERSIONINFOA version;
    std::memset(&version, 0, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;  // 148
    if (!::GetVersionExA(&version)) return false;
    info->dwMajorVersion = version.dwMajorVersion;
    info->dwMinorVersion = version.dwMinorVersion;
    info->dwBuildNumber = version.dwBuildNumber;
    info->dwPlatformId = version.dwPlatformId;
    return true;
}

UInt Win32ProcessPort::GetSystemDirectoryA(char* buffer, UInt size) {
    return ::GetSystemDirectoryA(buffer, size);
}

bool Win32ProcessPort::GetDefaultRenderEndpointName(std::string& name) {
    const Ole32& ole32 = Ole32Functions();
    if (!ole32.coInitializeEx || !ole32.coUninitialize || !ole32.coCreateInstance ||
        !ole32.propVariantClear)
        return false;
    // The thread may hold COM already (the browser control): S_FALSE still
    // needs its CoUninitialize; another model must be left alone.
    const HRESULT initialized = ole32.coInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const bool found = ReadFriendlyName(ole32, name);
    if (SUCCEEDED(initialized)) ole32.coUninitialize();
    return found;
}

}  // namespace win32
