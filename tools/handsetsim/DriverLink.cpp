#include "DriverLink.h"

#include "LinkProtocol.h"

namespace {

constexpr const char* kLinkClass = "HandsetSimLink";
constexpr UINT_PTR kHeartbeatTimer = 1;
// Posted to ourselves to act after the panel's send has returned.
constexpr UINT kWmDeferredWork = WM_APP + 1;

unsigned long long handleValue(HWND window) {
    return reinterpret_cast<unsigned long long>(window);
}

// "answer 1", or "not delivered" for a send that failed or timed out.
std::string outcome(const SendResult& result) {
    if (!result.delivered) return "not delivered";
    return "answer " + std::to_string(static_cast<unsigned long long>(result.answer));
}

}  // namespace

const char* linkEventName(LinkEventKind kind) {
    switch (kind) {
        case LinkEventKind::Greeting:
            return "greeting";
        case LinkEventKind::AttachAck:
            return "attach-ack";
        case LinkEventKind::Leaving:
            return "leaving";
        case LinkEventKind::AttachOther:
            return "attach-other";
        case LinkEventKind::Command:
            return "command";
        case LinkEventKind::BadFrame:
            return "bad-frame";
        case LinkEventKind::Unexpected:
            return "unexpected";
    }
    return "?";
}

DriverLink::DriverLink(EventLog& log) : log_(log) {}

DriverLink::~DriverLink() {
    if (window_ != nullptr) DestroyWindow(window_);
}

bool DriverLink::create(HINSTANCE instance) {
    msgDiscover_ = RegisterWindowMessageA(link::kDiscoverName);
    msgAttach_ = RegisterWindowMessageA(link::kAttachName);
    if (msgDiscover_ == 0 || msgAttach_ == 0) return false;

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kLinkClass;
    if (RegisterClassA(&windowClass) == 0) return false;
    // Top-level and hidden: the greeting is broadcast to top-level windows
    // only, so a message-only window would never hear it.
    window_ = CreateWindowExA(0, kLinkClass, "Handset driver link", WS_OVERLAPPED, 0, 0, 0, 0,
                              nullptr, nullptr, instance, this);
    if (window_ == nullptr) return false;
    log_.line("link window %s discover=0x%X attach=0x%X", hexValue(handleValue(window_)).c_str(),
              msgDiscover_, msgAttach_);
    return true;
}

HWND DriverLink::findPanel() {
    HWND owner = FindWindowA(link::kPanelOwnerClass, link::kPanelTitle);
    if (owner == nullptr) return nullptr;
    return static_cast<HWND>(GetPropA(owner, link::kPanelFormProp));
}

void DriverLink::setChangeHandler(ChangeHandler handler, void* context) {
    onChange_ = handler;
    changeContext_ = context;
}

void DriverLink::changed() {
    if (onChange_ != nullptr) onChange_(changeContext_);
}

SendResult DriverLink::send(HWND target, UINT message, WPARAM wParam, LPARAM lParam,
                            UINT timeoutMs) {
    SendResult result;
    DWORD_PTR answer = 0;
    result.delivered =
        target != nullptr && SendMessageTimeoutA(target, message, wParam, lParam, SMTO_ABORTIFHUNG,
                                                 timeoutMs, &answer) != 0;
    result.answer = result.delivered ? answer : 0;
    return result;
}

SendResult DriverLink::sendLogged(const char* what, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT timeoutMs) {
    const SendResult result = send(panel_, message, wParam, lParam, timeoutMs);
    log_.line("sent %s to %s wparam=%s lparam=%s -> %s", what,
              hexValue(handleValue(panel_)).c_str(), hexValue(wParam).c_str(),
              hexValue(static_cast<DWORD_PTR>(lParam)).c_str(), outcome(result).c_str());
    return result;
}

SendResult DriverLink::sendDiscover(WPARAM driverWindow) {
    return sendLogged("discover", msgDiscover_, driverWindow, 0, link::kSendTimeoutMs);
}

SendResult DriverLink::sendStatus() {
    return sendHandset(state.statusWord(), state.statusLong(link::kStatusCode), "status");
}

SendResult DriverLink::sendKey(unsigned code) {
    return sendHandset(state.statusWord(), state.statusLong(code), "key");
}

SendResult DriverLink::sendHandset(WPARAM wParam, LPARAM lParam, const char* what) {
    return sendLogged(what, link::kWmHandset, wParam, lParam, link::kSendTimeoutMs);
}

SendResult DriverLink::sendAttach(WPARAM wParam, LPARAM lParam) {
    return sendLogged("attach", msgAttach_, wParam, lParam, link::kSendTimeoutMs);
}

SendResult DriverLink::sendRequest(UINT message, WPARAM wParam, LPARAM lParam) {
    return sendLogged(message == link::kWmInstanceQuit ? "quit request" : "show request", message,
                      wParam, lParam, link::kRequestTimeoutMs);
}

SendResult DriverLink::sendCopyData(WPARAM wParam, const COPYDATASTRUCT& data) {
    const SendResult result =
        send(panel_, WM_COPYDATA, wParam, reinterpret_cast<LPARAM>(&data), link::kSendTimeoutMs);
    log_.line("sent copydata dwData=%s cbData=%lu data=[%s] -> %s", hexValue(data.dwData).c_str(),
              static_cast<unsigned long>(data.cbData),
              data.lpData == nullptr ? "null" : hexBytes(data.lpData, data.cbData, 16).c_str(),
              outcome(result).c_str());
    return result;
}

