#include "driverlink/CommandFrame.h"

#include <cstring>

namespace driverlink {

std::vector<std::uint8_t> BuildCommandFrame(const std::string& text) {
    const size_t n = std::strlen(text.c_str());
    std::vector<std::uint8_t> frame(n + 2);
    frame[0] = '!';
    std::memcpy(frame.data() + 1, text.c_str(), n + 1);
    return frame;
}

std::string ReadCopyDataText(platform::LParam copyData) {
    if (copyData == 0) return {};
    const auto* cds = reinterpret_cast<const platform::CopyDataStruct*>(copyData);
    if (cds->lpData == nullptr || cds->cbData == 0) return {};
    const char* data = static_cast<const char*>(cds->lpData);
    const void* zero = std::memchr(data, 0, cds->cbData);
    const size_t length =
        zero ? static_cast<size_t>(static_cast<const char*>(zero) - data) : cds->cbData;
    return std::string(data, length);
}

}  // namespace driverlink
