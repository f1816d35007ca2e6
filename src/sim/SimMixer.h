// The simulated winmm mixer: devices that tests describe (names, devices
// that fail to open or to report their capabilities, destinations with
// their sources, channel counts, controls with their flags, selection lists,
// values of any size, queries that fail), the handles programs hold on them,
// and the control-change notices Windows posts to every callback window that
// has a device open.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/MixerTypes.h"
#include "platform/WinTypes.h"

namespace sim {

class SimWorld;

struct SimMixerControl {
    platform::DWord id = 0;
    platform::DWord type = 0;
    platform::DWord flags = 0;  // MIXERCONTROL_CONTROLF_*
    platform::DWord items = 0;  // cMultipleItems
    std::string name;
    // channels × items values, the items of channel 0 first; a uniform
    // control has one channel.
    std::vector<platform::DWord> values;
    bool failsReads = false;
    bool failsWrites = false;
    platform::DWord Channels() const;
    platform::DWord Items() const { return items ? items : 1; }
};

struct SimMixerLine {
    platform::DWord lineId = 0;
    platform::DWord componentType = 0;
    platform::DWord channels = 1;
    std::string name;
    std::deque<SimMixerControl> controls;
    std::deque<SimMixerLine> sources;  // of a destination only
    bool failsQuery = false;           // mixerGetLineInfoA fails for it
    bool failsControls = false;        // mixerGetLineControlsA fails for it

    // A control with values sized for this line, all 0. Its identifier is
    // unique on the device.
    SimMixerControl& AddControl(platform::DWord type, platform::DWord flags = 0,
                                platform::DWord items = 0);
    SimMixerControl* Control(platform::DWord type);

private:
    friend struct SimMixerDevice;
    platform::DWord* nextControlId_ = nullptr;
};

struct SimMixerDevice {
    std::string name;
    bool failsToOpen = false;
    // mixerGetDevCapsA fails for it after writing the record, as a driver
    // that gives up half-way may.
    bool failsCaps = false;
    std::deque<SimMixerLine> destinations;

    SimMixerLine& AddDestination(const std::string& lineName, platform::DWord channels,
                                 platform::DWord componentType = 0);
    SimMixerLine& AddSource(SimMixerLine& destination, const std::string& lineName,
                            platform::DWord channels, platform::DWord componentType = 0);
    // The control and the line that carries it; nullptr when there is none.
    SimMixerControl* FindControl(platform::DWord id, SimMixerLine** line = nullptr);
    SimMixerLine* FindLine(platform::DWord lineId);

private:
    platform::DWord nextControlId_ = 1;
};

// A device a process holds open, and where its notices go.
struct SimMixerHandle {
    platform::HMixer handle = 0;
    std::size_t device = 0;
    platform::Hwnd callback = 0;
    platform::DWord pid = 0;
};

class SimMixer {
public:
    explicit SimMixer(SimWorld& world) : world_(world) {}

    std::deque<SimMixerDevice> devices;
    SimMixerDevice& AddDevice(const std::string& name);
    // Called inside every mixerOpen, as a driver that sends to a thread of
    // its own lets the opening thread take messages sent to it meanwhile.
    std::function<void()> onOpen;

    // The handles open now, oldest first.
    const std::vector<SimMixerHandle>& Handles() const { return handles_; }
    const SimMixerHandle* FindHandle(platform::HMixer handle) const;
    // How many handles are open on a device.
    int OpenCount(std::size_t device) const;
    platform::HMixer Open(std::size_t device, platform::Hwnd callback, platform::DWord pid);
    bool Close(platform::HMixer handle);
    void CloseAllOf(platform::DWord pid);

    // Sets a control's values as any program would, and posts
    // MM_MIXM_CONTROL_CHANGE to every callback window that has the device open.
    void SetValues(std::size_t device, platform::DWord controlId,
                   const std::vector<platform::DWord>& values);
    void NotifyControlChange(std::size_t device, platform::DWord controlId);

private:
    SimWorld& world_;
    std::vector<SimMixerHandle> handles_;
    platform::HMixer nextHandle_ = 0x7100;
};

}  // namespace sim
