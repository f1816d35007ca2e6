// Forms on the simulated desktop: their timers, closing, activation, their
// window's title, and what becomes of an exception inside a handler.
#include <gtest/gtest.h>

#include <stdexcept>

#include "widgets/ExtCtrls.h"
#include "widgets/WidgetWorld.h"

using sim::Api;
using namespace vcl;
using namespace platform;
using widgets_test::Desktop;
using widgets_test::EventLog;
using widgets_test::TestForm;
using Seen = std::vector<std::string>;
using Times = std::vector<std::uint64_t>;

namespace {

// A form with a polling timer and a blinking one; each notes the virtual
// times at which it fired.
struct TimedForm {
    Desktop desk;
    TestForm& form;
    TTimer poll;
    TTimer blink;
    Times polled;
    Times blinked;

    explicit TimedForm(bool withWindow = true)
        : form(desk.NewForm("Main", withWindow)), poll("Poll", form), blink("Blink", form) {
        poll.OnTimer = [this](TObject*) { polled.push_back(desk.world.Now()); };
        blink.OnTimer = [this](TObject*) { blinked.push_back(desk.world.Now()); };
        blink.SetEnabled(false);
    }
    std::uint64_t Due(const TTimer& timer) const {
        return desk.world.TimerDue(form.Handle(), timer.Id());
    }
};

// A main form and a second form, both shown, whose OnClose answers with the
// action the test chooses.
struct TwoForms {
    Desktop desk;
    TestForm& main = desk.NewForm("Main");
    TestForm& options = desk.NewForm("Options");
    TCloseAction mainAnswer = caHide;
    TCloseAction optionsAnswer = caHide;
    EventLog events;

    TwoForms() {
        main.OnClose = [this](TObject*, TCloseAction& action) {
            events.Add("Main.OnClose");
            action = mainAnswer;
        };
        options.OnClose = [this](TObject*, TCloseAction& action) {
            EXPECT_EQ(action, caHide);  // what a close does unless told otherwise
            events.Add("Options.OnClose");
            action = optionsAnswer;
        };
        main.Show();
        options.Show();
    }
    bool Shown(const TestForm& form) { return desk.process.windows.IsWindowVisible(form.Handle()); }
};

}  // namespace

TEST(WidgetTimer, EnabledTimerRunsOnItsFormsWindowAndFiresEveryInterval) {
    TimedForm t;
    t.poll.SetInterval(250);
    const auto set = t.desk.Calls(Api::SetTimer);
    ASSERT_FALSE(set.empty());
    EXPECT_EQ(set.back().hwnd, t.form.Handle());
    EXPECT_EQ(set.back().wParam, t.poll.Id());
    EXPECT_EQ(set.back().timeout, 250u);

    t.desk.world.Advance(1000);
    EXPECT_EQ(t.polled, (Times{250, 500, 750, 1000}));
    EXPECT_EQ(t.blinked, Times{});
}

TEST(WidgetTimer, EachTickReachesTheTimerItBelongsTo) {
    TimedForm t;
    t.poll.SetInterval(300);
    t.blink.SetInterval(500);
    t.blink.SetEnabled(true);
    EXPECT_NE(t.poll.Id(), t.blink.Id());
    t.desk.world.Advance(1000);
    EXPECT_EQ(t.polled, (Times{300, 600, 900}));
    EXPECT_EQ(t.blinked, (Times{500, 1000}));
}

TEST(WidgetTimer, EnablingStartsAFullIntervalFromThatMoment) {
    TimedForm t;
    t.desk.world.Advance(600);
    t.poll.SetEnabled(false);
    EXPECT_EQ(t.Due(t.poll), 0u);
    EXPECT_EQ(t.desk.Calls(Api::KillTimer).back().wParam, t.poll.Id());

    t.desk.world.Advance(100);
    t.poll.SetEnabled(true);
    EXPECT_EQ(t.Due(t.poll), 1700u);
    t.desk.world.Advance(999);
    EXPECT_EQ(t.polled, Times{});
    t.desk.world.Advance(1);
    EXPECT_EQ(t.polled, Times{1700});

    // Stopping and starting again at once restarts the interval too.
    t.desk.world.Advance(400);
    t.poll.SetEnabled(false);
    t.poll.SetEnabled(true);
    EXPECT_EQ(t.Due(t.poll), 3100u);
}

