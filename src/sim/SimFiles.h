// The simulated file system: drives, folders and files that tests populate
// and read back, names compared without regard to case as Windows does, the
// handles programs hold on open files and folder listings, and failures
// tests ask for (paths that cannot be created, a full disk).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/FilePort.h"
#include "platform/WinTypes.h"

namespace sim {

struct SimFileEntry {
    std::string path;  // as created, without a trailing backslash (roots keep theirs)
    bool folder = false;
    platform::DWord attributes = 0;  // besides FILE_ATTRIBUTE_DIRECTORY
    std::vector<std::uint8_t> bytes;
};

class SimFiles {
public:
    SimFiles();

    // The running program's path (GetModuleFileNameA).
    std::string modulePath = "C:\\Phone\\UsbPhonePanel.exe";

    // Drive C exists from the start.
    void AddDrive(char letter);
    platform::DWord Drives() const { return drives_; }
    // Adds the folder and any missing parent; its drive must exist.
    void AddFolder(const std::string& path);
    // Adds or overwrites the file, adding missing parent folders.
    void AddFile(const std::string& path, std::vector<std::uint8_t> bytes,
                 platform::DWord attributes = 0);
    void AddFile(const std::string& path, const std::string& text, platform::DWord attributes = 0);
    void Remove(const std::string& path);
    const SimFileEntry* Find(const std::string& path) const;
    SimFileEntry* Find(const std::string& path);
    bool FileExists(const std::string& path) const;
    bool FolderExists(const std::string& path) const;
    // The file's bytes as text; nullopt when there is no such file.
    std::optional<std::string> Text(const std::string& path) const;
    // The entries directly inside a folder, sorted by name.
    std::vector<const SimFileEntry*> Children(const std::string& folder) const;

    // Creating (or replacing) a file at one of these paths fails with
    // ERROR_ACCESS_DENIED.
    std::set<std::string> refusedPaths;
    // Another program holds the file open: with this access, allowing others
    // this sharing (FILE_SHARE_*). An open or a replace it does not allow
    // fails with ERROR_SHARING_VIOLATION.
    struct Holder {
        platform::DWord access = 0;
        platform::DWord share = 0;
    };
    void HoldOpen(const std::string& path, platform::DWord access, platform::DWord share);
    void Release(const std::string& path);
    // Why an open of path with this access and sharing fails; 0 when it may.
    platform::DWord SharingError(const std::string& path, platform::DWord access,
                                 platform::DWord share) const;
    // Replacing or deleting path fails while a holder does not share deletion.
    bool HeldAgainstDelete(const std::string& path) const;
    // Opening one of these paths for reading fails with ERROR_ACCESS_DENIED
    // (no permission).
    std::set<std::string> unreadablePaths;
    // Reading an open file at one of these paths fails (ERROR_READ_FAULT)
    // after its first chunk.
    std::set<std::string> failingReads;
    bool Listed(const std::set<std::string>& paths, const std::string& path) const;

    // When set, every write fails with ERROR_DISK_FULL after this many more
    // bytes have been written.
    std::optional<std::size_t> freeSpace;

    // Handles, for the ports.
    struct OpenFile {
        std::string key;
        bool write = false;
        std::size_t position = 0;
    };
    struct Listing {
        std::vector<std::string> names;  // matching entries' keys
        std::size_t next = 0;
    };
    platform::Handle OpenHandle(OpenFile file);
    OpenFile* File(platform::Handle handle);
    platform::Handle OpenListing(Listing listing);
    Listing* FindListing(platform::Handle handle);
    bool Close(platform::Handle handle);
    std::size_t OpenHandles() const { return files_.size() + listings_.size(); }

    // The lookup key of a path: lower case, no trailing backslash but a root's.
    static std::string Key(const std::string& path);
    static std::string Parent(const std::string& key);
    bool Refused(const std::string& path) const;

private:
    std::map<std::string, SimFileEntry> entries_;
    std::map<platform::Handle, OpenFile> files_;
    std::map<platform::Handle, Listing> listings_;
    std::map<std::string, Holder> holders_;
    platform::Handle nextHandle_ = 0x10000000;  // apart from kernel and process handles
    platform::DWord drives_ = 0;
};

// Whether a name matches a mask of * and ?, without regard to case.
bool MaskMatches(const std::string& mask, const std::string& name);

}  // namespace sim
