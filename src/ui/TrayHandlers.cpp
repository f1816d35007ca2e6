// Showing and hiding the main window through the tray icon, and the
// auto-hide after a shown window has had no input for a while.
#include "app/Unit1.h"

namespace app {

void TForm1::TrayIconStsRestore(vcl::TObject*) {
    TimerMin.SetEnabled(true);
    RestartTimerIfRunning(TimerMin);
    if (!IsVisible()) Show();
    BringToFront(Handle());
}

void TForm1::TrayIconStsMinimize(vcl::TObject*) { Hide(); }

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
