// A stand-in for the handset driver process on the simulated Windows: its
// link window records everything the panel sends it, and it sends Discover,
// status and key messages and device replies as a test tells it to.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/SimProcess.h"

namespace sim {

struct DriverReceived {
    std::uint64_t time = 0;
    platform::UInt msg = 0;
    platform::WParam wParam = 0;
    platform::LParam lParam = 0;
    bool posted = false;              // came through the queue, not a send
    bool panelInSend = false;         // the panel was inside an unanswered send
    std::uintptr_t dwData = 0;        // WM_COPYDATA
    platform::DWord cbData = 0;       // WM_COPYDATA
    std::vector<std::uint8_t> bytes;  // WM_COPYDATA data
    std::string Command() const;      // the frame's text without "!" and zero
};

class SimDriver {
public:
    explicit SimDriver(SimWorld& world);

    SimProcess& Process() { return process_; }
    platform::Hwnd Window() const { return window_; }
    platform::UInt MsgDiscover() const { return msgDiscover_; }
    platform::UInt MsgAttach() const { return msgAttach_; }

    // Behaviour.
    bool answerGreeting = false;      // send Discover back to a greeting
    bool answerAudioCommands = true;  // reply to GET/SET AUDIO_* with the device
    std::string skypeOut = "Speakers";
    std::string skypeIn = "Microphone";
    // Called for every command received (text without the "!").
    std::function<void(const std::string&)> onCommand;
    // Called for every message sent to the link window, after it is recorded
    // and before the driver's own answer: a driver that talks back at once.
    std::function<void(platform::UInt msg, platform::WParam, platform::LParam)> onSent;

    // What arrived.
    const std::vector<DriverReceived>& Received() const { return received_; }
    std::vector<DriverReceived> ReceivedOf(platform::UInt msg) const;
    std::vector<std::string> Commands() const;
    void ClearReceived() { received_.clear(); }
    // The panel's answers to the device replies sent from inside a command.
    const std::vector<platform::LResult>& ReplyAnswers() const { return replyAnswers_; }

    // Messages to the panel; each returns the panel's answer (or nothing when
    // the send failed).
    std::optional<platform::LResult> Discover(platform::Hwnd panel);
    std::optional<platform::LResult> DiscoverWith(platform::Hwnd panel, platform::WParam window);
    std::optional<platform::LResult> Status(platform::Hwnd panel, std::uint32_t wParam,
                                            std::uint32_t lParam);
    std::optional<platform::LResult> Key(platform::Hwnd panel, std::uint8_t code,
                                         std::uint32_t wParam, std::uint32_t statusL = 0);
    std::optional<platform::LResult> Reply(platform::Hwnd panel, const std::string& text);
    std::optional<platform::LResult> CopyData(platform::Hwnd panel, const void* data,
                                              platform::DWord cbData);
    std::optional<platform::LResult> Send(platform::Hwnd panel, platform::UInt msg,
                                          platform::WParam wParam, platform::LParam lParam);

    // Status word helpers.
    static std::uint32_t StatusLParam(std::uint8_t keyMode, std::uint8_t callState) {
        return 0xFFu | (static_cast<std::uint32_t>(keyMode) << 8) |
               (static_cast<std::uint32_t>(callState) << 24);
    }

private:
    platform::LResult OnMessage(platform::UInt msg, platform::WParam wParam,
                                platform::LParam lParam);
    SimWorld& world_;
    SimProcess process_;
    platform::UInt msgDiscover_;
    platform::UInt msgAttach_;
    platform::Hwnd window_ = 0;
    platform::Hwnd panel_ = 0;
    std::vector<DriverReceived> received_;
    std::vector<platform::LResult> replyAnswers_;
};

}  // namespace sim
