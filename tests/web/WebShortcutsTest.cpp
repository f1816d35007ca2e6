// The web shortcuts on a simulated desktop: their two files read and
// written, selecting a shortcut, the edits' Tag and Enter rules, Save, and
// opening a shortcut through the shell.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/WinConst.h"
#include "support/WebWorld.h"

using namespace platform;

using testing_support::kDefaultWeb;
using testing_support::kHome;
using testing_support::kUrlList;
using testing_support::WebWorld;

TEST(WebShortcuts, WithoutFilesTheDefaultsShowAndBothFilesAreWritten) {
    WebWorld p(nullptr);
    app::TForm1& f = *p.f;
    EXPECT_EQ(p.File(kDefaultWeb),
              std::string("Skype\r\n") + kHome + "\r\nN/A\r\n\r\nSkype\r\n" + kHome + "\r\n");
    EXPECT_EQ(p.File(kUrlList), "N/A\r\n\r\nN/A\r\n\r\nN/A\r\n\r\nN/A\r\n\r\n");
    p.ExpectLink(0, "Skype", kHome);
    for (int i = 1; i < 5; ++i) p.ExpectLink(i, "N/A", "");
    // Shortcut 1 selected; it cannot be edited.
    EXPECT_EQ(f.WebIndex, 0);
    EXPECT_TRUE(f.suiRadioButtonWeb0.Checked());
    EXPECT_EQ(f.suiEditWebName.Text(), "Skype");
    EXPECT_EQ(f.suiEditWebAddr.Text(), kHome);
    EXPECT_FALSE(f.suiEditWebName.Enabled());
    EXPECT_FALSE(f.suiEditWebAddr.Enabled());
    EXPECT_FALSE(f.suiButtonWebSave.Enabled());
    EXPECT_EQ(f.suiEditWebName.Tag(), 1);
    EXPECT_EQ(f.suiEditWebAddr.Tag(), 1);
    // The browser tab: its caption and its one navigation.
    EXPECT_EQ(f.suiTabSheetWeb.Caption(), "Skype");
    EXPECT_EQ(f.CppWebBrowser1.LocationURL(), L"http://www.skype.com/");
    EXPECT_EQ(f.CppWebBrowser1.Height(), f.suiTabSheetWeb.Height());
}

TEST(WebShortcuts, AShortUrlListLeavesTheRestToThePlaceholders) {
    WebWorld p("Two\r\nhttp://two/\r\nThree\r\n");
    p.ExpectLink(1, "Two", "http://two/");
    p.ExpectLink(2, "Three", "");
    p.ExpectLink(3, "N/A", "");
    p.ExpectLink(4, "N/A", "");
    // Read, not rewritten.
    EXPECT_EQ(p.File(kUrlList), "Two\r\nhttp://two/\r\nThree\r\n");
}

TEST(WebShortcuts, TheDefaultFileReplacesEachStartValueByALineThatIsNotEmpty) {
    // A hand-edited file: LF only, a fourth line giving every shortcut
    // without an address one, a tab caption, and no sixth line.
    WebWorld p("A\n\nB\nhttp://b/\n", "Home\nhttp://home/\nNone\nhttp://none/\nPortal\n");
    app::TForm1& f = *p.f;
    EXPECT_EQ(f.FirstWebName, "Home");
    EXPECT_EQ(f.EmptyWebName, "None");
    EXPECT_EQ(f.BrowserTitle, "Portal");
    EXPECT_EQ(f.BrowserHome, kHome);
    p.ExpectLink(0, "Home", "http://home/");
    p.ExpectLink(1, "A", "http://none/");
    p.ExpectLink(2, "B", "http://b/");
    p.ExpectLink(3, "None", "http://none/");
    EXPECT_EQ(f.suiTabSheetWeb.Caption(), "Portal");
    EXPECT_EQ(f.CppWebBrowser1.LocationURL(), L"http://www.skype.com/");
    // Never written once it could be read.
    EXPECT_EQ(p.File(kDefaultWeb), "Home\nhttp://home/\nNone\nhttp://none/\nPortal\n");
}

TEST(WebShortcuts, AnEmptyDefaultFileKeepsTheStartValuesAndStaysEmpty) {
    WebWorld p(nullptr, "");
    app::TForm1& f = *p.f;
    EXPECT_EQ(f.FirstWebName, "Skype");
    EXPECT_EQ(f.FirstWebAddr, kHome);
    EXPECT_EQ(f.EmptyWebName, "N/A");
    EXPECT_EQ(f.EmptyWebAddr, "");
    EXPECT_EQ(f.BrowserTitle, "Skype");
    EXPECT_EQ(f.BrowserHome, kHome);
    EXPECT_EQ(p.File(kDefaultWeb), "");
    // An empty fourth line keeps the empty placeholder address.
    WebWorld q(nullptr, "X\r\nhttp://x/\r\nY\r\n\r\nZ\r\nhttp://z/\r\n");
    q.ExpectLink(1, "Y", "");
    EXPECT_EQ(q.f->CppWebBrowser1.LocationURL(), L"http://z/");
}

