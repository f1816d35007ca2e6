#include "app/Unit1Design.h"

#include "platform/WinConst.h"
#include "web/WebFiles.h"

namespace app {

namespace {

vcl::TFont WithColor(vcl::TFont font, vcl::TColor color) {
    font.Color = color;
    return font;
}

}  // namespace

TForm1Design::TForm1Design(vcl::TApplication& application) : vcl::TForm("Form1", application) {}

void TForm1Design::Place(vcl::TControl& control, vcl::TWinControl& parent, int left, int top,
                         int width, int height, const std::string& caption) {
    control.SetParent(&parent);
    control.SetBoundsRect(Application().Scale().Bounds(left, top, width, height));
    control.SetCaption(caption);
}

void TForm1Design::BuildDesign() {
    using namespace platform;
    vcl::TFormStyle style;
    style.className = "TForm1";
    // Single fixed border with only the system menu button.
    style.style = WS_CAPTION | WS_SYSMENU;
    // Laid out at the screen's scale, as the fonts are.
    const vcl::TDisplayScale& scale = Application().Scale();
    style.clientWidth = scale.Scale(kMainClientWidth);
    style.clientHeight = scale.Scale(kMainClientHeight);
    style.centered = true;
    SetCaption("USB Phone Control Panel");
    // Timers take their design values before the window exists, so only the
    // ones enabled at design time start with it.
    DesignTimers();
    CreateHandle(style);

    Place(suiPageControl1, *this, 4, 8, 581, 285);
    suiPageControl1.AddPage(suiTabSheetUrl);
    suiPageControl1.AddPage(suiTabSheetRing);
    suiPageControl1.AddPage(suiTabSheetAudio);
    suiPageControl1.AddPage(suiTabSheetWeb);
    // Pages fill the control below the row of tabs.
    for (vcl::TTabSheet* page :
         {&suiTabSheetUrl, &suiTabSheetRing, &suiTabSheetAudio, &suiTabSheetWeb})
        page->SetBoundsRect(scale.Bounds(4, 24, 573, 257));
    suiTabSheetUrl.SetCaption("Website");
    suiTabSheetRing.SetCaption("Ring Tone");
    suiTabSheetAudio.SetCaption("Setup");
    suiTabSheetWeb.SetCaption("KWIRO");

    DesignUrlPage();
    DesignRingPage();
    DesignAudioPage();
    Place(CppWebBrowser1, suiTabSheetWeb, 0, 0, 575, 150);
    DesignNonVisual();
    suiPageControl1.SetActivePageIndex(0);
    // Loading done: the tray icon takes its first image.
    TrayIconSts.Loaded();
}

void TForm1Design::DesignUrlPage() {
    vcl::TLabel* numbers[] = {&LabelWeb0, &LabelWeb1, &LabelWeb2, &LabelWeb3, &LabelWeb4};
    vcl::TRadioButton* radios[] = {&suiRadioButtonWeb0, &suiRadioButtonWeb1, &suiRadioButtonWeb2,
                                   &suiRadioButtonWeb3, &suiRadioButtonWeb4};
    vcl::TURLLabel* links[] = {&suiURLLabelWeb0, &suiURLLabelWeb1, &suiURLLabelWeb2,
                               &suiURLLabelWeb3, &suiURLLabelWeb4};
    for (int i = 0; i < 5; ++i) {
        const int top = 14 + i * 24;
        const vcl::TColor color = i == 0 ? vcl::clRed : vcl::clBlue;
        Place(*numbers[i], suiTabSheetUrl, 16, top + 1, 16, 16, std::to_string(i + 1));
        numbers[i]->Centered = true;
        vcl::TFont bold = WithColor(numbers[i]->Font(), color);
        bold.Bold = true;
        numbers[i]->SetFont(bold);
        Place(*radios[i], suiTabSheetUrl, 40, top, 17, 17);
        Place(*links[i], suiTabSheetUrl, 64, top + 1, 480, 16, "N/A");
        vcl::TFont underlined = links[i]->Font();
        underlined.Underline = true;
        links[i]->SetFont(underlined);
        links[i]->SetLinkColor(color);
        links[i]->HoverColor = vcl::clPurple;
    }
    suiRadioButtonWeb0.SetChecked(true);

    Place(LabelWebName, suiTabSheetUrl, 16, 150, 72, 16, "Name");
    Place(suiEditWebName, suiTabSheetUrl, 96, 146, 448, 21);
    suiEditWebName.SetTag(1);
    // A longer text would not come back from "urlList.jov" as one line.
    suiEditWebName.SetMaxLength(web::kMaxWebName);
    Place(LabelWebAddr, suiTabSheetUrl, 16, 180, 72, 16, "Website");
    Place(suiEditWebAddr, suiTabSheetUrl, 96, 176, 448, 21);
    suiEditWebAddr.SetTag(1);
    suiEditWebAddr.SetMaxLength(web::kMaxTypedWebAddress);
    Place(suiButtonWebSave, suiTabSheetUrl, 469, 210, 75, 25, "Save");
    suiButtonWebSave.SetEnabled(false);
    suiButtonWebSave.SetTabStop(false);
}

void TForm1Design::DesignRingPage() {
    Place(LabelRingPath, suiTabSheetRing, 12, 10, 549, 16);
    LabelRingPath.SetFont(WithColor(LabelRingPath.Font(), vcl::clPurple));
    Place(LabelRingStr, suiTabSheetRing, 12, 32, 72, 16, "Ring Tone");
    Place(LabelRingTone, suiTabSheetRing, 90, 32, 471, 16);
    LabelRingTone.SetFont(WithColor(LabelRingTone.Font(), vcl::clBlue));
    Place(suiDriveComboBoxTest, suiTabSheetRing, 12, 56, 180, 21);
    Place(DirectoryListBoxTest, suiTabSheetRing, 12, 82, 180, 120);
    Place(FileListBoxTest, suiTabSheetRing, 200, 56, 270, 146);
    Place(MediaPlayerTest, suiTabSheetRing, 480, 56, 81, 30);
    MediaPlayerTest.VisibleButtons = vcl::ButtonBit(vcl::btPlay) | vcl::ButtonBit(vcl::btStop);
    MediaPlayerTest.ColoredButtons = true;
    MediaPlayerTest.AutoEnable = false;
    MediaPlayerTest.SetEnabledButtons(0);
    MediaPlayerTest.SetTabStop(false);
    Place(suiButtonDefault, suiTabSheetRing, 480, 96, 81, 25, "Default");
    suiButtonDefault.SetTabStop(false);
    Place(suiProgressBarCopy, suiTabSheetRing, 12, 212, 549, 18);
    suiProgressBarCopy.SetPosition(100);
    suiProgressBarCopy.ShowCaption = true;
}

void TForm1Design::DesignAudioPage() {
    Place(suiGroupBoxVol, suiTabSheetAudio, 8, 6, 272, 176, "USB Phone");
    Place(LabelVolOut, suiGroupBoxVol, 12, 22, 200, 16, "Speaker Volume:");
    Place(suiTrackBarVolOut, suiGroupBoxVol, 8, 40, 196, 32);
    Place(suiCheckBoxVolOut, suiGroupBoxVol, 208, 46, 56, 17, "Mute");
    Place(LabelVolIn, suiGroupBoxVol, 12, 84, 200, 16, "Mic. Volume:");
    Place(suiTrackBarVolIn, suiGroupBoxVol, 8, 102, 196, 32);
    Place(suiCheckBoxVolIn, suiGroupBoxVol, 208, 108, 56, 17, "Mute");
    for (vcl::TTrackBar* bar : {&suiTrackBarVolOut, &suiTrackBarVolIn}) {
        bar->SetMax(65535);
        bar->SetMin(0);
        bar->PageSize = 4096;
        bar->LineSize = 1;
        bar->Frequency = 4096;
        bar->SetShowTick(false);
    }
    // The ring volume row is part of the design but never shown.
    Place(LabelVolRing, suiGroupBoxVol, 12, 140, 200, 16, "Ring Volume:");
    Place(suiTrackBarVolRing, suiGroupBoxVol, 28, 140, 160, 32);
    Place(ImageVolRingLow, suiGroupBoxVol, 8, 148, 16, 16);
    Place(ImageVolRingHigh, suiGroupBoxVol, 192, 148, 16, 16);
    suiTrackBarVolRing.SetMax(15);
    suiTrackBarVolRing.SetMin(0);
    suiTrackBarVolRing.PageSize = 1;
    suiTrackBarVolRing.Frequency = 1;
    for (vcl::TControl* hidden : std::initializer_list<vcl::TControl*>{
             &LabelVolRing, &suiTrackBarVolRing, &ImageVolRingLow, &ImageVolRingHigh})
        hidden->SetVisible(false);

    Place(suiGroupBoxSkype, suiTabSheetAudio, 288, 6, 277, 176, "Skype Audio Device");
    Place(LabelSkypeOut, suiGroupBoxSkype, 12, 22, 250, 16, "Output Device:");
    Place(suiComboBoxSkypeOut, suiGroupBoxSkype, 12, 42, 253, 21);
    Place(LabelSkypeIn, suiGroupBoxSkype, 12, 84, 250, 16, "Input Device:");
    Place(suiComboBoxSkypeIn, suiGroupBoxSkype, 12, 104, 253, 21);

    // The label has a line of its own: in several languages it is as long
    // as the button is wide.
    Place(LabelSysAudioOut, suiTabSheetAudio, 12, 190, 553, 16, "Windows default sound device:");
    Place(suiButtonSysAudioOut, suiTabSheetAudio, 12, 209, 553, 25, "N/A");
    suiButtonSysAudioOut.SetEnabled(false);
}

void TForm1Design::DesignTimers() {
    TimerDrvCheck.SetInterval(3000);
    TimerDrvCheck.SetEnabled(true);
    TimerKeyRepeat.SetEnabled(false);
    TimerKeyRepeat.SetInterval(300);
    TimerMouseUp.SetEnabled(false);
    TimerMouseUp.SetInterval(500);
    TimerMin.SetEnabled(false);
    TimerMin.SetInterval(10000);
    TimerDevChg.SetEnabled(false);
    TimerDevChg.SetInterval(1000);
    TimerMediaPlayerNotify.SetEnabled(false);
    TimerMediaPlayerNotify.SetInterval(1000);
}

void TForm1Design::DesignNonVisual() {
    ImageListTrayIcon.Width = 32;
    ImageListTrayIcon.Height = 32;
    ImageListTrayIcon.Images = {"TRAY_GREY", "TRAY_GREEN", "TRAY_KEYS"};

    TrayIconSts.Icons = &ImageListTrayIcon;
    TrayIconSts.PopupMenu = &suiPopupMenuTrayIcon;
    TrayIconSts.RestoreOn = ui::imLeftDoubleClick;
    TrayIconSts.PopupMenuOn = ui::imNone;
    TrayIconSts.Animate = false;
    TrayIconSts.AnimateInterval = 1000;
    // Adds the icon at once.
    TrayIconSts.SetVisible(true);

    suiPopupMenuTrayIcon.AutoPopup = false;
    suiPopupMenuTrayIcon.OwnerDraw = true;
    vcl::TMenuItem& root = suiPopupMenuTrayIcon.Items();
    ItemSetup.Caption = "Setup";
    ItemLanguage.Caption = "Language";
    ItemBar1.Caption = "-";
    ItemExit.Caption = "Exit";
    root.Add(ItemSetup);
    root.Add(ItemLanguage);
    root.Add(ItemBar1);
    root.Add(ItemExit);
    LanguageItems = {&ItemLanguageEng, &ItemLanguageCht, &ItemLanguageChs, &ItemLanguageJpn,
                     &ItemLanguageKor, &ItemLanguageAra, &ItemLanguageCze, &ItemLanguageDan,
                     &ItemLanguageDut, &ItemLanguageFin, &ItemLanguageFra, &ItemLanguageGer,
                     &ItemLanguageGre, &ItemLanguageHeb, &ItemLanguageHun, &ItemLanguageIta,
                     &ItemLanguageNor, &ItemLanguagePol, &ItemLanguagePor, &ItemLanguageBra,
                     &ItemLanguageRus, &ItemLanguageSpa, &ItemLanguageSwe, &ItemLanguageTur};
    for (int i = 0; i < kLanguageCount; ++i) {
        vcl::TMenuItem& item = *LanguageItems[static_cast<size_t>(i)];
        item.RadioItem = true;
        item.Tag = i;
        ItemLanguage.Add(item);
    }
}

}  // namespace app
