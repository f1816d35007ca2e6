// A non-visual part of a form (timers, the tray icon, the mixer): named,
// owned by its form, and reaching Windows through its owner's application.
#pragma once

#include <string>

#include "platform/Platform.h"
#include "widgets/Control.h"

namespace vcl {

class TApplication;

class TComponent : public TObject {
public:
    TComponent(std::string name, TCustomForm& owner) : name_(std::move(name)), owner_(owner) {}
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& Name() const { return name_; }
    TCustomForm& Owner() const { return owner_; }

protected:
    TApplication& Application() const;
    platform::Platform& Ports() const;

private:
    std::string name_;
    TCustomForm& owner_;
};

}  // namespace vcl
