// Files dropped from the shell on the tone list: acceptance by the active
// tab, the copies into the shown folder, the progress bar and the list read
// again at the end.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/WinConst.h"
#include "ringtones/DropNames.h"
#include "ringtones/Filelistboxdragdrop.h"
#include "support/RingWorld.h"

using namespace platform;
using namespace testing_support;
using sim::Api;
using Items = std::vector<std::string>;

namespace {

// Stands for the window the backend view makes for the list.
constexpr Hwnd kListWindow = 0x7A01;

struct DropWorld {
    PanelWorld w;
    app::TForm1* f = nullptr;
    // The bar's position after each OnCopying, as the user sees it.
    std::vector<int> seen;

    DropWorld() {
        AddHandsetMixer(w.world.mixer);
        w.world.files.AddFile(std::string(kProgramFolder) + "UsbPhonePanel.exe", "MZ");
        w.world.files.AddFile(InRing("b.wav"), Wave(3000));
        w.world.files.AddFile(kChoiceFile, InRing("b.wav") + "\r\n");
        w.world.files.AddFolder("D:\\Sounds");
        EXPECT_TRUE(w.Start());
        f = &w.Form();
        f->FileListBoxTest.HandleNeeded = [] { return kListWindow; };
        auto copying = f->FileListBoxTest.OnCopying;
        f->FileListBoxTest.OnCopying = [this, copying](vcl::TObject* s, int outDev, int inDev) {
            copying(s, outDev, inDev);
            seen.push_back(f->suiProgressBarCopy.Position());
        };
    }
    // The shell delivers a drop only to a registered window.
    bool Drop(const Items& names) {
        if (!w.world.shell.AcceptsDrops(kListWindow)) return false;
        vcl::TMessage message{WM_DROPFILES, static_cast<WParam>(w.world.shell.NewDrop(names)), 0,
                              0};
        EXPECT_TRUE(f->FileListBoxTest.Dispatch(message));
        return true;
    }
    void AddSound(const std::string& name, std::uint32_t ms) {
        w.world.files.AddFile("D:\\Sounds\\" + name, Wave(ms));
    }
};

}  // namespace

TEST(DropImport, AcceptanceFollowsTheRingToneTabAndEndsWithTheWindow) {
    DropWorld d;
    app::TForm1& f = *d.f;
    EXPECT_FALSE(f.FileListBoxTest.DragDropAccepted());
    EXPECT_TRUE(d.w.PanelCalls(Api::DragAcceptFiles).empty());

    f.suiPageControl1.UserSelectPage(1);
    EXPECT_TRUE(f.FileListBoxTest.DragDropAccepted());
    EXPECT_TRUE(d.w.world.shell.AcceptsDrops(kListWindow));
    f.suiPageControl1.UserSelectPage(2);
    EXPECT_FALSE(d.w.world.shell.AcceptsDrops(kListWindow));
    f.suiPageControl1.UserSelectPage(3);  // already off: the shell is not told again
    f.suiPageControl1.UserSelectPage(1);
    f.suiPageControl1.UserSelectPage(1);
    const auto calls = d.w.PanelCalls(Api::DragAcceptFiles);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].hwnd, kListWindow);
    EXPECT_EQ(calls[0].wParam, 1u);
    EXPECT_EQ(calls[1].wParam, 0u);
    EXPECT_EQ(calls[2].wParam, 1u);

    // The window goes with the program (and the form with it: only the
    // shell is asked afterwards).
    d.w.Program().Shutdown();
    EXPECT_FALSE(d.w.world.shell.AcceptsDrops(kListWindow));
}

TEST(DropImport, WithoutAWindowTheFlagChangesButTheShellIsNotTold) {
    DropWorld d;
    d.f->FileListBoxTest.HandleNeeded = nullptr;
    d.f->suiPageControl1.UserSelectPage(1);
    EXPECT_TRUE(d.f->FileListBoxTest.DragDropAccepted());
    EXPECT_TRUE(d.w.PanelCalls(Api::DragAcceptFiles).empty());
}

