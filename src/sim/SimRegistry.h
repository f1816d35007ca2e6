// The simulated registry: keys by path, compared without regard to case as
// Windows compares them, each with typed values; the keys programs hold open;
// and what tests script: keys that cannot be opened or created, keys whose
// writes are refused.
//
// Paths are full names from the root: "HKEY_CURRENT_USER\SoftWare\KESTAV".
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace sim {

struct SimRegValue {
    platform::DWord type = 0;
    std::vector<std::uint8_t> data;
};

struct SimRegKey {
    std::string path;  // as first created
    // Value names compare without regard to case too; the key is lower case.
    std::map<std::string, SimRegValue> values;
};

class SimRegistry {
public:
    // The root's name ("HKEY_CURRENT_USER"), "" for a handle that is no root.
    static std::string RootName(platform::Handle root);

    // --- What tests set up and read -----------------------------------------
    SimRegKey& CreateKey(const std::string& path);
    const SimRegKey* FindKey(const std::string& path) const;
    bool KeyExists(const std::string& path) const { return FindKey(path) != nullptr; }
    void SetValue(const std::string& path, const std::string& name, platform::DWord type,
                  std::vector<std::uint8_t> data);
    void SetDword(const std::string& path, const std::string& name, std::uint32_t value);
    void SetString(const std::string& path, const std::string& name, const std::string& text);
    // False when there was no such value.
    bool DeleteValue(const std::string& path, const std::string& name);
    const SimRegValue* FindValue(const std::string& path, const std::string& name) const;
    // The value as a REG_DWORD of four bytes; false when it is absent or not one.
    bool GetDword(const std::string& path, const std::string& name, std::uint32_t& value) const;
    // Opening or creating the key, or any key below it, fails with
    // ERROR_ACCESS_DENIED.
    void DenyKey(const std::string& path) { denied_.insert(Lower(path)); }
    // Writing a value to the key fails with ERROR_ACCESS_DENIED.
    void RefuseWrites(const std::string& path) { readOnly_.insert(Lower(path)); }
    // Keys programs hold open now.
    std::size_t OpenKeys() const { return open_.size(); }

    // --- What the port does (Windows' results) ------------------------------
    platform::DWord Create(platform::Handle root, const std::string& subKey, platform::DWord access,
                           platform::Handle* result, platform::DWord* disposition);
    platform::DWord Query(platform::Handle key, const std::string& name, platform::DWord* type,
                          platform::Byte* data, platform::DWord* dataSize) const;
    platform::DWord Set(platform::Handle key, const std::string& name, platform::DWord type,
                        const platform::Byte* data, platform::DWord dataSize);
    platform::DWord Close(platform::Handle key);

private:
    struct OpenKey {
        std::string path;  // lower case
        platform::DWord access = 0;
    };
    static std::string Lower(const std::string& text);
    bool Denied(const std::string& lowerPath) const;

    std::map<std::string, SimRegKey> keys_;  // by lower-case path
    std::set<std::string> denied_;
    std::set<std::string> readOnly_;
    std::map<platform::Handle, OpenKey> open_;
    platform::Handle next_ = 0x1000;
};

}  // namespace sim
