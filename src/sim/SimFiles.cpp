#include "sim/SimFiles.h"

#include <algorithm>
#include <cctype>

#include "platform/WinConst.h"

namespace sim {

using namespace platform;

namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool IsRoot(const std::string& key) {
    return key.size() == 3 && key[1] == ':' && key[2] == '\\';
}

}  // namespace

bool MaskMatches(const std::string& mask, const std::string& name) {
    // Iterative wildcard match with one backtrack point for the last '*'.
    std::size_t m = 0, n = 0, star = std::string::npos, afterStar = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || Lower(mask[m]) == Lower(name[n]))) {
            ++m;
            ++n;
        } else if (m < mask.size() && mask[m] == '*') {
            star = m++;
            afterStar = n;
        } else if (star != std::string::npos) {
            m = star + 1;
            n = ++afterStar;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') ++m;
    return m == mask.size();
}

SimFiles::SimFiles() {
    AddDrive('C');
}

std::string SimFiles::Key(const std::string& path) {
    std::string key;
    key.reserve(path.size());
    for (char c : path) key += c == '/' ? '\\' : Lower(c);
    while (key.size() > 1 && key.back() == '\\' && !IsRoot(key)) key.pop_back();
    if (key.size() == 2 && key[1] == ':') key += '\\';
    return key;
}

std::string SimFiles::Parent(const std::string& key) {
    if (IsRoot(key)) return {};
    const std::size_t slash = key.rfind('\\');
    if (slash == std::string::npos) return {};
    return slash == 2 ? key.substr(0, 3) : key.substr(0, slash);
}

void SimFiles::AddDrive(char letter) {
    letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    drives_ |= 1u << (letter - 'A');
    const std::string root = std::string(1, letter) + ":\\";
    entries_[Key(root)] = SimFileEntry{root, true, 0, {}};
}

void SimFiles::AddFolder(const std::string& path) {
    const std::string key = Key(path);
    if (key.empty() || Find(key)) return;
    const std::string parent = Parent(key);
    if (!parent.empty() && !Find(parent)) {
        const std::size_t slash = path.find_last_of('\\');
        AddFolder(slash == 2 ? path.substr(0, 3) : path.substr(0, slash));
    }
    std::string shown = path;
    while (shown.size() > 3 && shown.back() == '\\') shown.pop_back();
    entries_[key] = SimFileEntry{shown, true, 0, {}};
}

void SimFiles::AddFile(const std::string& path, std::vector<std::uint8_t> bytes, DWord attributes) {
    const std::size_t slash = path.find_last_of('\\');
    if (slash != std::string::npos)
        AddFolder(slash == 2 ? path.substr(0, 3) : path.substr(0, slash));
    entries_[Key(path)] = SimFileEntry{path, false, attributes, std::move(bytes)};
}

void SimFiles::AddFile(const std::string& path, const std::string& text, DWord attributes) {
    AddFile(path, std::vector<std::uint8_t>(text.begin(), text.end()), attributes);
}

void SimFiles::Remove(const std::string& path) {
    entries_.erase(Key(path));
}

const SimFileEntry* SimFiles::Find(const std::string& path) const {
    auto it = entries_.find(Key(path));
    return it == entries_.end() ? nullptr : &it->second;
}

SimFileEntry* SimFiles::Find(const std::string& path) {
    auto it = entries_.find(Key(path));
    return it == entries_.end() ? nullptr : &it->second;
}

bool SimFiles::FileExists(const std::string& path) const {
    const SimFileEntry* e = Find(path);
    return e && !e->folder;
}

bool SimFiles::FolderExists(const std::string& path) const {
    const SimFileEntry* e = Find(path);
    return e && e->folder;
}

std::optional<std::string> SimFiles::Text(const std::string& path) const {
    const SimFileEntry* e = Find(path);
    if (!e || e->folder) return std::nullopt;
    return std::string(e->bytes.begin(), e->bytes.end());
}

std::vector<const SimFileEntry*> SimFiles::Children(const std::string& folder) const {
    const std::string key = Key(folder);
    std::vector<const SimFileEntry*> children;
    for (const auto& [k, entry] : entries_)
        if (k != key && Parent(k) == key) children.push_back(&entry);
    return children;
}

bool SimFiles::Refused(const std::string& path) const {
    return Listed(refusedPaths, path);
}

bool SimFiles::Listed(const std::set<std::string>& paths, const std::string& path) const {
    for (const std::string& listed : paths)
        if (Key(listed) == Key(path)) return true;
    return false;
}

void SimFiles::HoldOpen(const std::string& path, DWord access, DWord share) {
    holders_[Key(path)] = Holder{access, share};
}

void SimFiles::Release(const std::string& path) {
    holders_.erase(Key(path));
}

DWord SimFiles::SharingError(const std::string& path, DWord access, DWord share) const {
    const auto held = holders_.find(Key(path));
    if (held == holders_.end()) return 0;
    const Holder& other = held->second;
    // Each side must allow what the other does.
    const bool allowed = (!(access & GENERIC_READ) || (other.share & FILE_SHARE_READ)) &&
                         (!(access & GENERIC_WRITE) || (other.share & FILE_SHARE_WRITE)) &&
                         (!(other.access & GENERIC_READ) || (share & FILE_SHARE_READ)) &&
                         (!(other.access & GENERIC_WRITE) || (share & FILE_SHARE_WRITE));
    return allowed ? 0 : ERROR_SHARING_VIOLATION;
}

bool SimFiles::HeldAgainstDelete(const std::string& path) const {
    const auto held = holders_.find(Key(path));
    return held != holders_.end() && !(held->second.share & FILE_SHARE_DELETE);
}

Handle SimFiles::OpenHandle(OpenFile file) {
    const Handle h = nextHandle_ += 4;
    files_[h] = std::move(file);
    return h;
}

SimFiles::OpenFile* SimFiles::File(Handle handle) {
    auto it = files_.find(handle);
    return it == files_.end() ? nullptr : &it->second;
}

Handle SimFiles::OpenListing(Listing listing) {
    const Handle h = nextHandle_ += 4;
    listings_[h] = std::move(listing);
    return h;
}

SimFiles::Listing* SimFiles::FindListing(Handle handle) {
    auto it = listings_.find(handle);
    return it == listings_.end() ? nullptr : &it->second;
}

bool SimFiles::Close(Handle handle) {
    return files_.erase(handle) + listings_.erase(handle) > 0;
}

}  // namespace sim