TEST(WebShortcuts, AnOverlongLineLosesItsRestAndTheFieldsAfterItStayInPlace) {
    const std::string longName(1030, 'n');
    const std::string longest(1022, 'a');
    WebWorld p(
        (longName + "\r\nhttp://two/\r\n" + longest + "\r\nhttp://three/\r\nFour\r\n").c_str());
    p.ExpectLink(1, longName.substr(0, 1022), "http://two/");
    // A line of exactly the reader's limit brings no empty line after it.
    p.ExpectLink(2, longest, "http://three/");
    p.ExpectLink(3, "Four", "");
    p.ExpectLink(4, "N/A", "");
}

TEST(WebShortcuts, SelectingAShortcutColoursItFillsTheEditsAndDropsTyping) {
    WebWorld p("Two\r\nhttp://two/\r\n");
    app::TForm1& f = *p.f;
    f.SelectWebEntry(1);
    EXPECT_EQ(f.WebIndex, 1);
    EXPECT_TRUE(f.suiRadioButtonWeb1.Checked());
    EXPECT_FALSE(f.suiRadioButtonWeb0.Checked());
    EXPECT_EQ(p.Link(1).LinkColor(), vcl::clRed);
    EXPECT_EQ(f.LabelWeb1.Font().Color, vcl::clRed);
    EXPECT_EQ(p.Link(0).LinkColor(), vcl::clBlue);
    EXPECT_EQ(f.LabelWeb0.Font().Color, vcl::clBlue);
    EXPECT_EQ(f.suiEditWebName.Text(), "Two");
    EXPECT_EQ(f.suiEditWebAddr.Text(), "http://two/");
    EXPECT_TRUE(f.suiEditWebName.Enabled());
    EXPECT_TRUE(f.suiEditWebName.Focused());
    // Filling the edits is no typing.
    EXPECT_FALSE(f.suiButtonWebSave.Enabled());
    EXPECT_EQ(f.suiEditWebName.SelLength(), 0);

    p.Type(f.suiEditWebName, "Changed");
    EXPECT_TRUE(f.suiButtonWebSave.Enabled());
    // Another shortcut, by its radio button: the typing is dropped.
    f.suiRadioButtonWeb2.Click();
    EXPECT_EQ(f.WebIndex, 2);
    EXPECT_FALSE(f.suiButtonWebSave.Enabled());
    EXPECT_EQ(p.Link(1).Caption(), "Two");
    EXPECT_EQ(p.Link(1).LinkColor(), vcl::clBlue);
    EXPECT_EQ(p.Link(2).LinkColor(), vcl::clRed);
    // A placeholder name is selected whole, so typing replaces it.
    EXPECT_EQ(f.suiEditWebName.Text(), "N/A");
    EXPECT_EQ(f.suiEditWebName.SelStart(), 0);
    EXPECT_EQ(f.suiEditWebName.SelLength(), 3);

    // Out of range: nothing changes.
    f.SelectWebEntry(5);
    f.SelectWebEntry(-1);
    EXPECT_EQ(f.WebIndex, 2);
    // Back to shortcut 1: the edits cannot be changed.
    f.SelectWebEntry(0);
    EXPECT_FALSE(f.suiEditWebName.Enabled());
    EXPECT_FALSE(f.suiEditWebAddr.Enabled());
    f.suiEditWebAddr.SetText("typed");
    EXPECT_FALSE(f.suiButtonWebSave.Enabled());
}

TEST(WebShortcuts, OnlyAnEnabledEditWithTagOneEnablesSave) {
    WebWorld p(nullptr);
    app::TForm1& f = *p.f;
    f.SelectWebEntry(3);
    f.suiEditWebAddr.SetTag(0);
    f.suiEditWebAddr.SetText("a");
    EXPECT_FALSE(f.suiButtonWebSave.Enabled());
    f.suiEditWebAddr.SetTag(1);
    f.suiEditWebAddr.SetText("ab");
    EXPECT_TRUE(f.suiButtonWebSave.Enabled());
}

TEST(WebShortcuts, EnterMovesOnFromTheNameAndSavesFromTheAddress) {
    WebWorld p(nullptr);
    app::TForm1& f = *p.f;
    f.SelectWebEntry(1);
    p.Type(f.suiEditWebName, "Mail");
    EXPECT_EQ(p.Enter(f.suiEditWebName), 0);
    EXPECT_TRUE(f.suiEditWebAddr.Focused());
    EXPECT_TRUE(f.suiButtonWebSave.Enabled());
    EXPECT_EQ(p.File(kUrlList), "N/A\r\n\r\nN/A\r\n\r\nN/A\r\n\r\nN/A\r\n\r\n");

    f.suiEditWebAddr.SetText("mail.example");
    EXPECT_EQ(p.Enter(f.suiEditWebAddr), 0);
    EXPECT_FALSE(f.suiEditWebAddr.Focused());
    EXPECT_FALSE(f.suiButtonWebSave.Enabled());
    p.ExpectLink(1, "Mail", "http://mail.example");
    EXPECT_EQ(f.suiEditWebAddr.Text(), "http://mail.example");
    EXPECT_EQ(p.File(kUrlList), "Mail\r\nhttp://mail.example\r\nN/A\r\n\r\nN/A\r\n\r\nN/A\r\n\r\n");

    // Other keys pass; Enter passes too while the window is not in front.
    EXPECT_EQ(f.suiEditWebAddr.KeyPress('x'), 'x');
    p.w.world.desktop.foreground = 0;
    EXPECT_EQ(p.Enter(f.suiEditWebName), '\r');
    EXPECT_TRUE(f.suiEditWebName.Focused());
}

