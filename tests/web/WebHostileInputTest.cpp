// The web shortcuts against what a hand-edited file, a paste or another
// program hands them: only web addresses reach the shell or the browser
// pane, every stored shortcut comes back as one line in its place, and a
// file that is there but cannot be read is never replaced.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/WinConst.h"
#include "support/WebWorld.h"

using namespace platform;
using testing_support::kDefaultWeb;
using testing_support::kUrlList;
using testing_support::WebWorld;

TEST(WebHostileInput, OnlyWebAddressesReachTheShellWhateverTheFileHolds) {
    const std::string list =
        "Program\r\nC:\\Windows\\system32\\calc.exe\r\n"
        "File URL\r\nfile:///C:/Windows/system32/calc.exe\r\n"
        "Share\r\n\\\\server\\share\\run.exe\r\n"
        "Web\r\nHTTPS://Example.org/x\r\n";
    WebWorld p(list.c_str());
    app::TForm1& f = *p.f;
    std::vector<sim::SimShellExecute>& executed = p.w.world.shell.executed;
    // The stored text stays as it is: enabled links that do nothing.
    p.ExpectLink(1, "Program", "C:\\Windows\\system32\\calc.exe");
    p.ExpectLink(2, "File URL", "file:///C:/Windows/system32/calc.exe");
    for (int i = 1; i <= 3; ++i) {
        f.OpenWebEntry(i);  // a handset key
        p.Link(i).Click();  // a click
    }
    EXPECT_TRUE(executed.empty());
    // The web shortcut in the same file opens, by key and by click.
    f.OpenWebEntry(4);
    p.Link(4).Click();
    ASSERT_EQ(executed.size(), 2u);
    EXPECT_EQ(executed[0].file, "HTTPS://Example.org/x");
    EXPECT_EQ(executed[1].file, "HTTPS://Example.org/x");
    EXPECT_EQ(p.File(kUrlList), list);

    // The default-for-empty address of "defaultWeb.jov" is no exception.
    WebWorld q("Empty\r\n\r\n", "One\r\nmailto:someone@example.org\r\nN/A\r\ncmd.exe\r\n");
    q.ExpectLink(0, "One", "mailto:someone@example.org");
    q.ExpectLink(1, "Empty", "cmd.exe");
    for (int i = 0; i <= 1; ++i) {
        q.f->OpenWebEntry(i);
        q.Link(i).Click();
    }
    EXPECT_TRUE(q.w.world.shell.executed.empty());
}

TEST(WebHostileInput, TheBrowserPaneNavigatesOnlyToWebAddresses) {
    for (const char* home : {"mshtml:<script>alert(1)</script>", "file:///C:/", "Shell.Explorer",
                             "{8856F961-340A-11D0-A96B-00C04FD705A2}", "javascript:alert(1)"}) {
        WebWorld p(nullptr, (std::string("\r\n\r\n\r\n\r\n\r\n") + home + "\r\n").c_str());
        EXPECT_EQ(p.f->BrowserHome, home);
        EXPECT_EQ(p.f->CppWebBrowser1.LocationURL(), L"") << home;
    }
    WebWorld p(nullptr, "\r\n\r\n\r\n\r\n\r\nHttps://portal.example/\r\n");
    EXPECT_EQ(p.f->CppWebBrowser1.LocationURL(), L"Https://portal.example/");
}

TEST(WebHostileInput, SavedShortcutsComeBackOneLineEachInTheirPlaces) {
    WebWorld p("Two\r\nhttp://two/\r\nThree\r\nhttp://three/\r\nFour\r\nhttp://four/\r\n");
    app::TForm1& f = *p.f;
    // The edits take no more than a stored line holds.
    f.SelectWebEntry(2);
    f.suiEditWebName.TakeUserText(std::string(1500, 'n'));
    EXPECT_EQ(f.suiEditWebName.Text(), std::string(1022, 'n'));
    f.suiEditWebAddr.TakeUserText(std::string(1500, 'a'));
    EXPECT_EQ(f.suiEditWebAddr.Text(), std::string(1015, 'a'));
    f.suiButtonWebSave.Click();
    // With "http://" in front, the address is just the longest line.
    EXPECT_EQ(p.Link(2).URL(), "http://" + std::string(1015, 'a'));

    // Text set in the edit by the program itself is not cut by the limit,
    // but what Save stores is: line ends and Ctrl-Z go, the rest is cut.
    f.SelectWebEntry(1);
    p.Type(f.suiEditWebName, "Line\r\nbreak\x1A" + std::string(1100, 'x'));
    p.Type(f.suiEditWebAddr, "https://" + std::string(1100, 'h') + "\n");
    f.suiButtonWebSave.Click();
    const std::string savedName = ("Linebreak" + std::string(1100, 'x')).substr(0, 1022);
    const std::string savedAddr = ("https://" + std::string(1100, 'h')).substr(0, 1022);
    p.ExpectLink(1, savedName, savedAddr);
    EXPECT_EQ(f.suiEditWebAddr.Text(), savedAddr);

    // A restart reads every shortcut back where it was.
    WebWorld again(p.File(kUrlList).c_str());
    again.ExpectLink(1, savedName, savedAddr);
    again.ExpectLink(2, std::string(1022, 'n'), "http://" + std::string(1015, 'a'));
    again.ExpectLink(3, "Four", "http://four/");
    again.ExpectLink(4, "N/A", "");
}

