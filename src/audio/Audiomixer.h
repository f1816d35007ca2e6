// The mixer component: the list of usable mixer devices, the one device that
// is open with the tree of its lines and controls, and the events its
// notifications raise. It knows nothing of the handset; which device and
// lines are the handset's is the window's business.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "audio/MixerTree.h"
#include "platform/HandleOwners.h"
#include "platform/MixerTypes.h"
#include "platform/WindowPort.h"
#include "widgets/Component.h"
#include "widgets/Thread.h"

namespace audio {

class TFindWindow;

// Results of the default-device worker, sent to the notification window.
constexpr platform::UInt WM_SYSDEFAULT_SUCCESS = 0x0400 + 100;
constexpr platform::UInt WM_SYSDEFAULT_FAIL = 0x0400 + 101;

struct TMixerName {
    std::string Name;  // product name, taken while the device was open
    std::int32_t Id = 0;
};

using TMixerChangeEvent =
    std::function<void(vcl::TObject* sender, platform::HMixer mixerHandle, int id)>;
using TSysDefaultSuccessEvent = std::function<void(vcl::TObject* sender, int outDev, int inDev)>;

// A line of the open device as its operations find it.
struct TMixerLineRef {
    const platform::MixerLineA* Line = nullptr;
    const TMixerControls* Controls = nullptr;
};

class TAudioMixer : public vcl::TComponent, public platform::WindowProcTarget {
public:
    static constexpr const char* kNotifyClass = "TAudioMixerNotify";

    // Creates the notification window, scans the devices and opens device 0.
    TAudioMixer(std::string name, vcl::TCustomForm& owner);
    ~TAudioMixer() override;

    // Rescans the devices and rebuilds the name list; the last device that
    // opened stays open.
    void GetMixerNumDevs();
    // Opens device id (closing the open one first), or only closes with -1.
    // A device whose capabilities cannot be read counts as not opening.
    void SetMixerId(int id);
    void CloseMixer();
    // The record of device id; nullptr when it is not in the list.
    const TMixerName* GetName(int id) const;
    int SearchIdx(int id) const;
    // Whether the line (destination, source) of the open device has a volume
    // or mute control with that identifier.
    bool CheckCtrlID(int destination, int source, int controlID) const;

    // The line at (destination index, source index), source < 0 standing for
    // the destination itself; false when there is none.
    bool FindLine(int destination, int source, TMixerLineRef& found) const;
    // A control's current values, channels × items of them (channels 1 for a
    // uniform control, else the line's; items only for a multiple-item
    // control), the items of the first channel first. False, reading
    // nothing, for counts past kMaxMixerChannels or kMaxMixerItems.
    bool ReadControlValues(const platform::MixerControlA& control, platform::DWord lineChannels,
                           std::vector<platform::DWord>& values) const;
    // Writes values laid out as ReadControlValues reads them; a list too
    // short for the control is padded with its last value. False, writing
    // nothing, where ReadControlValues would read nothing.
    bool WriteControlValues(const platform::MixerControlA& control, platform::DWord lineChannels,
                            std::vector<platform::DWord> values) const;

    // The volume and mute of a line. False, with the outputs untouched, when
    // the line does not exist; else left and right (-1 for a single
    // channel), mute 1 or 0, each -1 without a usable control, and the
    // disabled flags true exactly where a value is -1. A source line
    // without a mute control takes its state in the destination's
    // selection list.
    bool GetVolume(int destination, int source, int& left, int& right, int& mute,
                   bool& volumeDisabled, bool& muteDisabled) const;
    // Writes a line's volume (left -1: leave it; right -1: as left) and mute
    // (-1: leave it), the mute where GetVolume reads it: a disabled mute
    // control is passed over. False only when the line does not exist;
    // failed writes are not reported.
    bool SetVolume(int destination, int source, int left, int right, int mute) const;

    // Asks the worker to read (apply false) or set the Windows default
    // devices; the answer comes as OnSysDefaultSuccess or OnSysDefaultFail.
    // Dropped while the worker is busy.
    void SysDefaultAudio(bool apply, int outDev, int inDev);

    // The window procedure of FNotifyWnd.
    platform::LResult MixerCallBack(platform::UInt msg, platform::WParam wParam,
                                    platform::LParam lParam);
    platform::LResult WindowProc(platform::Hwnd hwnd, platform::UInt msg, platform::WParam wParam,
                                 platform::LParam lParam) override;

    platform::MixerPort& Port() const { return Ports().mixer; }

    // Published.
    int MixerID() const { return FOpenID; }
    void SetMixerID(int id) { SetMixerId(id); }
    TMixerChangeEvent OnLineChange;
    TMixerChangeEvent OnCtrlChange;
    TSysDefaultSuccessEvent OnSysDefaultSuccess;
    vcl::TNotifyEvent OnSysDefaultFail;

    vcl::TThread::Owned<TFindWindow> FWorker;  // none until first needed
    platform::Hwnd FNotifyWnd = 0;
    std::unique_ptr<TMixerDestinations> FDestinations;  // none while nothing is open
    std::int32_t FDevCount = 0;
    platform::MixerHandle FMixerHandle;
    std::int32_t FOpenID = -1;
    platform::MixerCapsA FCaps;  // of the device opened last; kept after closing
    std::vector<TMixerName> FNames;

private:
    // True while GetMixerNumDevs tries every device: FDevCount then holds
    // the raw count and FNames is not complete yet.
    bool scanning_ = false;
    // Raised when the component starts going: what the worker or the mixer
    // still sends its window is answered, and raises no event.
    bool destroying_ = false;
};

}  // namespace audio
