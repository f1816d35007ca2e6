#include "SimSkype.h"

#include <cstring>

#include "LinkProtocol.h"

namespace {

bool startsWith(const std::string& text, const char* prefix, std::string* rest) {
    const std::size_t n = std::strlen(prefix);
    if (text.compare(0, n, prefix) != 0) return false;
    *rest = text.substr(n);
    return true;
}

CommandOutcome deviceReply(const char* prefix, const std::string& device) {
    CommandOutcome outcome;
    outcome.handled = true;
    outcome.replies = true;
    outcome.reply = std::string(prefix) + device;
    return outcome;
}

}  // namespace

CommandOutcome SimSkype::execute(const std::string& command) {
    std::string rest;
    if (command == link::kGetAudioIn) return deviceReply(link::kReplyAudioIn, audioIn);
    if (command == link::kGetAudioOut) return deviceReply(link::kReplyAudioOut, audioOut);
    if (startsWith(command, link::kSetAudioIn, &rest)) {
        audioIn = rest;
        return deviceReply(link::kReplyAudioIn, audioIn);
    }
    if (startsWith(command, link::kSetAudioOut, &rest)) {
        audioOut = rest;
        return deviceReply(link::kReplyAudioOut, audioOut);
    }
    CommandOutcome outcome;
    if (startsWith(command, link::kSetRingtone, &rest)) {
        ringtone = rest;
        outcome.handled = true;
    }
    return outcome;
}

bool decodeCommandFrame(const COPYDATASTRUCT* frame, std::string* text, const char** problem) {
    if (frame == nullptr) {
        *problem = "no COPYDATASTRUCT";
        return false;
    }
    if (frame->lpData == nullptr || frame->cbData == 0) {
        *problem = "no data";
        return false;
    }
    const auto* bytes = static_cast<const char*>(frame->lpData);
    if (bytes[0] != link::kFrameMark) {
        *problem = "first byte is not '!'";
        return false;
    }
    const void* end = std::memchr(bytes, 0, frame->cbData);
    if (end == nullptr) {
        *problem = "no zero byte within cbData";
        return false;
    }
    const std::size_t length = static_cast<const char*>(end) - bytes;
    if (length + 1 != frame->cbData) {
        *problem = "cbData is not text length + 2";
        text->assign(bytes + 1, length - 1);
        return false;
    }
    text->assign(bytes + 1, length - 1);
    return true;
}