TEST(WebHostileInput, AFileThatIsThereButCannotBeReadIsNeverReplaced) {
    const std::string list = "Mine\r\nhttp://mine/\r\n";
    const std::string defaults = "Home\r\nhttp://home/\r\n";
    // Another program holds both files and shares nothing.
    WebWorld p(list.c_str(), defaults.c_str(), [](sim::SimWorld& world) {
        world.files.HoldOpen(kUrlList, GENERIC_READ | GENERIC_WRITE, 0);
        world.files.HoldOpen(kDefaultWeb, GENERIC_READ | GENERIC_WRITE, 0);
    });
    app::TForm1& f = *p.f;
    // The defaults serve this run; nothing is written.
    EXPECT_EQ(f.FirstWebName, "Skype");
    p.ExpectLink(1, "N/A", "");
    EXPECT_EQ(p.File(kUrlList), list);
    EXPECT_EQ(p.File(kDefaultWeb), defaults);
    for (const sim::SimCall& move : p.w.PanelCalls(sim::Api::MoveFileExA)) {
        EXPECT_EQ(move.text.find("urlList"), std::string::npos) << move.text;
        EXPECT_EQ(move.text.find("defaultWeb"), std::string::npos) << move.text;
    }

    // Save is refused while the file cannot be read, and says so.
    f.SelectWebEntry(2);
    p.Type(f.suiEditWebName, "Typed");
    try {
        f.suiButtonWebSave.Click();
        ADD_FAILURE() << "Save replaced a file it could not read";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("cannot be saved now"), std::string::npos);
    }
    EXPECT_EQ(p.File(kUrlList), list);
    EXPECT_TRUE(f.suiButtonWebSave.Enabled());
    EXPECT_EQ(f.suiEditWebName.Text(), "Typed");

    // Once the other program lets go, Save reads the file first and keeps
    // the shortcuts it holds.
    p.w.world.files.Release(kUrlList);
    f.suiButtonWebSave.Click();
    p.ExpectLink(1, "Mine", "http://mine/");
    p.ExpectLink(2, "Typed", "");
    EXPECT_EQ(p.File(kUrlList).substr(0, 29), "Mine\r\nhttp://mine/\r\nTyped\r\n\r\n");
    EXPECT_FALSE(f.suiButtonWebSave.Enabled());
}

TEST(WebHostileInput, NoPermissionOrAFailingReadCountsAsUnreadAndAnEditorDoesNot) {
    const std::string list = "Mine\r\nhttp://mine/\r\n";
    WebWorld denied(list.c_str(), nullptr,
                    [](sim::SimWorld& world) { world.files.unreadablePaths = {kUrlList}; });
    denied.ExpectLink(1, "N/A", "");
    EXPECT_TRUE(denied.f->UrlListUnread);
    EXPECT_EQ(denied.File(kUrlList), list);

    // A long file whose read fails half-way: what was read is not used.
    const std::string longList = "Mine\r\n" + std::string(5000, 'x') + "\r\n";
    WebWorld failing(longList.c_str(), nullptr,
                     [](sim::SimWorld& world) { world.files.failingReads = {kUrlList}; });
    failing.ExpectLink(1, "N/A", "");
    EXPECT_EQ(failing.File(kUrlList), longList);

    // A text editor holding the file open still lets it be read and saved.
    WebWorld edited(list.c_str(), nullptr, [](sim::SimWorld& world) {
        world.files.HoldOpen(kUrlList, GENERIC_READ | GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    });
    edited.ExpectLink(1, "Mine", "http://mine/");
    EXPECT_FALSE(edited.f->UrlListUnread);
}
