// What a status message does to the window: the volume and Skype groups, the
// tray icon, the keyboard-blocked indicator and the panel's own ring.
#include <algorithm>
#include <string_view>

#include "app/Unit1.h"
#include "app/Unit2.h"
#include "driverlink/HandsetMessage.h"
#include "driverlink/SkypeNames.h"
#include "platform/WinConst.h"
#include "ui/TrayImages.h"

namespace app {

using namespace driverlink;

void TForm1::StatusRefresh() {
    // A status taken inside the mixer's own calls while an earlier one looks
    // for the handset's device (a driver that works on a thread of its own
    // lets messages sent to the panel in meanwhile) leaves both groups to
    // that search: the device list is half rebuilt, and the groups would be
    // filled from it and Skype pointed at the handset once for each.
    const HandsetStatus status = Status();
    if (!SearchingHandsetMixer) {
        UpdateVolumeGroup(status.handsetPresent);
        UpdateSkypeGroup(status.skypeReady);
    }
    SendRingToneCommand();
    UpdateTrayIcon();
    ShowIndicator(status.KeysBlocked());
    RingStep();
}

void TForm1::UpdateVolumeGroup(bool on) {
    // cppcheck-suppress constVariable ; the sliders themselves change, through these pointers
    vcl::TTrackBar* const sliders[] = {&suiTrackBarVolRing, &suiTrackBarVolOut, &suiTrackBarVolIn};
    if (on == suiGroupBoxVol.Enabled()) return;
    if (on) {
        SearchingHandsetMixer = true;
        struct Done {
            bool& flag;
            ~Done() { flag = false; }
        } done{SearchingHandsetMixer};
        // Tried again at every status message until the handset's device
        // is found and opens.
        RescanMixers();
        if (!OpenHandsetMixer(false)) return;
        suiGroupBoxVol.SetEnabled(true);
        for (vcl::TTrackBar* slider : sliders) slider->SetShowTick(true);
        LoadRingVolume();
        return;
    }
    // The device is let go: a speaker turned up for a tone goes back first,
    // while it can still be written, or it would stay loud and be read back
    // as the user's volume.
    if (AudioMixerUsb.FOpenID >= 0) RestoreSpeaker();
    RescanMixers();
    suiGroupBoxVol.SetEnabled(false);
    for (vcl::TTrackBar* slider : sliders) slider->SetShowTick(false);
    // The program's own changes: nothing reaches the mixer.
    for (vcl::TTrackBar* slider : sliders)
        SetTrackBarState(*slider, slider->Min(), std::nullopt, std::nullopt, std::nullopt);
    SetCheckBoxState(suiCheckBoxVolOut, false, std::nullopt);
    SetCheckBoxState(suiCheckBoxVolIn, false, std::nullopt);
}

void TForm1::UpdateSkypeGroup(bool on) {
    if (on != suiGroupBoxSkype.Enabled()) {
        suiGroupBoxSkype.SetEnabled(on);
        FillSkypeCombos();
    }
    if (!on || AudioMixerUsb.MixerID() < 0) return;
    // The handset's device, once opened, is pointed out to Skype; while its
    // name is not in a list the flag stays and the next status tries again.
    const char* const name = AudioMixerUsb.FCaps.szPname;
    const char* const nameEnd = std::find(name, name + sizeof AudioMixerUsb.FCaps.szPname, '\0');
    const std::string_view handset(name, static_cast<std::size_t>(nameEnd - name));
    const auto select = [&](bool& pending, vcl::TComboBox& combo) {
        if (!pending) return;
        const int item = FindItemIgnoringCase(combo.Items(), handset);
        if (item < 0) return;
        pending = false;
        combo.SetItemIndex(item);
        SetSkypeDevice(combo);
    };
    select(SkypeOutPending, suiComboBoxSkypeOut);
    select(SkypeInPending, suiComboBoxSkypeIn);
}

void TForm1::UpdateTrayIcon() {
    SetTrayIcon(ui::TrayImageOf(Status()));
}

void TForm1::SetTrayIcon(int index) {
    if (TrayIconSts.IconIndex() != index) TrayIconSts.SetIconIndex(index);
}
void TForm1::ShowIndicator(bool show) {
    if (!Form2 || Form2->IsVisible() == show) return;
    // The owner window carries the indicator it owns above ordinary windows.
    Os().windows.SetWindowPos(Application().Handle(),
                              show ? platform::HWND_TOPMOST : platform::HWND_NOTOPMOST, 0, 0, 0, 0,
                              platform::SWP_NOMOVE | platform::SWP_NOSIZE);
    // Shown without activation: a picture that takes the focus would take
    // the keys from whatever window the user types in.
    if (show)
        Os().windows.ShowWindow(Form2->Handle(), platform::SW_SHOWNA);
    else
        Form2->Hide();
}

void TForm1::RingStep() {
    if (Status().Ringing()) {
        if (RingToneFile.empty() || !Ring.CountRinging()) return;
        StopRingFile();
        if (PlayRingFile(RingToneFile)) Ring.Started();
        return;
    }
    if (Ring.End()) SelectRingFile(FileListBoxTest.ItemIndex());
}

}  // namespace app
