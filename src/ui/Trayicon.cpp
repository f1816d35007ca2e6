#include "ui/Trayicon.h"

#include "platform/WinConst.h"

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
    application_.Minimize();
    application_.Platform().windows.ShowWindow(application_.Handle(), SW_HIDE);
    if (OnMinimize) OnMinimize(this);
}

void TTrayIcon::Restore() {
    application_.Restore();
    WindowPort& windows = application_.Platform().windows;
    windows.ShowWindow(application_.Handle(), SW_RESTORE);
    windows.SetForegroundWindow(application_.Handle());
    if (OnRestore) OnRestore(this);
}

}  // namespace ui
