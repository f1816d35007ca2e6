// Skype's device lists on the panel: filled from the mixer's devices and
// queried when Skype becomes ready, following Skype's replies, sending the
// user's choice, and pointing Skype at the handset once it is found.
#include <gtest/gtest.h>

#include "support/HandsetMixer.h"

using namespace platform;
using namespace testing_support;
using Commands = std::vector<std::string>;

namespace {

constexpr std::uint32_t kReady = driverlink::kSkypeReady;
// "Kopfhörer" in the system code page (1252) and in UTF-8.
const std::string kHeadphones = "Kopfh\xF6rer";
const std::string kHeadphonesUtf8 = "Kopfh\xC3\xB6rer";
// The same UTF-8 bytes read as code page 1252 and encoded once more.
const std::string kHeadphonesUtf8Twice = "Kopfh\xC3\x83\xC2\xB6rer";

// A linked panel with three devices, none of them the handset's.
struct SkypePanel : PanelWorld {
    SkypePanel() {
        world.locale.ansiCodePage = 1252;
        world.mixer.AddDevice("Speakers");
        world.mixer.AddDevice(kHeadphones);
        world.mixer.AddDevice("Line In");
        driver.answerAudioCommands = false;
        Start();
        driver.Discover(Panel());
        Advance(0);
        driver.ClearReceived();
    }
    app::TForm1& f() { return Form(); }
};

constexpr const char* kRingCommand = "SET RINGTONE 1 C:\\Phone\\ring\\mute.wav";

}  // namespace

TEST(SkypeDevices, SkypeBecomingReadyFillsBothListsAndAsksForItsDevices) {
    SkypePanel w;
    app::TForm1& f = w.f();
    EXPECT_FALSE(f.suiGroupBoxSkype.Enabled());
    const std::vector<std::string> items = {f.DefaultDeviceText, "Speakers", kHeadphones,
                                            "Line In"};
    SendStatus(w, kReady);
    EXPECT_TRUE(f.suiGroupBoxSkype.Enabled());
    EXPECT_EQ(f.suiComboBoxSkypeOut.Items(), items);
    EXPECT_EQ(f.suiComboBoxSkypeIn.Items(), items);
    EXPECT_EQ(f.suiComboBoxSkypeOut.ItemIndex(), 0);
    EXPECT_EQ(f.suiComboBoxSkypeIn.ItemIndex(), 0);
    // The first ready status also points Skype's ring tone at the silent file.
    EXPECT_EQ(w.driver.Commands(), (Commands{"GET AUDIO_OUT", "GET AUDIO_IN", kRingCommand}));
    // Repeated ready statuses ask nothing more.
    SendStatus(w, kReady);
    EXPECT_EQ(w.driver.Commands().size(), 3u);
    // Skype going away disables the group and rebuilds the lists at item 0.
    w.driver.Reply(w.Panel(), "AUDIO_OUT Line In");
    EXPECT_EQ(f.suiComboBoxSkypeOut.ItemIndex(), 3);
    SendStatus(w, 0);
    EXPECT_FALSE(f.suiGroupBoxSkype.Enabled());
    EXPECT_EQ(f.suiComboBoxSkypeOut.ItemIndex(), 0);
    EXPECT_EQ(f.suiComboBoxSkypeOut.Items(), items);
}

TEST(SkypeDevices, RepliesSelectTheDeviceTheyNameAndOtherwiseItemZero) {
    SkypePanel w;
    app::TForm1& f = w.f();
    SendStatus(w, kReady);
    w.driver.ClearReceived();
    // A reply comes inside a send, where commands are dropped anyway: that
    // nothing counts as a user's choice is seen at the change events.
    int changes = 0;
    for (vcl::TComboBox* combo : {&f.suiComboBoxSkypeOut, &f.suiComboBoxSkypeIn})
        combo->OnChange = [&changes](vcl::TObject*) { ++changes; };
    // Each reply in turn, with the list it is for and the item that list
    // shows after it.
    enum class List { Out, In };
    const struct {
        List list;
        std::string reply;
        int item;
    } replies[] = {
        {List::Out, "AUDIO_OUT Speakers", 1},
        {List::Out, "AUDIO_OUT ", 0},
        {List::In, "AUDIO_IN line in   ", 3},
        {List::In, "AUDIO_IN  Line In", 0},
        {List::In, "AUDIO_IN Speakers", 1},
        {List::In, "#5 AUDIO_IN Speakers", 0},
        {List::In, "AUDIO_IN Headset", 0},
        // A name outside ASCII comes back in UTF-8, and from some senders
        // encoded twice.
        {List::Out, "AUDIO_OUT " + kHeadphonesUtf8, 2},
        {List::Out, "AUDIO_OUT ", 0},
        {List::Out, "AUDIO_OUT " + kHeadphonesUtf8Twice, 2},
        {List::In, "AUDIO_IN " + kHeadphonesUtf8Twice, 2},
    };
    int row = 0;
    for (const auto& r : replies) {
        w.driver.Reply(w.Panel(), r.reply);
        const vcl::TComboBox& combo =
            r.list == List::Out ? f.suiComboBoxSkypeOut : f.suiComboBoxSkypeIn;
        EXPECT_EQ(combo.ItemIndex(), r.item)
            << "row " << row << ": " << testing::PrintToString(r.reply);
        ++row;
    }
    // Each list follows only its own replies; none of this sends anything.
    EXPECT_EQ(f.suiComboBoxSkypeOut.ItemIndex(), 2);
    EXPECT_TRUE(w.driver.Commands().empty());
    EXPECT_EQ(changes, 0);
    // A reply enables a combo that was disabled.
    f.suiComboBoxSkypeIn.SetEnabled(false);
    w.driver.Reply(w.Panel(), "AUDIO_IN Line In");
    EXPECT_EQ(f.suiComboBoxSkypeIn.ItemIndex(), 3);
    EXPECT_TRUE(f.suiComboBoxSkypeIn.Enabled());
}