TEST(WidgetTimer, StoppedTimerIgnoresATickStillOnItsWay) {
    TimedForm t;
    // The tick leaves the queue, and the timer is stopped before the form
    // gets it.
    t.desk.app.OnMessage = [&](Msg& msg, bool&) {
        if (msg.message == WM_TIMER) t.poll.SetEnabled(false);
    };
    t.desk.world.Advance(1000);
    EXPECT_FALSE(t.desk.Calls(Api::KillTimer).empty());
    EXPECT_EQ(t.polled, Times{});

    // A tick posted before the stop.
    t.desk.app.OnMessage = nullptr;
    t.poll.SetEnabled(true);
    t.desk.Post(t.form, WM_TIMER, t.poll.Id());
    t.poll.SetEnabled(false);
    t.desk.Pump();
    EXPECT_EQ(t.polled, Times{});
}

TEST(WidgetTimer, TimersMadeBeforeTheFormsWindowStartWhenItIsCreated) {
    TimedForm t(false);
    t.poll.SetInterval(300);
    t.desk.world.Advance(500);
    EXPECT_TRUE(t.desk.Calls(Api::SetTimer).empty());
    EXPECT_EQ(t.polled, Times{});

    t.form.CreateHandle(widgets_test::TestFormStyle());
    const auto set = t.desk.Calls(Api::SetTimer);
    ASSERT_EQ(set.size(), 1u);  // the disabled one stays off
    EXPECT_EQ(set[0].hwnd, t.form.Handle());
    EXPECT_EQ(set[0].wParam, t.poll.Id());
    EXPECT_EQ(t.Due(t.poll), 800u);
    t.desk.world.Advance(300);
    EXPECT_EQ(t.polled, Times{800});
}

TEST(WidgetForm, CloseRequestHidesAnotherFormUnlessOnCloseKeepsIt) {
    TwoForms f;
    f.desk.Post(f.options, WM_CLOSE);
    f.desk.Pump();
    EXPECT_EQ(f.events.Take(), Seen{"Options.OnClose"});
    EXPECT_FALSE(f.Shown(f.options));
    EXPECT_TRUE(f.desk.process.windows.IsWindow(f.options.Handle()));
    EXPECT_TRUE(f.Shown(f.main));
    EXPECT_FALSE(f.desk.app.Terminated());

    f.options.Show();
    f.optionsAnswer = caNone;
    f.desk.Post(f.options, WM_CLOSE);
    f.desk.Pump();
    EXPECT_EQ(f.events.Take(), Seen{"Options.OnClose"});
    EXPECT_TRUE(f.Shown(f.options));

    f.optionsAnswer = caFree;
    f.desk.Post(f.options, WM_CLOSE);
    f.desk.Pump();
    EXPECT_FALSE(f.Shown(f.options));
    EXPECT_FALSE(f.desk.app.Terminated());
    // The close is the form's to decide: the default procedure, which would
    // destroy the window, never sees it.
    EXPECT_TRUE(f.desk.Calls(Api::DefWindowProcA, WM_CLOSE).empty());
}

TEST(WidgetForm, CloseRequestToTheMainFormEndsTheApplicationUnlessOnCloseKeepsIt) {
    TwoForms f;
    f.mainAnswer = caNone;
    f.desk.Post(f.main, WM_CLOSE);
    f.desk.Pump();
    EXPECT_EQ(f.events.Take(), Seen{"Main.OnClose"});
    EXPECT_FALSE(f.desk.app.Terminated());
    EXPECT_TRUE(f.desk.Calls(Api::PostQuitMessage).empty());

    f.mainAnswer = caHide;
    f.desk.Post(f.main, WM_CLOSE);
    f.desk.Pump();
    EXPECT_EQ(f.events.Take(), Seen{"Main.OnClose"});
    EXPECT_TRUE(f.desk.app.Terminated());
    EXPECT_EQ(f.desk.Calls(Api::PostQuitMessage).size(), 1u);
    EXPECT_TRUE(f.desk.Calls(Api::DefWindowProcA, WM_CLOSE).empty());
}