TEST(DropImport, ThreeWavFilesAreCopiedCountedOnTheBarAndListed) {
    DropWorld d;
    app::TForm1& f = *d.f;
    d.AddSound("c.wav", 1000);
    d.AddSound("a.wav", 2000);
    d.AddSound("d.wav", 3000);
    f.suiPageControl1.UserSelectPage(1);
    ASSERT_EQ(f.FileListBoxTest.Items(), (Items{"b.wav", "mute.wav"}));

    ASSERT_TRUE(d.Drop({"D:\\Sounds\\c.wav", "D:\\Sounds\\a.wav", "D:\\Sounds\\d.wav"}));
    EXPECT_EQ(d.seen, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(f.suiProgressBarCopy.Max(), 3);
    EXPECT_EQ(f.suiProgressBarCopy.Position(), 3);
    EXPECT_EQ(d.w.world.files.Text(InRing("a.wav")), d.w.world.files.Text("D:\\Sounds\\a.wav"));
    EXPECT_EQ(f.FileListBoxTest.Items(), (Items{"a.wav", "b.wav", "c.wav", "d.wav", "mute.wav"}));
    EXPECT_EQ(f.FileListBoxTest.ItemIndex(), 0);
    EXPECT_EQ(f.SelectedRingFile, InRing("a.wav"));
    // Every copy refuses to replace; the drop handle is released.
    for (const sim::SimCall& c : d.w.PanelCalls(Api::CopyFileA)) EXPECT_EQ(c.flags, 1u);
    EXPECT_EQ(d.w.PanelCalls(Api::CopyFileA).size(), 3u);
    EXPECT_EQ(d.w.PanelCalls(Api::DragFinish).size(), 1u);
    EXPECT_EQ(d.w.world.shell.LiveDrops(), 0u);
}

TEST(DropImport, ExistingNamesFoldersTextFilesAndCutNamesAreHandledQuietly) {
    DropWorld d;
    app::TForm1& f = *d.f;
    d.w.world.files.AddFile("D:\\Sounds\\b.wav", Wave(100));  // same name as in the ring folder
    d.w.world.files.AddFile("D:\\Sounds\\notes.txt", "text");
    d.w.world.files.AddFolder("D:\\Sounds\\more");
    const std::string longName = "D:\\Sounds\\" + std::string(250, 'x') + ".wav";
    d.w.world.files.AddFile(longName, Wave(100));
    const auto before = d.w.world.files.Text(InRing("b.wav"));
    f.suiPageControl1.UserSelectPage(1);

    ASSERT_TRUE(d.Drop({"D:\\Sounds\\b.wav", "D:\\Sounds\\more", "D:\\Sounds\\notes.txt", longName,
                        "D:\\Sounds\\gone.wav"}));
    // Every item counts, skipped or not.
    EXPECT_EQ(d.seen, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(f.suiProgressBarCopy.Position(), 5);
    EXPECT_EQ(d.w.world.files.Text(InRing("b.wav")), before);
    EXPECT_FALSE(d.w.world.files.FolderExists(InRing("more")));
    EXPECT_EQ(d.w.world.files.Text(InRing("notes.txt")), std::string("text"));
    EXPECT_FALSE(d.w.world.files.Text(InRing(std::string(250, 'x') + ".wav")).has_value());
    // The text file is there but the list shows only sounds.
    EXPECT_EQ(f.FileListBoxTest.Items(), (Items{"b.wav", "mute.wav"}));
    // Only the existing name and the text file were tried: a folder and a
    // vanished file are no files.
    const auto copies = d.w.PanelCalls(Api::CopyFileA);
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(copies[0].text, "D:\\Sounds\\b.wav|" + InRing("b.wav"));
    // Each name's length was asked first; a name too long for 259
    // characters of room was not fetched, nor looked for.
    const auto queries = d.w.PanelCalls(Api::DragQueryFileA);
    ASSERT_EQ(queries.size(), 10u);
    EXPECT_EQ(queries[0].wParam, kDragQueryCount);
    const std::vector<platform::WParam> asked = {0, 0, 1, 1, 2, 2, 3, 4, 4};
    const std::vector<platform::UInt> room = {0, 259, 0, 259, 0, 259, 0, 0, 259};
    for (std::size_t i = 1; i < queries.size(); ++i) {
        EXPECT_EQ(queries[i].wParam, asked[i - 1]) << i;
        EXPECT_EQ(queries[i].flags, room[i - 1]) << i;
    }
    for (const sim::SimCall& c : d.w.PanelCalls(Api::GetFileAttributesA))
        EXPECT_NE(c.text, longName);
    EXPECT_EQ(d.w.world.shell.LiveDrops(), 0u);
}

TEST(DropImport, NothingIsDeliveredOnAnotherTabAndAnEmptyDropRaisesNothing) {
    DropWorld d;
    app::TForm1& f = *d.f;
    d.AddSound("a.wav", 1000);
    f.suiPageControl1.UserSelectPage(1);
    f.suiPageControl1.UserSelectPage(0);
    EXPECT_FALSE(d.Drop({"D:\\Sounds\\a.wav"}));
    EXPECT_FALSE(d.w.world.files.Text(InRing("a.wav")).has_value());
    EXPECT_EQ(f.suiProgressBarCopy.Position(), 100);

    f.suiPageControl1.UserSelectPage(1);
    int events = 0;
    f.FileListBoxTest.OnStartCopy = [&](vcl::TObject*, int) { ++events; };
    f.FileListBoxTest.OnEndCopy = [&](vcl::TObject*) { ++events; };
    ASSERT_TRUE(d.Drop({}));
    EXPECT_EQ(events, 0);
    EXPECT_TRUE(d.seen.empty());
    EXPECT_EQ(d.w.PanelCalls(Api::DragFinish).size(), 1u);
    EXPECT_EQ(d.w.world.shell.LiveDrops(), 0u);
}

TEST(DropImport, AFailingHandlerStillReleasesTheDrop) {
    DropWorld d;
    d.AddSound("a.wav", 1000);
    d.f->suiPageControl1.UserSelectPage(1);
    d.f->FileListBoxTest.OnEndCopy = [](vcl::TObject*) { throw std::runtime_error("refresh"); };
    EXPECT_THROW(d.Drop({"D:\\Sounds\\a.wav"}), std::runtime_error);
    EXPECT_EQ(d.w.world.shell.LiveDrops(), 0u);
}

TEST(DropImport, ADropWhileRingingCopiesAndRefreshesButKeepsTheSelection) {
    DropWorld d;
    app::TForm1& f = *d.f;
    d.AddSound("a.wav", 1000);
    d.w.driver.Discover(d.w.Panel());
    SendCall(d.w, kPresent, kIdle);
    for (int i = 0; i < 5; ++i) SendCall(d.w, kPresent, kRinging);
    ASSERT_TRUE(f.Ring.RingPlaying);
    const std::string selected = f.SelectedRingFile;
    f.suiPageControl1.UserSelectPage(1);

    ASSERT_TRUE(d.Drop({"D:\\Sounds\\a.wav"}));
    EXPECT_TRUE(d.w.world.files.Text(InRing("a.wav")).has_value());
    EXPECT_EQ(f.FileListBoxTest.Items(), (Items{"a.wav", "b.wav", "mute.wav"}));
    EXPECT_EQ(f.SelectedRingFile, selected);
    EXPECT_TRUE(f.Ring.RingPlaying);
    EXPECT_EQ(f.suiProgressBarCopy.Position(), 1);
}

TEST(DropImport, EachItemKeepsTheShownWindowUpAndLetsPendingMessagesRun) {
    DropWorld d;
    app::TForm1& f = *d.f;
    d.AddSound("a.wav", 1000);
    d.AddSound("c.wav", 1000);
    f.ShowMainWindow();
    d.w.Advance(0);
    f.suiPageControl1.UserSelectPage(1);
    d.w.Advance(9000);
    ASSERT_TRUE(d.w.TimerRunning(f.TimerMin));
    // A second drop that arrives meanwhile is served between the items of
    // this one.
    const Handle nested = d.w.world.shell.NewDrop({"D:\\Sounds\\c.wav"});
    bool posted = false, nestedDone = false;
    auto starting = f.FileListBoxTest.OnStartCopy;
    f.FileListBoxTest.OnStartCopy = [&](vcl::TObject* s, int n) {
        starting(s, n);
        if (posted) return;
        posted = true;
        d.w.panelProcess.messages.PostMessageA(d.w.Panel(), WM_USER + 0x7A, 0, 0);
    };
    auto previousHook = f.Application().OnMessage;
    f.Application().OnMessage = [&](Msg& msg, bool& handled) {
        if (previousHook) previousHook(msg, handled);
        if (msg.message != WM_USER + 0x7A) return;
        handled = true;
        vcl::TMessage m{WM_DROPFILES, static_cast<WParam>(nested), 0, 0};
        f.FileListBoxTest.Dispatch(m);
        nestedDone = true;
    };
    ASSERT_TRUE(d.Drop({"D:\\Sounds\\a.wav"}));
    f.Application().OnMessage = previousHook;
    EXPECT_TRUE(nestedDone);
    EXPECT_TRUE(d.w.world.files.Text(InRing("c.wav")).has_value());
    EXPECT_TRUE(d.w.world.files.Text(InRing("a.wav")).has_value());
    EXPECT_EQ(d.w.world.shell.LiveDrops(), 0u);
    const auto due = d.w.world.TimerDue(d.w.Panel(), f.TimerMin.Id());
    EXPECT_EQ(due, d.w.world.Now() + 10000);
}

TEST(DropImport, TheTargetIsTheShownFolderAndTheNameAfterTheLastSeparator) {
    using ringtones::DropTarget;
    EXPECT_EQ(DropTarget("C:\\Phone\\ring", "D:\\a\\b.wav"), "C:\\Phone\\ring\\b.wav");
    EXPECT_EQ(DropTarget("C:\\Phone\\ring", "D:b.wav"), "C:\\Phone\\ring\\b.wav");
    EXPECT_EQ(DropTarget("C:\\Phone\\ring", "b.wav"), "C:\\Phone\\ring\\b.wav");
    EXPECT_EQ(DropTarget("C:\\Phone\\ring", "D:/a/b.wav"), "C:\\Phone\\ring\\b.wav");
    EXPECT_EQ(DropTarget("C:\\Phone\\ring", "\\\\srv\\share\\..x.wav"), "C:\\Phone\\ring\\..x.wav");
    // A drive's root folder already ends with its backslash.
    EXPECT_EQ(DropTarget("E:\\", "D:\\a\\b.wav"), "E:\\b.wav");
    EXPECT_EQ(DropTarget("", "D:\\a\\b.wav"), "");
    // Names that would leave the folder, or name it or a device.
    for (const char* dropped :
         {"D:\\a\\", "D:\\a\\..", "D:\\a\\.", "D:/a/..", "D:..", "..", "D:\\a\\...", "D:\\a\\.. ",
          "D:\\a\\. .", "D:\\a\\NUL", "D:\\a\\con.wav", "D:\\a\\Com1.wav", "D:\\a\\lpt9",
          "D:\\a\\aux .txt", "D:\\a\\b.wav:"})
        EXPECT_EQ(DropTarget("C:\\Phone\\ring", dropped), "") << dropped;
    // Device-like names that are plain files.
    EXPECT_EQ(ringtones::DroppedName("D:\\a\\com10.wav"), "com10.wav");
    EXPECT_EQ(ringtones::DroppedName("D:\\a\\console.wav"), "console.wav");
    EXPECT_EQ(ringtones::DroppedName("D:\\a\\lpt0"), "lpt0");
}

TEST(DropImport, AHostileDropCopiesNothingOutsideTheShownFolder) {
    DropWorld d;
    app::TForm1& f = *d.f;
    d.AddSound("ok.wav", 100);
    // 258 characters: the longest name taken whole.
    const std::string longest = "D:\\Sounds\\" + std::string(258 - 14, 'l') + ".wav";
    ASSERT_EQ(longest.size(), 258u);
    d.w.world.files.AddFile(longest, Wave(100));
    f.suiPageControl1.UserSelectPage(1);
    ASSERT_TRUE(d.Drop({"D:\\Sounds\\..", "D:\\Sounds\\ok.wav\\..\\..\\Phone\\evil.wav",
                        "D:\\Sounds/NUL", longest, "D:\\Sounds\\ok.wav"}));
    EXPECT_EQ(d.seen.size(), 5u);
    const auto copies = d.w.PanelCalls(Api::CopyFileA);
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(copies[0].text, longest + "|" + InRing(std::string(258 - 14, 'l') + ".wav"));
    EXPECT_EQ(copies[1].text, "D:\\Sounds\\ok.wav|" + InRing("ok.wav"));
    EXPECT_FALSE(d.w.world.files.Text("C:\\Phone\\evil.wav").has_value());
}