TEST(SkypeDevices, AUsersChoiceSendsTheDeviceInUtf8ThenAsksItBack) {
    SkypePanel w;
    app::TForm1& f = w.f();
    w.driver.answerAudioCommands = true;
    SendStatus(w, kReady);
    w.driver.ClearReceived();

    f.suiComboBoxSkypeOut.UserSelect(2);
    EXPECT_EQ(w.driver.Commands(), (Commands{"SET AUDIO_OUT " + kHeadphonesUtf8, "GET AUDIO_OUT"}));
    const auto frames = w.driver.ReceivedOf(WM_COPYDATA);
    ASSERT_EQ(frames.size(), 2u);
    std::vector<std::uint8_t> expected = {'!'};
    for (char c : "SET AUDIO_OUT " + kHeadphonesUtf8)
        expected.push_back(static_cast<std::uint8_t>(c));
    expected.push_back(0);
    EXPECT_EQ(frames[0].bytes, expected);
    // Skype's answers keep the choice shown.
    EXPECT_EQ(f.suiComboBoxSkypeOut.ItemIndex(), 2);
    EXPECT_EQ(w.driver.skypeOut, kHeadphonesUtf8);

    // Item 0 is Skype's default device: nothing after the blank.
    w.driver.ClearReceived();
    f.suiComboBoxSkypeIn.UserSelect(3);
    f.suiComboBoxSkypeIn.UserSelect(0);
    EXPECT_EQ(w.driver.Commands(),
              (Commands{"SET AUDIO_IN Line In", "GET AUDIO_IN", "SET AUDIO_IN ", "GET AUDIO_IN"}));
    EXPECT_EQ(w.driver.ReceivedOf(WM_COPYDATA)[2].cbData, 15u);
    EXPECT_EQ(f.suiComboBoxSkypeIn.ItemIndex(), 0);
}

TEST(SkypeDevices, ADisabledGroupAndTheProgramsOwnSelectionsSendNothing) {
    SkypePanel w;
    app::TForm1& f = w.f();
    // Skype not ready: the group is disabled; neither a handset key's
    // selection nor a user's choice goes out.
    f.suiComboBoxSkypeOut.SetItemIndex(1);
    f.SetSkypeDevice(f.suiComboBoxSkypeOut);
    f.suiComboBoxSkypeIn.UserSelect(1);
    EXPECT_TRUE(w.driver.Commands().empty());

    SendStatus(w, kReady);
    w.driver.ClearReceived();
    f.suiComboBoxSkypeOut.SetItemIndex(3);
    f.suiComboBoxSkypeIn.SetItemIndex(2);
    EXPECT_TRUE(w.driver.Commands().empty());
    // Called for the combo, it sends the item selected.
    f.SetSkypeDevice(f.suiComboBoxSkypeOut);
    EXPECT_EQ(w.driver.Commands(), (Commands{"SET AUDIO_OUT Line In", "GET AUDIO_OUT"}));
}

