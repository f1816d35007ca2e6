// MixerPort of a simulated process: the winmm calls on the world's mixer,
// with winmm's checks of the structures the caller passes, so a caller that
// sizes a structure or a buffer wrongly fails here as it would on Windows.
#include <algorithm>
#include <cstring>

#include "platform/WinConst.h"
#include "sim/SimProcess.h"

namespace sim {

using namespace platform;

namespace {

void CopyName(char* to, std::size_t size, const std::string& from) {
    std::memset(to, 0, size);
    std::memcpy(to, from.data(), std::min(from.size(), size - 1));
}

void FillLine(MixerLineA& out, const SimMixerLine& line, DWord destination, DWord source,
              const SimMixerDevice& device) {
    out.dwDestination = destination;
    out.dwSource = source;
    out.dwLineID = line.lineId;
    out.fdwLine = 0x1;  // MIXERLINE_LINEF_ACTIVE
    out.dwComponentType = line.componentType;
    out.cChannels = line.channels;
    out.cConnections = static_cast<DWord>(line.sources.size());
    out.cControls = static_cast<DWord>(line.controls.size());
    CopyName(out.szShortName, sizeof out.szShortName, line.name);
    CopyName(out.szName, sizeof out.szName, line.name);
    CopyName(out.Target.szPname, sizeof out.Target.szPname, device.name);
}

void FillControl(MixerControlA& out, const SimMixerControl& control) {
    out = MixerControlA{};
    out.cbStruct = sizeof(MixerControlA);
    out.dwControlID = control.id;
    out.dwControlType = control.type;
    out.fdwControl = control.flags;
    out.cMultipleItems = (control.flags & MIXERCONTROL_CONTROLF_MULTIPLE) ? control.items : 0;
    CopyName(out.szShortName, sizeof out.szShortName, control.name);
    CopyName(out.szName, sizeof out.szName, control.name);
    out.Bounds[1] = control.type == MIXERCONTROL_CONTROLTYPE_VOLUME ? 0xFFFFu : 1u;
}

// The layout check winmm makes of a MIXERCONTROLDETAILS against the control.
MmResult CheckDetails(const MixerControlDetails* details, const SimMixerControl& control,
                      const SimMixerLine& line) {
    if (!details || details->cbStruct < sizeof(MixerControlDetails) || !details->paDetails ||
        details->cbDetails < sizeof(DWord))
        return MMSYSERR_INVALPARAM;
    const bool uniform = (control.flags & MIXERCONTROL_CONTROLF_UNIFORM) != 0;
    if (details->cChannels != 1 && (uniform || details->cChannels != line.channels))
        return MMSYSERR_INVALPARAM;
    const bool multiple = (control.flags & MIXERCONTROL_CONTROLF_MULTIPLE) != 0;
    if (details->cMultipleItems != (multiple ? control.items : 0)) return MMSYSERR_INVALPARAM;
    return MMSYSERR_NOERROR;
}

DWord* ValueAt(const MixerControlDetails* details, DWord channel, DWord item, DWord items) {
    auto* bytes = static_cast<std::uint8_t*>(details->paDetails);
    const std::size_t offset =
        (static_cast<std::size_t>(channel) * items + item) * details->cbDetails;
    return reinterpret_cast<DWord*>(bytes + offset);
}

// The device a query names: an open handle of this process with
// MIXER_OBJECTF_HMIXER, else a device identifier. Its index goes to *index.
SimMixerDevice* QueryDevice(SimWorld& world, HMixer mixer, DWord flags, DWord pid,
                            std::size_t* index) {
    SimMixer& simMixer = world.mixer;
    std::size_t device = mixer;
    if (flags & MIXER_OBJECTF_HMIXER) {
        const SimMixerHandle* held = simMixer.FindHandle(mixer);
        if (!held || held->pid != pid) return nullptr;
        device = held->device;
    }
    if (device >= simMixer.devices.size()) return nullptr;
    if (index) *index = device;
    return &simMixer.devices[device];
}

// The control a MIXERCONTROLDETAILS names on the device, with the checks
// winmm makes first.
MmResult DetailsControl(SimMixerDevice* device, const MixerControlDetails* details,
                        SimMixerControl** control) {
    if (!device) return MMSYSERR_INVALHANDLE;
    if (!details) return MMSYSERR_INVALPARAM;
    SimMixerLine* line = nullptr;
    *control = device->FindControl(details->dwControlID, &line);
    if (!*control) return MIXERR_INVALCONTROL;
    return CheckDetails(details, **control, *line);
}

}  // namespace

SimMixerDevice* SimMixerPort::LoggedQuery(Api api, HMixer mixer, DWord flags, LParam what,
                                          std::size_t* index) const {
    SimCall call = MixerCall(api, mixer, flags);
    call.lParam = what;
    Log(std::move(call));
    return QueryDevice(World(), mixer, flags, Pid(), index);
}

SimCall SimMixerPort::MixerCall(Api api, HMixer mixer, DWord flags) const {
    SimCall call = Call(api);
    call.wParam = static_cast<WParam>(mixer);
    call.flags = flags;
    return call;
}

UInt SimMixerPort::mixerGetNumDevs() {
    Log(Call(Api::mixerGetNumDevs));
    return static_cast<UInt>(World().mixer.devices.size());
}

MmResult SimMixerPort::mixerOpen(HMixer* mixer, UInt deviceId, std::uintptr_t callback,
                                 std::uintptr_t, DWord flags) {
    SimCall call = MixerCall(Api::mixerOpen, 0, flags);
    call.hwnd = static_cast<Hwnd>(callback);
    call.lParam = static_cast<LParam>(deviceId);
    Log(std::move(call));
    SimMixer& simMixer = World().mixer;
    if (!mixer) return MMSYSERR_INVALPARAM;
    if (deviceId >= simMixer.devices.size()) return MMSYSERR_BADDEVICEID;
    if (simMixer.devices[deviceId].failsToOpen) return MMSYSERR_NODRIVER;
    const bool toWindow = (flags & CALLBACK_WINDOW) != 0;
    if (toWindow && !World().Window(static_cast<Hwnd>(callback))) return MMSYSERR_INVALPARAM;
    if (simMixer.onOpen) simMixer.onOpen();
    *mixer = simMixer.Open(deviceId, toWindow ? static_cast<Hwnd>(callback) : 0, Pid());
    process_.handles.Opened(HandleKind::MixerDevice, *mixer);
    return MMSYSERR_NOERROR;
}

MmResult SimMixerPort::mixerClose(HMixer mixer) {
    Log(MixerCall(Api::mixerClose, mixer, 0));
    const SimMixerHandle* held = World().mixer.FindHandle(mixer);
    if (!held || held->pid != Pid()) return MMSYSERR_INVALHANDLE;
    World().mixer.Close(mixer);
    process_.handles.Closed({HandleKind::MixerDevice}, mixer);
    return MMSYSERR_NOERROR;
}

MmResult SimMixerPort::mixerGetDevCapsA(std::uintptr_t deviceId, MixerCapsA* caps, UInt size) {
    SimCall call = MixerCall(Api::mixerGetDevCapsA, 0, 0);
    call.lParam = static_cast<LParam>(deviceId);
    Log(std::move(call));
    SimMixer& simMixer = World().mixer;
    std::size_t device = deviceId;
    if (const SimMixerHandle* held = simMixer.FindHandle(deviceId)) device = held->device;
    if (device >= simMixer.devices.size()) return MMSYSERR_BADDEVICEID;
    if (!caps || size == 0) return MMSYSERR_INVALPARAM;
    MixerCapsA filled;
    CopyName(filled.szPname, sizeof filled.szPname, simMixer.devices[device].name);
    filled.cDestinations = static_cast<DWord>(simMixer.devices[device].destinations.size());
    std::memcpy(caps, &filled, std::min<std::size_t>(size, sizeof filled));
    return simMixer.devices[device].failsCaps ? MMSYSERR_ERROR : MMSYSERR_NOERROR;
}

MmResult SimMixerPort::mixerGetLineInfoA(HMixer mixer, MixerLineA* line, DWord flags) {
    SimMixerDevice* device =
        LoggedQuery(Api::mixerGetLineInfoA, mixer, flags,
                    line ? static_cast<LParam>(line->dwDestination | (line->dwSource << 16)) : 0);
    if (!device) return MMSYSERR_INVALHANDLE;
    if (!line || line->cbStruct < sizeof(MixerLineA)) return MMSYSERR_INVALPARAM;
    const DWord query = flags & MIXER_GETLINEINFOF_QUERYMASK;
    if (query != MIXER_GETLINEINFOF_DESTINATION && query != MIXER_GETLINEINFOF_SOURCE)
        return MMSYSERR_INVALFLAG;
    if (line->dwDestination >= device->destinations.size()) return MIXERR_INVALLINE;
    const SimMixerLine& destination = device->destinations[line->dwDestination];
    const SimMixerLine* found = &destination;
    if (query == MIXER_GETLINEINFOF_SOURCE) {
        if (line->dwSource >= destination.sources.size()) return MIXERR_INVALLINE;
        found = &destination.sources[line->dwSource];
    }
    if (found->failsQuery) return MMSYSERR_ERROR;
    FillLine(*line, *found, line->dwDestination,
             query == MIXER_GETLINEINFOF_SOURCE ? line->dwSource : 0, *device);
    return MMSYSERR_NOERROR;
}

MmResult SimMixerPort::mixerGetLineControlsA(HMixer mixer, MixerLineControlsA* controls,
                                             DWord flags) {
    SimMixerDevice* device = LoggedQuery(Api::mixerGetLineControlsA, mixer, flags,
                                         controls ? static_cast<LParam>(controls->dwLineID) : 0);
    if (!device) return MMSYSERR_INVALHANDLE;
    if (!controls || controls->cbStruct < sizeof(MixerLineControlsA)) return MMSYSERR_INVALPARAM;
    if ((flags & 0xF) != MIXER_GETLINECONTROLSF_ALL) return MMSYSERR_INVALFLAG;
    SimMixerLine* line = device->FindLine(controls->dwLineID);
    if (!line) return MIXERR_INVALLINE;
    if (line->failsControls) return MMSYSERR_ERROR;
    if (controls->cControls != line->controls.size() ||
        controls->cbmxctrl < sizeof(MixerControlA) ||
        (!controls->pamxctrl && !line->controls.empty()))
        return MMSYSERR_INVALPARAM;
    auto* out = reinterpret_cast<std::uint8_t*>(controls->pamxctrl);
    for (const SimMixerControl& control : line->controls) {
        FillControl(*reinterpret_cast<MixerControlA*>(out), control);
        out += controls->cbmxctrl;
    }
    return MMSYSERR_NOERROR;
}

MmResult SimMixerPort::mixerGetControlDetailsA(HMixer mixer, MixerControlDetails* details,
                                               DWord flags) {
    SimMixerDevice* device = LoggedQuery(Api::mixerGetControlDetailsA, mixer, flags,
                                         details ? static_cast<LParam>(details->dwControlID) : 0);
    SimMixerControl* control = nullptr;
    if (const MmResult bad = DetailsControl(device, details, &control)) return bad;
    if (control->failsReads) return MMSYSERR_ERROR;
    const DWord items = control->Items();
    for (DWord ch = 0; ch < details->cChannels; ++ch)
        for (DWord item = 0; item < items; ++item)
            *ValueAt(details, ch, item, items) = control->values[ch * items + item];
    return MMSYSERR_NOERROR;
}

MmResult SimMixerPort::mixerSetControlDetails(HMixer mixer, MixerControlDetails* details,
                                              DWord flags) {
    std::size_t index = 0;
    SimMixerDevice* device =
        LoggedQuery(Api::mixerSetControlDetails, mixer, flags,
                    details ? static_cast<LParam>(details->dwControlID) : 0, &index);
    SimMixerControl* control = nullptr;
    if (const MmResult bad = DetailsControl(device, details, &control)) return bad;
    if (control->failsWrites) return MMSYSERR_ERROR;
    // One channel given for a control of several sets them all alike.
    const DWord items = control->Items();
    const DWord channels = control->Channels();
    for (DWord ch = 0; ch < channels; ++ch)
        for (DWord item = 0; item < items; ++item)
            control->values[ch * items + item] =
                *ValueAt(details, details->cChannels == 1 ? 0 : ch, item, items);
    World().mixer.NotifyControlChange(index, control->id);
    return MMSYSERR_NOERROR;
}

}  // namespace sim
