#include "sim/SimMixer.h"

#include <algorithm>

#include "platform/WinConst.h"
#include "sim/SimWorld.h"

namespace sim {

using namespace platform;

DWord SimMixerControl::Channels() const {
    const DWord perChannel = Items();
    return static_cast<DWord>(values.size()) / perChannel;
}

SimMixerControl& SimMixerLine::AddControl(DWord type, DWord flags, DWord items) {
    SimMixerControl control;
    control.id = (*nextControlId_)++;
    control.type = type;
    control.flags = flags;
    control.items = items;
    const DWord channelCount = (flags & MIXERCONTROL_CONTROLF_UNIFORM) ? 1 : channels;
    control.values.assign(static_cast<std::size_t>(channelCount) * control.Items(), 0);
    controls.push_back(std::move(control));
    return controls.back();
}

SimMixerControl* SimMixerLine::Control(DWord type) {
    for (SimMixerControl& c : controls)
        if (c.type == type) return &c;
    return nullptr;
}

SimMixerLine& SimMixerDevice::AddDestination(const std::string& lineName, DWord channels,
                                             DWord componentType) {
    SimMixerLine line;
    // Destination lines carry their index in the low word, as drivers number
    // them; sources add their own index in the high word.
    line.lineId = 0xFFFF0000u | static_cast<DWord>(destinations.size());
    line.name = lineName;
    line.channels = channels;
    line.componentType = componentType;
    line.nextControlId_ = &nextControlId_;
    destinations.push_back(std::move(line));
    return destinations.back();
}

SimMixerLine& SimMixerDevice::AddSource(SimMixerLine& destination, const std::string& lineName,
                                        DWord channels, DWord componentType) {
    SimMixerLine line;
    line.lineId =
        (static_cast<DWord>(destination.sources.size() + 1) << 16) | (destination.lineId & 0xFFFFu);
    line.name = lineName;
    line.channels = channels;
    line.componentType = componentType;
    line.nextControlId_ = &nextControlId_;
    destination.sources.push_back(std::move(line));
    return destination.sources.back();
}

SimMixerControl* SimMixerDevice::FindControl(DWord id, SimMixerLine** line) {
    auto search = [&](SimMixerLine& l) -> SimMixerControl* {
        for (SimMixerControl& c : l.controls)
            if (c.id == id) {
                if (line) *line = &l;
                return &c;
            }
        return nullptr;
    };
    for (SimMixerLine& d : destinations) {
        if (SimMixerControl* c = search(d)) return c;
        for (SimMixerLine& s : d.sources)
            if (SimMixerControl* c = search(s)) return c;
    }
    return nullptr;
}

SimMixerLine* SimMixerDevice::FindLine(DWord lineId) {
    for (SimMixerLine& d : destinations) {
        if (d.lineId == lineId) return &d;
        for (SimMixerLine& s : d.sources)
            if (s.lineId == lineId) return &s;
    }
    return nullptr;
}

SimMixerDevice& SimMixer::AddDevice(const std::string& name) {
    devices.emplace_back();
    devices.back().name = name;
    return devices.back();
}

const SimMixerHandle* SimMixer::FindHandle(HMixer handle) const {
    for (const SimMixerHandle& h : handles_)
        if (h.handle == handle) return &h;
    return nullptr;
}

int SimMixer::OpenCount(std::size_t device) const {
    return static_cast<int>(
        std::count_if(handles_.begin(), handles_.end(),
                      [&](const SimMixerHandle& h) { return h.device == device; }));
}

HMixer SimMixer::Open(std::size_t device, Hwnd callback, DWord pid) {
    const HMixer handle = nextHandle_;
    nextHandle_ += 4;
    handles_.push_back(SimMixerHandle{handle, device, callback, pid});
    return handle;
}

bool SimMixer::Close(HMixer handle) {
    const auto it = std::find_if(handles_.begin(), handles_.end(),
                                 [&](const SimMixerHandle& h) { return h.handle == handle; });
    if (it == handles_.end()) return false;
    handles_.erase(it);
    return true;
}

void SimMixer::CloseAllOf(DWord pid) {
    handles_.erase(std::remove_if(handles_.begin(), handles_.end(),
                                  [&](const SimMixerHandle& h) { return h.pid == pid; }),
                   handles_.end());
}

void SimMixer::SetValues(std::size_t device, DWord controlId, const std::vector<DWord>& values) {
    SimMixerControl* control = devices.at(device).FindControl(controlId);
    if (!control) return;
    control->values = values;
    NotifyControlChange(device, controlId);
}

void SimMixer::NotifyControlChange(std::size_t device, DWord controlId) {
    // Each holder hears of it with its own handle, as winmm reports it.
    const std::vector<SimMixerHandle> holders = handles_;
    for (const SimMixerHandle& h : holders)
        if (h.device == device && h.callback)
            world_.Post(h.callback, MM_MIXM_CONTROL_CHANGE, static_cast<WParam>(h.handle),
                        static_cast<LParam>(controlId));
}

}  // namespace sim
