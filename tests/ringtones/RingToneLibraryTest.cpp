// The ring-tone library on a running panel: the chosen tone from "ring.jov",
// the tone list of the ring folder, the silent file and the ring-tone
// command, and a tone chosen by playing it.
#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "ringtones/RingToneFiles.h"
#include "support/RingWorld.h"

using namespace platform;
using namespace testing_support;
using sim::Api;
using Items = std::vector<std::string>;

namespace {

constexpr std::uint32_t kSkype = driverlink::kSkypeReady;

std::vector<std::string> RingCommands(PanelWorld& w) {
    std::vector<std::string> found;
    for (const std::string& c : w.driver.Commands())
        if (c.rfind(ringtones::kRingToneCommandPrefix, 0) == 0) found.push_back(c);
    return found;
}

// Writes of the choice file (through the file beside it).
std::size_t ChoiceWrites(PanelWorld& w) {
    std::size_t n = 0;
    for (const sim::SimCall& c : w.PanelCalls(Api::CreateFileA))
        if (c.text == std::string(kChoiceFile) + ".new") ++n;
    return n;
}

// Five-second tones in the ring folder, the first of them the chosen one.
void AddTonesChoosingTheFirst(PanelWorld& w, std::initializer_list<const char*> names) {
    for (const char* name : names) w.world.files.AddFile(InRing(name), Wave(5000));
    w.world.files.AddFile(kChoiceFile, InRing(*names.begin()) + "\r\n");
}

void StartLinked(PanelWorld& w) {
    w.world.files.AddFile(std::string(kProgramFolder) + "UsbPhonePanel.exe", "MZ");
    ASSERT_TRUE(w.Start());
    w.driver.Discover(w.Panel());
    w.Advance(0);
}

}  // namespace

TEST(RingToneLibrary, WithoutRingJovTheDefaultIsWrittenButOnlyAnExistingToneIsChosen) {
    {
        PanelWorld w;
        StartLinked(w);
        app::TForm1& f = w.Form();
        EXPECT_EQ(w.world.files.Text(kChoiceFile), "C:\\Phone\\ring\\ring_in.wav\r\n");
        EXPECT_EQ(f.RingToneFile, "");
        EXPECT_EQ(f.LabelRingPath.Caption(), "");
        EXPECT_EQ(f.LabelRingTone.Caption(), "");
        // The Default button's step made the ring folder; it holds no tone.
        EXPECT_TRUE(w.world.files.FolderExists(kRingFolder));
        EXPECT_EQ(f.FileListBoxTest.Count(), 0);
        EXPECT_EQ(f.FileListBoxTest.ItemIndex(), -1);
        EXPECT_EQ(f.SelectedRingFile, "");
        // Ringing stays silent on the panel's side.
        for (int i = 0; i < 6; ++i) SendCall(w, 0, kRinging);
        EXPECT_TRUE(w.world.media.OpenDevices().empty());
        EXPECT_FALSE(f.Ring.RingPlaying);
    }
    {
        PanelWorld w;
        w.world.files.AddFile(InRing("ring_in.wav"), Wave(2000));
        StartLinked(w);
        app::TForm1& f = w.Form();
        EXPECT_EQ(f.RingToneFile, InRing("ring_in.wav"));
        EXPECT_EQ(f.LabelRingPath.Caption(), "C:\\Phone\\ring\\");
        EXPECT_EQ(f.LabelRingTone.Caption(), "ring_in.wav");
    }
}

TEST(RingToneLibrary, AnEmptyOrMissingFirstLineChoosesNoToneAndIsNotRewritten) {
    for (const std::string content : {"", "\r\n", "\r\nC:\\Phone\\ring\\a.wav\r\n",
                                      "C:\\Phone\\ring\\gone.wav\r\n", "C:\\Phone\\ring\r\n"}) {
        PanelWorld w;
        w.world.files.AddFile(InRing("a.wav"), Wave(1000));
        w.world.files.AddFile(kChoiceFile, content);
        StartLinked(w);
        EXPECT_EQ(w.Form().RingToneFile, "") << content;
        EXPECT_EQ(w.Form().LabelRingTone.Caption(), "") << content;
        EXPECT_EQ(w.world.files.Text(kChoiceFile), content);
        EXPECT_EQ(ChoiceWrites(w), 0u);
    }
}