TEST(SkypeDevices, TheHandsetsDeviceIsSelectedForSkypeOnceItsNameIsInTheLists) {
    SkypePanel w;
    app::TForm1& f = w.f();
    w.driver.answerAudioCommands = true;
    // Skype is ready before the handset's device exists: the lists lack it.
    SendStatus(w, kReady);
    AddHandsetMixer(w.world.mixer, "USB Phone");
    w.driver.ClearReceived();
    SendStatus(w, kPresent | kReady);
    ASSERT_TRUE(f.suiGroupBoxVol.Enabled());
    EXPECT_TRUE(f.SkypeOutPending);
    EXPECT_TRUE(f.SkypeInPending);
    EXPECT_TRUE(w.driver.Commands().empty());
    // Tried again at every status; still not in the lists.
    SendStatus(w, kPresent | kReady);
    EXPECT_TRUE(f.SkypeOutPending);
    EXPECT_TRUE(w.driver.Commands().empty());

    // A refill brings the name in (here Skype restarting: each change of
    // the group refills and asks); then Skype is pointed at it, output
    // first, each followed by its question.
    SendStatus(w, kPresent);
    EXPECT_TRUE(f.SkypeOutPending);
    SendStatus(w, kPresent | kReady);
    EXPECT_EQ(w.driver.Commands(),
              (Commands{"GET AUDIO_OUT", "GET AUDIO_IN", "GET AUDIO_OUT", "GET AUDIO_IN",
                        "SET AUDIO_OUT USB Phone", "GET AUDIO_OUT", "SET AUDIO_IN USB Phone",
                        "GET AUDIO_IN"}));
    EXPECT_FALSE(f.SkypeOutPending);
    EXPECT_FALSE(f.SkypeInPending);
    EXPECT_EQ(f.suiComboBoxSkypeOut.ItemIndex(), 4);
    EXPECT_EQ(f.suiComboBoxSkypeIn.ItemIndex(), 4);
    // Once done, statuses send nothing more.
    w.driver.ClearReceived();
    SendStatus(w, kPresent | kReady);
    EXPECT_TRUE(w.driver.Commands().empty());
}

TEST(SkypeDevices, TheHandsetIsSelectedOnlyWhileSkypeIsReadyAndItsDeviceOpen) {
    PanelWorld w;
    AddHandsetMixer(w.world.mixer);
    w.driver.answerAudioCommands = true;
    ASSERT_TRUE(w.Start());
    w.driver.Discover(w.Panel());
    app::TForm1& f = w.Form();
    // The handset without Skype: the flags wait.
    SendStatus(w, kPresent);
    EXPECT_TRUE(f.SkypeOutPending);
    EXPECT_TRUE(w.driver.Commands().empty());
    // Skype without the handset: its device is closed, nothing is set.
    SendStatus(w, kReady);
    EXPECT_EQ(f.AudioMixerUsb.MixerID(), -1);
    EXPECT_EQ(w.driver.Commands(), (Commands{"GET AUDIO_OUT", "GET AUDIO_IN", kRingCommand}));
    EXPECT_TRUE(f.SkypeOutPending);
    // Both: the handset's device is set for Skype in the same status.
    w.driver.ClearReceived();
    SendStatus(w, kPresent | kReady);
    EXPECT_EQ(w.driver.Commands(), (Commands{"SET AUDIO_OUT USB Audio Device", "GET AUDIO_OUT",
                                             "SET AUDIO_IN USB Audio Device", "GET AUDIO_IN"}));
    EXPECT_FALSE(f.SkypeOutPending);
    EXPECT_FALSE(f.SkypeInPending);
    EXPECT_EQ(f.suiComboBoxSkypeOut.ItemIndex(), 1);
}

TEST(SkypeDevices, ASettingsBroadcastRefillsTheListsAndShowsSkypesDevicesAgain) {
    SkypePanel w;
    app::TForm1& f = w.f();
    w.driver.answerAudioCommands = true;
    w.driver.skypeOut = "Line In";
    w.driver.skypeIn = kHeadphonesUtf8;
    SendStatus(w, kReady);
    ASSERT_EQ(f.suiComboBoxSkypeOut.ItemIndex(), 3);
    ASSERT_EQ(f.suiComboBoxSkypeIn.ItemIndex(), 2);
    w.driver.ClearReceived();
    // Another program broadcasts a settings change (a send, as Windows
    // delivers it): the refilled lists ask Skype again, and the queries get
    // through although they are made while handling that send.
    sim::SimProcess other(w.world, "other");
    LResult answer = -1;
    other.messages.SendMessageTimeoutA(w.Panel(), WM_SETTINGCHANGE, 0, 0, SMTO_ABORTIFHUNG, 1000,
                                       &answer);
    EXPECT_EQ(w.driver.Commands(), (Commands{"GET AUDIO_OUT", "GET AUDIO_IN"}));
    EXPECT_EQ(f.suiComboBoxSkypeOut.ItemIndex(), 3);
    EXPECT_EQ(f.suiComboBoxSkypeIn.ItemIndex(), 2);
}
