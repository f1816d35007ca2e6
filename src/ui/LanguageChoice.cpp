// Choosing the language: from the system's language and the user's stored
// choice, and switching it from the tray menu's language submenu.
#include "app/Unit1.h"
#include "ui/LanguageTexts.h"
#include "ui/SettingsKey.h"

namespace app {

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
    MarkLanguageItems();
}

void TForm1::MarkLanguageItems() {
    for (vcl::TMenuItem* item : ItemLanguage.Items()) {
        item->Default = item->Tag == SystemLanguage;
        item->Checked = item->Tag == CurrentLanguage;
    }
}

std::uint8_t TForm1::LanguageCharset(int language) const {
    return ui::LanguageTable[language].charset;
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
        ApplyLanguage(LanguageCharset(index));
        SaveLanguageID(index);
    }
}

}  // namespace app
