// The driver's end of the link: a hidden top-level window that hears the
// panel's Attach messages and command frames, and the sends that go from
// the driver to the panel. Everything runs on the thread that created it.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "EventLog.h"
#include "HandsetState.h"
#include "SimSkype.h"

enum class LinkEventKind {
    Greeting,     // Attach, wParam = panel window, lParam 0x8001, sent
    AttachAck,    // Attach, wParam = panel window, lParam 0, posted
    Leaving,      // Attach, wParam 0, lParam 0, sent
    AttachOther,  // Attach with any other arguments
    Command,      // a well-formed command frame; text holds the command
    BadFrame,     // a WM_COPYDATA that is not a command frame
    Unexpected,   // a link message the driver never receives from a panel
};

const char* linkEventName(LinkEventKind kind);

struct LinkEvent {
    LinkEventKind kind;
    WPARAM wParam;
    LPARAM lParam;
    std::string text;
    double atMs;
    bool sent;  // sent (the sender waited for our answer), not posted
    bool consumed;
};

struct SendResult {
    bool delivered = false;  // false: timed out, hung or no such window
    DWORD_PTR answer = 0;
};

class DriverLink {
public:
    using ChangeHandler = void (*)(void* context);

    explicit DriverLink(EventLog& log);
    ~DriverLink();
    DriverLink(const DriverLink&) = delete;
    DriverLink& operator=(const DriverLink&) = delete;

    bool create(HINSTANCE instance);
    HWND window() const { return window_; }

    HWND panel() const { return panel_; }
    void setPanel(HWND panel) { panel_ = panel; }
    // The running panel's main window, looked up as a second instance does.
    static HWND findPanel();

    SendResult sendDiscover(WPARAM driverWindow);
    SendResult sendStatus();
    SendResult sendKey(unsigned code);
    SendResult sendHandset(WPARAM wParam, LPARAM lParam, const char* what);
    SendResult sendAttach(WPARAM wParam, LPARAM lParam);
    SendResult sendRequest(UINT message, WPARAM wParam, LPARAM lParam);
    SendResult sendCopyData(WPARAM wParam, const COPYDATASTRUCT& data);

    // Period of the automatic status messages; 0 pauses them.
    void setHeartbeat(UINT periodMs);
    UINT heartbeat() const { return heartbeatMs_; }

    // Called after the panel changed the simulated devices or the link state.
    void setChangeHandler(ChangeHandler handler, void* context);

    std::vector<LinkEvent>& events() { return events_; }

    HandsetState state;
    SimSkype skype;
    bool autoDiscover = true;      // answer a greeting with Discover
    bool deferredReplies = false;  // reply after the command's send returned

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void onAttach(WPARAM wParam, LPARAM lParam);
    LRESULT onCopyData(WPARAM wParam, const COPYDATASTRUCT* frame);
    void runDeferredWork();
    void sendReply(HWND target, const std::string& text);
    SendResult send(HWND target, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs);
    SendResult sendLogged(const char* what, UINT message, WPARAM wParam, LPARAM lParam,
                          UINT timeoutMs);
    void record(LinkEventKind kind, WPARAM wParam, LPARAM lParam, const std::string& text);
    void changed();

    EventLog& log_;
    HWND window_ = nullptr;
    HWND panel_ = nullptr;
    UINT msgDiscover_ = 0;
    UINT msgAttach_ = 0;
    UINT heartbeatMs_ = 0;
    bool discoverPending_ = false;
    std::vector<std::pair<HWND, std::string>> pendingReplies_;
    std::vector<LinkEvent> events_;
    ChangeHandler onChange_ = nullptr;
    void* changeContext_ = nullptr;
};
