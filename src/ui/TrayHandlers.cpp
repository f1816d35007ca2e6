// The tray icon's clicks and menu, showing and hiding the main window
// through it, and the auto-hide after a shown window has had no input for a
// while.
#include "app/Unit1.h"

namespace app {

void TForm1::TrayIconStsMouseUp(vcl::TObject*, ui::TMouseButton button, ui::TShiftState, int x,
                                int y) {
    if (button != ui::TMouseButton::mbLeft && button != ui::TMouseButton::mbRight) return;
    Os().windows.GetCursorPos(PopupPoint);
    if (!TrayIconSts.PopupMenu) return;
    if (button == ui::TMouseButton::mbRight) {
        TimerMouseUp.SetEnabled(false);
        TrayIconSts.ShowMenu(x, y);
        return;
    }
    // A left click waits for a second one: as the second click of a
    // double-click (which restores the window) it opens no menu.
    if (TimerMouseUp.Enabled())
        TimerMouseUp.SetEnabled(false);
    else
        TimerMouseUp.Restart();
}

void TForm1::TimerMouseUpTimer(vcl::TObject*) {
    TimerMouseUp.SetEnabled(false);
    if (TrayIconSts.PopupMenu) TrayIconSts.ShowMenu(PopupPoint.x, PopupPoint.y);
}

void TForm1::suiPopupMenuTrayIconPopup(vcl::TObject*) {
    RestartTimerIfRunning(TimerMin);
    // The menu closes on a click elsewhere only while its program is in front.
    Os().windows.SetForegroundWindow(Handle());
}

void TForm1::ItemSetupClick(vcl::TObject*) {
    ShowMainWindow();
}

void TForm1::TrayIconStsRestore(vcl::TObject*) {
    TimerMin.SetEnabled(true);
    RestartTimerIfRunning(TimerMin);
    if (!IsVisible()) Show();
    BringToFront(Handle());
}

void TForm1::TrayIconStsMinimize(vcl::TObject*) {
    Hide();
}

void TForm1::FormClose(vcl::TObject*, vcl::TCloseAction& action) {
    // Closing only hides the window to the tray unless the program is ending.
    if (ExitRequested) return;
    TrayIconSts.Minimize();
    action = vcl::caNone;
}

void TForm1::TimerMinTimer(vcl::TObject*) {
    TimerMin.SetEnabled(false);
    Close();
}

}  // namespace app
