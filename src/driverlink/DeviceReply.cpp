#include "driverlink/DeviceReply.h"

namespace driverlink {

DeviceReply DeviceReplyOf(const std::string& text) {
    if (text.find(kAudioInPrefix) != std::string::npos) return DeviceReply::AudioIn;
    if (text.find(kAudioOutPrefix) != std::string::npos) return DeviceReply::AudioOut;
    return DeviceReply::None;
}

}  // namespace driverlink
