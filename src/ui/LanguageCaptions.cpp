// Applying a language to the window: every control's font, every caption
// from the language table, the tray menu and tip, and the first entry of
// the Skype device lists.
//
// Each caption carries the code page its bytes are in, so that a view
// showing it as UTF-16 reads it in its own script whatever the system's
// code page is; the fonts' character sets stay as the language table says.
#include <functional>

#include "app/Unit1.h"
#include "platform/WinConst.h"
#include "ui/LanguageTexts.h"

namespace app {

namespace {

// Every control inside parent, depth first.
// Pictures and the browser draw no text of the window's.
bool HasFont(const vcl::TControl& control) {
    return dynamic_cast<const vcl::TImage*>(&control) == nullptr &&
           dynamic_cast<const vcl::TWebBrowser*>(&control) == nullptr;
}

bool IsSystemTextControl(const TForm1& f, const vcl::TControl& control) {
    // Their texts come from the system or the user, in the system's code page.
    const vcl::TControl* const systemText[] = {
        &f.suiComboBoxSkypeOut,  &f.suiComboBoxSkypeIn, &f.suiButtonSysAudioOut,
        &f.suiDriveComboBoxTest, &f.suiTabSheetWeb,     &f.suiURLLabelWeb0,
        &f.suiURLLabelWeb1,      &f.suiURLLabelWeb2,    &f.suiURLLabelWeb3,
        &f.suiURLLabelWeb4,      &f.suiEditWebName,     &f.suiEditWebAddr};
    for (const vcl::TControl* candidate : systemText)
        if (candidate == &control) return true;
    return false;
}

// The face is the language's in every control; the character set is the
// system's where the text is.
void ApplyLanguageFont(vcl::TControl& control, std::uint8_t languageCharset,
                       std::uint8_t textCharset, int height) {
    vcl::TFont font = control.Font();
    font.Name = ui::FaceNameOfCharset(languageCharset);
    font.Charset = textCharset;
    font.Size = 10;
    font.Height = height;
    control.SetFont(font);
}

}  // namespace

void TForm1::ApplyLanguage(std::uint8_t charset) {
    const std::uint8_t systemCharset = ui::LanguageCharset(SystemLanguage);
    // The scale the window was laid out at, so the texts fit their boxes.
    const int height = ui::FontHeightOfPoints(10, Application().Scale().PixelsPerInch());
    vcl::ForEachControl(*this, [&](vcl::TControl& control) {
        if (HasFont(control))
            ApplyLanguageFont(control, charset,
                              IsSystemTextControl(*this, control) ? systemCharset : charset,
                              height);
    });
    ApplyCaptions();
    FillSkypeCombos();
}

void TForm1::ApplyCaptions() {
    const platform::UInt codePage = LanguageCodePage(-1);
    auto current = [&](vcl::TControl& control, int row) {
        control.SetCaption(LanguageText(row, -1), codePage);
    };
    current(*this, 0);
    current(suiTabSheetUrl, 1);
    current(suiTabSheetRing, 2);
    current(suiTabSheetAudio, 3);
    suiTabSheetWeb.SetCaption(BrowserTitle);
    current(LabelWebName, 5);
    current(LabelWebAddr, 6);
    current(suiButtonWebSave, 7);
    current(LabelRingStr, 8);
    current(suiButtonDefault, 9);
    current(suiGroupBoxVol, 10);
    current(LabelVolOut, 11);
    current(LabelVolIn, 12);
    current(LabelVolRing, 13);
    current(suiGroupBoxSkype, 14);
    current(LabelSkypeOut, 15);
    current(LabelSkypeIn, 16);
    current(LabelSysAudioOut, 17);

    // Windows draws the tray menu and tip with the system's fonts, which
    // show only the system's own language besides English.
    const int menuLanguage = CurrentLanguage == SystemLanguage ? CurrentLanguage : 0;
    ItemLanguage.Caption = LanguageText(19, menuLanguage);
    for (int i = 0; i < kLanguageCount; ++i)
        LanguageItems[static_cast<std::size_t>(i)]->Caption = LanguageText(21 + i, menuLanguage);
    ItemSetup.Caption = LanguageText(18, menuLanguage);
    ItemExit.Caption = LanguageText(20, menuLanguage);
    DefaultDeviceText = LanguageText(45, menuLanguage);
    TrayIconSts.SetHint(LanguageText(0, menuLanguage));
}

}  // namespace app
