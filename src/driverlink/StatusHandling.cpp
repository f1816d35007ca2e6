// What a status message does to the window: the volume and Skype groups, the
// tray icon, the keyboard-blocked indicator and the panel's own ring.
// The Skype group, the tray icon, the indicator and the ring are not built
// yet: those operations do nothing until their parts land.
#include "app/Unit1.h"
#include "driverlink/HandsetMessage.h"

namespace app {

using namespace driverlink;

void TForm1::StatusRefresh() {
    UpdateVolumeGroup((StatusW & kHandsetPresent) != 0);
    UpdateSkypeGroup((StatusW & kSkypeReady) != 0);
    SendRingToneCommand();
    UpdateTrayIcon();
    ShowIndicator((StatusW & kHandsetPresent) && (StatusW & kKeyboardBlocked));
    RingStep();
}

void TForm1::UpdateVolumeGroup(bool on) {
    vcl::TTrackBar* const sliders[] = {&suiTrackBarVolRing, &suiTrackBarVolOut, &suiTrackBarVolIn};
    if (on == suiGroupBoxVol.Enabled()) return;
    if (on) {
        // Tried again at every status message until the handset's device
        // is found and opens.
        RescanMixers();
        if (!OpenHandsetMixer(false)) return;
        suiGroupBoxVol.SetEnabled(true);
        for (vcl::TTrackBar* slider : sliders) slider->SetShowTick(true);
        LoadRingVolume();
        return;
    }
    RescanMixers();
    suiGroupBoxVol.SetEnabled(false);
    for (vcl::TTrackBar* slider : sliders) slider->SetShowTick(false);
    // The program's own changes: nothing reaches the mixer.
    for (vcl::TTrackBar* slider : sliders) SetTrackBarState(*slider, slider->Min(), -1, -1, -1);
    SetCheckBoxState(suiCheckBoxVolOut, 0, -1);
    SetCheckBoxState(suiCheckBoxVolIn, 0, -1);
}

void TForm1::UpdateSkypeGroup(bool) {}
void TForm1::UpdateTrayIcon() {}
void TForm1::SetTrayIcon(int) {}
void TForm1::ShowIndicator(bool) {}
void TForm1::RingStep() {
    if (CallState(StatusL) == kCallRinging) {
        if (RingPlaying || RingToneFile.empty()) return;
        // The panel's ring starts with the fifth ringing message counted.
        if (RingDelay > 0) {
            --RingDelay;
            return;
        }
        RingDelay = 4;
        StopRingFile();
        if (!PlayRingFile(RingToneFile)) return;
        RingPlaying = true;
        return;
    }
    if (!RingPlaying) return;
    RingDelay = 4;
    RingPlaying = false;
    SelectRingFile(FileListBoxTest.ItemIndex());
}

}  // namespace app
