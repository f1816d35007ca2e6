// The driver's replies about Skype's audio devices: which device list a
// reply text is for.
#pragma once

#include <string>

namespace driverlink {

constexpr const char* kAudioInPrefix = "AUDIO_IN ";
constexpr const char* kAudioOutPrefix = "AUDIO_OUT ";

enum class DeviceReply { None, AudioIn, AudioOut };

// The prefix, with its blank, may stand anywhere in the text; a text that
// holds both is an input reply. Whether the rest names a device is for the
// device lists to decide.
DeviceReply DeviceReplyOf(const std::string& text);

}  // namespace driverlink
