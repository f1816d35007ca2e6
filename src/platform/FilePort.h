// Files and folders: the program's own path, the drives, attributes, folder
// listings with a mask, and files read, written and replaced whole. Paths
// are in the system's ANSI code page; failures set the thread's last error
// (SyncPort::GetLastError).
#pragma once

#include <cstdint>
#include <string>

#include "platform/WinTypes.h"

namespace platform {

// FILETIME.
struct FileTime {
    DWord dwLowDateTime = 0;
    DWord dwHighDateTime = 0;
};

// WIN32_FIND_DATAA, laid out as Windows lays it out.
struct Win32FindDataA {
    DWord dwFileAttributes = 0;
    FileTime ftCreationTime;
    FileTime ftLastAccessTime;
    FileTime ftLastWriteTime;
    DWord nFileSizeHigh = 0;
    DWord nFileSizeLow = 0;
    DWord dwReserved0 = 0;
    DWord dwReserved1 = 0;
    char cFileName[260] = {};
    char cAlternateFileName[14] = {};
};

// INVALID_HANDLE_VALUE as the ports' plain handle.
constexpr Handle kInvalidHandle = ~Handle{0};

class FilePort {
public:
    virtual ~FilePort() = default;

    // GetModuleFileNameA of the running program (module 0): the number of
    // characters copied, at most size - 1 plus the zero; size when cut short.
    virtual DWord GetModuleFileNameA(char* buffer, DWord size) = 0;
    // Bit N set: drive letter 'A' + N exists.
    virtual DWord GetLogicalDrives() = 0;
    // INVALID_FILE_ATTRIBUTES when nothing is there.
    virtual DWord GetFileAttributesA(const std::string& path) = 0;
    virtual bool CreateDirectoryA(const std::string& path) = 0;
    // Without security attributes or template; kInvalidHandle on failure.
    virtual Handle CreateFileA(const std::string& path, DWord access, DWord shareMode,
                               DWord creationDisposition, DWord flagsAndAttributes) = 0;
    virtual bool ReadFile(Handle file, void* buffer, DWord size, DWord* read) = 0;
    virtual bool WriteFile(Handle file, const void* buffer, DWord size, DWord* written) = 0;
    virtual bool MoveFileExA(const std::string& from, const std::string& to, DWord flags) = 0;
    virtual bool DeleteFileA(const std::string& path) = 0;
    // pattern: a folder, a backslash and a mask with * and ?.
    virtual Handle FindFirstFileA(const std::string& pattern, Win32FindDataA* data) = 0;
    virtual bool FindNextFileA(Handle find, Win32FindDataA* data) = 0;
    virtual bool FindClose(Handle find) = 0;

    // CopyFileA; with failIfExists an existing target is left alone and the
    // copy fails (ERROR_FILE_EXISTS).
    virtual bool CopyFileA(const std::string& from, const std::string& to, bool failIfExists) = 0;
};

}  // namespace platform
