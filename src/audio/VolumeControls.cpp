// The speaker and microphone rows of the audio page tied to the handset's
// mixer device: loading a line into a slider and a mute box, writing the
// user's changes, and following changes other programs make (which lines
// the rows stand for: SpeakerLines). Setting a control from the program
// raises FUpdatingControls meanwhile, so the change handlers do not write
// back.
#include <algorithm>

#include "app/Unit1.h"
#include "audio/SpeakerLines.h"
#include "audio/VolumeLevels.h"

namespace app {

using namespace platform;
using audio::kDestinationLine;
using audio::kFirstSourceLine;
using audio::kMicrophoneDestination;
using audio::kSpeakerDestination;

namespace {

constexpr int kVolumeMin = 0;
constexpr int kVolumeMax = 65535;
constexpr const char* kHandsetDeviceMark = "USB";

// Shows the speaker's destination or first source line in the speaker row
// and copies it onto the other line.
void LoadSpeakerRow(TForm1& f, int source) {
    if (f.LoadLineControls(kSpeakerDestination, source, f.suiTrackBarVolOut, f.suiCheckBoxVolOut,
                           kVolumeMin, kVolumeMax))
        audio::MirrorSpeakerLine(f.AudioMixerUsb, source, f.suiTrackBarVolOut.Position(),
                                 f.suiCheckBoxVolOut.Checked());
}

}  // namespace

void TForm1::SetTrackBarState(vcl::TTrackBar& slider, std::optional<int> position,
                              std::optional<bool> enabled, std::optional<int> min,
                              std::optional<int> max) {
    FUpdatingControls = true;
    if (position && *position != slider.Position()) slider.SetPosition(*position);
    if (min && *min != slider.Min()) slider.SetMin(*min);
    if (max && *max != slider.Max()) slider.SetMax(*max);
    if (enabled && *enabled != slider.Enabled()) slider.SetEnabled(*enabled);
    FUpdatingControls = false;
}

void TForm1::SetCheckBoxState(vcl::TCheckBox& box, std::optional<bool> checked,
                              std::optional<bool> enabled) {
    FUpdatingControls = true;
    if (checked && *checked != box.Checked()) box.SetChecked(*checked);
    if (enabled && *enabled != box.Enabled()) box.SetEnabled(*enabled);
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
        SetCheckBoxState(box, checked, muteEnabled);
        SetTrackBarState(slider, position, sliderEnabled, std::nullopt, std::nullopt);
    }
    return slider.Enabled() && box.Enabled();
}

bool TForm1::SpeakerLinesDiffer() {
    return audio::SpeakerLinesDiffer(AudioMixerUsb);
}

bool TForm1::OpenHandsetMixer(bool refreshLists) {
    bool result = false;
    if (Status().handsetPresent) {
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
                LoadSpeakerRow(*this, kDestinationLine);
                LoadLineControls(kMicrophoneDestination, kDestinationLine, suiTrackBarVolIn,
                                 suiCheckBoxVolIn, kVolumeMin, kVolumeMax);
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
    AudioMixerUsb.SetVolume(kSpeakerDestination, kDestinationLine, suiTrackBarVolOut.Position(), -1,
                            suiCheckBoxVolOut.Checked() ? 1 : 0);
}

void TForm1::suiTrackBarVolInChange(vcl::TObject*) {
    if (FUpdatingControls || AudioMixerUsb.FOpenID < 0) return;
    AudioMixerUsb.SetVolume(kMicrophoneDestination, kDestinationLine, suiTrackBarVolIn.Position(),
                            -1, suiCheckBoxVolIn.Checked() ? 1 : 0);
}

void TForm1::suiTrackBarVolRingChange(vcl::TObject*) {
    // The ring volume is a setting, never a mixer value.
    if (!FUpdatingControls) SaveRingVolume();
}

void TForm1::AudioMixerUsbCtrlChange(vcl::TObject*, HMixer, int id) {
    if (!Status().handsetPresent) return;
    switch (audio::LineOfControl(AudioMixerUsb, id)) {
        case audio::PageLine::Speaker:
            LoadSpeakerRow(*this, kDestinationLine);
            break;
        case audio::PageLine::SpeakerSource:
            LoadSpeakerRow(*this, kFirstSourceLine);
            break;
        case audio::PageLine::Microphone:
            LoadLineControls(kMicrophoneDestination, kDestinationLine, suiTrackBarVolIn,
                             suiCheckBoxVolIn, kVolumeMin, kVolumeMax);
            break;
        case audio::PageLine::None:
            break;
    }
}

}  // namespace app
