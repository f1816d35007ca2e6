// Audio devices coming and going: the mixer is closed at once and reloaded a
// second after the last notice. The deferred reload is not built yet and
// does nothing until device change tracking lands.
#include "app/Unit1.h"

namespace app {

void TForm1::RescanMixers() {
    // A fresh device list, and nothing left open: the scan leaves the last
    // device that opened open.
    AudioMixerUsb.GetMixerNumDevs();
    AudioMixerUsb.SetMixerId(-1);
}

void TForm1::TimerDevChgTimer(vcl::TObject*) {}

}  // namespace app
