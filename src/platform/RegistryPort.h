// The registry of the current user: keys opened (and created when missing),
// typed values read and written, keys closed. Results are Windows' LONG
// error codes (ERROR_SUCCESS, ERROR_FILE_NOT_FOUND, ERROR_MORE_DATA, ...).
#pragma once

#include <cstdint>
#include <string>

#include "platform/WinTypes.h"

namespace platform {

using HKey = Handle;        // HKEY, predefined roots included
using Long = std::int32_t;  // LONG: 32 bits on both Windows ABIs

class RegistryPort {
public:
    virtual ~RegistryPort() = default;

    // RegCreateKeyExA without a class, non-volatile, without security
    // attributes: opens subKey under key, creating it and any missing parent
    // when needed. disposition (may be null) tells which of the two happened.
    virtual Long RegCreateKeyExA(HKey key, const std::string& subKey, DWord samDesired,
                                 HKey* result, DWord* disposition) = 0;
    // type, data and dataSize may each be null as in Windows. With data,
    // *dataSize is the buffer's size on entry and the value's size on return;
    // ERROR_MORE_DATA when the value does not fit (nothing is copied then).
    virtual Long RegQueryValueExA(HKey key, const std::string& valueName, DWord* type, Byte* data,
                                  DWord* dataSize) = 0;
    virtual Long RegSetValueExA(HKey key, const std::string& valueName, DWord type,
                                const Byte* data, DWord dataSize) = 0;
    virtual Long RegCloseKey(HKey key) = 0;
};

}  // namespace platform
