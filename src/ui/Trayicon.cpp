#include "ui/Trayicon.h"

#include "platform/WinConst.h"
#include "widgets/Application.h"

namespace ui {

using namespace platform;

void TTrayIcon::SetIconIndex(int index) {
    iconIndex_ = index;
    Update();
}

void TTrayIcon::SetHint(const std::string& hint) {
    // The shell's tip holds fewer characters; a longer hint keeps the old one.
    if (hint == hint_ || hint.size() >= 64) return;
    hint_ = hint;
    Update();
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

}  // namespace ui