TEST(RingToneLibrary, OnlyTheFirst1022CharactersOfTheLineAreThePath) {
    PanelWorld w;
    const std::string prefix = InRing("");
    const std::string path = prefix + std::string(1022 - prefix.size() - 4, 'n') + ".wav";
    ASSERT_EQ(path.size(), 1022u);
    w.world.files.AddFile(path, Wave(1000));
    w.world.files.AddFile(kChoiceFile, path + "-more-of-the-line\r\n");
    StartLinked(w);
    EXPECT_EQ(w.Form().RingToneFile, path);
}

TEST(RingToneLibrary, AToneInAnotherFolderIsChosenWhileTheListShowsTheRingFolder) {
    PanelWorld w;
    w.world.files.AddDrive('D');
    w.world.files.AddFile("D:\\Tones\\bell.wav", Wave(1000));
    w.world.files.AddFile(InRing("b.wav"), Wave(1000));
    w.world.files.AddFile(InRing("A.wav"), Wave(1000));
    w.world.files.AddFile(InRing("notes.txt"), "x");
    w.world.files.AddFile(kChoiceFile, "D:\\Tones\\bell.wav\r\nignored\r\n");
    StartLinked(w);
    app::TForm1& f = w.Form();
    EXPECT_EQ(f.RingToneFile, "D:\\Tones\\bell.wav");
    EXPECT_EQ(f.LabelRingPath.Caption(), "D:\\Tones\\");
    EXPECT_EQ(f.LabelRingTone.Caption(), "bell.wav");
    EXPECT_EQ(f.FileListBoxTest.Directory(), kRingFolder);
    // The silent file was made at start-up and is listed like any tone.
    EXPECT_EQ(f.FileListBoxTest.Items(), (Items{"A.wav", "b.wav", "mute.wav"}));
    EXPECT_EQ(f.FileListBoxTest.ItemIndex(), 0);
    EXPECT_EQ(f.SelectedRingFile, InRing("A.wav"));
    EXPECT_EQ(f.DirectoryListBoxTest.Items(), (Items{"C:\\", "Phone", "ring"}));
    EXPECT_EQ(f.suiDriveComboBoxTest.Items(), (Items{"c:", "d:"}));
    EXPECT_EQ(f.suiDriveComboBoxTest.ItemIndex(), 0);

    // Browsing: the drive list, then the folder list, refill the file list;
    // the mask stays.
    f.suiDriveComboBoxTest.UserSelect(1);
    EXPECT_EQ(f.DirectoryListBoxTest.Items(), (Items{"D:\\", "Tones"}));
    f.DirectoryListBoxTest.UserSelect(1);
    EXPECT_EQ(f.FileListBoxTest.Directory(), "D:\\Tones");
    EXPECT_EQ(f.FileListBoxTest.Items(), Items{"bell.wav"});
    EXPECT_EQ(f.SelectedRingFile, "");  // a refill leaves nothing selected
    f.suiButtonDefault.Click();
    EXPECT_EQ(f.FileListBoxTest.Directory(), kRingFolder);
    EXPECT_EQ(f.SelectedRingFile, InRing("A.wav"));
    EXPECT_EQ(f.suiDriveComboBoxTest.Drive(), 'C');
}

