#include "sim/SimRegistry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/WinConst.h"

namespace sim {

using namespace platform;

std::string SimRegistry::Lower(const std::string& text) {
    std::string out = text;
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string SimRegistry::RootName(Handle root) {
    return root == HKEY_CURRENT_USER ? "HKEY_CURRENT_USER" : "";
}

bool SimRegistry::Denied(const std::string& lowerPath) const {
    // A denied key also stands in the way of every key below it.
    for (const std::string& denied : denied_) {
        if (lowerPath == denied) return true;
        if (lowerPath.size() > denied.size() && lowerPath.compare(0, denied.size(), denied) == 0 &&
            lowerPath[denied.size()] == '\\')
            return true;
    }
    return false;
}

SimRegKey& SimRegistry::CreateKey(const std::string& path) {
    // Parents below the root come into being with the key, as
    // RegCreateKeyEx makes them.
    for (std::size_t end = path.find('\\'); end != std::string::npos;
         end = path.find('\\', end + 1)) {
        const std::string parent = path.substr(0, end);
        if (parent.find('\\') == std::string::npos) continue;  // the root
        SimRegKey& key = keys_[Lower(parent)];
        if (key.path.empty()) key.path = parent;
    }
    SimRegKey& key = keys_[Lower(path)];
    if (key.path.empty()) key.path = path;
    return key;
}

const SimRegKey* SimRegistry::FindKey(const std::string& path) const {
    auto it = keys_.find(Lower(path));
    return it == keys_.end() ? nullptr : &it->second;
}

void SimRegistry::SetValue(const std::string& path, const std::string& name, DWord type,
                           std::vector<std::uint8_t> data) {
    SimRegValue& value = CreateKey(path).values[Lower(name)];
    value.type = type;
    value.data = std::move(data);
}

void SimRegistry::SetDword(const std::string& path, const std::string& name, std::uint32_t value) {
    std::vector<std::uint8_t> bytes(4);
    std::memcpy(bytes.data(), &value, 4);
    SetValue(path, name, REG_DWORD, std::move(bytes));
}

void SimRegistry::SetString(const std::string& path, const std::string& name,
                            const std::string& text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    SetValue(path, name, REG_SZ, std::move(bytes));
}

const SimRegValue* SimRegistry::FindValue(const std::string& path, const std::string& name) const {
    const SimRegKey* key = FindKey(path);
    if (!key) return nullptr;
    auto it = key->values.find(Lower(name));
    return it == key->values.end() ? nullptr : &it->second;
}

bool SimRegistry::DeleteValue(const std::string& path, const std::string& name) {
    auto key = keys_.find(Lower(path));
    return key != keys_.end() && key->second.values.erase(Lower(name)) > 0;
}

bool SimRegistry::GetDword(const std::string& path, const std::string& name,
                           std::uint32_t& value) const {
    const SimRegValue* found = FindValue(path, name);
    if (!found || found->type != REG_DWORD || found->data.size() != 4) return false;
    std::memcpy(&value, found->data.data(), 4);
    return true;
}

// --- The port's calls ------------------------------------------------------------

DWord SimRegistry::Create(Handle root, const std::string& subKey, DWord access, Handle* result,
                          DWord* disposition) {
    if (result) *result = 0;
    std::string base = RootName(root);
    if (base.empty()) {
        auto open = open_.find(root);
        if (open == open_.end()) return ERROR_INVALID_HANDLE;
        base = keys_.at(open->second.path).path;
    }
    const std::string path = subKey.empty() ? base : base + "\\" + subKey;
    const std::string lower = Lower(path);
    if (Denied(lower)) return ERROR_ACCESS_DENIED;
    const bool existed = keys_.count(lower) > 0;
    CreateKey(path);
    const Handle handle = next_;
    next_ += 4;
    open_[handle] = OpenKey{lower, access};
    if (result) *result = handle;
    if (disposition) *disposition = existed ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    return ERROR_SUCCESS;
}

DWord SimRegistry::Query(Handle key, const std::string& name, DWord* type, Byte* data,
                         DWord* dataSize) const {
    auto open = open_.find(key);
    if (open == open_.end()) return ERROR_INVALID_HANDLE;
    if ((open->second.access & KEY_QUERY_VALUE) == 0) return ERROR_ACCESS_DENIED;
    if (data && !dataSize) return ERROR_INVALID_PARAMETER;
    const SimRegKey& k = keys_.at(open->second.path);
    auto it = k.values.find(Lower(name));
    if (it == k.values.end()) return ERROR_FILE_NOT_FOUND;
    const SimRegValue& value = it->second;
    const auto size = static_cast<DWord>(value.data.size());
    if (type) *type = value.type;
    if (data) {
        if (*dataSize < size) {
            *dataSize = size;
            return ERROR_MORE_DATA;
        }
        if (size > 0) std::memcpy(data, value.data.data(), size);
    }
    if (dataSize) *dataSize = size;
    return ERROR_SUCCESS;
}

DWord SimRegistry::Set(Handle key, const std::string& name, DWord type, const Byte* data,
                       DWord dataSize) {
    auto open = open_.find(key);
    if (open == open_.end()) return ERROR_INVALID_HANDLE;
    if ((open->second.access & KEY_SET_VALUE) == 0) return ERROR_ACCESS_DENIED;
    if (readOnly_.count(open->second.path) > 0) return ERROR_ACCESS_DENIED;
    if (!data && dataSize > 0) return ERROR_INVALID_PARAMETER;
    SimRegValue& value = keys_.at(open->second.path).values[Lower(name)];
    value.type = type;
    value.data.assign(data, data + dataSize);
    return ERROR_SUCCESS;
}

DWord SimRegistry::Close(Handle key) {
    return open_.erase(key) > 0 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

}  // namespace sim
