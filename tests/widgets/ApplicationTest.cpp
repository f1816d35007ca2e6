// The application: its owner window, its forms, the message loop with its
// hook, terminating, and the end of its forms.
#include <gtest/gtest.h>

#include <memory>
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

namespace {

// Notes what reaches the message hook and what reaches the form, as
// "hook 1", "form 1" for WM_USER + 1.
struct HookedForm {
    Desktop desk;
    TestForm& form = desk.NewForm("Main");
    Seen trace;
    // User messages the hook marks handled.
    std::vector<UInt> swallow;

    HookedForm() {
        desk.app.OnMessage = [this](Msg& msg, bool& handled) {
            if (msg.message < WM_USER) return;
            EXPECT_EQ(msg.hwnd, form.Handle());
            trace.push_back("hook " + std::to_string(msg.message - WM_USER));
            for (UInt s : swallow)
                if (msg.message == WM_USER + s) handled = true;
        };
        form.OnDispatch = [this](TMessage& m) {
            if (m.Msg >= WM_USER) trace.push_back("form " + std::to_string(m.Msg - WM_USER));
            return false;
        };
    }
};

}  // namespace

TEST(WidgetApplication, InitializeMakesOneHiddenOwnerWindowThatFormsHangOn) {
    Desktop desk;
    desk.app.Initialize();
    const auto created = desk.Calls(Api::CreateWindowExA);
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(created[0].text, "TApplication|Widget Test");
    EXPECT_EQ(created[0].hwnd, desk.app.Handle());
    EXPECT_FALSE(desk.process.windows.IsWindowVisible(desk.app.Handle()));

    TestForm& main = desk.NewForm("Main");
    TestForm& other = desk.NewForm("Other");
    EXPECT_EQ(desk.app.MainForm(), &main);
    EXPECT_EQ(desk.world.Window(main.Handle())->owner, desk.app.Handle());
    EXPECT_EQ(desk.world.Window(other.Handle())->owner, desk.app.Handle());
    EXPECT_FALSE(main.IsVisible());
}

TEST(WidgetApplication, MessageHookSeesPostedMessagesFirstAndCanKeepThemFromTheWindow) {
    HookedForm h;
    h.swallow = {1};
    h.desk.Post(h.form, WM_USER + 1);
    h.desk.Post(h.form, WM_USER + 2);
    h.desk.Pump();
    EXPECT_EQ(h.trace, (Seen{"hook 1", "hook 2", "form 2"}));
    EXPECT_TRUE(h.desk.Calls(Api::DefWindowProcA, WM_USER + 1).empty());

    // A message sent to the window does not pass through the queue.
    h.trace.clear();
    h.desk.Send(h.form, WM_USER + 3);
    EXPECT_EQ(h.trace, Seen{"form 3"});

    // Timer ticks pass the hook too, and a swallowed one never fires.
    TTimer timer("Poll", h.form);
    int fired = 0;
    timer.OnTimer = [&](TObject*) { ++fired; };
    int ticksSeen = 0;
    h.desk.app.OnMessage = [&](Msg& msg, bool& handled) {
        if (msg.message != WM_TIMER) return;
        ++ticksSeen;
        handled = ticksSeen <= 2;
    };
    h.desk.world.Advance(3000);
    EXPECT_EQ(ticksSeen, 3);
    EXPECT_EQ(fired, 1);
}

TEST(WidgetApplication, ExceptionInTheMessageHookIsReportedAndTheLoopGoesOn) {
    HookedForm h;
    h.desk.app.OnMessage = [&](Msg& msg, bool&) {
        if (msg.message == WM_USER + 1) throw std::runtime_error("Hook failed");
    };
    h.desk.Post(h.form, WM_USER + 1);
    h.desk.Post(h.form, WM_USER + 2);
    h.desk.Pump();
    EXPECT_EQ(h.desk.world.desktop.MessageBoxTexts(), Seen{"Hook failed"});
    EXPECT_EQ(h.trace.back(), "form 2");
    EXPECT_FALSE(h.desk.app.Terminated());
}

TEST(WidgetApplication, TerminateEndsTheLoopBeforeTheRestOfTheQueue) {
    HookedForm h;
    h.form.OnDispatch = [&](TMessage& m) {
        if (m.Msg >= WM_USER) h.trace.push_back("form " + std::to_string(m.Msg - WM_USER));
        if (m.Msg == WM_USER + 1) h.desk.app.Terminate();
        return false;
    };
    h.desk.Post(h.form, WM_USER + 1);
    h.desk.Post(h.form, WM_USER + 2);
    h.desk.Pump();
    EXPECT_TRUE(h.desk.app.Terminated());
    EXPECT_EQ(h.trace, (Seen{"hook 1", "form 1"}));
    EXPECT_EQ(h.desk.Calls(Api::PostQuitMessage).size(), 1u);

    // A quit posted by anyone ends the loop as well.
    Desktop other;
    other.NewForm("Main");
    other.process.messages.PostQuitMessage(0);
    other.Pump();
    EXPECT_TRUE(other.app.Terminated());
}

