#include "sim/SimProcess.h"

#include "platform/WinConst.h"

namespace sim {

using namespace platform;

class SimProcess::PeerTarget : public WindowProcTarget {
public:
    explicit PeerTarget(Handler handler) : handler_(std::move(handler)) {}
    LResult WindowProc(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) override {
        return handler_ ? handler_(hwnd, msg, wParam, lParam) : 0;
    }

private:
    Handler handler_;
};

SimProcess::SimProcess(SimWorld& world, std::string name)
    : world_(world),
      name_(std::move(name)),
      pid_(world.NewProcessId()),
      tid_(world.NewThread(pid_)),
      platform_{*this, *this, *this, *this} {}

SimProcess::~SimProcess() { Exit(); }

void SimProcess::Exit() {
    if (exited_) return;
    exited_ = true;
    world_.EndThread(tid_);
    for (const std::string& name : semaphores_) world_.CloseSemaphore(name);
    semaphores_.clear();
}

Hwnd SimProcess::CreatePeerWindow(const std::string& className, const std::string& title,
                                  Handler handler) {
    peers_.push_back(std::make_unique<PeerTarget>(std::move(handler)));
    WindowCreateParams params;
    params.className = className;
    params.title = title;
    return world_.CreateWindow(tid_, params, peers_.back().get());
}

SimCall SimProcess::Call(const char* api, Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) const {
    SimCall call;
    call.thread = tid_;
    call.api = api;
    call.hwnd = hwnd;
    call.msg = msg;
    call.wParam = wParam;
    call.lParam = lParam;
    return call;
}

// --- Messages -----------------------------------------------------------------

UInt SimProcess::RegisterWindowMessageA(const std::string& name) {
    SimCall call = Call("RegisterWindowMessageA");
    call.text = name;
    const UInt id = world_.Register(name);
    call.msg = id;
    world_.Log(std::move(call));
    return id;
}

bool SimProcess::SendMessageTimeoutA(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam, UInt flags,
                                     UInt timeoutMs, LResult* result) {
    SimCall call = Call("SendMessageTimeoutA", hwnd, msg, wParam, lParam);
    call.flags = flags;
    call.timeout = timeoutMs;
    if (msg == WM_COPYDATA && lParam != 0) {
        const auto* data = reinterpret_cast<const CopyDataStruct*>(lParam);
        if (data->lpData && data->cbData) {
            const auto* p = static_cast<const std::uint8_t*>(data->lpData);
            call.data.assign(p, p + data->cbData);
        }
    }
    world_.Log(std::move(call));
    return world_.Send(tid_, hwnd, msg, wParam, lParam, flags, timeoutMs, result);
}

LResult SimProcess::SendMessageA(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) {
    world_.Log(Call("SendMessageA", hwnd, msg, wParam, lParam));
    LResult result = 0;
    world_.Send(tid_, hwnd, msg, wParam, lParam, SMTO_NORMAL, 0, &result);
    return result;
}

bool SimProcess::PostMessageA(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) {
    world_.Log(Call("PostMessageA", hwnd, msg, wParam, lParam));
    return world_.Post(hwnd, msg, wParam, lParam);
}

bool SimProcess::ReplyMessage(LResult result) {
    SimCall call = Call("ReplyMessage");
    call.lParam = result;
    world_.Log(std::move(call));
    return world_.Reply(tid_, result);
}

bool SimProcess::InSendMessage() { return world_.InSend(tid_); }

LResult SimProcess::DefWindowProcA(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) {
    world_.Log(Call("DefWindowProcA", hwnd, msg, wParam, lParam));
    return 0;
}

bool SimProcess::PeekMessageA(Msg& msg, Hwnd, UInt, UInt, UInt removeFlags) {
    return world_.Peek(tid_, msg, (removeFlags & PM_REMOVE) != 0);
}

bool SimProcess::GetMessageA(Msg& msg, Hwnd, UInt, UInt) {
    // Waiting moves the virtual clock to the next thing that can happen;
    // with nothing left to happen the loop ends as if told to quit.
    while (!world_.Peek(tid_, msg, true)) {
        if (!world_.WaitForNextEvent(tid_)) {
            msg = Msg{};
            msg.message = WM_QUIT;
            return false;
        }
    }
    return msg.message != WM_QUIT;
}

bool SimProcess::TranslateMessage(const Msg&) { return false; }

LResult SimProcess::DispatchMessageA(const Msg& msg) { return world_.Dispatch(tid_, msg); }

void SimProcess::PostQuitMessage(int) {
    world_.Log(Call("PostQuitMessage"));
    Thread().quitPosted = true;
}

// --- Windows ------------------------------------------------------------------

Hwnd SimProcess::CreateWindowExA(const WindowCreateParams& params, WindowProcTarget* target) {
    const Hwnd hwnd = world_.CreateWindow(tid_, params, target);
    SimCall call = Call("CreateWindowExA", hwnd);
    call.text = params.className + "|" + params.title;
    world_.Log(std::move(call));
    return hwnd;
}

bool SimProcess::DestroyWindow(Hwnd hwnd) {
    world_.Log(Call("DestroyWindow", hwnd));
    return world_.DestroyWindow(hwnd);
}

bool SimProcess::IsWindow(Hwnd hwnd) { return world_.Window(hwnd) != nullptr; }

Hwnd SimProcess::FindWindowA(const std::string& className, const std::string& title) {
    SimCall call = Call("FindWindowA");
    call.text = className + "|" + title;
    world_.Log(std::move(call));
    return world_.FindWindow(className, title);
}

bool SimProcess::SetWindowTextA(Hwnd hwnd, const std::string& text) {
    SimWindow* window = world_.Window(hwnd);
    if (!window) return false;
    window->title = text;
    return true;
}

bool SimProcess::SetPropA(Hwnd hwnd, const std::string& name, Handle value) {
    SimCall call = Call("SetPropA", hwnd);
    call.text = name;
    call.lParam = static_cast<LParam>(value);
    world_.Log(std::move(call));
    SimWindow* window = world_.Window(hwnd);
    if (!window) return false;
    window->props[name] = value;
    return true;
}

Handle SimProcess::GetPropA(Hwnd hwnd, const std::string& name) {
    SimWindow* window = world_.Window(hwnd);
    if (!window) return 0;
    auto it = window->props.find(name);
    return it == window->props.end() ? 0 : it->second;
}

Handle SimProcess::RemovePropA(Hwnd hwnd, const std::string& name) {
    SimCall call = Call("RemovePropA", hwnd);
    call.text = name;
    world_.Log(std::move(call));
    SimWindow* window = world_.Window(hwnd);
    if (!window) return 0;
    auto it = window->props.find(name);
    if (it == window->props.end()) return 0;
    const Handle value = it->second;
    window->props.erase(it);
    return value;
}

bool SimProcess::ShowWindow(Hwnd hwnd, int cmdShow) {
    SimCall call = Call("ShowWindow", hwnd);
    call.wParam = static_cast<WParam>(cmdShow);
    world_.Log(std::move(call));
    SimWindow* window = world_.Window(hwnd);
    if (!window) return false;
    const bool wasVisible = window->visible;
    switch (cmdShow) {
        case SW_HIDE:
            window->visible = false;
            break;
        case SW_MINIMIZE:
            window->visible = true;
            window->iconic = true;
            break;
        case SW_SHOWNORMAL:
        case SW_RESTORE:
            window->visible = true;
            window->iconic = false;
            break;
        default:
            window->visible = true;
            break;
    }
    return wasVisible;
}

bool SimProcess::IsWindowVisible(Hwnd hwnd) {
    const SimWindow* window = world_.Window(hwnd);
    return window && window->visible;
}

bool SimProcess::IsIconic(Hwnd hwnd) {
    const SimWindow* window = world_.Window(hwnd);
    return window && window->iconic;
}

bool SimProcess::SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy, UInt flags) {
    SimCall call = Call("SetWindowPos", hwnd);
    call.wParam = insertAfter;
    call.flags = flags;
    world_.Log(std::move(call));
    SimWindow* window = world_.Window(hwnd);
    if (!window) return false;
    if (insertAfter == HWND_TOPMOST) window->topmost = true;
    if (insertAfter == HWND_NOTOPMOST) window->topmost = false;
    if (!(flags & SWP_NOMOVE)) {
        window->bounds.right += x - window->bounds.left;
        window->bounds.bottom += y - window->bounds.top;
        window->bounds.left = x;
        window->bounds.top = y;
    }
    if (!(flags & SWP_NOSIZE)) {
        window->bounds.right = window->bounds.left + cx;
        window->bounds.bottom = window->bounds.top + cy;
    }
    return true;
}

