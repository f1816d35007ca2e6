// Controls that hold a value: when they raise their events, how they keep
// their values in range, and what their views are told.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "widgets/ComCtrls.h"
#include "widgets/MediaCtrls.h"
#include "widgets/Menus.h"
#include "widgets/StdCtrls.h"
#include "widgets/WidgetWorld.h"

using namespace vcl;
using widgets_test::EventLog;
using widgets_test::RecordingView;
using Seen = std::vector<std::string>;

namespace {

// A settings panel: a ring group of radio buttons with a check box among
// them, and a second group of radio buttons for the volume.
struct SettingsPanel {
    TGroupBox panel{"Panel"};
    TGroupBox ringGroup{"RingGroup"};
    TRadioButton ringOnce{"RingOnce"};
    TRadioButton ringTwice{"RingTwice"};
    TRadioButton ringAlways{"RingAlways"};
    TCheckBox vibrate{"Vibrate"};
    TGroupBox volumeGroup{"VolumeGroup"};
    TRadioButton volumeLow{"VolumeLow"};
    TRadioButton volumeHigh{"VolumeHigh"};
    TTrackBar volume{"Volume"};
    TEdit name{"Name"};
    EventLog events;

    SettingsPanel() {
        ringGroup.SetParent(&panel);
        volumeGroup.SetParent(&panel);
        for (TControl* c :
             std::initializer_list<TControl*>{&ringOnce, &ringTwice, &vibrate, &ringAlways})
            c->SetParent(&ringGroup);
        volumeLow.SetParent(&volumeGroup);
        volumeHigh.SetParent(&volumeGroup);
        volume.SetParent(&panel);
        name.SetParent(&panel);
        for (TRadioButton* r : {&ringOnce, &ringTwice, &ringAlways, &volumeLow, &volumeHigh})
            r->OnClick = events.Note(*r, "OnClick");
        vibrate.OnClick = events.Note(vibrate, "OnClick");
        volume.OnChange = events.Note(volume, "OnChange");
        name.OnChange = events.Note(name, "OnChange");
    }
};

}  // namespace

TEST(WidgetValues, TrackBarRaisesChangeWhenItsPositionMovesAndOnlyThen) {
    SettingsPanel p;
    p.volume.SetPosition(4);
    EXPECT_EQ(p.events.Take(), Seen{"Volume.OnChange"});
    p.volume.SetPosition(4);
    EXPECT_EQ(p.events.Take(), Seen{});

    // Out-of-range requests land on the nearest end, and only a move counts.
    p.volume.SetPosition(-3);
    EXPECT_EQ(p.volume.Position(), 0);
    EXPECT_EQ(p.events.Take(), Seen{"Volume.OnChange"});
    p.volume.SetPosition(99);
    EXPECT_EQ(p.volume.Position(), 10);
    EXPECT_EQ(p.events.Take(), Seen{"Volume.OnChange"});
    p.volume.SetPosition(12);
    EXPECT_EQ(p.volume.Position(), 10);
    EXPECT_EQ(p.events.Take(), Seen{});
}

TEST(WidgetValues, TrackBarNewRangePullsThePositionInsideAndRaisesChangeWhenItMoves) {
    SettingsPanel p;
    p.volume.SetPosition(8);
    p.events.Take();

    p.volume.SetMax(5);
    EXPECT_EQ(p.volume.Position(), 5);
    EXPECT_EQ(p.events.Take(), Seen{"Volume.OnChange"});

    // A range that still holds the position moves nothing.
    p.volume.SetMin(2);
    p.volume.SetMax(20);
    EXPECT_EQ(p.volume.Position(), 5);
    EXPECT_EQ(p.events.Take(), Seen{});

    p.volume.SetMin(7);
    EXPECT_EQ(p.volume.Position(), 7);
    EXPECT_EQ(p.events.Take(), Seen{"Volume.OnChange"});

    // A minimum above the maximum carries the maximum along, and the reverse.
    p.volume.SetMin(30);
    EXPECT_EQ(p.volume.Min(), 30);
    EXPECT_EQ(p.volume.Max(), 30);
    EXPECT_EQ(p.volume.Position(), 30);
    p.volume.SetMax(1);
    EXPECT_EQ(p.volume.Min(), 1);
    EXPECT_EQ(p.volume.Max(), 1);
    EXPECT_EQ(p.volume.Position(), 1);
    EXPECT_EQ(p.events.Take(), (Seen{"Volume.OnChange", "Volume.OnChange"}));
}

TEST(WidgetValues, CheckBoxRaisesClickOnEveryChangeOfCheckedWhoeverMakesIt) {
    SettingsPanel p;
    p.vibrate.SetChecked(true);
    EXPECT_TRUE(p.vibrate.Checked());
    EXPECT_EQ(p.events.Take(), Seen{"Vibrate.OnClick"});
    p.vibrate.SetChecked(true);
    EXPECT_EQ(p.events.Take(), Seen{});

    // The handler sees the new state.
    bool checkedInHandler = true;
    p.vibrate.OnClick = [&](TObject*) { checkedInHandler = p.vibrate.Checked(); };
    p.vibrate.Click();
    EXPECT_FALSE(p.vibrate.Checked());
    EXPECT_FALSE(checkedInHandler);
    p.vibrate.Click();
    EXPECT_TRUE(p.vibrate.Checked());
}

