// Window timers and image lists.
#pragma once

#include <string>

#include "platform/WinTypes.h"
#include "widgets/Component.h"
#include "widgets/Control.h"

namespace vcl {

class TCustomForm;

// A timer on its form's window. Enabling starts a full interval, and so does
// Restart, also for a running timer.
class TTimer : public TComponent {
public:
    TTimer(std::string name, TCustomForm& owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // A full interval from now: a running timer is set again (Windows
    // replaces it in one call), a stopped one starts.
    void Restart();
    platform::UInt Interval() const { return interval_; }
    void SetInterval(platform::UInt ms);
    platform::UInt Id() const { return id_; }

    TNotifyEvent OnTimer;
    // WM_TIMER for this timer arrived at the form.
    void Fire();

private:
    friend class TCustomForm;  // starts the timers once its window exists
    void UpdateTimer();
    platform::UInt id_;
    bool enabled_ = true;
    platform::UInt interval_ = 1000;
    bool running_ = false;
};

class TImageList : public TObject {
public:
    explicit TImageList(std::string name) : name_(std::move(name)) {}
    const std::string& Name() const { return name_; }
    int Width = 16;
    int Height = 16;
    std::vector<std::string> Images;  // resource names, by index
    int Count() const { return static_cast<int>(Images.size()); }

private:
    std::string name_;
};

}  // namespace vcl