TEST(WidgetApplication, RunShowsTheMainFormAndReturnsOnceItIsClosed) {
    for (bool showMainForm : {true, false}) {
        Desktop desk;
        TestForm& main = desk.NewForm("Main");
        TestForm& other = desk.NewForm("Other");
        desk.app.ShowMainForm = showMainForm;
        desk.Post(main, WM_CLOSE);
        desk.app.Run();
        EXPECT_TRUE(desk.app.Terminated());
        const auto shows = desk.world.Journal().Where([&](const sim::SimCall& c) {
            return c.api == Api::ShowWindow && c.wParam == static_cast<WParam>(SW_SHOW);
        });
        if (showMainForm) {
            ASSERT_EQ(shows.size(), 1u);
            EXPECT_EQ(shows[0].hwnd, main.Handle());
        } else {
            EXPECT_TRUE(shows.empty());
        }
        EXPECT_FALSE(other.IsVisible());
    }
}

TEST(WidgetApplication, EveryFormHearsOnDestroyOnceNewestFirstEvenIfOneFails) {
    EventLog events;
    Desktop desk;
    TestForm& main = desk.NewForm("Main");
    TestForm& options = desk.NewForm("Options");
    TestForm& about = desk.NewForm("About");
    const std::vector<Hwnd> windows = {main.Handle(), options.Handle(), about.Handle()};
    main.OnDestroy = events.Note(main, "OnDestroy");
    about.OnDestroy = events.Note(about, "OnDestroy");
    options.OnDestroy = [&](TObject*) {
        events.Add("Options.OnDestroy");
        throw std::runtime_error("Could not save the options");
    };

    // A form ended early is not told a second time.
    about.DoDestroy();
    EXPECT_EQ(events.Take(), Seen{"About.OnDestroy"});
    EXPECT_FALSE(desk.process.windows.IsWindow(windows[2]));

    desk.app.DestroyForms();
    EXPECT_EQ(events.Take(), (Seen{"Options.OnDestroy", "Main.OnDestroy"}));
    EXPECT_EQ(desk.world.desktop.MessageBoxTexts(), Seen{"Could not save the options"});
    for (Hwnd w : windows) EXPECT_FALSE(desk.process.windows.IsWindow(w));
    EXPECT_EQ(desk.app.MainForm(), nullptr);

    desk.app.DestroyForms();
    EXPECT_EQ(events.Take(), Seen{});
}

TEST(WidgetApplication, FormsLeftStandingHearOnDestroyWhenTheApplicationGoes) {
    EventLog events;
    auto desk = std::make_unique<Desktop>();
    TestForm& main = desk->NewForm("Main");
    TestForm& options = desk->NewForm("Options");
    main.OnDestroy = events.Note(main, "OnDestroy");
    options.OnDestroy = events.Note(options, "OnDestroy");
    desk.reset();
    EXPECT_EQ(events.Take(), (Seen{"Options.OnDestroy", "Main.OnDestroy"}));
}

TEST(WidgetApplication, AnErrorReportInsideASentMessageLetsTheNextSendsInWhileItIsUp) {
    Desktop desk;
    TestForm& main = desk.NewForm("Main");
    sim::SimProcess driver(desk.world, "driver");
    EventLog events;
    main.OnDispatch = [&](vcl::TMessage& m) {
        if (m.Msg == WM_USER) {
            // Answer first, as the panel does with every handset message.
            desk.process.messages.ReplyMessage(1);
            throw std::runtime_error("Sound file cannot be opened");
        }
        if (m.Msg != WM_USER + 1) return false;
        events.Add(desk.world.desktop.OpenMessageBox() ? "status while the box is up"
                                                       : "status after the box");
        return true;
    };
    auto send = [&](UInt msg) {
        LResult answer = 0;
        const bool sent = driver.messages.SendMessageTimeoutA(main.Handle(), msg, 0, 0,
                                                              SMTO_ABORTIFHUNG, 500, &answer);
        return sent ? answer : -1;
    };
    desk.world.desktop.onMessageBox = [&](sim::SimMessageBox&) { send(WM_USER + 1); };
    EXPECT_EQ(send(WM_USER), 1);
    EXPECT_EQ(events.Take(), Seen{"status while the box is up"});
    EXPECT_EQ(desk.world.desktop.MessageBoxTexts(), Seen{"Sound file cannot be opened"});
    send(WM_USER + 1);
    EXPECT_EQ(events.Take(), Seen{"status after the box"});
}