TEST(WebShortcuts, SaveStoresTheShortcutWithItsAddressRule) {
    WebWorld p(nullptr);
    app::TForm1& f = *p.f;
    f.SelectWebEntry(2);
    p.Type(f.suiEditWebName, "Bank");
    p.Type(f.suiEditWebAddr, "HTTPS://Bank.example/Login");
    f.suiButtonWebSave.Click();
    p.ExpectLink(2, "Bank", "https://Bank.example/Login");
    f.SelectWebEntry(3);
    p.Type(f.suiEditWebAddr, "HtTp://Shop.example/");
    f.suiButtonWebSave.Click();
    // The name edit still holds the placeholder it was filled with.
    p.ExpectLink(3, "N/A", "http://Shop.example/");
    EXPECT_EQ(p.File(kUrlList),
              "N/A\r\n\r\nBank\r\nhttps://Bank.example/Login\r\nN/A\r\nhttp://Shop.example/\r\n"
              "N/A\r\n\r\n");

    // Both emptied: the placeholders, a disabled link, empty edits.
    f.SelectWebEntry(2);
    p.Type(f.suiEditWebName, "");
    p.Type(f.suiEditWebAddr, "");
    f.suiButtonWebSave.Click();
    p.ExpectLink(2, "N/A", "");
    EXPECT_EQ(f.suiEditWebName.Text(), "");
    EXPECT_EQ(f.suiEditWebAddr.Text(), "");
    EXPECT_EQ(p.File(kUrlList), "N/A\r\n\r\nN/A\r\n\r\nN/A\r\nhttp://Shop.example/\r\nN/A\r\n\r\n");
}

TEST(WebShortcuts, AWriteThatFailsHalfWayLeavesTheOldFile) {
    WebWorld p("Old\r\nhttp://old/\r\n");
    app::TForm1& f = *p.f;
    const std::string before = p.File(kUrlList);
    const std::size_t entries = p.w.world.files.Children("C:\\Phone").size();
    p.w.world.files.freeSpace = 10;
    f.SelectWebEntry(1);
    p.Type(f.suiEditWebName, "New name that does not fit");
    // Reported at the top, not taken for saved: Save stays on for a retry.
    EXPECT_THROW(f.suiButtonWebSave.Click(), std::runtime_error);
    EXPECT_TRUE(f.suiButtonWebSave.Enabled());
    EXPECT_EQ(p.File(kUrlList), before);
    // No half-written file left beside it.
    EXPECT_EQ(p.w.world.files.Children("C:\\Phone").size(), entries);
    // The window keeps what was saved; a later save with room writes it.
    p.ExpectLink(1, "New name that does not fit", "http://old/");
    p.w.world.files.freeSpace.reset();
    p.Type(f.suiEditWebAddr, "http://new/");
    f.suiButtonWebSave.Click();
    EXPECT_EQ(p.File(kUrlList).substr(0, 41), "New name that does not fit\r\nhttp://new/\r\n");
}

TEST(WebShortcuts, ShortcutsOpenThroughTheShell) {
    WebWorld p("Two\r\n  \r\n");
    app::TForm1& f = *p.f;
    std::vector<sim::SimShellExecute>& executed = p.w.world.shell.executed;
    // A key's open: the window as owner, shown normally; only enabled links.
    f.OpenWebEntry(0);
    f.OpenWebEntry(2);
    f.OpenWebEntry(7);
    ASSERT_EQ(executed.size(), 1u);
    EXPECT_EQ(executed[0].owner, p.w.Panel());
    EXPECT_EQ(executed[0].verb, "open");
    EXPECT_EQ(executed[0].file, kHome);
    EXPECT_EQ(executed[0].parameters, "");
    EXPECT_EQ(executed[0].directory, "");
    EXPECT_EQ(executed[0].showCommand, SW_SHOWNORMAL);
    // A click: no owner, SW_SHOW; a blank address opens nothing.
    p.Link(0).Click();
    ASSERT_EQ(executed.size(), 2u);
    EXPECT_EQ(executed[1].owner, 0u);
    EXPECT_EQ(executed[1].file, kHome);
    EXPECT_EQ(executed[1].showCommand, SW_SHOW);
    ASSERT_TRUE(p.Link(1).Enabled());
    p.Link(1).Click();
    p.Link(2).Click();  // disabled
    EXPECT_EQ(executed.size(), 2u);
    // A failure is not reported.
    p.w.world.shell.executeResult = 2;
    p.Link(0).Click();
    EXPECT_EQ(executed.size(), 3u);
    EXPECT_EQ(p.w.world.desktop.messageBoxes.size(), 0u);
}
