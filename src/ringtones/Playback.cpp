// Playing ring tones for preview and while the handset rings, with the
// handset's speaker turned up for as long as a file plays.
#include "app/Unit1.h"
#include "datafiles/DataFiles.h"

namespace app {

namespace {

constexpr vcl::TButtonSet kPlayOnly = vcl::ButtonBit(vcl::btPlay);
constexpr vcl::TButtonSet kStopOnly = vcl::ButtonBit(vcl::btStop);

}  // namespace

bool TForm1::PlayRingFile(const std::string& path) {
    if (!path.empty() && datafiles::FileExists(Os().files, path)) {
        MediaPlayerTest.SetFileName(path);
        try {
            MediaPlayerTest.Open();
        } catch (const vcl::EMCIDeviceError& e) {
            // The box runs a message loop in which a ringing handset keeps
            // reporting; its failures then add no box of their own.
            if (!MediaErrorShowing) {
                MediaErrorShowing = true;
                try {
                    Application().ShowException(e.what());
                } catch (...) {
                    MediaErrorShowing = false;
                    throw;
                }
                MediaErrorShowing = false;
            }
            return false;
        }
        if (MediaPlayerTest.DeviceID() != 0) {
            MediaPlayerTest.SetEnabledButtons(kStopOnly);
            BoostSpeaker();
            MediaPlayerTest.Rewind();
            MediaPlayerTest.Play();
            TimerMediaPlayerNotify.SetEnabled(true);
        }
    }
    if (MediaPlayerTest.DeviceID() == 0) {
        MediaPlayerTest.SetEnabledButtons(0);
        StopRingFile();
    }
    return true;
}

void TForm1::StopRingFile() {
    TimerMediaPlayerNotify.SetEnabled(false);
    if (MediaPlayerTest.ButtonEnabled(vcl::btStop)) {
        MediaPlayerTest.Stop();
        RestoreSpeaker();
    }
    MediaPlayerTest.Close();
    MediaPlayerTest.SetFileName("");
    MediaPlayerTest.SetEnabledButtons(AudioMixerUsb.FDevCount != 0 ? kPlayOnly : 0);
}

void TForm1::ToggleRingPreview() {
    if (Ring.RingPlaying) return;
    if (MediaPlayerTest.ButtonEnabled(vcl::btPlay)) {
        if (!PlayRingFile(SelectedRingFile)) return;
        AdoptSelectedRingFile();
    } else if (MediaPlayerTest.ButtonEnabled(vcl::btStop)) {
        StopRingFile();
    }
}

void TForm1::BoostSpeaker() {
    // Only a speaker the panel holds open can be turned up, and only then
    // does the slider show the device: off, the volume group holds its reset
    // values, and between a device notice and the reload the slider may
    // have been moved without effect. Saved, those would be written to the
    // handset as its volume when the tone ends.
    if (!suiGroupBoxVol.Enabled() || AudioMixerUsb.FOpenID < 0) return;
    if (!SpeakerSaved) {
        SpeakerSaved = true;
        SavedSpeakerPosition = suiTrackBarVolOut.Position();
        SavedSpeakerMute = suiCheckBoxVolOut.Checked();
    }
    // Through the controls: their handlers write the mixer as for a user.
    suiTrackBarVolOut.SetPosition(suiTrackBarVolOut.Max());
    suiCheckBoxVolOut.SetChecked(false);
}

void TForm1::RestoreSpeaker() {
    if (!SpeakerSaved) return;
    SpeakerSaved = false;
    SpeakerRestorePending = AudioMixerUsb.FOpenID < 0;
    suiTrackBarVolOut.SetPosition(SavedSpeakerPosition);
    suiCheckBoxVolOut.SetChecked(SavedSpeakerMute);
}

void TForm1::MediaPlayerTestClick(vcl::TObject*, vcl::TMPBtnType button, bool& doDefault) {
    doDefault = false;
    if (!Ring.RingPlaying && (button == vcl::btPlay || button == vcl::btStop)) ToggleRingPreview();
}

void TForm1::FileListBoxTestDblClick(vcl::TObject*) {
    ToggleRingPreview();
}

void TForm1::TimerMediaPlayerNotifyTimer(vcl::TObject*) {
    const platform::DWord length = MediaPlayerTest.Length();
    const platform::DWord position = MediaPlayerTest.Position();
    if (length > 0 && position > 0 && position < length) return;
    if (Ring.RingPlaying) {
        MediaPlayerTest.Rewind();
        MediaPlayerTest.Play();
    } else {
        StopRingFile();
    }
}

}  // namespace app
