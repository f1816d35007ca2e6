// The simulated desktop: windows and their children, the foreground rule,
// and message boxes that keep their thread's messages flowing while up.
#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "sim/SimProcess.h"

using namespace platform;
using sim::SimProcess;
using sim::SimWorld;

TEST(SimDesktop, ChildWindowsHaveIdentifiersAreWalkedDepthFirstAndGoWithTheirParent) {
    SimWorld world;
    SimProcess panel(world, "control panel");
    const Hwnd sheet = panel.CreatePeerWindow("#32770", "Sounds", nullptr);
    const Hwnd page = panel.CreatePeerWindow("#32770", "", nullptr, sheet);
    const Hwnd combo = panel.CreatePeerWindow("ComboBox", "", nullptr, page, 6662);
    const Hwnd ok = panel.CreatePeerWindow("Button", "OK", nullptr, sheet, 1);
    const Hwnd other = panel.CreatePeerWindow("#32770", "Other", nullptr);

    EXPECT_EQ(world.windows.TopLevel(), (std::vector<Hwnd>{sheet, other}));
    EXPECT_EQ(world.windows.Children(sheet), (std::vector<Hwnd>{page, ok}));
    EXPECT_EQ(world.windows.Descendants(sheet), (std::vector<Hwnd>{page, combo, ok}));
    EXPECT_EQ(world.Window(combo)->id, 6662);
    EXPECT_EQ(world.Window(combo)->parent, page);
    EXPECT_EQ(world.Window(combo)->className, "ComboBox");
    // FindWindow and broadcasts see only top-level windows.
    EXPECT_EQ(panel.windows.FindWindowA("Button", "OK"), 0u);
    EXPECT_EQ(panel.windows.FindWindowA("#32770", "Sounds"), sheet);

    world.timers.Set(combo, 1, 100, world.Now());
    EXPECT_TRUE(panel.windows.DestroyWindow(sheet));
    EXPECT_EQ(world.Window(page), nullptr);
    EXPECT_EQ(world.Window(combo), nullptr);
    EXPECT_FALSE(world.TimerRunning(combo, 1));
    EXPECT_EQ(world.windows.TopLevel(), (std::vector<Hwnd>{other}));
}

TEST(SimDesktop, OnlyTheForegroundsOwnerOrAThreadAttachedToItMayTakeTheForeground) {
    SimWorld world;
    SimProcess front(world, "front"), back(world, "back");
    const Hwnd frontWindow = front.CreatePeerWindow("Front", "", nullptr);
    const Hwnd frontOther = front.CreatePeerWindow("Front", "2", nullptr);
    const Hwnd backWindow = back.CreatePeerWindow("Back", "", nullptr);
    // Nobody in the foreground yet: anyone may take it.
    ASSERT_TRUE(front.windows.SetForegroundWindow(frontWindow));
    // A background program may not; the foreground's own process may move it.
    EXPECT_FALSE(back.windows.SetForegroundWindow(backWindow));
    EXPECT_EQ(world.desktop.foreground, frontWindow);
    EXPECT_TRUE(front.windows.SetForegroundWindow(frontOther));
    // With its input attached to the foreground's thread, it may.
    ASSERT_TRUE(back.windows.AttachThreadInput(front.ThreadId(), back.ThreadId(), true));
    EXPECT_TRUE(back.windows.SetForegroundWindow(backWindow));
    EXPECT_TRUE(back.windows.AttachThreadInput(front.ThreadId(), back.ThreadId(), false));
    EXPECT_FALSE(world.desktop.AnyInputAttached());
    EXPECT_FALSE(back.windows.AttachThreadInput(back.ThreadId(), back.ThreadId(), true));
    // A user's click moves it anywhere; a held foreground lock stops everyone.
    EXPECT_TRUE(world.UserActivates(frontWindow));
    world.desktop.foregroundLocked = true;
    EXPECT_FALSE(front.windows.SetForegroundWindow(frontOther));
}

