// FilePort of a simulated process, on the world's file system.
#include <algorithm>
#include <cstring>

#include "platform/WinConst.h"
#include "sim/SimProcess.h"

namespace sim {

using namespace platform;

namespace {

constexpr DWord kErrorReadFault = 30;  // ERROR_READ_FAULT

void Fill(const SimFileEntry& entry, Win32FindDataA* data) {
    *data = Win32FindDataA{};
    data->dwFileAttributes = entry.folder
                                 ? FILE_ATTRIBUTE_DIRECTORY | entry.attributes
                                 : (entry.attributes ? entry.attributes : FILE_ATTRIBUTE_NORMAL);
    data->nFileSizeLow = static_cast<DWord>(entry.bytes.size());
    const std::size_t slash = entry.path.find_last_of('\\');
    const std::string name = slash == std::string::npos ? entry.path : entry.path.substr(slash + 1);
    std::strncpy(data->cFileName, name.c_str(), sizeof data->cFileName - 1);
}

void FillDots(const char* name, Win32FindDataA* data) {
    *data = Win32FindDataA{};
    data->dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
    std::strncpy(data->cFileName, name, sizeof data->cFileName - 1);
}

// The listing's next entry; an entry removed since the listing began is
// skipped.
bool NextEntry(SimFiles& files, SimFiles::Listing& listing, Win32FindDataA* data) {
    while (listing.next < listing.names.size()) {
        const std::string& name = listing.names[listing.next++];
        if (name == "." || name == "..") {
            FillDots(name.c_str(), data);
            return true;
        }
        if (const SimFileEntry* entry = files.Find(name)) {
            Fill(*entry, data);
            return true;
        }
    }
    return false;
}

}  // namespace

DWord SimFilePort::GetModuleFileNameA(char* buffer, DWord size) {
    SimCall call = Call(Api::GetModuleFileNameA);
    const std::string& path = World().files.modulePath;
    if (size == 0) return Done(std::move(call), DWord{0}, ERROR_INSUFFICIENT_BUFFER);
    const std::size_t n = std::min<std::size_t>(path.size(), size - 1);
    std::memcpy(buffer, path.data(), n);
    buffer[n] = '\0';
    call.text = path;
    if (n < path.size()) return Done(std::move(call), size, ERROR_INSUFFICIENT_BUFFER);
    return Done(std::move(call), static_cast<DWord>(n), 0);
}

DWord SimFilePort::GetLogicalDrives() {
    return Done(Call(Api::GetLogicalDrives), World().files.Drives(), 0);
}

DWord SimFilePort::GetFileAttributesA(const std::string& path) {
    SimCall call = Call(Api::GetFileAttributesA);
    call.text = path;
    const SimFileEntry* entry = World().files.Find(path);
    if (!entry) return Done(std::move(call), INVALID_FILE_ATTRIBUTES, ERROR_FILE_NOT_FOUND);
    const DWord attributes = entry->folder
                                 ? FILE_ATTRIBUTE_DIRECTORY | entry->attributes
                                 : (entry->attributes ? entry->attributes : FILE_ATTRIBUTE_NORMAL);
    return Done(std::move(call), attributes, 0);
}

bool SimFilePort::CreateDirectoryA(const std::string& path) {
    SimCall call = Call(Api::CreateDirectoryA);
    call.text = path;
    SimFiles& files = World().files;
    if (files.Find(path)) return Done(std::move(call), false, ERROR_ALREADY_EXISTS);
    if (!files.FolderExists(SimFiles::Parent(SimFiles::Key(path))))
        return Done(std::move(call), false, ERROR_PATH_NOT_FOUND);
    if (files.Refused(path)) return Done(std::move(call), false, ERROR_ACCESS_DENIED);
    files.AddFolder(path);
    return Done(std::move(call), true, 0);
}

Handle SimFilePort::CreateFileA(const std::string& path, DWord access, DWord share,
                                DWord disposition, DWord) {
    SimCall call = Call(Api::CreateFileA, 0, disposition);
    call.text = path;
    call.flags = access;
    SimFiles& files = World().files;
    const SimFileEntry* entry = files.Find(path);
    if (entry && entry->folder) return Done(std::move(call), kInvalidHandle, ERROR_ACCESS_DENIED);
    if (const DWord error = entry ? files.SharingError(path, access, share) : 0)
        return Done(std::move(call), kInvalidHandle, error);
    if (entry && (access & GENERIC_READ) && files.Listed(files.unreadablePaths, path))
        return Done(std::move(call), kInvalidHandle, ERROR_ACCESS_DENIED);
    if (disposition == OPEN_EXISTING) {
        if (!entry) return Done(std::move(call), kInvalidHandle, ERROR_FILE_NOT_FOUND);
    } else if (disposition == CREATE_ALWAYS) {
        if (!files.FolderExists(SimFiles::Parent(SimFiles::Key(path))))
            return Done(std::move(call), kInvalidHandle, ERROR_PATH_NOT_FOUND);
        if (files.Refused(path)) return Done(std::move(call), kInvalidHandle, ERROR_ACCESS_DENIED);
        files.AddFile(path, std::vector<std::uint8_t>{});
    } else {
        return Done(std::move(call), kInvalidHandle, ERROR_INVALID_PARAMETER);
    }
    const Handle h = files.OpenHandle({SimFiles::Key(path), (access & GENERIC_WRITE) != 0, 0});
    process_.handles.Opened(HandleKind::File, h);
    call.wParam = h;
    return Done(std::move(call), h, 0);
}

bool SimFilePort::ReadFile(Handle file, void* buffer, DWord size, DWord* read) {
    SimCall call = Call(Api::ReadFile, 0, 0, file);
    SimFiles& files = World().files;
    SimFiles::OpenFile* open = files.File(file);
    SimFileEntry* entry = open ? files.Find(open->key) : nullptr;
    if (read) *read = 0;
    if (!entry) return Done(std::move(call), false, ERROR_INVALID_HANDLE);
    if (open->position > 0 && files.Listed(files.failingReads, open->key))
        return Done(std::move(call), false, kErrorReadFault);
    const std::size_t n = std::min<std::size_t>(
        size, entry->bytes.size() - std::min(open->position, entry->bytes.size()));
    if (n > 0) std::memcpy(buffer, entry->bytes.data() + open->position, n);
    open->position += n;
    if (read) *read = static_cast<DWord>(n);
    return Done(std::move(call), true, 0);
}

bool SimFilePort::WriteFile(Handle file, const void* buffer, DWord size, DWord* written) {
    SimCall call = Call(Api::WriteFile, 0, 0, file);
    SimFiles& files = World().files;
    SimFiles::OpenFile* open = files.File(file);
    SimFileEntry* entry = open ? files.Find(open->key) : nullptr;
    if (written) *written = 0;
    if (!entry || !open->write) return Done(std::move(call), false, ERROR_ACCESS_DENIED);
    std::size_t n = size;
    if (files.freeSpace) n = std::min(n, *files.freeSpace);
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    call.data.assign(bytes, bytes + n);
    if (entry->bytes.size() < open->position + n) entry->bytes.resize(open->position + n);
    std::copy(bytes, bytes + n, entry->bytes.begin() + static_cast<long>(open->position));
    open->position += n;
    if (files.freeSpace) *files.freeSpace -= n;
    if (written) *written = static_cast<DWord>(n);
    if (n < size) return Done(std::move(call), false, ERROR_DISK_FULL);
    return Done(std::move(call), true, 0);
}

bool SimFilePort::MoveFileExA(const std::string& from, const std::string& to, DWord flags) {
    SimCall call = Call(Api::MoveFileExA);
    call.text = from + "|" + to;
    call.flags = flags;
    SimFiles& files = World().files;
    const SimFileEntry* source = files.Find(from);
    if (!source || source->folder) return Done(std::move(call), false, ERROR_FILE_NOT_FOUND);
    const SimFileEntry* target = files.Find(to);
    if (target && (target->folder || !(flags & MOVEFILE_REPLACE_EXISTING)))
        return Done(std::move(call), false, ERROR_ALREADY_EXISTS);
    if (!files.FolderExists(SimFiles::Parent(SimFiles::Key(to))))
        return Done(std::move(call), false, ERROR_PATH_NOT_FOUND);
    if (files.Refused(to)) return Done(std::move(call), false, ERROR_ACCESS_DENIED);
    if ((target && files.HeldAgainstDelete(to)) || files.HeldAgainstDelete(from))
        return Done(std::move(call), false, ERROR_SHARING_VIOLATION);
    SimFileEntry moved = *source;
    files.Remove(from);
    files.AddFile(to, std::move(moved.bytes), moved.attributes);
    return Done(std::move(call), true, 0);
}

bool SimFilePort::CopyFileA(const std::string& from, const std::string& to, bool failIfExists) {
    SimCall call = Call(Api::CopyFileA);
    call.text = from + "|" + to;
    call.flags = failIfExists ? 1 : 0;
    SimFiles& files = World().files;
    const SimFileEntry* source = files.Find(from);
    if (!source || source->folder) return Done(std::move(call), false, ERROR_FILE_NOT_FOUND);
    const SimFileEntry* target = files.Find(to);
    if (target && target->folder) return Done(std::move(call), false, ERROR_ACCESS_DENIED);
    if (target && failIfExists) return Done(std::move(call), false, ERROR_FILE_EXISTS);
    if (!files.FolderExists(SimFiles::Parent(SimFiles::Key(to))))
        return Done(std::move(call), false, ERROR_PATH_NOT_FOUND);
    if (files.Refused(to)) return Done(std::move(call), false, ERROR_ACCESS_DENIED);
    SimFileEntry copy = *source;
    files.AddFile(to, std::move(copy.bytes), copy.attributes);
    return Done(std::move(call), true, 0);
}

bool SimFilePort::DeleteFileA(const std::string& path) {
    SimCall call = Call(Api::DeleteFileA);
    call.text = path;
    if (!World().files.FileExists(path)) return Done(std::move(call), false, ERROR_FILE_NOT_FOUND);
    if (World().files.HeldAgainstDelete(path))
        return Done(std::move(call), false, ERROR_SHARING_VIOLATION);
    World().files.Remove(path);
    return Done(std::move(call), true, 0);
}

Handle SimFilePort::FindFirstFileA(const std::string& pattern, Win32FindDataA* data) {
    SimCall call = Call(Api::FindFirstFileA);
    call.text = pattern;
    SimFiles& files = World().files;
    const std::size_t slash = pattern.find_last_of('\\');
    const std::string folder = slash == std::string::npos ? "" : pattern.substr(0, slash + 1);
    const std::string mask = pattern.substr(slash == std::string::npos ? 0 : slash + 1);
    if (!files.FolderExists(folder))
        return Done(std::move(call), kInvalidHandle, ERROR_PATH_NOT_FOUND);
    SimFiles::Listing listing;
    // Every folder but a root lists itself and its parent first.
    if (SimFiles::Key(folder).size() > 3) {
        for (const char* dots : {".", ".."})
            if (MaskMatches(mask, dots)) listing.names.push_back(dots);
    }
    for (const SimFileEntry* child : files.Children(folder)) {
        const std::string name = child->path.substr(child->path.find_last_of('\\') + 1);
        if (MaskMatches(mask, name)) listing.names.push_back(SimFiles::Key(child->path));
    }
    if (listing.names.empty()) return Done(std::move(call), kInvalidHandle, ERROR_FILE_NOT_FOUND);
    const Handle h = files.OpenListing(std::move(listing));
    process_.handles.Opened(HandleKind::Find, h);
    NextEntry(files, *files.FindListing(h), data);
    return Done(std::move(call), h, 0);
}

bool SimFilePort::FindNextFileA(Handle find, Win32FindDataA* data) {
    SimCall call = Call(Api::FindNextFileA, 0, 0, find);
    SimFiles& files = World().files;
    SimFiles::Listing* listing = files.FindListing(find);
    if (!listing) return Done(std::move(call), false, ERROR_INVALID_HANDLE);
    if (NextEntry(files, *listing, data)) return Done(std::move(call), true, 0);
    return Done(std::move(call), false, ERROR_NO_MORE_FILES);
}

bool SimFilePort::FindClose(Handle find) {
    SimCall call = Call(Api::FindClose, 0, 0, find);
    const bool closed = World().files.FindListing(find) && World().files.Close(find);
    if (closed) process_.handles.Closed({HandleKind::Find}, find);
    return Done(std::move(call), closed, closed ? 0 : ERROR_INVALID_HANDLE);
}

}  // namespace sim
