// The default-device worker on the simulated Windows: the Sound control
// panel it starts on its own desktop, the dialog it reads or sets, and
// every way a run can end.
#include <gtest/gtest.h>

#include <vector>

#include "audio/Foundwindow.h"
#include "audio/MixerWorld.h"
#include "platform/WinConst.h"

using namespace platform;
using audio_test::MixerWorld;
using sim::Api;

namespace {

struct Answers {
    std::vector<std::pair<int, int>> successes;
    int failures = 0;
    std::uint64_t lastAt = 0;
};

struct WorkerWorld : MixerWorld {
    Answers answers;
    audio::TAudioMixer& mixer;

    WorkerWorld() : mixer(Setup()) {}

    audio::TAudioMixer& Setup() {
        world.mixer.AddDevice("Out: default").AddDestination("Master Volume", 2);
        world.mixer.AddDevice("USB Audio Device").AddDestination("Speaker", 2);
        audio::TAudioMixer& m = CreateMixer();
        m.OnSysDefaultSuccess = [this](vcl::TObject*, int out, int in) {
            answers.successes.push_back({out, in});
            answers.lastAt = world.Now();
        };
        m.OnSysDefaultFail = [this](vcl::TObject*) {
            ++answers.failures;
            answers.lastAt = world.Now();
        };
        return m;
    }
    int Answered() const { return static_cast<int>(answers.successes.size()) + answers.failures; }
    sim::SimSystem& System() { return world.system; }
};

const std::string kXpLine =
    "C:\\WINDOWS\\system32\\rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,,2";

}  // namespace

TEST(DefaultDeviceWorker, AReadRunsTheXpPanelHiddenOnItsDesktopReadsBothCombosAndCancels) {
    WorkerWorld w;
    w.System().soundPanel.selection = {{1, 0, 1}};
    const std::uint64_t start = w.world.Now();
    w.mixer.SysDefaultAudio(false, 5, 6);
    ASSERT_TRUE(w.mixer.FWorker);
    const DWord tid = w.mixer.FWorker->ThreadID();
    w.world.Advance(200);

    ASSERT_EQ(w.answers.successes.size(), 1u);
    EXPECT_EQ(w.answers.successes[0], std::make_pair(1, 0));
    EXPECT_EQ(w.answers.failures, 0);
    EXPECT_LT(w.answers.lastAt - start, 200u);
    EXPECT_FALSE(w.mixer.FWorker->FBusy);

    const std::string desktop = audio::PrivateDesktopName(tid);
    ASSERT_EQ(w.System().desktopsCreated, std::vector<std::string>{desktop});
    const auto created = w.Calls(Api::CreateDesktopA);
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(created[0].flags, 0u);
    EXPECT_EQ(created[0].wParam, GENERIC_ALL);
    EXPECT_EQ(created[0].thread, tid);

    ASSERT_EQ(w.System().launches.size(), 1u);
    const sim::SimLaunch& launch = w.System().launches[0];
    EXPECT_EQ(launch.commandLine, kXpLine);
    EXPECT_EQ(launch.currentDirectory, "C:\\WINDOWS\\system32");
    EXPECT_TRUE(launch.inheritHandles);
    EXPECT_EQ(launch.creationFlags, 0x90u);
    EXPECT_EQ(launch.startup.desktop, desktop);
    EXPECT_EQ(launch.startup.dwFlags, 5u);
    EXPECT_EQ(launch.startup.wShowWindow, 0);

    ASSERT_EQ(w.System().dialogs.size(), 1u);
    const sim::SimSoundDialog& dialog = *w.System().dialogs[0];
    EXPECT_EQ(dialog.desktop, desktop);
    EXPECT_EQ(dialog.cancelClicks, 1);
    EXPECT_EQ(dialog.okClicks, 0);
    EXPECT_TRUE(dialog.terminated);
    // A read only asks the two combo boxes; the third is left alone.
    ASSERT_EQ(dialog.comboMessages.size(), 2u);
    EXPECT_EQ(dialog.comboMessages[0].combo, 0);
    EXPECT_EQ(dialog.comboMessages[0].msg, CB_GETCURSEL);
    EXPECT_EQ(dialog.comboMessages[1].combo, 1);
    EXPECT_EQ(dialog.comboMessages[1].msg, CB_GETCURSEL);
    // Cancel is pressed as a click: down, up, focus gone.
    const auto cancelSends = w.world.Journal().Where([&](const sim::SimCall& c) {
        return c.api == Api::SendMessageTimeoutA && c.hwnd == dialog.cancel;
    });
    ASSERT_EQ(cancelSends.size(), 3u);
    EXPECT_EQ(cancelSends[0].msg, WM_LBUTTONDOWN);
    EXPECT_EQ(cancelSends[0].wParam, MK_LBUTTON);
    EXPECT_EQ(cancelSends[1].msg, WM_LBUTTONUP);
    EXPECT_EQ(cancelSends[2].msg, WM_KILLFOCUS);

    // Ended and released: nothing of the run is left.
    EXPECT_EQ(w.Calls(Api::TerminateProcess).size(), 1u);
    EXPECT_EQ(w.System().OpenDesktops(), 0u);
    EXPECT_EQ(w.System().OpenProcessHandles(), 0u);
    // The worker stays, idle, polling every 100 ms.
    const std::size_t sleeps = w.Calls(Api::Sleep).size();
    w.world.Advance(1000);
    EXPECT_GE(w.Calls(Api::Sleep).size(), sleeps + 9);
    EXPECT_EQ(w.System().launches.size(), 1u);
}

