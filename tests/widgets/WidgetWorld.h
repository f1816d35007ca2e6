// Small worlds for exercising the widget toolkit: a simulated desktop with
// one application on it, forms whose own dispatch tests can hook, a log of
// the events controls raise and a view that records what it is told.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/WinConst.h"
#include "sim/SimProcess.h"
#include "sim/SimWorld.h"
#include "widgets/Application.h"
#include "widgets/Control.h"
#include "widgets/Form.h"

namespace widgets_test {

// A form with a hook in front of the framework's handling of its messages.
class TestForm : public vcl::TForm {
public:
    TestForm(std::string name, vcl::TApplication& application)
        : vcl::TForm(std::move(name), application) {}

    // Returns true to keep the message from the framework's handling.
    std::function<bool(vcl::TMessage&)> OnDispatch;

protected:
    bool Dispatch(vcl::TMessage& message) override {
        return OnDispatch ? OnDispatch(message) : false;
    }
};

inline vcl::TFormStyle TestFormStyle() {
    vcl::TFormStyle style;
    style.className = "TTestForm";
    style.style = platform::WS_POPUP | platform::WS_CAPTION | platform::WS_SYSMENU;
    style.clientWidth = 320;
    style.clientHeight = 240;
    return style;
}

// One process with an initialised application whose loop empties the queue
// whenever the world lets time pass. Declare controls and timers after it,
// so they go before the forms they hang on.
struct Desktop {
    sim::SimWorld world;
    sim::SimProcess process{world, "panel"};
    vcl::TApplication app{process.Platform()};

    Desktop() {
        app.SetTitle("Widget Test");
        app.Initialize();
        process.SetPump([this] { app.ProcessMessages(); });
    }

    // A form owned by the application (the first one is the main form), with
    // its window unless told otherwise.
    TestForm& NewForm(const std::string& name, bool withWindow = true) {
        TestForm& form = app.CreateForm<TestForm>(name, app);
        if (withWindow) form.CreateHandle(TestFormStyle());
        return form;
    }

    void Post(const vcl::TCustomForm& form, platform::UInt msg, platform::WParam wParam = 0,
              platform::LParam lParam = 0) {
        process.messages.PostMessageA(form.Handle(), msg, wParam, lParam);
    }
    platform::LResult Send(const vcl::TCustomForm& form, platform::UInt msg,
                           platform::WParam wParam = 0, platform::LParam lParam = 0) {
        return process.messages.SendMessageA(form.Handle(), msg, wParam, lParam);
    }
    // Lets the application handle what is queued now.
    void Pump() { world.Pump(); }

    std::vector<sim::SimCall> Calls(sim::Api api) { return world.Journal().Of(api); }
    std::vector<sim::SimCall> Calls(sim::Api api, platform::UInt msg) {
        return world.Journal().Of(api, msg);
    }
};

// The events raised, in order, as "Name.Event". A handler raised with a
// sender other than the object it was made for is noted as such.
class EventLog {
public:
    template <class Source>
    vcl::TNotifyEvent Note(const Source& source, const std::string& event) {
        const vcl::TObject* expected = &source;
        const std::string label = source.Name() + "." + event;
        return [this, expected, label](vcl::TObject* sender) {
            seen_.push_back(sender == expected ? label : label + " from a stranger");
        };
    }
    void Add(std::string entry) { seen_.push_back(std::move(entry)); }
    // What was seen since the last Take.
    std::vector<std::string> Take() { return std::exchange(seen_, {}); }

private:
    std::vector<std::string> seen_;
};

inline const char* PropertyName(vcl::Property p) {
    using vcl::Property;
    switch (p) {
        case Property::Bounds:
            return "Bounds";
        case Property::Caption:
            return "Caption";
        case Property::Enabled:
            return "Enabled";
        case Property::Visible:
            return "Visible";
        case Property::Font:
            return "Font";
        case Property::Color:
            return "Color";
        case Property::Checked:
            return "Checked";
        case Property::Position:
            return "Position";
        case Property::Range:
            return "Range";
        case Property::Items:
            return "Items";
        case Property::ItemIndex:
            return "ItemIndex";
        case Property::Text:
            return "Text";
        case Property::Selection:
            return "Selection";
        case Property::Focus:
            return "Focus";
        case Property::ActivePage:
            return "ActivePage";
        case Property::Ticks:
            return "Ticks";
        case Property::Link:
            return "Link";
        case Property::Buttons:
            return "Buttons";
        case Property::Url:
            return "Url";
        case Property::MaxLength:
            return "MaxLength";
    }
    return "?";
}

// A view shared by any number of controls; notes "Name.Property" for each
// change it is told about.
class RecordingView : public vcl::ControlView {
public:
    void Changed(vcl::TControl& control, vcl::Property what) override {
        seen_.push_back(control.Name() + "." + PropertyName(what));
    }
    template <class... Controls>
    void Watch(Controls&... controls) {
        (controls.SetView(this), ...);
    }
    std::vector<std::string> Take() { return std::exchange(seen_, {}); }

private:
    std::vector<std::string> seen_;
};

}  // namespace widgets_test
