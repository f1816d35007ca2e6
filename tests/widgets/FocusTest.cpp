// The focus within a form: who may take it, the enter and exit events, the
// tab order, and the focus moves a form is asked for by message.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "widgets/ComCtrls.h"
#include "widgets/StdCtrls.h"
#include "widgets/WidgetWorld.h"

using namespace vcl;
using namespace platform;
using widgets_test::Desktop;
using widgets_test::EventLog;
using widgets_test::RecordingView;
using widgets_test::TestForm;
using Seen = std::vector<std::string>;

namespace {

// A dialog:
//   Volume (track bar)
//   Options (group box, no tab stop): Mute (check box), Hint (label), Ring (edit)
//   Pages: General page with Line (edit), Advanced page with Port (edit)
//   Ok (button), Help (button without tab stop)
struct Dialog {
    Desktop desk;
    TestForm& form = desk.NewForm("Dialog");
    TTrackBar volume{"Volume"};
    TGroupBox options{"Options"};
    TCheckBox mute{"Mute"};
    TLabel hint{"Hint"};
    TEdit ring{"Ring"};
    TPageControl pages{"Pages"};
    TTabSheet general{"General"};
    TEdit line{"Line"};
    TTabSheet advanced{"Advanced"};
    TEdit port{"Port"};
    TButton ok{"Ok"};
    TButton help{"Help"};
    EventLog events;

    Dialog() {
        volume.SetParent(&form);
        options.SetParent(&form);
        mute.SetParent(&options);
        hint.SetParent(&options);
        ring.SetParent(&options);
        pages.SetParent(&form);
        pages.AddPage(general);
        pages.AddPage(advanced);
        line.SetParent(&general);
        port.SetParent(&advanced);
        ok.SetParent(&form);
        help.SetParent(&form);
        help.SetTabStop(false);
        for (TWinControl* c : Focusable()) {
            c->OnEnter = events.Note(*c, "OnEnter");
            c->OnExit = events.Note(*c, "OnExit");
        }
    }

    std::vector<TWinControl*> Focusable() {
        return {&volume, &options,  &mute, &ring, &pages, &general,
                &line,   &advanced, &port, &ok,   &help};
    }
    std::string Focused() const {
        return form.ActiveControl() ? form.ActiveControl()->Name() : "(none)";
    }
    // Where the focus goes over a number of tab (or shift+tab) presses.
    Seen Walk(bool forward, int presses) {
        Seen visited;
        for (int i = 0; i < presses; ++i) {
            form.SelectNext(forward);
            visited.push_back(Focused());
        }
        return visited;
    }
};

}  // namespace

TEST(WidgetFocus, SetFocusRaisesExitOnTheOldControlThenEnterOnTheNew) {
    Dialog d;
    RecordingView view;
    view.Watch(d.volume, d.ring);
    EXPECT_EQ(d.Focused(), "(none)");
    d.volume.SetFocus();
    EXPECT_EQ(d.events.Take(), Seen{"Volume.OnEnter"});
    EXPECT_TRUE(d.volume.Focused());

    d.ring.SetFocus();
    EXPECT_EQ(d.events.Take(), (Seen{"Volume.OnExit", "Ring.OnEnter"}));
    EXPECT_FALSE(d.volume.Focused());
    EXPECT_TRUE(d.ring.Focused());
    // Both views hear of it.
    EXPECT_EQ(view.Take(), (Seen{"Volume.Focus", "Volume.Focus", "Ring.Focus"}));

    d.form.FocusControl(&d.ok);
    EXPECT_EQ(d.events.Take(), (Seen{"Ring.OnExit", "Ok.OnEnter"}));
    EXPECT_EQ(d.form.ActiveControl(), &d.ok);

    // Focusing the focused control again is no move at all.
    d.ok.SetFocus();
    EXPECT_EQ(d.events.Take(), Seen{});
    view.Take();
    d.ring.SetFocus();
    d.ring.SetFocus();
    EXPECT_EQ(view.Take(), Seen{"Ring.Focus"});
    d.ok.SetFocus();
    d.events.Take();

    // A control that is not a tab stop still takes the focus when asked.
    d.help.SetFocus();
    EXPECT_EQ(d.events.Take(), (Seen{"Ok.OnExit", "Help.OnEnter"}));
}