void DriverLink::setHeartbeat(UINT periodMs) {
    heartbeatMs_ = periodMs;
    if (periodMs == 0) {
        KillTimer(window_, kHeartbeatTimer);
    } else {
        SetTimer(window_, kHeartbeatTimer, periodMs, nullptr);
    }
}

void DriverLink::record(LinkEventKind kind, WPARAM wParam, LPARAM lParam, const std::string& text) {
    const bool sent = (InSendMessageEx(nullptr) & ISMEX_SEND) != 0;
    events_.push_back(LinkEvent{kind, wParam, lParam, text, log_.elapsedMs(), sent, false});
}

LRESULT CALLBACK DriverLink::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<DriverLink*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr || self->window_ == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    try {
        return self->handle(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind through user32; the message is simply not handled.
        self->log_.line("error while handling message 0x%X", message);
        return 0;
    }
}

LRESULT DriverLink::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == msgAttach_) {
        onAttach(wParam, lParam);
        return 1;
    }
    if (message == msgDiscover_) {
        log_.line("received discover wparam=%s lparam=%s (a panel never sends this)",
                  hexValue(wParam).c_str(),
                  hexValue(static_cast<unsigned long long>(lParam)).c_str());
        record(LinkEventKind::Unexpected, wParam, lParam, "discover");
        return 0;
    }
    switch (message) {
        case WM_COPYDATA:
            return onCopyData(wParam, reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        case WM_TIMER:
            if (wParam == kHeartbeatTimer && panel_ != nullptr) {
                const SendResult result =
                    send(panel_, link::kWmHandset, state.statusWord(),
                         state.statusLong(link::kStatusCode), link::kSendTimeoutMs);
                if (!result.delivered || result.answer != 1) {
                    log_.line("heartbeat status to %s -> %s", hexValue(handleValue(panel_)).c_str(),
                              outcome(result).c_str());
                }
            }
            return 0;
        case kWmDeferredWork:
            runDeferredWork();
            return 0;
        default:
            return DefWindowProcA(window_, message, wParam, lParam);
    }
}

void DriverLink::onAttach(WPARAM wParam, LPARAM lParam) {
    const HWND sender = reinterpret_cast<HWND>(wParam);
    LinkEventKind kind = LinkEventKind::AttachOther;
    if (lParam == link::kGreetingLParam && wParam != 0) {
        kind = LinkEventKind::Greeting;
    } else if (lParam == 0 && wParam == 0) {
        kind = LinkEventKind::Leaving;
    } else if (lParam == 0) {
        kind = LinkEventKind::AttachAck;
    }
    log_.line("received %s wparam=%s lparam=%s (%s)", linkEventName(kind), hexValue(wParam).c_str(),
              hexValue(static_cast<unsigned long long>(lParam)).c_str(),
              (InSendMessageEx(nullptr) & ISMEX_SEND) != 0 ? "sent" : "posted");
    record(kind, wParam, lParam, std::string());
    if (kind == LinkEventKind::Greeting) {
        panel_ = sender;
        // Discover goes out once the panel's broadcast has returned, not nested
        // inside it.
        if (autoDiscover && !discoverPending_) {
            discoverPending_ = true;
            PostMessageA(window_, kWmDeferredWork, 0, 0);
        }
        changed();
    }
}

LRESULT DriverLink::onCopyData(WPARAM wParam, const COPYDATASTRUCT* frame) {
    std::string text;
    const char* problem = "";
    const bool wellFormed = decodeCommandFrame(frame, &text, &problem);
    log_.line("received copydata wparam=%s dwData=%s cbData=%lu data=[%s]",
              hexValue(wParam).c_str(), frame ? hexValue(frame->dwData).c_str() : "-",
              frame ? static_cast<unsigned long>(frame->cbData) : 0ul,
              frame && frame->lpData ? hexBytes(frame->lpData, frame->cbData).c_str() : "null");
    if (!wellFormed) {
        log_.line("received bad-frame: %s", problem);
        record(LinkEventKind::BadFrame, wParam, 0, problem);
        return 0;
    }
    record(LinkEventKind::Command, wParam, 0, text);
    const CommandOutcome outcome = skype.execute(text);
    log_.line("received command \"%s\" -> %s", printable(text).c_str(),
              outcome.handled ? "handled" : "unknown, answered 0");
    if (!outcome.handled) return 0;
    changed();
    if (outcome.replies) {
        HWND target = reinterpret_cast<HWND>(wParam);
        if (!IsWindow(target)) target = panel_;
        if (deferredReplies) {
            pendingReplies_.emplace_back(target, outcome.reply);
            PostMessageA(window_, kWmDeferredWork, 0, 0);
        } else {
            sendReply(target, outcome.reply);
        }
    }
    return 1;
}

void DriverLink::runDeferredWork() {
    if (discoverPending_) {
        discoverPending_ = false;
        sendDiscover(reinterpret_cast<WPARAM>(window_));
    }
    std::vector<std::pair<HWND, std::string>> replies;
    replies.swap(pendingReplies_);
    for (const auto& reply : replies) sendReply(reply.first, reply.second);
}

void DriverLink::sendReply(HWND target, const std::string& text) {
    // The reply is a plain zero-terminated UTF-8 text, without the "!" mark.
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back(0);
    COPYDATASTRUCT data = {};
    data.cbData = static_cast<DWORD>(buffer.size());
    data.lpData = buffer.data();
    const SendResult result = send(target, WM_COPYDATA, reinterpret_cast<WPARAM>(window_),
                                   reinterpret_cast<LPARAM>(&data), link::kSendTimeoutMs);
    log_.line("sent reply \"%s\" to %s -> %s", printable(text).c_str(),
              hexValue(handleValue(target)).c_str(), outcome(result).c_str());
}
