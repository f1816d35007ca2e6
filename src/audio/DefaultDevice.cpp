// The button that names Windows' default playback device, and opens the
// Sound control panel when clicked.
#include "app/Unit1.h"
#include "audio/SoundPanel.h"
#include "platform/WinConst.h"

namespace app {

using namespace platform;

namespace {

constexpr const char* kNoDevice = "N/A";
constexpr const char* kUnknownDevice = "UNKNOW";

void ShowOnButton(vcl::TButton& button, const std::string& caption) {
    if (!button.Enabled()) button.SetEnabled(true);
    button.SetCaption(caption);
}

}  // namespace

void TForm1::UpdateSysAudioButton() {
    const int count = AudioMixerUsb.FDevCount;
    if (count <= 0) {
        if (suiButtonSysAudioOut.Enabled()) suiButtonSysAudioOut.SetEnabled(false);
        suiButtonSysAudioOut.SetCaption(kNoDevice);
    } else if (count == 1) {
        ShowOnButton(suiButtonSysAudioOut, AudioMixerUsb.FCaps.szPname);
    } else if (audio::IsVistaOrLater(Os().processes)) {
        // The control panel there has no dialog the worker could read.
        ShowDefaultEndpoint();
    } else {
        AudioMixerUsb.SysDefaultAudio(false, 0, 0);
    }
}

void TForm1::ShowDefaultEndpoint() {
    std::string endpoint;
    if (!Os().processes.GetDefaultRenderEndpointName(endpoint)) {
        AudioMixerUsbSysDefaultFail(&AudioMixerUsb);
        return;
    }
    ShowOnButton(suiButtonSysAudioOut, audio::EndpointDeviceName(endpoint, AudioMixerUsb.FNames));
}

void TForm1::AudioMixerUsbSysDefaultSuccess(vcl::TObject* sender, int outDev, int) {
    const int i = AudioMixerUsb.SearchIdx(outDev);
    const audio::TMixerName* name = i < 0 ? nullptr : AudioMixerUsb.GetName(i);
    if (!name) {
        AudioMixerUsbSysDefaultFail(sender);
        return;
    }
    ShowOnButton(suiButtonSysAudioOut, name->Name);
}

void TForm1::AudioMixerUsbSysDefaultFail(vcl::TObject*) {
    ShowOnButton(suiButtonSysAudioOut, kUnknownDevice);
}

void TForm1::suiButtonSysAudioOutClick(vcl::TObject*) {
    ProcessPort& processes = Os().processes;
    const std::string dir = audio::GetSystemDir(processes);
    const std::string line = audio::ButtonSoundPanelLine(audio::GetWindowsKind(processes),
                                                         audio::IsVistaOrLater(processes));
    ProcessInformation info;
    if (!audio::StartSoundPanel(processes, dir, line, "", &info)) return;
    // Not waited for: the user closes it; its handles go at once.
    platform::KernelHandle process(Os().sync, info.hProcess), thread(Os().sync, info.hThread);
}

}  // namespace app
