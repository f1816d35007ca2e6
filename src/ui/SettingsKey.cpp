#include "ui/SettingsKey.h"

#include "platform/WinConst.h"

namespace ui {

using namespace platform;

namespace {

bool Succeeded(Long status) {
    return status == static_cast<Long>(ERROR_SUCCESS);
}

}  // namespace

SettingsKey::SettingsKey(RegistryPort& registry, const std::string& path) : registry_(registry) {
    HKey key = 0;
    if (Succeeded(
            registry_.RegCreateKeyExA(HKEY_CURRENT_USER, path, KEY_ALL_ACCESS, &key, nullptr)))
        key_ = RegistryKey(registry_, key);
}

bool SettingsKey::ValueExists(const std::string& name) {
    if (!key_) return false;
    DWord type = 0;
    DWord size = 0;
    return Succeeded(registry_.RegQueryValueExA(key_.get(), name, &type, nullptr, &size));
}

std::int32_t SettingsKey::ReadInteger(const std::string& name) {
    // Four bytes are offered: a longer value fails the read itself; a short
    // one of type REG_DWORD fills the low bytes.
    Byte bytes[4] = {};
    DWord size = sizeof bytes;
    DWord type = 0;
    if (!key_ || !Succeeded(registry_.RegQueryValueExA(key_.get(), name, &type, bytes, &size)))
        throw RegistryError("Failed to get data for '" + name + "'");
    if (type != REG_DWORD) throw RegistryError("Invalid data type for '" + name + "'");
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | bytes[i];
    return static_cast<std::int32_t>(value);
}

void SettingsKey::WriteInteger(const std::string& name, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    const Byte bytes[4] = {static_cast<Byte>(bits), static_cast<Byte>(bits >> 8),
                           static_cast<Byte>(bits >> 16), static_cast<Byte>(bits >> 24)};
    if (!key_ ||
        !Succeeded(registry_.RegSetValueExA(key_.get(), name, REG_DWORD, bytes, sizeof bytes)))
        throw RegistryError("Failed to set data for '" + name + "'");
}

}  // namespace ui