TEST(WidgetForm, ExceptionInAHandlerIsReportedInABoxAndTheLoopGoesOn) {
    TimedForm t;
    t.poll.SetInterval(100);
    t.form.OnClose = [](TObject*, TCloseAction&) {
        throw std::runtime_error("The settings file is locked");
    };
    Seen handled;
    t.form.OnDispatch = [&](TMessage& m) {
        if (m.Msg == WM_USER + 2) throw 42;  // not even an exception class
        if (m.Msg >= WM_USER) handled.push_back(std::to_string(m.Msg - WM_USER));
        return false;
    };
    t.desk.Post(t.form, WM_CLOSE);
    t.desk.Post(t.form, WM_USER + 1);
    t.desk.Post(t.form, WM_USER + 2);
    t.desk.Post(t.form, WM_USER + 3);
    t.desk.world.Advance(100);

    const auto boxes = t.desk.Calls(Api::MessageBoxA);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "The settings file is locked");
    EXPECT_EQ(boxes[0].hwnd, t.desk.app.Handle());
    EXPECT_FALSE(boxes[1].text.empty());
    EXPECT_EQ(handled, (Seen{"1", "3"}));
    EXPECT_EQ(t.polled, Times{100});
    EXPECT_FALSE(t.desk.app.Terminated());

    // A timer's handler that throws does not stop the timer.
    t.poll.OnTimer = [&](TObject*) {
        t.polled.push_back(t.desk.world.Now());
        throw std::runtime_error("No handset");
    };
    t.desk.world.Advance(200);
    EXPECT_EQ(t.polled, (Times{100, 200, 300}));
    EXPECT_EQ(t.desk.world.desktop.MessageBoxTexts().back(), "No handset");
    EXPECT_EQ(t.desk.world.desktop.MessageBoxTexts().size(), 4u);
}

TEST(WidgetForm, ActivationRaisesOnActivateOnlyWhenTheFormBecomesActive) {
    Desktop desk;
    TestForm& form = desk.NewForm("Main");
    EventLog events;
    form.OnActivate = events.Note(form, "OnActivate");
    sim::SimProcess other(desk.world, "other");
    const Hwnd elsewhere =
        other.CreatePeerWindow("Other", "Other", [](Hwnd, UInt, WParam, LParam) { return 0; });

    desk.process.windows.SetForegroundWindow(form.Handle());
    EXPECT_EQ(events.Take(), Seen{"Main.OnActivate"});
    desk.world.UserActivates(elsewhere);  // the form is told it lost the activation
    EXPECT_EQ(events.Take(), Seen{});
    // Activated by a click while minimized: state in the low word, the
    // minimized flag in the high one.
    desk.Send(form, WM_ACTIVATE, 0x00010002);
    EXPECT_EQ(events.Take(), Seen{"Main.OnActivate"});
    // The default handling goes on each time.
    EXPECT_EQ(desk.Calls(Api::DefWindowProcA, WM_ACTIVATE).size(), 3u);
}

TEST(WidgetForm, FormsCaptionIsItsWindowsTitle) {
    Desktop desk;
    TestForm& form = desk.NewForm("Main", false);
    form.SetCaption("Handset");
    form.CreateHandle(widgets_test::TestFormStyle());
    const auto created = desk.Calls(Api::CreateWindowExA);
    EXPECT_EQ(created.back().text, "TTestForm|Handset");
    form.SetCaption("Handset - ringing");
    EXPECT_EQ(desk.world.Window(form.Handle())->title, "Handset - ringing");
}

TEST(WidgetForm, FormsOwnDispatchSeesMessagesBeforeTheFramework) {
    Desktop desk;
    TestForm& form = desk.NewForm("Main");
    EventLog events;
    form.OnClose = [&](TObject*, TCloseAction&) { events.Add("Main.OnClose"); };
    form.OnDispatch = [](TMessage& m) {
        if (m.Msg != WM_CLOSE) return false;
        m.Result = 7;
        return true;
    };
    EXPECT_EQ(desk.Send(form, WM_CLOSE), 7);
    EXPECT_EQ(events.Take(), Seen{});
    EXPECT_FALSE(desk.app.Terminated());

    // What the form leaves goes on to the default procedure.
    desk.Send(form, WM_USER + 5, 11, 22);
    const auto defaults = desk.Calls(Api::DefWindowProcA, WM_USER + 5);
    ASSERT_EQ(defaults.size(), 1u);
    EXPECT_EQ(defaults[0].hwnd, form.Handle());
    EXPECT_EQ(defaults[0].wParam, 11u);
    EXPECT_EQ(defaults[0].lParam, 22);
}