TEST(SimDesktop, AMessageBoxKeepsItsThreadsMessagesFlowingUntilItIsClosed) {
    SimWorld world;
    SimProcess app(world, "app"), other(world, "other");
    std::vector<std::string> handled;
    int answer = 0;
    const Hwnd window =
        app.CreatePeerWindow("App", "", [&](Hwnd, UInt msg, WParam, LParam) -> LResult {
            if (msg == WM_USER) {
                handled.push_back("error at " + std::to_string(world.Now()));
                answer = app.windows.MessageBoxA(0, "No handset", "Panel", MB_OK | MB_ICONERROR);
                handled.push_back("box closed at " + std::to_string(world.Now()));
            } else if (msg >= WM_USER + 1) {
                const bool boxUp = world.desktop.OpenMessageBox() != nullptr;
                handled.push_back(std::to_string(msg - WM_USER) + (boxUp ? " while up" : " after"));
            }
            return 0;
        });
    world.desktop.messageBoxLifetimeMs = 5000;
    world.desktop.onMessageBox = [&](sim::SimMessageBox& box) {
        EXPECT_EQ(box.text, "No handset");
        LResult r = 0;
        other.messages.SendMessageTimeoutA(window, WM_USER + 1, 0, 0, SMTO_ABORTIFHUNG, 500, &r);
    };
    world.At(1000, [&] { other.messages.PostMessageA(window, WM_USER + 2, 0, 0); });
    world.At(7000, [&] { other.messages.PostMessageA(window, WM_USER + 3, 0, 0); });
    app.messages.PostMessageA(window, WM_USER, 0, 0);
    world.Advance(8000);
    EXPECT_EQ(handled, (std::vector<std::string>{"error at 0", "1 while up", "2 while up",
                                                 "box closed at 5000", "3 after"}));
    EXPECT_EQ(answer, 1);
    ASSERT_EQ(world.desktop.messageBoxes.size(), 1u);
    EXPECT_FALSE(world.desktop.messageBoxes[0].open);

    // Closed by the script at once: the box returns the button it chose.
    world.desktop.onMessageBox = [](sim::SimMessageBox& box) { box.Close(2); };
    EXPECT_EQ(app.windows.MessageBoxA(0, "again", "Panel", MB_OK), 2);
    EXPECT_EQ(world.Now(), 8000u);
}

TEST(SimDesktop, ADesktopAThreadIsOnCannotBeClosedAndEveryHandleIsCounted) {
    SimWorld world;
    SimProcess program(world, "program");
    ProcessPort& processes = program.processes;
    const Handle home = processes.GetThreadDesktop(program.ThreadId());
    ASSERT_NE(home, 0u);
    const Handle desktop = processes.CreateDesktopA("Private", 0, GENERIC_ALL);
    ASSERT_NE(desktop, 0u);
    EXPECT_EQ(program.handles.Count(sim::HandleKind::Desktop), 1u);
    ASSERT_TRUE(processes.SetThreadDesktop(desktop));
    EXPECT_EQ(processes.GetThreadDesktop(program.ThreadId()), desktop);
    // As Windows: busy while the thread is on it.
    EXPECT_FALSE(processes.CloseDesktop(desktop));
    EXPECT_EQ(program.sync.GetLastError(), ERROR_BUSY);
    EXPECT_EQ(world.system.OpenDesktops(), 1u);
    EXPECT_EQ(program.handles.Describe(), "Desktop 1");
    // Back home, it closes.
    ASSERT_TRUE(processes.SetThreadDesktop(home));
    EXPECT_EQ(world.system.DesktopOf(program.ThreadId()), "Default");
    EXPECT_TRUE(processes.CloseDesktop(desktop));
    EXPECT_EQ(world.system.OpenDesktops(), 0u);
    EXPECT_EQ(program.handles.Describe(), "none");

    // Processes, files and menus are counted as they are handed out and
    // taken back; the process's end closes what is left.
    ProcessInformation info;
    ASSERT_TRUE(processes.CreateProcessA("x.exe", false, 0, "", StartupInfoA{}, &info));
    world.files.AddFile("C:\\a.txt", "a");
    const Handle file = program.files.CreateFileA("C:\\a.txt", GENERIC_READ, 0, OPEN_EXISTING, 0);
    const HMenu menu = program.menus.CreatePopupMenu();
    const HMenu sub = program.menus.CreatePopupMenu();
    program.menus.AppendMenuA(menu, MF_POPUP, sub, "Sub");
    EXPECT_EQ(program.handles.Describe(), "Process 1, Thread 1, File 1, Menu 2");
    // One CloseHandle for every kind of kernel object; each closes once.
    EXPECT_TRUE(program.sync.CloseHandle(info.hThread));
    EXPECT_TRUE(program.sync.CloseHandle(file));
    EXPECT_FALSE(program.sync.CloseHandle(file));
    EXPECT_EQ(program.sync.GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(program.sync.CloseHandle(info.hThread));
    EXPECT_FALSE(program.sync.CloseHandle(0x7777));
    EXPECT_TRUE(program.menus.DestroyMenu(menu));  // and its submenu
    EXPECT_EQ(program.handles.Describe(), "Process 1");
    program.Exit();
    EXPECT_EQ(program.handles.Describe(), "none");
}

TEST(SimDesktop, AModalLoopInsideAShortAdvanceLeavesTheClockWhereTheLoopEnded) {
    SimWorld world;
    SimProcess app(world, "app");
    const Hwnd window =
        app.CreatePeerWindow("App", "", [&](Hwnd, UInt msg, WParam, LParam) -> LResult {
            if (msg == WM_USER) app.windows.MessageBoxA(0, "Busy", "Panel", MB_OK);
            return 0;
        });
    world.desktop.messageBoxLifetimeMs = 250;
    world.Advance(1000);
    app.messages.PostMessageA(window, WM_USER, 0, 0);
    // The box runs its loop for 250 ms inside an advance of 0 ms: time
    // never runs back to where the advance began.
    world.Advance(0);
    EXPECT_EQ(world.Now(), 1250u);
    world.Advance(10);
    EXPECT_EQ(world.Now(), 1260u);
}