TEST(DefaultDeviceWorker, ASetSelectsBothWithKeystrokesReselectsTheThirdAndPressesOk) {
    WorkerWorld w;
    w.System().soundPanel.selection = {{0, 0, 2}};
    w.mixer.SysDefaultAudio(true, 1, 3);
    w.world.Advance(200);
    ASSERT_EQ(w.answers.successes.size(), 1u);
    EXPECT_EQ(w.answers.successes[0], std::make_pair(1, 3));
    const sim::SimSoundDialog& dialog = *w.System().dialogs.at(0);
    EXPECT_EQ(dialog.okClicks, 1);
    EXPECT_EQ(dialog.cancelClicks, 0);
    EXPECT_EQ((std::array<int, 3>{{1, 3, 2}}), dialog.selection);

    using M = sim::SimSoundDialog::ComboMessage;
    const std::vector<M> keys = {
        {0, WM_KEYDOWN, VK_UP, 0x01480001},
        {0, WM_KEYUP, VK_UP, static_cast<LParam>(static_cast<std::int32_t>(0xC1480001u))},
        {0, WM_KEYDOWN, VK_DOWN, 0x01500001},
        {0, WM_KEYUP, VK_DOWN, static_cast<LParam>(static_cast<std::int32_t>(0xC1500001u))},
    };
    std::vector<M> expected;
    for (int combo = 0; combo < 3; ++combo) {
        if (combo == 2) expected.push_back({2, CB_GETCURSEL, 0, 0});
        for (M k : keys) {
            k.combo = combo;
            expected.push_back(k);
        }
        const WParam index = combo == 0 ? 1 : combo == 1 ? 3 : 2;
        expected.push_back({combo, CB_SETCURSEL, index, 0});
        expected.push_back({combo, WM_KILLFOCUS, 0, 0});
    }
    ASSERT_EQ(dialog.comboMessages.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(dialog.comboMessages[i].combo, expected[i].combo);
        EXPECT_EQ(dialog.comboMessages[i].msg, expected[i].msg);
        EXPECT_EQ(dialog.comboMessages[i].wParam, expected[i].wParam);
        EXPECT_EQ(dialog.comboMessages[i].lParam, expected[i].lParam);
    }
}

