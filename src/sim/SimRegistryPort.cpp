// RegistryPort of a simulated process: the world's registry, every call in
// the journal with its result.
#include "sim/SimProcess.h"

namespace sim {

using namespace platform;

namespace {

Long AsLong(DWord status) {
    return static_cast<Long>(status);
}

}  // namespace

Long SimRegistryPort::RegCreateKeyExA(HKey key, const std::string& subKey, DWord samDesired,
                                      HKey* result, DWord* disposition) {
    HKey opened = 0;
    const Long status =
        AsLong(World().registry.Create(key, subKey, samDesired, &opened, disposition));
    if (result) *result = opened;
    if (status == 0 && opened) process_.handles.Opened(HandleKind::RegistryKey, opened);
    SimCall call = Call(Api::RegCreateKeyExA);
    call.wParam = key;
    call.lParam = status;
    call.flags = samDesired;
    call.text = subKey;
    Log(std::move(call));
    return status;
}

Long SimRegistryPort::RegQueryValueExA(HKey key, const std::string& valueName, DWord* type,
                                       Byte* data, DWord* dataSize) {
    const Long status = AsLong(World().registry.Query(key, valueName, type, data, dataSize));
    SimCall call = Call(Api::RegQueryValueExA);
    call.wParam = key;
    call.lParam = status;
    call.text = valueName;
    Log(std::move(call));
    return status;
}

Long SimRegistryPort::RegSetValueExA(HKey key, const std::string& valueName, DWord type,
                                     const Byte* data, DWord dataSize) {
    const Long status = AsLong(World().registry.Set(key, valueName, type, data, dataSize));
    SimCall call = Call(Api::RegSetValueExA);
    call.wParam = key;
    call.lParam = status;
    call.flags = type;
    call.text = valueName;
    if (data) call.data.assign(data, data + dataSize);
    Log(std::move(call));
    return status;
}

Long SimRegistryPort::RegCloseKey(HKey key) {
    const Long status = AsLong(World().registry.Close(key));
    if (status == 0) process_.handles.Closed({HandleKind::RegistryKey}, key);
    SimCall call = Call(Api::RegCloseKey);
    call.wParam = key;
    call.lParam = status;
    Log(std::move(call));
    return status;
}

}  // namespace sim
