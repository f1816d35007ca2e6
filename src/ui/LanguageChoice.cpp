// Choosing the language: from the system's language and the user's stored
// choice, and switching it from the tray menu's language submenu.
#include "app/Unit1.h"
#include "ui/LanguageTexts.h"
#include "ui/SettingsKey.h"

namespace app {

namespace {

// The system's language is the submenu's default item, the current one
// checked.
void MarkLanguageItems(const vcl::TMenuItem& submenu, int systemLanguage, int currentLanguage) {
    for (vcl::TMenuItem* item : submenu.Items()) {
        item->Default = item->Tag == systemLanguage;
        item->Checked = item->Tag == currentLanguage;
    }
}

}  // namespace

void TForm1::BindLanguageItems() {
    for (vcl::TMenuItem* item : LanguageItems)
        item->OnClick = [this, item](vcl::TObject*) {
            RestartTimerIfRunning(TimerMin);
            SelectLanguage(item->Tag);
        };
}

void TForm1::DetectLanguage() {
    const int count = ItemLanguage.Count();
    CurrentLanguage = ui::LanguageOfId(Os().nls.GetSystemDefaultLangID(), count);
    SystemLanguage = CurrentLanguage;
    int stored = -1;
    try {
        stored = LoadLanguageID();
    } catch (const ui::RegistryError& error) {
        // Left to the top level, this would end the program at its start.
        Application().ShowException(error.what());
    }
    if (stored >= 0 && stored < count) CurrentLanguage = stored;
    MarkLanguageItems(ItemLanguage, SystemLanguage, CurrentLanguage);
}

std::string TForm1::LanguageText(int row, int language) {
    if (language < 0 || language >= ui::kLanguageCount) language = CurrentLanguage;
    return ui::RowBytes(Os().nls, row, language, SystemLanguage);
}

platform::UInt TForm1::LanguageCodePage(int language) const {
    if (language < 0 || language >= ui::kLanguageCount) language = CurrentLanguage;
    return ui::TextCodePage(language, SystemLanguage);
}

void TForm1::SelectLanguage(int index) {
    // Tags are 0..23; a negative index would only uncheck every item.
    if (index < 0 || index >= ItemLanguage.Count()) return;
    for (vcl::TMenuItem* item : ItemLanguage.Items()) {
        if (item->Tag != index) {
            item->Checked = false;
            continue;
        }
        if (item->Checked) continue;
        item->Checked = true;
        CurrentLanguage = index;
        ApplyLanguage(ui::LanguageCharset(index));
        SaveLanguageID(index);
    }
}

}  // namespace app