TEST(WidgetFocus, ControlsThatAreDisabledOrHiddenHereOrAboveCannotTakeTheFocus) {
    Dialog d;
    d.volume.SetFocus();
    d.events.Take();

    struct Case {
        const char* why;
        TWinControl& target;
        std::function<void(bool)> block;  // true blocks, false lifts it again
    };
    const Case cases[] = {
        {"disabled", d.ok, [&](bool on) { d.ok.SetEnabled(!on); }},
        {"hidden", d.ok, [&](bool on) { d.ok.SetVisible(!on); }},
        {"in a disabled group box", d.mute, [&](bool on) { d.options.SetEnabled(!on); }},
        {"in a hidden group box", d.ring, [&](bool on) { d.options.SetVisible(!on); }},
        {"on the inactive page", d.port, [&](bool on) { d.pages.SetActivePageIndex(on ? 0 : 1); }},
        {"on a page of a disabled page control", d.line, [&](bool on) { d.pages.SetEnabled(!on); }},
    };
    for (const Case& c : cases) {
        c.block(true);
        EXPECT_FALSE(c.target.CanFocus()) << c.why;
        c.target.SetFocus();
        d.form.FocusControl(&c.target);
        EXPECT_EQ(d.Focused(), "Volume") << c.why;
        EXPECT_EQ(d.events.Take(), Seen{}) << c.why;

        c.block(false);
        EXPECT_TRUE(c.target.CanFocus()) << c.why;
        c.target.SetFocus();
        EXPECT_EQ(d.Focused(), c.target.Name()) << c.why;
        d.volume.SetFocus();
        d.pages.SetActivePageIndex(0);
        d.events.Take();
    }
}

TEST(WidgetFocus, TabMovesThroughTheTabStopsInCreationOrderDepthFirstAndWraps) {
    Dialog d;
    // Options and Help are no tab stops, Hint is no window, Port is on the
    // hidden page; the pages themselves are no tab stops either.
    EXPECT_EQ(d.Walk(true, 7), (Seen{"Volume", "Mute", "Ring", "Pages", "Line", "Ok", "Volume"}));

    // With nothing focused, shift+tab starts from the end.
    d.form.FocusControl(nullptr);
    EXPECT_EQ(d.Walk(false, 7), (Seen{"Ok", "Line", "Pages", "Ring", "Mute", "Volume", "Ok"}));

    // From the last control, though it is no tab stop, tab wraps to the first.
    d.help.SetFocus();
    EXPECT_EQ(d.Walk(true, 1), Seen{"Volume"});
}

TEST(WidgetFocus, TabSkipsWhatCannotTakeTheFocusNow) {
    Dialog d;
    d.options.SetEnabled(false);
    d.pages.SetActivePageIndex(1);
    d.ok.SetVisible(false);
    EXPECT_EQ(d.Walk(true, 4), (Seen{"Volume", "Pages", "Port", "Volume"}));

    d.ok.SetVisible(true);
    d.volume.SetTabStop(false);
    EXPECT_EQ(d.Walk(false, 4), (Seen{"Ok", "Port", "Pages", "Ok"}));

    // A single tab stop keeps the focus, with no exit and enter.
    d.pages.SetEnabled(false);
    d.ok.SetFocus();
    d.events.Take();
    EXPECT_EQ(d.Walk(true, 2), (Seen{"Ok", "Ok"}));
    EXPECT_EQ(d.events.Take(), Seen{});
}

TEST(WidgetFocus, NextDialogControlMessageMovesTheFocusBothWays) {
    Dialog d;
    d.ring.SetFocus();
    d.events.Take();

    d.desk.Send(d.form, WM_NEXTDLGCTL, 0, 0);
    EXPECT_EQ(d.Focused(), "Pages");
    EXPECT_EQ(d.events.Take(), (Seen{"Ring.OnExit", "Pages.OnEnter"}));

    d.desk.Post(d.form, WM_NEXTDLGCTL, 1, 0);
    d.desk.Post(d.form, WM_NEXTDLGCTL, 1, 0);
    d.desk.Pump();
    EXPECT_EQ(d.Focused(), "Mute");

    // Previous from the first tab stop wraps to the last.
    d.desk.Send(d.form, WM_NEXTDLGCTL, 1, 0);
    d.desk.Send(d.form, WM_NEXTDLGCTL, 1, 0);
    EXPECT_EQ(d.Focused(), "Ok");
    d.desk.Send(d.form, WM_NEXTDLGCTL, 0, 0);
    EXPECT_EQ(d.Focused(), "Volume");
}

TEST(WidgetFocus, SwitchingPagesTakesTheFocusOffTheHiddenPage) {
    Dialog d;
    d.pages.OnChange = d.events.Note(d.pages, "OnChange");
    d.line.SetFocus();
    d.events.Take();

    d.pages.UserSelectPage(1);
    EXPECT_EQ(d.events.Take(), (Seen{"Line.OnExit", "Pages.OnEnter", "Pages.OnChange"}));
    EXPECT_EQ(d.Focused(), "Pages");

    d.port.SetFocus();
    d.events.Take();
    d.pages.SetActivePageIndex(0);
    EXPECT_EQ(d.Focused(), "Pages");
    EXPECT_EQ(d.events.Take(), (Seen{"Port.OnExit", "Pages.OnEnter"}));
    EXPECT_FALSE(d.port.Focused());

    // A focus elsewhere on the form stays where it is.
    d.ok.SetFocus();
    d.events.Take();
    d.pages.UserSelectPage(1);
    EXPECT_EQ(d.Focused(), "Ok");
    EXPECT_EQ(d.events.Take(), Seen{"Pages.OnChange"});
}
