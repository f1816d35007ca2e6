// The speaker and microphone rows of the audio page tied to the handset's
// mixer device: loading a line into a slider and a mute box, writing the
// user's changes, and following changes other programs make. The speaker row
// stands for destination 0 and is kept equal on its first source line.
// Setting a control from the program raises FUpdatingControls meanwhile, so
// the change handlers do not write back.
#include <algorithm>

#include "app/Unit1.h"
#include "audio/VolumeLevels.h"
#include "driverlink/HandsetMessage.h"

namespace app {

using namespace platform;

namespace {

constexpr int kVolumeMin = 0;
constexpr int kVolumeMax = 65535;
constexpr const char* kHandsetDeviceMark = "USB";

}  // namespace

void TForm1::SetTrackBarState(vcl::TTrackBar& slider, int position, int enabled, int min, int max) {
    FUpdatingControls = true;
    if (position >= 0 && position != slider.Position()) slider.SetPosition(position);
    if (min >= 0 && min != slider.Min()) slider.SetMin(min);
    if (max >= 0 && max != slider.Max()) slider.SetMax(max);
    if (enabled >= 0 && (enabled != 0) != slider.Enabled()) slider.SetEnabled(enabled != 0);
    FUpdatingControls = false;
}

void TForm1::SetCheckBoxState(vcl::TCheckBox& box, int checked, int enabled) {
    FUpdatingControls = true;
    if (checked >= 0 && (checked != 0) != box.Checked()) box.SetChecked(checked != 0);
    if (enabled >= 0 && (enabled != 0) != box.Enabled()) box.SetEnabled(enabled != 0);
    FUpdatingControls = false;
}

bool TForm1::LoadLineControls(int destination, int source, vcl::TTrackBar& slider,
                              vcl::TCheckBox& box, int min, int max) {
    int left = -1, right = -1, mute = -1;
    bool volumeDisabled = true, muteDisabled = true;
    if (AudioMixerUsb.GetVolume(destination, source, left, right, mute, volumeDisabled,
                                muteDisabled)) {
        const bool muteEnabled = !muteDisabled;
        const bool checked = muteEnabled && mute != 0;
        const bool sliderEnabled = left != -1;
        int position = 0;
        if (sliderEnabled) {
            const int shown = audio::LouderChannel(left, right);
            position = audio::ClampLevel(shown, min, max);
            // The slider cannot show more than its range; the line is
            // brought down to what it shows. The mute goes with it as it
            // was read (-1, left alone, when it could not be), never as the
            // box shows it: an unreadable mute shows unchecked.
            if (position != shown) AudioMixerUsb.SetVolume(destination, source, position, -1, mute);
        }
        SetCheckBoxState(box, checked ? 1 : 0, muteEnabled ? 1 : 0);
        SetTrackBarState(slider, position, sliderEnabled ? 1 : 0, -1, -1);
    }
    return slider.Enabled() && box.Enabled();
}

bool TForm1::SpeakerLinesDiffer() {
    audio::LineLevels lines[2];
    const int sources[2] = {-1, 0};
    for (int i = 0; i < 2; ++i) {
        bool volumeDisabled = true, muteDisabled = true;
        if (!AudioMixerUsb.GetVolume(0, sources[i], lines[i].left, lines[i].right, lines[i].mute,
                                     volumeDisabled, muteDisabled) ||
            volumeDisabled || muteDisabled)
            return false;
    }
    return audio::LevelsDiffer(lines[0], lines[1]);
}

bool TForm1::OpenHandsetMixer(bool refreshLists) {
    bool result = false;
    if (StatusW & driverlink::kHandsetPresent) {
        // By position in the name list: identifiers are the mixer's own, and
        // one listed after a device that failed to open lies past FDevCount.
        const std::vector<audio::TMixerName>& names = AudioMixerUsb.FNames;
        const auto handset = std::find_if(names.begin(), names.end(), [](const auto& n) {
            return n.Name.find(kHandsetDeviceMark) != std::string::npos;
        });
        if (handset != names.end()) {
            const int id = handset->Id;
            AudioMixerUsb.SetMixerId(id);
            if (AudioMixerUsb.FOpenID == id) {
                if (LoadLineControls(0, -1, suiTrackBarVolOut, suiCheckBoxVolOut, kVolumeMin,
                                     kVolumeMax) &&
                    SpeakerLinesDiffer())
                    AudioMixerUsb.SetVolume(0, 0, suiTrackBarVolOut.Position(), -1,
                                            suiCheckBoxVolOut.Checked() ? 1 : 0);
                LoadLineControls(1, -1, suiTrackBarVolIn, suiCheckBoxVolIn, kVolumeMin, kVolumeMax);
                // A tone that ended while the device was closed left it
                // turned up: written now, as the user would.
                if (SpeakerRestorePending) {
                    SpeakerRestorePending = false;
                    suiTrackBarVolOut.SetPosition(SavedSpeakerPosition);
                    suiCheckBoxVolOut.SetChecked(SavedSpeakerMute);
                }
                SkypeOutPending = SkypeInPending = true;
                result = true;
            }
        }
    }
    if (refreshLists) FillSkypeCombos();
    return result;
}

void TForm1::suiTrackBarVolOutChange(vcl::TObject*) {
    if (FUpdatingControls || AudioMixerUsb.FOpenID < 0) return;
    // Only the destination is written; its first source line follows when
    // the mixer reports the change.
    AudioMixerUsb.SetVolume(0, -1, suiTrackBarVolOut.Position(), -1,
                            suiCheckBoxVolOut.Checked() ? 1 : 0);
}

void TForm1::suiTrackBarVolInChange(vcl::TObject*) {
    if (FUpdatingControls || AudioMixerUsb.FOpenID < 0) return;
    AudioMixerUsb.SetVolume(1, -1, suiTrackBarVolIn.Position(), -1,
                            suiCheckBoxVolIn.Checked() ? 1 : 0);
}

void TForm1::suiTrackBarVolRingChange(vcl::TObject*) {
    // The ring volume is a setting, never a mixer value.
    if (!FUpdatingControls) SaveRingVolume();
}

void TForm1::AudioMixerUsbCtrlChange(vcl::TObject*, HMixer, int id) {
    if (!(StatusW & driverlink::kHandsetPresent)) return;
    audio::TAudioMixer& mixer = AudioMixerUsb;
    // The speaker's destination and its first source line are kept equal:
    // a change on one is copied to the other, whose own notice then finds
    // both equal and ends the exchange.
    if (mixer.CheckCtrlID(0, -1, id)) {
        if (LoadLineControls(0, -1, suiTrackBarVolOut, suiCheckBoxVolOut, kVolumeMin, kVolumeMax) &&
            SpeakerLinesDiffer())
            mixer.SetVolume(0, 0, suiTrackBarVolOut.Position(), -1,
                            suiCheckBoxVolOut.Checked() ? 1 : 0);
    } else if (mixer.CheckCtrlID(0, 0, id)) {
        if (LoadLineControls(0, 0, suiTrackBarVolOut, suiCheckBoxVolOut, kVolumeMin, kVolumeMax) &&
            SpeakerLinesDiffer())
            mixer.SetVolume(0, -1, suiTrackBarVolOut.Position(), -1,
                            suiCheckBoxVolOut.Checked() ? 1 : 0);
    } else if (mixer.CheckCtrlID(1, -1, id)) {
        LoadLineControls(1, -1, suiTrackBarVolIn, suiCheckBoxVolIn, kVolumeMin, kVolumeMax);
    }
}

}  // namespace app
