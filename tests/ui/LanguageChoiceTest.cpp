// Choosing the language at start-up and from the tray menu: the system's
// language, the stored choice, the submenu's marks, and a wrongly typed
// stored value.
#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "support/LanguageStart.h"
#include "support/PanelWorld.h"

using namespace platform;
using sim::Api;
using testing_support::PanelWorld;
using testing_support::StartOn;
constexpr const char* kKey = testing_support::kSettingsKey;

namespace {

std::vector<int> CheckedItems(app::TForm1& f) {
    std::vector<int> checked;
    for (const vcl::TMenuItem* item : f.ItemLanguage.Items())
        if (item->Checked) checked.push_back(item->Tag);
    return checked;
}

std::vector<int> DefaultItems(app::TForm1& f) {
    std::vector<int> marked;
    for (const vcl::TMenuItem* item : f.ItemLanguage.Items())
        if (item->Default) marked.push_back(item->Tag);
    return marked;
}

void SettingChange(PanelWorld& w) {
    sim::SimProcess other(w.world, "other");
    LResult answer = -1;
    other.messages.SendMessageTimeoutA(w.Panel(), WM_SETTINGCHANGE, 0, 0, SMTO_ABORTIFHUNG, 1000,
                                       &answer);
}

bool ConvertedWith(PanelWorld& w, UInt codePage) {
    return !w.PanelCalls(Api::WideCharToMultiByte, codePage).empty();
}

}  // namespace

TEST(LanguageChoice, TheSubmenuHoldsTheTwentyFourRadioItemsInTableOrder) {
    PanelWorld w;
    ASSERT_TRUE(StartOn(w, 0x0409, 1252));
    app::TForm1& f = w.Form();
    ASSERT_EQ(f.ItemLanguage.Count(), 24);
    for (int i = 0; i < 24; ++i) {
        const vcl::TMenuItem* item = f.ItemLanguage.Items()[static_cast<std::size_t>(i)];
        EXPECT_EQ(item, f.LanguageItems[static_cast<std::size_t>(i)]);
        EXPECT_EQ(item->Tag, i);
        EXPECT_TRUE(item->RadioItem);
    }
    EXPECT_EQ(f.ItemLanguageTur.Tag, 23);
}

TEST(LanguageChoice, TheSystemsLanguageIsUsedWhenNothingIsStored) {
    PanelWorld w;
    ASSERT_TRUE(StartOn(w, 0x0411, 932));
    app::TForm1& f = w.Form();
    EXPECT_EQ(f.CurrentLanguage, 3);
    EXPECT_EQ(f.SystemLanguage, 3);
    EXPECT_EQ(CheckedItems(f), std::vector<int>{3});
    EXPECT_EQ(DefaultItems(f), std::vector<int>{3});
    // The system's own language goes through the system's code page.
    EXPECT_TRUE(ConvertedWith(w, kCpAcp));
    EXPECT_FALSE(ConvertedWith(w, 932));
    // Reading the choice created the key, but no value.
    EXPECT_TRUE(w.world.registry.KeyExists(kKey));
    EXPECT_EQ(w.world.registry.FindValue(kKey, "LanguageID"), nullptr);
}

TEST(LanguageChoice, AStoredChoiceWinsOverTheSystemsLanguage) {
    {
        PanelWorld w;
        ASSERT_TRUE(StartOn(w, 0x0407, 1252, 3));
        app::TForm1& f = w.Form();
        EXPECT_EQ(f.CurrentLanguage, 3);
        EXPECT_EQ(f.SystemLanguage, 11);
        EXPECT_EQ(CheckedItems(f), std::vector<int>{3});
        EXPECT_EQ(DefaultItems(f), std::vector<int>{11});
        EXPECT_TRUE(ConvertedWith(w, 932));
        EXPECT_EQ(f.LanguageCodePage(-1), 932u);
        EXPECT_EQ(f.CaptionCodePage(), 932u);
    }
    {
        PanelWorld w;
        ASSERT_TRUE(StartOn(w, 0x0409, 1252, 12));
        EXPECT_EQ(w.Form().CurrentLanguage, 12);
        EXPECT_TRUE(ConvertedWith(w, 737));
        EXPECT_EQ(w.Form().LabelVolOut.CaptionCodePage(), 737u);
    }
}

TEST(LanguageChoice, OtherCountriesVariantsAndStoredValuesOutOfRangeMeanEnglish) {
    {
        PanelWorld w;
        ASSERT_TRUE(StartOn(w, 0x0C04, 950));
        EXPECT_EQ(w.Form().CurrentLanguage, 0);
        EXPECT_EQ(CheckedItems(w.Form()), std::vector<int>{0});
        EXPECT_EQ(DefaultItems(w.Form()), std::vector<int>{0});
    }
    for (int stored : {24, -1, 1000}) {
        PanelWorld w;
        ASSERT_TRUE(StartOn(w, 0x0419, 1251, stored));
        EXPECT_EQ(w.Form().CurrentLanguage, 20) << stored;
        EXPECT_EQ(CheckedItems(w.Form()), std::vector<int>{20}) << stored;
    }
}

