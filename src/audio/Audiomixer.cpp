#include "audio/Audiomixer.h"

#include <cstring>
#include <exception>

#include "audio/Foundwindow.h"
#include "platform/WinConst.h"
#include "widgets/Application.h"

namespace audio {

using namespace platform;

TAudioMixer::TAudioMixer(std::string name, vcl::TCustomForm& owner)
    : vcl::TComponent(std::move(name), owner) {
    WindowCreateParams params;
    params.className = kNotifyClass;
    params.style = WS_POPUP;
    FNotifyWnd = Ports().windows.CreateWindowExA(params, this);
    GetMixerNumDevs();
    SetMixerId(0);
}

TAudioMixer::~TAudioMixer() {
    destroying_ = true;
    if (FWorker) {
        FWorker->Terminate();
        for (int i = 0; i < 50; ++i)
            if (FWorker->Suspended()) FWorker->Resume();
        Ports().sync.Sleep(500);
        FWorker.reset();  // waits for the thread to end, answering its sends
    }
    CloseMixer();
    if (FNotifyWnd) Ports().windows.DestroyWindow(FNotifyWnd);
    FNotifyWnd = 0;
    FNames.clear();
}

void TAudioMixer::GetMixerNumDevs() {
    SetMixerId(-1);
    FNames.clear();
    FDevCount = static_cast<std::int32_t>(Port().mixerGetNumDevs());
    scanning_ = true;
    for (int id = 0; id < FDevCount; ++id) {
        SetMixerId(id);
        if (FOpenID == id) FNames.push_back(TMixerName{FCaps.szPname, id});
    }
    scanning_ = false;
    FDevCount = static_cast<std::int32_t>(FNames.size());
}

void TAudioMixer::SetMixerId(int id) {
    if (FDevCount == 0) return;
    // A device that opened at the scan keeps its identifier, which may lie
    // at or past the count when a device before it failed to open: it stays
    // openable. Other identifiers past the count are ignored, the open
    // device left open.
    if (id >= FDevCount && (scanning_ || !GetName(id))) return;
    CloseMixer();
    if (id < 0) return;
    HMixer opened = 0;
    if (Port().mixerOpen(&opened, static_cast<UInt>(id), FNotifyWnd, 0, CALLBACK_WINDOW) !=
        MMSYSERR_NOERROR)
        return;
    MixerHandle handle(Port(), opened);
    // Without its capabilities a device has no name to list and no count of
    // destinations to build from: it is left out like one that does not
    // open. They are read into a record of their own, so that a driver that
    // fails half-way leaves FCaps the last good device's.
    MixerCapsA caps;
    if (Port().mixerGetDevCapsA(static_cast<std::uintptr_t>(id), &caps, sizeof(MixerCapsA)) !=
        MMSYSERR_NOERROR)
        return;
    FMixerHandle = std::move(handle);
    FOpenID = id;
    FCaps = caps;
    // Whatever a driver wrote, the name ends inside the field.
    FCaps.szPname[kMaxPnameLen - 1] = '\0';
    FDestinations = std::make_unique<TMixerDestinations>(*this);
}

void TAudioMixer::CloseMixer() {
    if (FOpenID >= 0) {
        FMixerHandle.reset();
        FOpenID = -1;
    }
    FDestinations.reset();
}

void TAudioMixer::SysDefaultAudio(bool apply, int outDev, int inDev) {
    if (!FWorker) {
        FWorker = vcl::TThread::Create<TFindWindow>(Ports(), false,
                                                    [this] { return Application().Terminated(); });
        if (!FWorker->Created()) {
            FWorker.reset();
            if (OnSysDefaultFail) OnSysDefaultFail(this);
            return;
        }
    }
    if (FWorker->FBusy) return;
    FWorker->FApply = apply;
    FWorker->FInDev = apply ? inDev : -1;
    FWorker->FOutDev = apply ? outDev : -1;
    FWorker->FNotifyWnd = FNotifyWnd;
    FWorker->FBusy = true;
}

const TMixerName* TAudioMixer::GetName(int id) const {
    for (const TMixerName& n : FNames)
        if (n.Id == id) return &n;
    return nullptr;
}

int TAudioMixer::SearchIdx(int id) const {
    if (id < 0) return -1;
    // Listed devices past the count are found too, as SetMixerId opens them.
    if (id >= FDevCount) return GetName(id) ? id : -1;
    for (int i = 0; i < FDevCount; ++i) {
        const TMixerName* name = GetName(i);
        if (name && name->Id == id) return i;
    }
    return -1;
}

bool TAudioMixer::FindLine(int destination, int source, TMixerLineRef& found) const {
    if (!FDestinations) return false;
    const TMixerDestination* dest = FDestinations->Items(destination);
    if (!dest) return false;
    if (source < 0) {
        found = TMixerLineRef{&dest->Data(), &dest->Controls()};
        return true;
    }
    const TMixerConnection* connection = dest->Connections().Items(source);
    if (!connection) return false;
    found = TMixerLineRef{&connection->Data(), &connection->Controls()};
    return true;
}

bool TAudioMixer::CheckCtrlID(int destination, int source, int controlID) const {
    TMixerLineRef line;
    if (FOpenID < 0 || !FindLine(destination, source, line)) return false;
    for (int i = 0; i < line.Controls->Count(); ++i) {
        const MixerControlA& control = *line.Controls->Items(i);
        const bool volumeOrMute = control.dwControlType == MIXERCONTROL_CONTROLTYPE_VOLUME ||
                                  control.dwControlType == MIXERCONTROL_CONTROLTYPE_MUTE;
        if (volumeOrMute && !(control.fdwControl & MIXERCONTROL_CONTROLF_MULTIPLE) &&
            control.dwControlID == static_cast<DWord>(controlID))
            return true;
    }
    return false;
}

LResult TAudioMixer::MixerCallBack(UInt msg, WParam wParam, LParam lParam) {
    if (destroying_) {
        // The owner may be half gone: only the worker's send is answered.
        if (msg == WM_SYSDEFAULT_SUCCESS || msg == WM_SYSDEFAULT_FAIL) {
            Ports().messages.ReplyMessage(1);
            return 0;
        }
        return Ports().messages.DefWindowProcA(FNotifyWnd, msg, wParam, lParam);
    }
    switch (msg) {
        case MM_MIXM_LINE_CHANGE:
            if (FOpenID >= 0 && OnLineChange)
                OnLineChange(this, static_cast<HMixer>(wParam), static_cast<int>(lParam));
            return 0;
        case MM_MIXM_CONTROL_CHANGE:
            if (FOpenID >= 0 && OnCtrlChange)
                OnCtrlChange(this, static_cast<HMixer>(wParam), static_cast<int>(lParam));
            return 0;
        case WM_SYSDEFAULT_SUCCESS:
            // The worker waits in its send until this reply.
            Ports().messages.ReplyMessage(1);
            if (OnSysDefaultSuccess)
                OnSysDefaultSuccess(this, static_cast<int>(wParam), static_cast<int>(lParam));
            return 0;
        case WM_SYSDEFAULT_FAIL:
            Ports().messages.ReplyMessage(1);
            if (OnSysDefaultFail) OnSysDefaultFail(this);
            return 0;
        default:
            return Ports().messages.DefWindowProcA(FNotifyWnd, msg, wParam, lParam);
    }
}

LResult TAudioMixer::WindowProc(Hwnd hwnd, UInt msg, WParam wParam, LParam lParam) {
    // Messages arrive before CreateWindowExA has returned the handle.
    if (FNotifyWnd == 0) return Ports().messages.DefWindowProcA(hwnd, msg, wParam, lParam);
    // Nothing thrown by an event handler leaves a window procedure.
    try {
        return MixerCallBack(msg, wParam, lParam);
    } catch (const std::exception& e) {
        Application().ShowException(e.what());
    } catch (...) {
        Application().ShowException("Unknown error");
    }
    return 0;
}

}  // namespace audio
