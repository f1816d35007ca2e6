// Skype as the driver relays it: the five commands the panel sends, the
// simulated audio devices they read and change, and the command frame.
#pragma once

#include <windows.h>

#include <string>

struct CommandOutcome {
    bool handled = false;  // one of the five commands: the frame is answered 1
    bool replies = false;  // a WM_COPYDATA reply goes back to the panel
    std::string reply;     // reply text, UTF-8, without the terminating zero
};

class SimSkype {
public:
    CommandOutcome execute(const std::string& command);

    // Device names are UTF-8; an empty name is Skype's default device.
    std::string audioIn;
    std::string audioOut;
    std::string ringtone;
};

// The text of a command frame: "!" + text + zero byte within cbData.
// Returns false, with the reason, for a frame that breaks that form.
bool decodeCommandFrame(const COPYDATASTRUCT* frame, std::string* text, const char** problem);