Hwnd SimProcess::GetForegroundWindow() { return world_.foreground; }

bool SimProcess::SetForegroundWindow(Hwnd hwnd) {
    world_.Log(Call("SetForegroundWindow", hwnd));
    return world_.SetForeground(tid_, hwnd);
}

DWord SimProcess::GetWindowThreadProcessId(Hwnd hwnd, DWord* processId) {
    const SimWindow* window = world_.Window(hwnd);
    if (processId) *processId = window ? window->process : 0;
    return window ? window->thread : 0;
}

DWord SimProcess::GetCurrentThreadId() { return tid_; }

bool SimProcess::AttachThreadInput(DWord attach, DWord attachTo, bool doAttach) {
    SimCall call = Call("AttachThreadInput");
    call.wParam = attach;
    call.lParam = static_cast<LParam>(attachTo);
    call.flags = doAttach ? 1 : 0;
    world_.Log(std::move(call));
    return attach != 0 && attachTo != 0 && attach != attachTo;
}

bool SimProcess::GetCursorPos(Point& point) {
    point = world_.cursor;
    return true;
}

bool SimProcess::GetWorkArea(Rect& area) {
    area = world_.workArea;
    return true;
}

bool SimProcess::AdjustWindowRectEx(Rect& rect, DWord style, bool, DWord) {
    // A fixed single border and a caption, as the classic theme draws them.
    if (style & WS_CAPTION) {
        rect.left -= 3;
        rect.right += 3;
        rect.top -= 22;
        rect.bottom += 3;
    }
    return true;
}

