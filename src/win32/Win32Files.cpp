// FilePort: kernel32's file and folder calls as they are (all present on
// Windows 2000).
#include "Handles.h"
#include "Win32Api.h"
#include "Win32Platform.h"

namespace win32 {

using namespace platform;

DWord Win32FilePort::GetModuleFileNameA(char* buffer, DWord size) {
    return ::GetModuleFileNameA(nullptr, buffer, size);
}

DWord Win32FilePort::GetLogicalDrives() {
    return ::GetLogicalDrives();
}

DWord Win32FilePort::GetFileAttributesA(const std::string& path) {
    return ::GetFileAttributesA(path.c_str());
}

bool Win32FilePort::CreateDirectoryA(const std::string& path) {
    return ::CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

Handle Win32FilePort::CreateFileA(const std::string& path, DWord access, DWord shareMode,
                                  DWord creationDisposition, DWord flagsAndAttributes) {
    return FromHandle(::CreateFileA(path.c_str(), access, shareMode, nullptr, creationDisposition,
                                    flagsAndAttributes, nullptr));
}

bool Win32FilePort::ReadFile(Handle file, void* buffer, DWord size, DWord* read) {
    DWORD done = 0;
    const BOOL ok = ::ReadFile(ToHandle(file), buffer, size, &done, nullptr);
    if (read) *read = done;
    return ok != FALSE;
}

bool Win32FilePort::WriteFile(Handle file, const void* buffer, DWord size, DWord* written) {
    DWORD done = 0;
    const BOOL ok = ::WriteFile(ToHandle(file), buffer, size, &done, nullptr);
    if (written) *written = done;
    return ok != FALSE;
}

bool Win32FilePort::CopyFileA(const std::string& from, const std::string& to, bool failIfExists) {
    return ::CopyFileA(from.c_str(), to.c_str(), failIfExists ? TRUE : FALSE) != FALSE;
}

bool Win32FilePort::MoveFileExA(const std::string& from, const std::string& to, DWord flags) {
    return ::MoveFileExA(from.c_str(), to.c_str(), flags) != FALSE;
}

bool Win32FilePort::DeleteFileA(const std::string& path) {
    return ::DeleteFileA(path.c_str()) != FALSE;
}

Handle Win32FilePort::FindFirstFileA(const std::string& pattern, Win32FindDataA* data) {
    return FromHandle(::FindFirstFileA(pattern.c_str(), reinterpret_cast<WIN32_FIND_DATAA*>(data)));
}

bool Win32FilePort::FindNextFileA(Handle find, Win32FindDataA* data) {
    return ::FindNextFileA(ToHandle(find), reinterpret_cast<WIN32_FIND_DATAA*>(data)) != FALSE;
}

bool Win32FilePort::FindClose(Handle find) {
    return ::FindClose(ToHandle(find)) != FALSE;
}

}  // namespace win32
