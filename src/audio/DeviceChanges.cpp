// Audio devices coming and going: the mixer is closed at once and reloaded a
// second after the last notice.
#include "app/Unit1.h"

namespace app {

void TForm1::RescanMixers() {
    // A fresh device list, and nothing left open: the scan leaves the last
    // device that opened open.
    AudioMixerUsb.GetMixerNumDevs();
    AudioMixerUsb.SetMixerId(-1);
}

void TForm1::TimerDevChgTimer(vcl::TObject*) {
    // A one-shot: the next notice starts it again.
    TimerDevChg.SetEnabled(false);
    // Cleared first: while the panel rings the list ignores a reselection,
    // and the reselection is what stops the player. The ring count is left
    // as it is.
    Ring.EndKeepingCount();
    SelectRingFile(FileListBoxTest.ItemIndex());
    RescanMixers();
    OpenHandsetMixer(true);
    UpdateSysAudioButton();
}

}  // namespace app