TEST(LanguageChoice, PickingALanguageSwitchesAndStoresItPickingItAgainDoesNothing) {
    PanelWorld w;
    ASSERT_TRUE(StartOn(w, 0x0409, 1252));
    app::TForm1& f = w.Form();
    f.ShowMainWindow();
    w.Advance(4000);
    const std::size_t readsBefore = w.PanelCalls(Api::GetDeviceCaps).size();

    f.ItemLanguageKor.Click();
    EXPECT_EQ(f.CurrentLanguage, 4);
    EXPECT_EQ(CheckedItems(f), std::vector<int>{4});
    EXPECT_EQ(DefaultItems(f), std::vector<int>{0});
    EXPECT_EQ(f.LabelVolOut.Font().Name, "Arial Unicode MS");
    // The fonts take the scale the window was laid out at, read once at
    // its creation: a language switch does not read the screen again.
    EXPECT_EQ(readsBefore, 1u);
    EXPECT_EQ(w.PanelCalls(Api::GetDeviceCaps).size(), readsBefore);
    std::uint32_t stored = 0;
    EXPECT_TRUE(w.world.registry.GetDword(kKey, "LanguageID", stored));
    EXPECT_EQ(stored, 4u);
    // The click counts as input: the window stays up another 10 s.
    w.Advance(9000);
    EXPECT_TRUE(w.TimerRunning(f.TimerMin));

    // The item already checked: nothing written, nothing applied.
    w.world.Journal().Clear();
    f.ItemLanguageKor.Click();
    f.SelectLanguage(4);
    EXPECT_TRUE(w.PanelCalls(Api::RegSetValueExA).empty());
    EXPECT_TRUE(w.PanelCalls(Api::GetDeviceCaps).empty());
    EXPECT_TRUE(w.PanelCalls(Api::WideCharToMultiByte).empty());
    EXPECT_EQ(CheckedItems(f), std::vector<int>{4});

    // Indexes no item has change nothing either.
    f.SelectLanguage(24);
    f.SelectLanguage(-1);
    EXPECT_EQ(CheckedItems(f), std::vector<int>{4});
    EXPECT_EQ(f.CurrentLanguage, 4);
    EXPECT_TRUE(w.PanelCalls(Api::RegCreateKeyExA).empty());
}

TEST(LanguageChoice, ASettingChangeKeepsThePickedLanguageAndOtherwiseFollowsTheSystem) {
    PanelWorld w;
    ASSERT_TRUE(StartOn(w, 0x0409, 1252));
    app::TForm1& f = w.Form();
    // Without a choice, the language follows the system's.
    w.world.locale.langId = 0x0411;
    w.world.locale.ansiCodePage = 932;
    w.world.Journal().Clear();
    SettingChange(w);
    EXPECT_EQ(f.CurrentLanguage, 3);
    EXPECT_EQ(DefaultItems(f), std::vector<int>{3});
    EXPECT_EQ(f.LabelVolOut.Font().Charset, 128);
    // The send is answered first, then the message goes on to default
    // handling.
    EXPECT_EQ(w.PanelCalls(Api::DefWindowProcA, WM_SETTINGCHANGE).size(), 1u);
    const auto replies = w.PanelCalls(Api::ReplyMessage);
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].lParam, 0);

    f.ItemLanguageRus.Click();
    w.world.locale.langId = 0x0407;
    w.world.locale.ansiCodePage = 1252;
    SettingChange(w);
    EXPECT_EQ(f.CurrentLanguage, 20);
    EXPECT_EQ(f.SystemLanguage, 11);
    EXPECT_EQ(CheckedItems(f), std::vector<int>{20});
    EXPECT_EQ(DefaultItems(f), std::vector<int>{11});
}

TEST(LanguageChoice, AWronglyTypedStoredChoiceIsReportedAndStartUpGoesOn) {
    PanelWorld w;
    w.world.registry.SetString(kKey, "LanguageID", "3");
    ASSERT_TRUE(StartOn(w, 0x0412, 949));
    app::TForm1& f = w.Form();
    EXPECT_EQ(w.world.desktop.MessageBoxTexts(),
              std::vector<std::string>{"Invalid data type for 'LanguageID'"});
    EXPECT_TRUE(w.Running());
    EXPECT_EQ(f.CurrentLanguage, 4);
    EXPECT_EQ(CheckedItems(f), std::vector<int>{4});
    EXPECT_EQ(f.LabelVolOut.Font().Name, "Arial Unicode MS");
    EXPECT_FALSE(f.LabelVolOut.Caption().empty());
    w.Advance(1000);
    EXPECT_TRUE(w.Running());
    // A pick replaces it with a proper value.
    f.ItemLanguageEng.Click();
    std::uint32_t stored = 99;
    EXPECT_TRUE(w.world.registry.GetDword(kKey, "LanguageID", stored));
    EXPECT_EQ(stored, 0u);
}
