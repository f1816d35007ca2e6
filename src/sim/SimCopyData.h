// The bytes a WM_COPYDATA carries, read the way Windows copies them: none
// when the data pointer is null or the count is 0.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/WinTypes.h"

namespace sim {

inline std::vector<std::uint8_t> CopyDataBytes(const platform::CopyDataStruct& data) {
    if (!data.lpData || !data.cbData) return {};
    const auto* p = static_cast<const std::uint8_t*>(data.lpData);
    return std::vector<std::uint8_t>(p, p + data.cbData);
}

}  // namespace sim
