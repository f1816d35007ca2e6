#include "sim/SimDriver.h"

#include "driverlink/HandsetMessage.h"
#include "platform/WinConst.h"
#include "sim/SimCopyData.h"

namespace sim {

using namespace platform;

std::string DriverReceived::Command() const {
    if (bytes.size() < 2 || bytes[0] != '!') return {};
    std::string text(bytes.begin() + 1, bytes.end());
    const size_t zero = text.find('\0');
    return zero == std::string::npos ? text : text.substr(0, zero);
}

SimDriver::SimDriver(SimWorld& world)
    : world_(world),
      process_(world, "driver"),
      msgDiscover_(process_.messages.RegisterWindowMessageA(driverlink::kDiscoverMessageName)),
      msgAttach_(process_.messages.RegisterWindowMessageA(driverlink::kAttachMessageName)) {
    window_ = process_.CreatePeerWindow(
        "SimHandsetDriver", "",
        [this](Hwnd, UInt m, WParam w, LParam l) { return OnMessage(m, w, l); });
    process_.SetPump([this] {
        Msg msg;
        while (process_.messages.PeekMessageA(msg, 0, 0, 0, PM_REMOVE)) {
            DriverReceived r;
            r.time = world_.Now();
            r.msg = msg.message;
            r.wParam = msg.wParam;
            r.lParam = msg.lParam;
            r.posted = true;
            received_.push_back(std::move(r));
        }
    });
}

LResult SimDriver::OnMessage(UInt msg, WParam wParam, LParam lParam) {
    DriverReceived r;
    r.time = world_.Now();
    r.msg = msg;
    r.wParam = wParam;
    r.lParam = lParam;
    const Hwnd sender = panel_ ? panel_ : static_cast<Hwnd>(wParam);
    if (const SimWindow* panelWindow = world_.Window(sender))
        r.panelInSend = world_.InSend(panelWindow->thread);
    if (msg == WM_COPYDATA && lParam != 0) {
        const auto* data = reinterpret_cast<const CopyDataStruct*>(lParam);
        r.dwData = data->dwData;
        r.cbData = data->cbData;
        r.bytes = CopyDataBytes(*data);
    }
    received_.push_back(r);
    if (onSent) onSent(msg, wParam, lParam);
    if (msg == msgAttach_ && lParam == driverlink::kGreetingLParam && answerGreeting) {
        Discover(static_cast<Hwnd>(wParam));
        return 1;
    }
    if (msg == WM_COPYDATA) {
        const std::string command = r.Command();
        const Hwnd panel = static_cast<Hwnd>(wParam);
        if (onCommand) onCommand(command);
        if (answerAudioCommands) {
            auto startsWith = [&](const char* prefix) { return command.rfind(prefix, 0) == 0; };
            if (startsWith("SET AUDIO_OUT ")) skypeOut = command.substr(14);
            if (startsWith("SET AUDIO_IN ")) skypeIn = command.substr(13);
            std::optional<LResult> answer;
            if (startsWith("GET AUDIO_OUT") || startsWith("SET AUDIO_OUT "))
                answer = Reply(panel, "AUDIO_OUT " + skypeOut);
            else if (startsWith("GET AUDIO_IN") || startsWith("SET AUDIO_IN "))
                answer = Reply(panel, "AUDIO_IN " + skypeIn);
            if (answer) replyAnswers_.push_back(*answer);
        }
        return 1;
    }
    return msg == msgAttach_ ? 1 : 0;
}

std::vector<DriverReceived> SimDriver::ReceivedOf(UInt msg) const {
    std::vector<DriverReceived> out;
    for (const DriverReceived& r : received_)
        if (r.msg == msg) out.push_back(r);
    return out;
}

std::vector<std::string> SimDriver::Commands() const {
    std::vector<std::string> out;
    for (const DriverReceived& r : ReceivedOf(WM_COPYDATA)) out.push_back(r.Command());
    return out;
}

std::optional<LResult> SimDriver::Send(Hwnd panel, UInt msg, WParam wParam, LParam lParam) {
    panel_ = panel;
    LResult result = 0;
    if (!process_.messages.SendMessageTimeoutA(panel, msg, wParam, lParam, SMTO_ABORTIFHUNG, 1000,
                                               &result))
        return std::nullopt;
    return result;
}

std::optional<LResult> SimDriver::Discover(Hwnd panel) {
    return DiscoverWith(panel, window_);
}

std::optional<LResult> SimDriver::DiscoverWith(Hwnd panel, WParam window) {
    return Send(panel, msgDiscover_, window, 0);
}

std::optional<LResult> SimDriver::Status(Hwnd panel, std::uint32_t wParam, std::uint32_t lParam) {
    return Send(panel, driverlink::WM_HANDSET, wParam, static_cast<LParam>(lParam));
}

std::optional<LResult> SimDriver::Key(Hwnd panel, std::uint8_t code, std::uint32_t wParam,
                                      std::uint32_t statusL) {
    return Send(panel, driverlink::WM_HANDSET, wParam,
                static_cast<LParam>((statusL & 0xFFFFFF00u) | code));
}

std::optional<LResult> SimDriver::Reply(Hwnd panel, const std::string& text) {
    return CopyData(panel, text.c_str(), static_cast<DWord>(text.size() + 1));
}

std::optional<LResult> SimDriver::CopyData(Hwnd panel, const void* data, DWord cbData) {
    CopyDataStruct cds;
    cds.dwData = 0;
    cds.cbData = cbData;
    cds.lpData = data;
    return Send(panel, WM_COPYDATA, window_, ToLParam(&cds));
}

}  // namespace sim
