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
    RingPlaying = false;
    const bool speakerTurnedUp = SpeakerSaved;
    const int speakerPosition = SavedSpeakerPosition;
    const bool speakerMute = SavedSpeakerMute;
    SelectRingFile(FileListBoxTest.ItemIndex());
    RescanMixers();
    const bool opened = OpenHandsetMixer(true);
    // Stopping the tone put the speaker back while the mixer was closed, so
    // only the slider heard of it: the device would stay turned up. Written
    // again, as the user would, now that the device is open.
    if (speakerTurnedUp && !SpeakerSaved && opened) {
        suiTrackBarVolOut.SetPosition(speakerPosition);
        suiCheckBoxVolOut.SetChecked(speakerMute);
    }
    UpdateSysAudioButton();
}

}  // namespace app
