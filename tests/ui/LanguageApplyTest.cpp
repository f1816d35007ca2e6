// Applying a language to the main window: fonts by the language's charset
// with the system-text controls keeping the system's, ten points at the
// screen's resolution, the captions with the code page of their bytes, and
// the tray menu, tip and device-list entry in English unless the language
// is the system's own.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "platform/WinConst.h"
#include "support/LanguageStart.h"
#include "support/PanelWorld.h"
#include "ui/LanguageTexts.h"
#include "widgets/CodePages.h"

using namespace platform;
using sim::Api;
using testing_support::PanelWorld;
using testing_support::StartOn;

namespace {

const std::set<std::string> kSystemText = {
    "suiComboBoxSkypeOut", "suiComboBoxSkypeIn", "suiButtonSysAudioOut", "suiDriveComboBoxTest",
    "suiTabSheetWeb",      "suiURLLabelWeb0",    "suiURLLabelWeb1",      "suiURLLabelWeb2",
    "suiURLLabelWeb3",     "suiURLLabelWeb4",    "suiEditWebName",       "suiEditWebAddr"};

// Every control that shows text has face, charset (system-text controls:
// systemCharset) and ten points at the given height.
void ExpectFonts(app::TForm1& f, const std::string& face, int charset, int systemCharset,
                 int height) {
    int fonted = 0;
    vcl::ForEachControl(f, [&](vcl::TControl& c) {
        if (dynamic_cast<vcl::TImage*>(&c) || dynamic_cast<vcl::TWebBrowser*>(&c)) return;
        ++fonted;
        EXPECT_EQ(c.Font().Name, face) << c.Name();
        EXPECT_EQ(c.Font().Charset, kSystemText.count(c.Name()) ? systemCharset : charset)
            << c.Name();
        EXPECT_EQ(c.Font().Size, 10) << c.Name();
        EXPECT_EQ(c.Font().Height, height) << c.Name();
    });
    EXPECT_GE(fonted, 50);  // every control of the design but pictures and the browser
}

std::string Bytes(PanelWorld& w, UInt codePage, std::u16string_view text) {
    return vcl::FromUtf16(w.panelProcess.nls, codePage, text);
}

}  // namespace

TEST(LanguageApply, KoreanOnAnEnglishSystem) {
    PanelWorld w;
    ASSERT_TRUE(StartOn(w, 0x0409, 1252, 4));
    app::TForm1& f = w.Form();
    ExpectFonts(f, "Arial Unicode MS", 129, 0, -13);
    // The window's texts are Korean, in the Unified Hangul code.
    EXPECT_EQ(f.Caption(), Bytes(w, 949, ui::RowText(4, 0)));
    EXPECT_EQ(f.CaptionCodePage(), 949u);
    EXPECT_EQ(f.LabelSkypeOut.Caption(), Bytes(w, 949, ui::RowText(4, 15)));
    EXPECT_EQ(f.suiTabSheetAudio.CaptionCodePage(), 949u);
    EXPECT_EQ(f.suiGroupBoxVol.CaptionCodePage(), 949u);
    // The title reaches the window as UTF-16, decoded with that code page.
    const sim::SimWindow* window = w.world.Window(w.Panel());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->wideTitle, std::u16string(ui::RowText(4, 0)));
    // Menu, tip and the device lists' entry are English.
    EXPECT_EQ(f.ItemExit.Caption, "Exit");
    EXPECT_EQ(f.ItemSetup.Caption, "Setup");
    EXPECT_EQ(f.ItemLanguage.Caption, "Language");
    EXPECT_EQ(f.ItemLanguageKor.Caption, "Korean");
    EXPECT_EQ(f.ItemLanguageTur.Caption, "Turkish");
    EXPECT_EQ(f.DefaultDeviceText, "Windows default sound device");
    EXPECT_EQ(f.TrayIconSts.Hint(), "USB Phone Control Panel");
    // Texts not in the table stay.
    EXPECT_EQ(f.suiCheckBoxVolOut.Caption(), "Mute");
    EXPECT_EQ(f.LabelWeb2.Caption(), "3");
    EXPECT_EQ(f.suiTabSheetWeb.Caption(), "Skype");  // the browser title, not a table row
    EXPECT_EQ(f.suiTabSheetWeb.CaptionCodePage(), 0u);
}

