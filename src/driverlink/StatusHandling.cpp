// What a status message does to the window: the volume and Skype groups, the
// tray icon, the keyboard-blocked indicator and the panel's own ring.
// Not built yet: each operation does nothing until status handling lands.
#include "app/Unit1.h"

namespace app {

void TForm1::StatusRefresh() {}
void TForm1::UpdateVolumeGroup(bool) {}
void TForm1::UpdateSkypeGroup(bool) {}
void TForm1::UpdateTrayIcon() {}
void TForm1::SetTrayIcon(int) {}
void TForm1::ShowIndicator(bool) {}

}  // namespace app
