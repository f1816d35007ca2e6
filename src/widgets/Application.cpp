#include "widgets/Application.h"

#include <exception>

#include "platform/WinConst.h"

namespace vcl {

const TDisplayScale& TApplication::Scale() {
    if (!scale_)
        scale_ = TDisplayScale(platform_.windows.GetScreenDeviceCaps(platform::LOGPIXELSY));
    return *scale_;
}

using namespace platform;

TApplication::~TApplication() {
    DestroyForms();
    if (handle_) platform_.windows.DestroyWindow(handle_);
}

void TApplication::Initialize() {
    if (handle_) return;
    WindowCreateParams params;
    params.className = kOwnerClass;
    params.title = title_;
    params.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    handle_ = platform_.windows.CreateWindowExA(params, this);
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (handle_) platform_.windows.SetWindowTextA(handle_, title);
}

void TApplication::Run() {
    if (ShowMainForm && mainForm_ && !terminated_) mainForm_->Show();
    while (!terminated_) HandleMessage();
}

void TApplication::ProcessMessages() {
    Msg msg;
    while (!terminated_ && platform_.messages.PeekMessageA(msg, 0, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        ProcessMessage(msg);
    }
}

void TApplication::HandleMessage() {
    Msg msg;
    if (!platform_.messages.GetMessageA(msg, 0, 0, 0)) {
        terminated_ = true;
        return;
    }
    ProcessMessage(msg);
}

void TApplication::ProcessMessage(Msg& msg) {
    bool handled = false;
    try {
        if (OnMessage) OnMessage(msg, handled);
    } catch (const std::exception& e) {
        // The failed message is not delivered.
        ShowException(e.what());
        return;
    }
    if (handled) return;
    platform_.messages.TranslateMessage(msg);
    platform_.messages.DispatchMessageA(msg);
}

void TApplication::Terminate() {
    if (terminated_) return;
    terminated_ = true;
    platform_.messages.PostQuitMessage(0);
}

void TApplication::ShowException(const std::string& text) {
    platform_.windows.MessageBoxA(handle_, text, title_, MB_OK | MB_ICONERROR);
}

void TApplication::Minimize() {
    if (handle_) platform_.windows.ShowWindow(handle_, SW_MINIMIZE);
}

void TApplication::Restore() {
    if (handle_ && platform_.windows.IsIconic(handle_))
        platform_.windows.ShowWindow(handle_, SW_RESTORE);
}

void TApplication::DestroyForms() {
    while (!forms_.empty()) {
        std::unique_ptr<TCustomForm> form = std::move(forms_.back());
        forms_.pop_back();
        if (form.get() == mainForm_) mainForm_ = nullptr;
        try {
            form->DoDestroy();
        } catch (const std::exception& e) {
            ShowException(e.what());
        }
    }
}

LResult TApplication::WindowProc(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) {
    try {
        if (OnOwnerMessage) OnOwnerMessage(msg, wParam, lParam);
    } catch (const std::exception& e) {
        ShowException(e.what());
    }
    return platform_.messages.DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace vcl