TEST(RingToneLibrary, TheSilentFileIsMadeByteForByteAndNamedOnceWhenSkypeIsReady) {
    PanelWorld w;
    StartLinked(w);
    // At the first start the ring folder came only after the silent file's
    // turn: the command's call makes it.
    EXPECT_FALSE(w.world.files.FileExists(kSilentFile));
    SendCall(w, 0, kIdle);
    EXPECT_TRUE(RingCommands(w).empty());
    SendCall(w, kSkype, kIdle);
    EXPECT_EQ(RingCommands(w), (Items{"SET RINGTONE 1 C:\\Phone\\ring\\mute.wav"}));
    const sim::SimFileEntry* silent = w.world.files.Find(kSilentFile);
    ASSERT_NE(silent, nullptr);
    EXPECT_EQ(silent->bytes, ringtones::MuteWaveBytes());
    SendCall(w, kSkype, kIdle);
    EXPECT_EQ(RingCommands(w).size(), 1u);

    // Any file there is the silent file; it is never rewritten.
    PanelWorld other;
    other.world.files.AddFile(kSilentFile, "not a wave");
    StartLinked(other);
    SendCall(other, kSkype, kIdle);
    EXPECT_EQ(other.world.files.Text(kSilentFile), "not a wave");
    EXPECT_EQ(RingCommands(other).size(), 1u);
}

TEST(RingToneLibrary, ASilentFileThatCouldNotBeWrittenWholeIsNotLeftBehind) {
    PanelWorld w;
    w.world.files.AddFolder(kRingFolder);
    w.world.files.AddFile(kChoiceFile, "");
    w.world.files.freeSpace = 1000;  // the disk fills up within the silent file
    StartLinked(w);
    EXPECT_FALSE(w.world.files.FileExists(kSilentFile));
    EXPECT_TRUE(w.world.files.Children(kRingFolder).empty());
    // With room again, the command's call makes it whole.
    w.world.files.freeSpace.reset();
    SendCall(w, kSkype, kIdle);
    const sim::SimFileEntry* silent = w.world.files.Find(kSilentFile);
    ASSERT_NE(silent, nullptr);
    EXPECT_EQ(silent->bytes, ringtones::MuteWaveBytes());
}

TEST(RingToneLibrary, TheCommandCarriesThePathInUtf8) {
    PanelWorld w;
    w.world.files.modulePath = "C:\\T\xE9l\xE9phone\\UsbPhonePanel.exe";  // cp1252
    w.world.files.AddFolder("C:\\T\xE9l\xE9phone\\ring");
    w.world.files.AddFile(w.world.files.modulePath, "MZ");
    ASSERT_TRUE(w.Start());
    w.driver.Discover(w.Panel());
    SendCall(w, kSkype, kIdle);
    EXPECT_EQ(RingCommands(w), Items{"SET RINGTONE 1 C:\\T\xC3\xA9l\xC3\xA9phone\\ring\\mute.wav"});
}

TEST(RingToneLibrary, AToneIsChosenOnlyByPlayingItAndOnlyWhenItDiffers) {
    PanelWorld w;
    AddHandsetMixer(w.world.mixer);
    w.world.files.AddFile(InRing("a.wav"), Wave(5000));
    w.world.files.AddFile(InRing("b.wav"), Wave(5000));
    w.world.files.AddFile(kChoiceFile, InRing("a.wav") + "\r\n");
    StartLinked(w);
    app::TForm1& f = w.Form();
    ASSERT_EQ(f.RingToneFile, InRing("a.wav"));
    SendCall(w, kPresent, kIdle);  // Skype not ready: the command waits
    const std::size_t writes = ChoiceWrites(w);

    // Selecting changes nothing but the selection.
    f.FileListBoxTest.UserSelect(1);
    EXPECT_EQ(f.SelectedRingFile, InRing("b.wav"));
    EXPECT_EQ(f.RingToneFile, InRing("a.wav"));
    EXPECT_EQ(ChoiceWrites(w), writes);

    // Playing it chooses it: written at once, the command waits for Skype.
    f.MediaPlayerTest.ClickButton(vcl::btPlay);
    EXPECT_EQ(w.world.media.Playing(), Items{InRing("b.wav")});
    EXPECT_EQ(f.RingToneFile, InRing("b.wav"));
    EXPECT_EQ(w.world.files.Text(kChoiceFile), InRing("b.wav") + "\r\n");
    EXPECT_EQ(f.LabelRingTone.Caption(), "b.wav");
    EXPECT_EQ(ChoiceWrites(w), writes + 1);
    EXPECT_TRUE(f.RingCommandPending);
    EXPECT_TRUE(RingCommands(w).empty());
    SendCall(w, kPresent | kSkype, kIdle);
    EXPECT_EQ(RingCommands(w).size(), 1u);

    // Playing the chosen tone again writes and sends nothing.
    f.MediaPlayerTest.ClickButton(vcl::btStop);
    f.FileListBoxTestDblClick(&f.FileListBoxTest);
    EXPECT_EQ(w.world.media.Playing(), Items{InRing("b.wav")});
    EXPECT_EQ(ChoiceWrites(w), writes + 1);
    EXPECT_EQ(RingCommands(w).size(), 1u);

    // With Skype ready, a new choice is announced at once.
    f.FileListBoxTestDblClick(&f.FileListBoxTest);  // stops
    f.FileListBoxTest.UserSelect(0);
    f.FileListBoxTestDblClick(&f.FileListBoxTest);
    EXPECT_EQ(f.RingToneFile, InRing("a.wav"));
    EXPECT_EQ(RingCommands(w).size(), 2u);
}

