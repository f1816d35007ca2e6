// The media player's button bar and the embedded web browser pane.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/HandleOwners.h"
#include "platform/MediaPort.h"
#include "widgets/Control.h"

namespace vcl {

enum TMPBtnType { btPlay = 0, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
using TButtonSet = unsigned;  // bit (1 << TMPBtnType)
constexpr TButtonSet ButtonBit(TMPBtnType b) {
    return 1u << b;
}

// A file the media layer cannot open; what() is the layer's own text.
class EMCIDeviceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The player drives one MCI device, opened from FileName; the device type
// is chosen by the media layer from the file.
class TMediaPlayer : public TWinControl {
public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TMediaPlayer"; }

    TButtonSet VisibleButtons = ButtonBit(btPlay) | ButtonBit(btStop);
    bool ColoredButtons = true;
    bool AutoEnable = false;

    TButtonSet EnabledButtons() const { return enabled_; }
    void SetEnabledButtons(TButtonSet buttons);
    bool ButtonEnabled(TMPBtnType b) const { return (enabled_ & ButtonBit(b)) != 0; }

    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name) { fileName_ = name; }

    // Opens FileName (closing what was open); throws EMCIDeviceError when
    // the media layer refuses it.
    void Open();
    // Each does nothing without an open device; the layer's failures are
    // not reported.
    void Close();
    // Starts playing from the position and returns at once.
    void Play();
    void Stop();
    void Rewind();  // to the start
    // In the device's time unit; 0 without a device.
    platform::DWord Length();
    platform::DWord Position();
    platform::MciDeviceId DeviceID() const { return device_.get(); }

    // A user's click on a button: (button, doDefault).
    std::function<void(TObject*, TMPBtnType, bool&)> OnPlayerClick;
    void ClickButton(TMPBtnType button);

private:
    platform::MediaPort& Media() const;
    platform::DWord Status(platform::DWord item);

    TButtonSet enabled_ = 0;
    std::string fileName_;
    // Closed with MCI_CLOSE, waiting for the device to let the file go.
    struct MciDeviceKind {
        using Port = platform::MediaPort;
        using Value = platform::MciDeviceId;
        static constexpr Value kNone = 0;
        static bool Close(Port& media, Value device);
    };
    platform::Owned<MciDeviceKind> device_;
};

class TWebBrowser : public TWinControl {
public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TWebBrowser"; }
    void Navigate(const std::wstring& url);
    const std::wstring& LocationURL() const { return location_; }

private:
    std::wstring location_;
};

}  // namespace vcl
