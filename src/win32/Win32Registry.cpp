// RegistryPort: advapi32's registry calls as they are. Only calls that
// Windows 2000 has (never RegGetValue*, which came with Vista).
#include "Win32Api.h"
#include "Win32Platform.h"

namespace win32 {

using namespace platform;

namespace {

// Keys are handles; the predefined roots are sign-extended LONGs, which the
// core keeps as the same integers (checked in PortChecks.cpp).
HKEY ToHkey(HKey key) {
    return reinterpret_cast<HKEY>(key);
}
HKey FromHkey(HKEY key) {
    return reinterpret_cast<HKey>(key);
}

}  // namespace

Long Win32RegistryPort::RegCreateKeyExA(HKey key, const std::string& subKey, DWord samDesired,
                                        HKey* result, DWord* disposition) {
    HKEY opened = nullptr;
    DWORD how = 0;
    const LONG status =
        ::RegCreateKeyExA(ToHkey(key), subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          samDesired, nullptr, &opened, &how);
    if (result) *result = status == ERROR_SUCCESS ? FromHkey(opened) : 0;
    if (disposition) *disposition = status == ERROR_SUCCESS ? how : 0;
    return status;
}

Long Win32RegistryPort::RegQueryValueExA(HKey key, const std::string& valueName, DWord* type,
                                         Byte* data, DWord* dataSize) {
    // DWORD is unsigned long here, the core's DWord unsigned int: same size,
    // other type, so the in-out values go through locals.
    DWORD sdkType = 0;
    DWORD sdkSize = dataSize ? *dataSize : 0;
    const LONG status =
        ::RegQueryValueExA(ToHkey(key), valueName.c_str(), nullptr, type ? &sdkType : nullptr, data,
                           dataSize ? &sdkSize : nullptr);
    if (type) *type = sdkType;
    if (dataSize) *dataSize = sdkSize;
    return status;
}

Long Win32RegistryPort::RegSetValueExA(HKey key, const std::string& valueName, DWord type,
                                       const Byte* data, DWord dataSize) {
    return ::RegSetValueExA(ToHkey(key), valueName.c_str(), 0, type, data, dataSize);
}

Long Win32RegistryPort::RegCloseKey(HKey key) {
    return ::RegCloseKey(ToHkey(key));
}

}  // namespace win32