TEST(RingToneLibrary, WhileThePanelRingsTheListMovesButTheSelectionAndChoiceStay) {
    PanelWorld w;
    AddHandsetMixer(w.world.mixer);
    AddTonesChoosingTheFirst(w, {"a.wav", "b.wav", "c.wav"});
    StartLinked(w);
    app::TForm1& f = w.Form();
    for (int i = 0; i < 5; ++i) SendCall(w, kPresent, kRinging);
    ASSERT_TRUE(f.Ring.RingPlaying);

    f.FileListBoxTest.UserSelect(2);
    EXPECT_EQ(f.FileListBoxTest.ItemIndex(), 2);
    EXPECT_EQ(f.SelectedRingFile, InRing("a.wav"));
    f.FileListBoxTestDblClick(&f.FileListBoxTest);
    f.MediaPlayerTest.ClickButton(vcl::btStop);
    f.AdoptSelectedRingFile();
    EXPECT_EQ(f.RingToneFile, InRing("a.wav"));
    EXPECT_EQ(w.world.media.Playing(), Items{InRing("a.wav")});

    // The end of the ring catches the selection up and stops the player.
    SendCall(w, kPresent, kIdle);
    EXPECT_FALSE(f.Ring.RingPlaying);
    EXPECT_EQ(f.SelectedRingFile, InRing("c.wav"));
    EXPECT_TRUE(w.world.media.OpenDevices().empty());
    EXPECT_EQ(f.RingToneFile, InRing("a.wav"));
}

TEST(RingToneLibrary, AFailedWriteOfRingJovKeepsItsOldContent) {
    PanelWorld w;
    AddHandsetMixer(w.world.mixer);
    AddTonesChoosingTheFirst(w, {"a.wav", "b.wav", "c.wav"});
    StartLinked(w);
    app::TForm1& f = w.Form();

    w.world.files.freeSpace = 10;
    f.FileListBoxTest.UserSelect(1);
    f.FileListBoxTestDblClick(&f.FileListBoxTest);
    EXPECT_EQ(f.RingToneFile, InRing("b.wav"));
    EXPECT_EQ(w.world.files.Text(kChoiceFile), InRing("a.wav") + "\r\n");
    EXPECT_FALSE(w.world.files.FileExists(std::string(kChoiceFile) + ".new"));
    w.world.files.freeSpace.reset();

    f.FileListBoxTestDblClick(&f.FileListBoxTest);  // stops
    w.world.files.refusedPaths = {kChoiceFile};
    f.FileListBoxTest.UserSelect(2);
    f.FileListBoxTestDblClick(&f.FileListBoxTest);
    EXPECT_EQ(f.RingToneFile, InRing("c.wav"));
    EXPECT_EQ(w.world.files.Text(kChoiceFile), InRing("a.wav") + "\r\n");
    EXPECT_FALSE(w.world.files.FileExists(std::string(kChoiceFile) + ".new"));
    EXPECT_EQ(w.world.files.OpenHandles(), 0u);
}