TEST(DefaultDeviceWorker, EveryFailingStepEndsInOneFailMessage) {
    struct Row {
        const char* what;
        std::function<void(sim::SimSystem&)> arrange;
        bool started;  // whether a process was started
    };
    const Row rows[] = {
        {"desktop not created", [](sim::SimSystem& s) { s.createDesktopFails = true; }, false},
        {"desktop not assigned", [](sim::SimSystem& s) { s.setThreadDesktopFails = true; }, false},
        {"no system folder", [](sim::SimSystem& s) { s.systemDirectory.clear(); }, false},
        {"Windows 7",
         [](sim::SimSystem& s) {
             s.version = {6, 1, 7601, 2};
         },
         false},
        {"Windows Vista",
         [](sim::SimSystem& s) {
             s.version = {6, 0, 6002, 2};
         },
         false},
        {"Windows 98",
         [](sim::SimSystem& s) {
             s.version = {4, 10, 2222, 1};
         },
         false},
        {"version unknown", [](sim::SimSystem& s) { s.versionFails = true; }, false},
        {"start refused", [](sim::SimSystem& s) { s.createProcessFails = true; }, false},
        {"panel never shows", [](sim::SimSystem& s) { s.soundPanel.present = false; }, true},
        {"a page's own OK button", [](sim::SimSystem& s) { s.soundPanel.pageButtonIds = {1}; },
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        WorkerWorld w;
        row.arrange(w.System());
        const std::uint64_t start = w.world.Now();
        w.mixer.SysDefaultAudio(false, 0, 0);
        w.world.Advance(40000);
        EXPECT_EQ(w.answers.failures, 1);
        EXPECT_TRUE(w.answers.successes.empty());
        const auto fails = w.Calls(Api::SendMessageA, audio::WM_SYSDEFAULT_FAIL);
        ASSERT_EQ(fails.size(), 1u);
        EXPECT_EQ(fails[0].wParam, 0u);
        EXPECT_EQ(fails[0].lParam, 0);
        EXPECT_EQ(w.System().launches.size(), row.started ? 1u : 0u);
        EXPECT_EQ(w.System().OpenDesktops(), 0u);
        EXPECT_EQ(w.System().OpenProcessHandles(), 0u);
        if (row.started) {
            // 3000 polls 10 ms apart, then the panel is ended.
            EXPECT_GE(w.answers.lastAt - start, 30000u);
            EXPECT_EQ(w.Calls(Api::TerminateProcess).size(), 1u);
            const auto finds = w.Calls(Api::EnumWindows);
            EXPECT_EQ(finds.size(), 3001u);  // one dismissal walk, 3000 polls
        }
        EXPECT_FALSE(w.mixer.FWorker->FBusy);
    }
}

TEST(DefaultDeviceWorker, AWorkerThatCannotStartFailsAtOnceAndATryLaterMayStartOne) {
    WorkerWorld w;
    w.System().createThreadFails = true;
    w.mixer.SysDefaultAudio(false, 0, 0);
    EXPECT_EQ(w.answers.failures, 1);  // synchronously, before any time passed
    EXPECT_FALSE(w.mixer.FWorker);
    w.System().createThreadFails = false;
    w.mixer.SysDefaultAudio(false, 0, 0);
    w.world.Advance(200);
    EXPECT_EQ(w.answers.successes.size(), 1u);
}

TEST(DefaultDeviceWorker, ARequestWhileBusyIsDroppedSoTwoRequestsGiveOneAnswer) {
    WorkerWorld w;
    w.System().soundPanel.showAfterMs = 500;
    w.mixer.SysDefaultAudio(false, 0, 0);
    w.world.Advance(100);
    w.mixer.SysDefaultAudio(true, 1, 1);  // busy: dropped, its values unused
    EXPECT_FALSE(w.mixer.FWorker->FApply);
    EXPECT_EQ(w.mixer.FWorker->FOutDev, -1);
    w.world.Advance(2000);
    ASSERT_EQ(w.Answered(), 1);
    ASSERT_EQ(w.answers.successes.size(), 1u);
    EXPECT_EQ(w.System().launches.size(), 1u);
    EXPECT_EQ(w.System().dialogs.at(0)->okClicks, 0);  // still a read
    // Once idle it takes the next one.
    w.mixer.SysDefaultAudio(false, 0, 0);
    w.world.Advance(2000);
    EXPECT_EQ(w.Answered(), 2);
    EXPECT_EQ(w.System().launches.size(), 2u);
    // The second run asks for the same desktop again.
    EXPECT_EQ(w.System().desktopsCreated.size(), 2u);
    EXPECT_EQ(w.System().desktopsCreated[0], w.System().desktopsCreated[1]);
}

TEST(DefaultDeviceWorker, LeftoverDialogsOnTheDesktopAreCancelledBeforeThePanelStarts) {
    WorkerWorld w;
    w.mixer.SysDefaultAudio(false, 0, 0);
    const std::string desktop = audio::PrivateDesktopName(w.mixer.FWorker->ThreadID());
    sim::SimSoundDialog& leftover = w.System().AddLeftoverDialog(desktop);
    // One on the user's desktop is no business of the worker.
    sim::SimSoundDialog& users = w.System().AddLeftoverDialog("Default");
    w.world.Advance(200);
    EXPECT_EQ(leftover.cancelClicks, 1);
    EXPECT_EQ(users.cancelClicks, 0);
    EXPECT_TRUE(leftover.comboMessages.empty());
    const int cancelled = w.world.Journal().IndexOf([&](const sim::SimCall& c) {
        return c.api == Api::SendMessageTimeoutA && c.hwnd == leftover.cancel &&
               c.msg == WM_LBUTTONUP;
    });
    const int started = w.world.Journal().IndexOf(
        [](const sim::SimCall& c) { return c.api == Api::CreateProcessA; });
    ASSERT_GE(cancelled, 0);
    EXPECT_LT(cancelled, started);
    // The new panel's dialog is the one read.
    ASSERT_EQ(w.answers.successes.size(), 1u);
    EXPECT_EQ(w.System().dialogs.back()->cancelClicks, 1);
}

TEST(DefaultDeviceWorker, ASlowPanelIsFoundByALaterPoll) {
    WorkerWorld w;
    w.System().soundPanel.showAfterMs = 1500;
    w.System().soundPanel.selection = {{1, 1, 0}};
    const std::uint64_t start = w.world.Now();
    w.mixer.SysDefaultAudio(false, 0, 0);
    w.world.Advance(3000);
    ASSERT_EQ(w.answers.successes.size(), 1u);
    EXPECT_EQ(w.answers.successes[0], std::make_pair(1, 1));
    EXPECT_GE(w.answers.lastAt - start, 1500u);
    EXPECT_LT(w.answers.lastAt - start, 1700u);
}

TEST(DefaultDeviceWorker, DestroyingTheComponentWhileTheWorkerPollsEndsThePanelAndReportsNothing) {
    WorkerWorld w;
    w.System().soundPanel.present = false;
    w.mixer.SysDefaultAudio(false, 0, 0);
    w.world.Advance(1000);  // polling now
    ASSERT_EQ(w.System().launches.size(), 1u);
    const std::uint64_t before = w.world.Now();
    w.component.reset();
    EXPECT_LT(w.world.Now() - before, 1000u);
    EXPECT_EQ(w.Answered(), 0);
    EXPECT_TRUE(w.Calls(Api::SendMessageA, audio::WM_SYSDEFAULT_FAIL).empty());
    EXPECT_EQ(w.Calls(Api::TerminateProcess).size(), 1u);
    EXPECT_EQ(w.System().OpenDesktops(), 0u);
    EXPECT_EQ(w.System().OpenProcessHandles(), 0u);
    EXPECT_TRUE(w.world.hangs.empty());
}

TEST(DefaultDeviceWorker, AnExitWhileTheWorkerIsAboutToReportEndsWithinASecond) {
    WorkerWorld w;
    w.mixer.SysDefaultAudio(false, 0, 0);
    // The GUI thread takes no messages while the worker finishes its read:
    // the worker has made its check and now waits in its report's send.
    w.process.sync.Sleep(300);
    ASSERT_EQ(w.Calls(Api::SendMessageA, audio::WM_SYSDEFAULT_SUCCESS).size(), 1u);
    ASSERT_EQ(w.Answered(), 0);
    // The program ends now: the wait for the worker answers its send.
    const std::uint64_t before = w.world.Now();
    w.component.reset();
    EXPECT_LT(w.world.Now() - before, 1000u);
    EXPECT_TRUE(w.world.hangs.empty());
    // A component on its way out raises no event.
    EXPECT_EQ(w.Answered(), 0);
}

TEST(DefaultDeviceWorker, AHungSoundPanelHoldsUpNeitherTheReadNorTheExit) {
    WorkerWorld w;
    w.System().soundPanel.hung = true;
    w.mixer.SysDefaultAudio(false, 0, 0);
    w.world.Advance(500);
    // Nothing could be read from it: the read ends all the same.
    EXPECT_EQ(w.Answered(), 1);
    ASSERT_EQ(w.answers.successes.size(), 1u);
    EXPECT_EQ(w.answers.successes[0], std::make_pair(-1, -1));
    for (const sim::SimCall& c : w.Calls(Api::SendMessageTimeoutA))
        EXPECT_EQ(c.flags & SMTO_ABORTIFHUNG, SMTO_ABORTIFHUNG);
    EXPECT_TRUE(w.world.hangs.empty());
    EXPECT_EQ(w.Calls(Api::TerminateProcess).size(), 1u);
    const std::uint64_t before = w.world.Now();
    w.component.reset();
    EXPECT_LT(w.world.Now() - before, 1000u);
}