int SimProcess::MessageBoxA(Hwnd owner, const std::string& text, const std::string&, UInt) {
    SimCall call = Call("MessageBoxA", owner);
    call.text = text;
    world_.Log(std::move(call));
    world_.messageBoxes.push_back(text);
    return 1;  // IDOK
}

// --- Timers and kernel objects ----------------------------------------------

bool SimProcess::SetTimer(Hwnd hwnd, UInt id, UInt elapseMs) {
    SimCall call = Call("SetTimer", hwnd);
    call.wParam = id;
    call.timeout = elapseMs;
    world_.Log(std::move(call));
    return world_.SetTimer(hwnd, id, elapseMs);
}

bool SimProcess::KillTimer(Hwnd hwnd, UInt id) {
    SimCall call = Call("KillTimer", hwnd);
    call.wParam = id;
    world_.Log(std::move(call));
    return world_.KillTimer(hwnd, id);
}

Handle SimProcess::CreateSemaphoreA(long, long, const std::string& name) {
    SimCall call = Call("CreateSemaphoreA");
    call.text = name;
    world_.Log(std::move(call));
    const bool existed = world_.OpenSemaphore(name);
    semaphores_.push_back(name);
    Thread().lastError = existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS;
    return 0x40 + semaphores_.size() * 4;
}

DWord SimProcess::GetLastError() { return Thread().lastError; }

void SimProcess::Sleep(DWord milliseconds) {
    SimCall call = Call("Sleep");
    call.timeout = milliseconds;
    world_.Log(std::move(call));
    // The other programs go on while this one sleeps.
    const std::uint64_t until = world_.Now() + milliseconds;
    world_.At(until, [] {});
    while (world_.Now() < until) {
        const std::uint64_t before = world_.Now();
        if (!world_.WaitForNextEvent(tid_) || world_.Now() == before) break;
    }
}

}  // namespace sim