TEST(WidgetValues, UserCannotToggleACheckBoxWhileItOrAParentIsDisabled) {
    SettingsPanel p;
    for (TControl* disabled :
         std::initializer_list<TControl*>{&p.vibrate, &p.ringGroup, &p.panel}) {
        disabled->SetEnabled(false);
        p.vibrate.Click();
        EXPECT_FALSE(p.vibrate.Checked()) << disabled->Name();
        EXPECT_EQ(p.events.Take(), Seen{}) << disabled->Name();
        // The program still can, and is told.
        p.vibrate.SetChecked(true);
        EXPECT_EQ(p.events.Take(), Seen{"Vibrate.OnClick"}) << disabled->Name();
        p.vibrate.SetChecked(false);
        p.events.Take();
        disabled->SetEnabled(true);
    }
    p.vibrate.Click();
    EXPECT_TRUE(p.vibrate.Checked());
}

TEST(WidgetValues, CheckingARadioButtonUnchecksItsGroupAndRaisesOnlyItsOwnClick) {
    SettingsPanel p;
    p.ringOnce.SetChecked(true);
    p.volumeHigh.SetChecked(true);
    p.vibrate.SetChecked(true);
    EXPECT_EQ(p.events.Take(), (Seen{"RingOnce.OnClick", "VolumeHigh.OnClick", "Vibrate.OnClick"}));

    // By the time its handler runs, the rest of the group is unchecked.
    bool othersClearInHandler = false;
    p.ringAlways.OnClick = [&](TObject*) {
        othersClearInHandler = !p.ringOnce.Checked() && !p.ringTwice.Checked();
        p.events.Add("RingAlways.OnClick");
    };
    p.ringAlways.Click();
    EXPECT_EQ(p.events.Take(), Seen{"RingAlways.OnClick"});
    EXPECT_TRUE(othersClearInHandler);
    EXPECT_TRUE(p.ringAlways.Checked());
    EXPECT_FALSE(p.ringOnce.Checked());
    // Neither the check box in the same group nor the other group is touched.
    EXPECT_TRUE(p.vibrate.Checked());
    EXPECT_TRUE(p.volumeHigh.Checked());

    p.ringTwice.SetChecked(true);
    EXPECT_EQ(p.events.Take(), Seen{"RingTwice.OnClick"});
    EXPECT_FALSE(p.ringAlways.Checked());
    EXPECT_TRUE(p.volumeHigh.Checked());
}

TEST(WidgetValues, RadioButtonRaisesNothingWhenUncheckedAlreadyCheckedOrDisabled) {
    SettingsPanel p;
    p.ringTwice.SetChecked(true);
    p.events.Take();

    p.ringTwice.SetChecked(true);
    p.ringTwice.Click();
    EXPECT_EQ(p.events.Take(), Seen{});

    // Unchecking leaves the group with nothing checked and says nothing.
    p.ringTwice.SetChecked(false);
    EXPECT_EQ(p.events.Take(), Seen{});
    EXPECT_FALSE(p.ringOnce.Checked() || p.ringTwice.Checked() || p.ringAlways.Checked());

    p.ringGroup.SetEnabled(false);
    p.ringOnce.Click();
    EXPECT_FALSE(p.ringOnce.Checked());
    EXPECT_EQ(p.events.Take(), Seen{});
}

TEST(WidgetValues, EditRaisesChangeWhenItsTextChangesAndKeepsTheSelectionInsideIt) {
    SettingsPanel p;
    p.name.SetText("Office");
    EXPECT_EQ(p.events.Take(), Seen{"Name.OnChange"});
    p.name.SetText("Office");
    EXPECT_EQ(p.events.Take(), Seen{});

    p.name.SetSelection(2, 10);
    EXPECT_EQ(p.name.SelStart(), 2);
    EXPECT_EQ(p.name.SelLength(), 4);
    p.name.SetSelection(-1, 3);
    EXPECT_EQ(p.name.SelStart(), 0);
    EXPECT_EQ(p.name.SelLength(), 3);
    p.name.SetSelection(9, 1);
    EXPECT_EQ(p.name.SelStart(), 6);
    EXPECT_EQ(p.name.SelLength(), 0);

    // A shorter text shortens the selection with it.
    p.name.SelectAll();
    p.name.SetText("Lab");
    EXPECT_EQ(p.name.SelStart(), 0);
    EXPECT_EQ(p.name.SelLength(), 3);
    p.name.SetSelection(2, 1);
    p.name.SetText("L");
    EXPECT_EQ(p.name.SelStart(), 1);
    EXPECT_EQ(p.name.SelLength(), 0);
    p.name.SetText("");
    EXPECT_EQ(p.name.SelStart(), 0);
    EXPECT_EQ(p.name.SelLength(), 0);
    EXPECT_EQ(p.events.Take(), (Seen{"Name.OnChange", "Name.OnChange", "Name.OnChange"}));
}