TEST(LanguageApply, FacesOfTheChineseAndJapaneseCharsets) {
    {
        PanelWorld w;
        ASSERT_TRUE(StartOn(w, 0x0409, 1252, 1));
        ExpectFonts(w.Form(), "Fixedsys", 136, 0, -13);
        EXPECT_EQ(w.Form().LabelWebName.CaptionCodePage(), 950u);
    }
    {
        PanelWorld w;
        ASSERT_TRUE(StartOn(w, 0x0409, 1252, 3));
        ExpectFonts(w.Form(), "MS Sans Serif", 128, 0, -13);
    }
    {
        // Chinese simplified on a Korean system: the system-text controls
        // keep Hangul.
        PanelWorld w;
        w.world.desktop.pixelsPerInch = 120;
        ASSERT_TRUE(StartOn(w, 0x0412, 949, 2));
        ExpectFonts(w.Form(), "MS Sans Serif", 134, 129, -17);
    }
}

TEST(LanguageApply, TheSystemsOwnLanguageShowsInTheMenuTipAndDeviceList) {
    PanelWorld w;
    ASSERT_TRUE(StartOn(w, 0x0411, 932));
    app::TForm1& f = w.Form();
    ExpectFonts(f, "MS Sans Serif", 128, 128, -13);
    EXPECT_EQ(f.ItemExit.Caption, Bytes(w, 932, ui::RowText(3, 20)));
    EXPECT_EQ(f.ItemLanguageKor.Caption, Bytes(w, 932, ui::RowText(3, 25)));
    EXPECT_EQ(f.DefaultDeviceText, Bytes(w, 932, ui::RowText(3, 45)));
    EXPECT_EQ(f.TrayIconSts.Hint(), Bytes(w, 932, ui::RowText(3, 0)));
    // The system's code page: the title goes as it is.
    EXPECT_EQ(f.CaptionCodePage(), 0u);
    EXPECT_EQ(w.world.Window(w.Panel())->title, f.Caption());
    EXPECT_EQ(f.TrayIconSts.Hint(), Bytes(w, 932,
                                          u"USB\u30D5\u30A9\u30F3 \u30AA\u30FC\u30C7\u30A3\u30AA"
                                          u"\u30B3\u30F3\u30C8\u30ED\u30FC\u30EB "));
}

TEST(LanguageApply, SwitchingBackToTheSystemsLanguageBringsTheMenuBackToIt) {
    PanelWorld w;
    ASSERT_TRUE(StartOn(w, 0x0419, 1251));
    app::TForm1& f = w.Form();
    const std::string russianExit = Bytes(w, kCpAcp, ui::RowText(20, 20));
    EXPECT_EQ(f.ItemExit.Caption, russianExit);
    f.SelectLanguage(4);
    EXPECT_EQ(f.ItemExit.Caption, "Exit");
    EXPECT_EQ(f.DefaultDeviceText, "Windows default sound device");
    f.SelectLanguage(20);
    EXPECT_EQ(f.ItemExit.Caption, russianExit);
    EXPECT_EQ(f.DefaultDeviceText, Bytes(w, kCpAcp, ui::RowText(20, 45)));
    EXPECT_EQ(f.TrayIconSts.Hint(), Bytes(w, kCpAcp, ui::RowText(20, 0)));
    EXPECT_EQ(f.LabelVolOut.CaptionCodePage(), 0u);
    EXPECT_EQ(w.world.Window(w.Panel())->wideTitle, u"");
    ExpectFonts(f, "MS Sans Serif", 0, 0, -13);
}

TEST(LanguageApply, SwitchingAmongLanguagesOfTheDefaultCharsetChangesOnlyTexts) {
    PanelWorld w;
    ASSERT_TRUE(StartOn(w, 0x0409, 1252, 10));
    app::TForm1& f = w.Form();
    std::vector<vcl::TFont> before;
    vcl::ForEachControl(f, [&](vcl::TControl& c) { before.push_back(c.Font()); });
    f.SelectLanguage(20);
    std::vector<vcl::TFont> after;
    vcl::ForEachControl(f, [&](vcl::TControl& c) { after.push_back(c.Font()); });
    EXPECT_TRUE(before == after);
    EXPECT_EQ(f.LabelVolOut.CaptionCodePage(), 1251u);
    EXPECT_EQ(f.LabelVolOut.Caption(), Bytes(w, 1251, ui::RowText(20, 11)));
}
