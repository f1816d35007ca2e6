#include "ui/Trayicon.h"

#include <algorithm>
#include <cstring>
#include <exception>

#include "platform/WinConst.h"
#include "widgets/Application.h"
#include "widgets/Form.h"

namespace ui {

using namespace platform;

namespace {

UInt NextIconId() {
    static UInt next = 0;
    return ++next;
}

TShiftState ShiftOf(TMouseButton button) {
    switch (button) {
        case TMouseButton::mbLeft:
            return ssLeft;
        case TMouseButton::mbRight:
            return ssRight;
        case TMouseButton::mbMiddle:
            return ssMiddle;
    }
    return 0;
}

}  // namespace

int TrayIconSize(const vcl::TDisplayScale& scale) {
    constexpr int kSmallIconAtDesignScale = 16;
    return scale.Scale(kSmallIconAtDesignScale);
}

TTrayIcon::TTrayIcon(std::string name, vcl::TCustomForm& owner)
    : vcl::TComponent(std::move(name), owner) {
    Platform& ports = Ports();
    WindowCreateParams params;
    params.className = kWindowClass;
    params.style = WS_POPUP;
    // A top-level window: Explorer's "TaskbarCreated" goes to those only.
    window_ = ports.windows.CreateWindowExA(params, this);
    taskbarCreatedMessage_ = ports.messages.RegisterWindowMessageA("TaskbarCreated");
    programIcon_ = IconHandle(
        ports.shell, ports.shell.LoadImageA("MAINICON", IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    record_.hWnd = window_;
    record_.uID = NextIconId();
    record_.uFlags = NIF_MESSAGE | NIF_ICON;
    record_.uCallbackMessage = kCallbackMessage;
    record_.hIcon = programIcon_.get();
}

TTrayIcon::~TTrayIcon() {
    Platform& ports = Ports();
    if (shown_) Notify(NIM_DELETE);
    UnhookApplication();
    if (window_) ports.windows.DestroyWindow(window_);
    // The icons go with their owners, once the shell no longer shows them.
}

bool TTrayIcon::Notify(DWord message) {
    NotifyIconDataA record = record_;
    return Ports().shell.Shell_NotifyIconA(message, &record);
}

void TTrayIcon::AddIcon() {
    shown_ = Notify(NIM_ADD);
    if (shown_) HookApplication();
}

void TTrayIcon::SetVisible(bool visible) {
    if (visible == wanted_) return;
    wanted_ = visible;
    if (visible) {
        // A refusal (at logon the shell may not be up yet) leaves the icon
        // wanted: it goes in when the shell announces its taskbar.
        AddIcon();
        return;
    }
    if (shown_) {
        if (!Notify(NIM_DELETE)) throw EOutOfResources(kCannotRemoveIcon);
        shown_ = false;
    }
    UnhookApplication();
}

void TTrayIcon::SetIconIndex(int index) {
    iconIndex_ = index;
    if (Icons && index >= 0 && index < Icons->Count()) {
        images_.resize(static_cast<std::size_t>(Icons->Count()));
        IconHandle& image = images_[static_cast<std::size_t>(index)];
        if (!image) {
            // The notification area shows small icons: the image of the size
            // it asks for at this scale is loaded, never one it would shrink.
            const int size = TrayIconSize(Application().Scale());
            ShellPort& shell = Ports().shell;
            image =
                IconHandle(shell, shell.LoadImageA(Icons->Images[static_cast<std::size_t>(index)],
                                                   IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        }
        if (image) record_.hIcon = image.get();
    }
    Update();
}

void TTrayIcon::SetHint(const std::string& hint) {
    // The shell's tip holds fewer characters; a longer hint keeps the old one.
    if (hint == hint_ || hint.size() >= 64) return;
    hint_ = hint;
    const std::size_t length = std::min(hint.size(), sizeof record_.szTip - 1);
    std::memset(record_.szTip, 0, sizeof record_.szTip);
    std::memcpy(record_.szTip, hint.data(), length);
    record_.uFlags |= NIF_TIP;
    Update();
}

void TTrayIcon::Loaded() {
    SetIconIndex(iconIndex_);
}

void TTrayIcon::Update() {
    if (shown_) Notify(NIM_MODIFY);
}

void TTrayIcon::Minimize() {
    vcl::TApplication& application = Application();
    application.Minimize();
    Ports().windows.ShowWindow(application.Handle(), SW_HIDE);
    if (OnMinimize) OnMinimize(this);
}

void TTrayIcon::Restore() {
    vcl::TApplication& application = Application();
    application.Restore();
    WindowPort& windows = Ports().windows;
    windows.ShowWindow(application.Handle(), SW_RESTORE);
    windows.SetForegroundWindow(application.Handle());
    if (OnRestore) OnRestore(this);
}

void TTrayIcon::ShowMenu(int x, int y) {
    if (PopupMenu) PopupMenu->Popup(Ports(), Owner().Handle(), x, y);
}

void TTrayIcon::DoMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TTrayIcon::MouseMessage(UInt mouseMessage) {
    Point cursor;
    Ports().windows.GetCursorPos(cursor);
    TMouseButton button;
    if (IsButtonUp(mouseMessage) && ButtonOf(mouseMessage, button))
        DoMouseUp(button, ShiftOf(button), cursor.x, cursor.y);
    if (TrayMessageMatches(RestoreOn, mouseMessage)) Restore();
    if (TrayMessageMatches(PopupMenuOn, mouseMessage)) ShowMenu(cursor.x, cursor.y);
}

void TTrayIcon::TaskbarCreated() {
    // Explorer (re)started with an empty notification area: the icon goes in
    // again with its current image and tip, also when it never got in.
    if (!wanted_) return;
    shown_ = false;
    AddIcon();
    if (!shown_) shown_ = Notify(NIM_MODIFY);
}

void TTrayIcon::HookApplication() {
    if (hooked_) return;
    hooked_ = true;
    vcl::TApplication& application = Application();
    previousHook_ = application.OnOwnerMessage;
    application.OnOwnerMessage = [this](UInt msg, WParam wParam, LParam lParam) {
        if (previousHook_) previousHook_(msg, wParam, lParam);
        if (msg != WM_SYSCOMMAND) return;
        // The low four bits of a system command are Windows' own.
        if ((wParam & 0xFFF0) == SC_MINIMIZE) Minimize();
        if ((wParam & 0xFFF0) == SC_RESTORE) Restore();
    };
}

void TTrayIcon::UnhookApplication() {
    if (!hooked_) return;
    hooked_ = false;
    Application().OnOwnerMessage = std::move(previousHook_);
    previousHook_ = nullptr;
}

LResult TTrayIcon::WindowProc(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) {
    LResult result = 0;
    try {
        if (msg == kCallbackMessage) {
            MouseMessage(static_cast<UInt>(lParam & 0xFFFF));
        } else if (msg == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
            TaskbarCreated();
        } else if (msg == WM_ENDSESSION && wParam != 0 && shown_) {
            // The session really ends (wParam 0: the logoff was cancelled and
            // the icon stays).
            shown_ = !Notify(NIM_DELETE);
        }
    } catch (const std::exception& e) {
        Application().ShowException(e.what());
    } catch (...) {
        Application().ShowException("Unknown error");
    }
    result = Ports().messages.DefWindowProcA(hwnd, msg, wParam, lParam);
    if (msg == WM_QUERYENDSESSION) result = 1;
    return result;
}

}  // namespace ui