TEST(WidgetValues, PageControlShowsOnlyItsActivePageAndRaisesChangeOnlyForTheUser) {
    TPageControl pages{"Pages"};
    TTabSheet general{"General"}, sounds{"Sounds"}, about{"About"};
    EventLog events;
    pages.OnChange = events.Note(pages, "OnChange");
    pages.AddPage(general);
    pages.AddPage(sounds);
    pages.AddPage(about);
    auto shown = [&] {
        return std::vector<bool>{general.Visible(), sounds.Visible(), about.Visible()};
    };
    EXPECT_EQ(pages.ActivePageIndex(), 0);
    EXPECT_EQ(shown(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(about.PageIndex(), 2);

    pages.SetActivePageIndex(2);
    EXPECT_EQ(shown(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(events.Take(), Seen{});

    pages.UserSelectPage(1);
    EXPECT_EQ(pages.ActivePageIndex(), 1);
    EXPECT_EQ(shown(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(events.Take(), Seen{"Pages.OnChange"});

    // Choosing the page already shown, or no page, changes nothing.
    pages.UserSelectPage(1);
    pages.UserSelectPage(3);
    pages.UserSelectPage(-1);
    pages.SetActivePageIndex(7);
    EXPECT_EQ(pages.ActivePageIndex(), 1);
    EXPECT_EQ(events.Take(), Seen{});
}

TEST(WidgetValues, ViewIsToldOfEachChangeOfStateAndOfNothingElse) {
    SettingsPanel p;
    RecordingView view;
    view.Watch(p.volume, p.vibrate, p.name, p.ringOnce, p.ringTwice);

    p.volume.SetPosition(8);
    p.volume.SetMax(5);  // moves the position too
    p.volume.SetMax(5);
    p.volume.SetMin(1);  // the range alone
    p.volume.SetShowTick(true);
    EXPECT_EQ(view.Take(), (Seen{"Volume.Position", "Volume.Range", "Volume.Position",
                                 "Volume.Range", "Volume.Ticks"}));

    p.vibrate.SetChecked(true);
    p.vibrate.SetChecked(true);
    p.ringOnce.SetChecked(true);
    p.ringTwice.Click();  // unchecks its sibling, whose view hears of it
    EXPECT_EQ(view.Take(), (Seen{"Vibrate.Checked", "RingOnce.Checked", "RingTwice.Checked",
                                 "RingOnce.Checked"}));

    p.name.SetText("Desk");
    p.name.SetText("Desk");
    p.name.SetSelection(1, 2);
    // A new text may cut the selection, so the view hears of both.
    EXPECT_EQ(view.Take(), (Seen{"Name.Text", "Name.Selection", "Name.Selection"}));

    // What every control has.
    TFont bold = p.name.Font();
    bold.Bold = true;
    p.name.SetBounds(8, 8, 120, 21);
    p.name.SetBounds(8, 8, 120, 21);
    p.name.SetCaption("Name");
    p.name.SetEnabled(false);
    p.name.SetEnabled(false);
    p.name.SetVisible(false);
    p.name.SetFont(bold);
    p.name.SetFont(bold);
    p.name.SetColor(clRed);
    EXPECT_EQ(view.Take(), (Seen{"Name.Bounds", "Name.Caption", "Name.Enabled", "Name.Visible",
                                 "Name.Font", "Name.Color"}));
}

TEST(WidgetValues, CommandsTheUserCannotOperateRaiseNothing) {
    TGroupBox box{"Box"};
    TButton ok{"Ok"};
    TURLLabel link{"Link"};
    TMediaPlayer player{"Player"};
    ok.SetParent(&box);
    link.SetParent(&box);
    player.SetParent(&box);
    TMenuItem play{"Play"};
    EventLog events;
    ok.OnClick = events.Note(ok, "OnClick");
    link.OnClick = events.Note(link, "OnClick");
    play.OnClick = events.Note(play, "OnClick");
    player.OnPlayerClick = [&](TObject*, TMPBtnType button, bool&) {
        events.Add("Player.OnPlayerClick " + std::to_string(button));
    };
    player.SetEnabledButtons(ButtonBit(btPlay));

    ok.Click();
    link.Click();
    play.Click();
    player.ClickButton(btPlay);
    player.ClickButton(btStop);  // not an enabled button
    EXPECT_EQ(events.Take(),
              (Seen{"Ok.OnClick", "Link.OnClick", "Play.OnClick", "Player.OnPlayerClick 0"}));

    box.SetEnabled(false);
    play.Enabled = false;
    ok.Click();
    link.Click();
    play.Click();
    player.ClickButton(btPlay);
    EXPECT_EQ(events.Take(), Seen{});
}
