// A process of the simulated Windows with its one GUI thread: the ports a
// program instance runs on, and helpers for the peers tests build (driver,
// second instances, other programs).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "sim/SimWorld.h"

namespace sim {

class SimProcess : public platform::MessagePort,
                   public platform::WindowPort,
                   public platform::TimerPort,
                   public platform::SyncPort {
public:
    SimProcess(SimWorld& world, std::string name);
    ~SimProcess() override;

    platform::Platform& Platform() { return platform_; }
    SimWorld& World() { return world_; }
    platform::DWord ProcessId() const { return pid_; }
    platform::DWord ThreadId() const { return tid_; }
    SimThread& Thread() { return world_.Thread(tid_); }
    // How this thread empties its queue (the program's message loop step).
    void SetPump(std::function<void()> pump) { Thread().pump = std::move(pump); }
    // Ends the process: its windows go, its named objects close.
    void Exit();
    bool Exited() const { return exited_; }

    using Handler = std::function<platform::LResult(platform::Hwnd, platform::UInt,
                                                    platform::WParam, platform::LParam)>;
    // A top-level window whose messages go to handler.
    platform::Hwnd CreatePeerWindow(const std::string& className, const std::string& title,
                                    Handler handler);

    // MessagePort.
    platform::UInt RegisterWindowMessageA(const std::string& name) override;
    bool SendMessageTimeoutA(platform::Hwnd hwnd, platform::UInt msg, platform::WParam wParam,
                             platform::LParam lParam, platform::UInt flags, platform::UInt timeoutMs,
                             platform::LResult* result) override;
    platform::LResult SendMessageA(platform::Hwnd hwnd, platform::UInt msg, platform::WParam wParam,
                                   platform::LParam lParam) override;
    bool PostMessageA(platform::Hwnd hwnd, platform::UInt msg, platform::WParam wParam,
                      platform::LParam lParam) override;
    bool ReplyMessage(platform::LResult result) override;
    bool InSendMessage() override;
    platform::LResult DefWindowProcA(platform::Hwnd hwnd, platform::UInt msg, platform::WParam wParam,
                                     platform::LParam lParam) override;
    bool PeekMessageA(platform::Msg& msg, platform::Hwnd hwnd, platform::UInt filterMin,
                      platform::UInt filterMax, platform::UInt removeFlags) override;
    bool GetMessageA(platform::Msg& msg, platform::Hwnd hwnd, platform::UInt filterMin,
                     platform::UInt filterMax) override;
    bool TranslateMessage(const platform::Msg& msg) override;
    platform::LResult DispatchMessageA(const platform::Msg& msg) override;
    void PostQuitMessage(int exitCode) override;

    // WindowPort.
    platform::Hwnd CreateWindowExA(const platform::WindowCreateParams& params,
                                   platform::WindowProcTarget* target) override;
    bool DestroyWindow(platform::Hwnd hwnd) override;
    bool IsWindow(platform::Hwnd hwnd) override;
    platform::Hwnd FindWindowA(const std::string& className, const std::string& title) override;
    bool SetWindowTextA(platform::Hwnd hwnd, const std::string& text) override;
    bool SetPropA(platform::Hwnd hwnd, const std::string& name, platform::Handle value) override;
    platform::Handle GetPropA(platform::Hwnd hwnd, const std::string& name) override;
    platform::Handle RemovePropA(platform::Hwnd hwnd, const std::string& name) override;
    bool ShowWindow(platform::Hwnd hwnd, int cmdShow) override;
    bool IsWindowVisible(platform::Hwnd hwnd) override;
    bool IsIconic(platform::Hwnd hwnd) override;
    bool SetWindowPos(platform::Hwnd hwnd, platform::Hwnd insertAfter, int x, int y, int cx, int cy,
                      platform::UInt flags) override;
    platform::Hwnd GetForegroundWindow() override;
    bool SetForegroundWindow(platform::Hwnd hwnd) override;
    platform::DWord GetWindowThreadProcessId(platform::Hwnd hwnd, platform::DWord* processId) override;
    platform::DWord GetCurrentThreadId() override;
    bool AttachThreadInput(platform::DWord attach, platform::DWord attachTo, bool doAttach) override;
    bool GetCursorPos(platform::Point& point) override;
    bool GetWorkArea(platform::Rect& area) override;
    bool AdjustWindowRectEx(platform::Rect& rect, platform::DWord style, bool hasMenu,
                            platform::DWord exStyle) override;
    int MessageBoxA(platform::Hwnd owner, const std::string& text, const std::string& caption,
                    platform::UInt type) override;

    // TimerPort.
    bool SetTimer(platform::Hwnd hwnd, platform::UInt id, platform::UInt elapseMs) override;
    bool KillTimer(platform::Hwnd hwnd, platform::UInt id) override;

    // SyncPort.
    platform::Handle CreateSemaphoreA(long initialCount, long maximumCount,
                                      const std::string& name) override;
    platform::DWord GetLastError() override;
    void Sleep(platform::DWord milliseconds) override;

private:
    class PeerTarget;
    SimCall Call(const char* api, platform::Hwnd hwnd = 0, platform::UInt msg = 0,
                 platform::WParam wParam = 0, platform::LParam lParam = 0) const;

    SimWorld& world_;
    std::string name_;
    platform::DWord pid_;
    platform::DWord tid_;
    platform::Platform platform_;
    std::vector<std::string> semaphores_;
    std::vector<std::unique_ptr<PeerTarget>> peers_;
    bool exited_ = false;
};

}  // namespace sim
