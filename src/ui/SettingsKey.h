// The settings key, open for the length of one operation: opened (created on
// first use) with full access under HKEY_CURRENT_USER, closed when the object
// goes, also when a read or write throws.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "platform/HandleOwners.h"
#include "platform/RegistryPort.h"

namespace ui {

// A value of the wrong type or a write the registry refused. The store does
// not handle it: it ends the operation and reaches the application's error
// report with its text.
class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SettingsKey {
public:
    SettingsKey(platform::RegistryPort& registry, const std::string& path);

    // False when the key could neither be opened nor created.
    bool IsOpen() const { return static_cast<bool>(key_); }
    // Whether the value is there, whatever its type; asking is never an error.
    bool ValueExists(const std::string& name);
    // The value as a signed 32-bit integer. Throws RegistryError: "Failed to
    // get data for '<name>'" when it cannot be read into four bytes, "Invalid
    // data type for '<name>'" when it is not a REG_DWORD.
    std::int32_t ReadInteger(const std::string& name);
    // Writes a REG_DWORD; throws RegistryError "Failed to set data for
    // '<name>'" when the registry refuses it.
    void WriteInteger(const std::string& name, std::int32_t value);

private:
    platform::RegistryPort& registry_;
    platform::RegistryKey key_;
};

}  // namespace ui
