// The bytes of the text channel to the driver: command frames out, reply
// texts in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace driverlink {

// "!", the text up to its first zero byte, and a closing zero.
std::vector<std::uint8_t> BuildCommandFrame(const std::string& text);

// The text of a WM_COPYDATA's data: up to the first zero byte and never past
// cbData. Empty for a missing structure or missing data.
std::string ReadCopyDataText(platform::LParam copyData);

}  // namespace driverlink
