#include "widgets/Form.h"

#include <algorithm>
#include <exception>

#include "platform/WinConst.h"
#include "widgets/Application.h"
#include "widgets/CodePages.h"
#include "widgets/ExtCtrls.h"

namespace vcl {

using namespace platform;

TCustomForm::TCustomForm(std::string name, TApplication& application)
    : TWinControl(std::move(name)), application_(application) {}

TCustomForm::~TCustomForm() {
    DestroyHandle();
}

void TCustomForm::CreateHandle(const TFormStyle& style) {
    WindowPort& windows = application_.Platform().windows;
    clientWidth_ = style.clientWidth;
    clientHeight_ = style.clientHeight;
    Rect outer{0, 0, style.clientWidth, style.clientHeight};
    windows.AdjustWindowRectEx(outer, style.style, false, style.exStyle);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    int left = style.left;
    int top = style.top;
    Rect work;
    if (style.centered && windows.GetWorkArea(work)) {
        left = work.left + (work.right - work.left - width) / 2;
        top = work.top + (work.bottom - work.top - height) / 2;
    }
    SetBounds(left, top, width, height);

    WindowCreateParams params;
    params.exStyle = style.exStyle;
    params.className = style.className;
    params.title = Caption();
    params.style = style.style;
    params.bounds = Rect{left, top, left + width, top + height};
    params.owner = application_.Handle();
    handle_ = windows.CreateWindowExA(params, this);
    for (TTimer* timer : timers_) timer->UpdateTimer();
}

void TCustomForm::DestroyHandle() {
    if (handle_ == 0) return;
    const Hwnd hwnd = handle_;
    handle_ = 0;
    application_.Platform().windows.DestroyWindow(hwnd);
}

void TCustomForm::Show() {
    if (handle_) application_.Platform().windows.ShowWindow(handle_, SW_SHOW);
}

void TCustomForm::Hide() {
    if (handle_) application_.Platform().windows.ShowWindow(handle_, SW_HIDE);
}

bool TCustomForm::IsVisible() const {
    return handle_ != 0 && application_.Platform().windows.IsWindowVisible(handle_);
}

void TCustomForm::Close() {
    TCloseAction action = caHide;
    if (OnClose) OnClose(this, action);
    if (action == caNone) return;
    if (application_.MainForm() == this) {
        application_.Terminate();
    } else if (action == caMinimize) {
        application_.Platform().windows.ShowWindow(handle_, SW_MINIMIZE);
    } else {
        Hide();
    }
}

void TCustomForm::FocusControl(TWinControl* control) {
    if (control == activeControl_) return;
    if (control && !control->CanFocus()) return;
    TWinControl* previous = activeControl_;
    activeControl_ = control;
    if (previous) previous->DoExit();
    if (control) control->DoEnter();
}

namespace {
void CollectTabStops(const TWinControl& parent, std::vector<TWinControl*>& out) {
    for (TControl* child : parent.Controls()) {
        auto* win = dynamic_cast<TWinControl*>(child);
        if (!win || !win->Showing()) continue;
        if (win->TabStop() && win->CanFocus()) out.push_back(win);
        CollectTabStops(*win, out);
    }
}
}  // namespace

std::vector<TWinControl*> TCustomForm::TabStops() const {
    std::vector<TWinControl*> stops;
    CollectTabStops(*this, stops);
    return stops;
}

void TCustomForm::SelectNext(bool forward) {
    const std::vector<TWinControl*> stops = TabStops();
    if (stops.empty()) return;
    const auto it = std::find(stops.begin(), stops.end(), activeControl_);
    const int count = static_cast<int>(stops.size());
    int index;
    if (it == stops.end()) {
        index = forward ? 0 : count - 1;
    } else {
        const int current = static_cast<int>(it - stops.begin());
        index = (current + (forward ? 1 : count - 1)) % count;
    }
    FocusControl(stops[static_cast<size_t>(index)]);
}

void TCustomForm::DoCreate() {
    if (OnCreate) OnCreate(this);
}

void TCustomForm::DoDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    if (OnDestroy) OnDestroy(this);
    DestroyHandle();
}

LResult TCustomForm::WindowProc(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) {
    TMessage message{msg, wParam, lParam, 0};
    const Hwnd outer = messageWindow_;
    messageWindow_ = hwnd;
    // Exceptions never leave a window procedure: they go to the application's
    // error report and the message loop goes on.
    try {
        if (!Dispatch(message)) DefaultHandler(message);
    } catch (const std::exception& e) {
        application_.ShowException(e.what());
    } catch (...) {
        application_.ShowException("Unknown error");
    }
    messageWindow_ = outer;
    return message.Result;
}

bool TCustomForm::Dispatch(TMessage&) {
    return false;
}

void TCustomForm::DefaultHandler(TMessage& message) {
    switch (message.Msg) {
        case WM_TIMER:
            for (TTimer* timer : timers_) {
                if (timer->Id() == message.WParam) {
                    timer->Fire();
                    break;
                }
            }
            return;
        case WM_CLOSE:
            Close();
            return;
        case WM_NEXTDLGCTL:
            // lParam 0: wParam says the direction (0 next, else previous).
            if (message.LParam == 0) SelectNext(message.WParam == 0);
            return;
        case WM_ACTIVATE:
            if ((message.WParam & 0xFFFF) != WA_INACTIVE && OnActivate) OnActivate(this);
            break;
        default:
            break;
    }
    const Hwnd window = messageWindow_ ? messageWindow_ : handle_;
    if (window)
        message.Result = application_.Platform().messages.DefWindowProcA(
            window, message.Msg, message.WParam, message.LParam);
}

void TCustomForm::Changed(Property what) {
    if (what == Property::Caption && handle_) {
        platform::Platform& os = application_.Platform();
        // A title in another code page than the system's goes as UTF-16,
        // so that it reads in its own script on any system.
        if (CaptionCodePage() == 0)
            os.windows.SetWindowTextA(handle_, Caption());
        else
            os.windows.SetWindowTextW(handle_, ToUtf16(os.nls, CaptionCodePage(), Caption()));
    }
    TWinControl::Changed(what);
}

UInt TCustomForm::RegisterTimer(TTimer& timer) {
    timers_.push_back(&timer);
    return nextTimerId_++;
}

void TCustomForm::UnregisterTimer(TTimer& timer) {
    timers_.erase(std::remove(timers_.begin(), timers_.end(), &timer), timers_.end());
}

}  // namespace vcl
