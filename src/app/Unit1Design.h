// The main window's form design: every control, menu item, component and
// timer with its design-time values. TForm1 adds the state and handlers.
#pragma once

#include <array>

#include "audio/Audiomixer.h"
#include "ringtones/Filelistboxdragdrop.h"
#include "ui/Trayicon.h"
#include "widgets/Application.h"
#include "widgets/ComCtrls.h"
#include "widgets/ExtCtrls.h"
#include "widgets/FileCtrl.h"
#include "widgets/Form.h"
#include "widgets/ListControls.h"
#include "widgets/MediaCtrls.h"
#include "widgets/Menus.h"
#include "widgets/StdCtrls.h"

namespace app {

constexpr int kMainClientWidth = 590;
constexpr int kMainClientHeight = 297;
constexpr int kLanguageCount = 24;

class TForm1Design : public vcl::TForm {
public:
    explicit TForm1Design(vcl::TApplication& application);

protected:
    // Creates the window and lays out every control with its design values;
    // nothing is shown.
    void BuildDesign();

public:
    vcl::TPageControl suiPageControl1{"suiPageControl1"};
    vcl::TTabSheet suiTabSheetUrl{"suiTabSheetUrl"};
    vcl::TTabSheet suiTabSheetRing{"suiTabSheetRing"};
    vcl::TTabSheet suiTabSheetAudio{"suiTabSheetAudio"};
    vcl::TTabSheet suiTabSheetWeb{"suiTabSheetWeb"};

    // Web shortcuts page.
    vcl::TLabel LabelWeb0{"LabelWeb0"}, LabelWeb1{"LabelWeb1"}, LabelWeb2{"LabelWeb2"},
        LabelWeb3{"LabelWeb3"}, LabelWeb4{"LabelWeb4"};
    vcl::TRadioButton suiRadioButtonWeb0{"suiRadioButtonWeb0"},
        suiRadioButtonWeb1{"suiRadioButtonWeb1"}, suiRadioButtonWeb2{"suiRadioButtonWeb2"},
        suiRadioButtonWeb3{"suiRadioButtonWeb3"}, suiRadioButtonWeb4{"suiRadioButtonWeb4"};
    vcl::TURLLabel suiURLLabelWeb0{"suiURLLabelWeb0"}, suiURLLabelWeb1{"suiURLLabelWeb1"},
        suiURLLabelWeb2{"suiURLLabelWeb2"}, suiURLLabelWeb3{"suiURLLabelWeb3"},
        suiURLLabelWeb4{"suiURLLabelWeb4"};
    vcl::TLabel LabelWebName{"LabelWebName"};
    vcl::TEdit suiEditWebName{"suiEditWebName"};
    vcl::TLabel LabelWebAddr{"LabelWebAddr"};
    vcl::TEdit suiEditWebAddr{"suiEditWebAddr"};
    vcl::TButton suiButtonWebSave{"suiButtonWebSave"};

    // Ring-tone page.
    vcl::TLabel LabelRingPath{"LabelRingPath"};
    vcl::TLabel LabelRingStr{"LabelRingStr"};
    vcl::TLabel LabelRingTone{"LabelRingTone"};
    vcl::TDriveComboBox suiDriveComboBoxTest{"suiDriveComboBoxTest"};
    vcl::TDirectoryListBox DirectoryListBoxTest{"DirectoryListBoxTest"};
    ringtones::TFileListBoxDragDrop FileListBoxTest{"FileListBoxTest"};
    vcl::TMediaPlayer MediaPlayerTest{"MediaPlayerTest"};
    vcl::TButton suiButtonDefault{"suiButtonDefault"};
    vcl::TProgressBar suiProgressBarCopy{"suiProgressBarCopy"};

    // Audio page.
    vcl::TGroupBox suiGroupBoxVol{"suiGroupBoxVol"};
    vcl::TLabel LabelVolOut{"LabelVolOut"};
    vcl::TTrackBar suiTrackBarVolOut{"suiTrackBarVolOut"};
    vcl::TCheckBox suiCheckBoxVolOut{"suiCheckBoxVolOut"};
    vcl::TLabel LabelVolIn{"LabelVolIn"};
    vcl::TTrackBar suiTrackBarVolIn{"suiTrackBarVolIn"};
    vcl::TCheckBox suiCheckBoxVolIn{"suiCheckBoxVolIn"};
    vcl::TLabel LabelVolRing{"LabelVolRing"};
    vcl::TTrackBar suiTrackBarVolRing{"suiTrackBarVolRing"};
    vcl::TImage ImageVolRingLow{"ImageVolRingLow"};
    vcl::TImage ImageVolRingHigh{"ImageVolRingHigh"};
    vcl::TGroupBox suiGroupBoxSkype{"suiGroupBoxSkype"};
    vcl::TLabel LabelSkypeOut{"LabelSkypeOut"};
    vcl::TComboBox suiComboBoxSkypeOut{"suiComboBoxSkypeOut"};
    vcl::TLabel LabelSkypeIn{"LabelSkypeIn"};
    vcl::TComboBox suiComboBoxSkypeIn{"suiComboBoxSkypeIn"};
    vcl::TLabel LabelSysAudioOut{"LabelSysAudioOut"};
    vcl::TButton suiButtonSysAudioOut{"suiButtonSysAudioOut"};

    // Browser page.
    vcl::TWebBrowser CppWebBrowser1{"CppWebBrowser1"};

    // Tray icon, its images and its menu.
    vcl::TImageList ImageListTrayIcon{"ImageListTrayIcon"};
    ui::TTrayIcon TrayIconSts{"TrayIconSts", *this};
    vcl::TPopupMenu suiPopupMenuTrayIcon{"suiPopupMenuTrayIcon"};
    vcl::TMenuItem ItemSetup{"ItemSetup"};
    vcl::TMenuItem ItemLanguage{"ItemLanguage"};
    vcl::TMenuItem ItemLanguageEng{"ItemLanguageEng"}, ItemLanguageCht{"ItemLanguageCht"},
        ItemLanguageChs{"ItemLanguageChs"}, ItemLanguageJpn{"ItemLanguageJpn"},
        ItemLanguageKor{"ItemLanguageKor"}, ItemLanguageAra{"ItemLanguageAra"},
        ItemLanguageCze{"ItemLanguageCze"}, ItemLanguageDan{"ItemLanguageDan"},
        ItemLanguageDut{"ItemLanguageDut"}, ItemLanguageFin{"ItemLanguageFin"},
        ItemLanguageFra{"ItemLanguageFra"}, ItemLanguageGer{"ItemLanguageGer"},
        ItemLanguageGre{"ItemLanguageGre"}, ItemLanguageHeb{"ItemLanguageHeb"},
        ItemLanguageHun{"ItemLanguageHun"}, ItemLanguageIta{"ItemLanguageIta"},
        ItemLanguageNor{"ItemLanguageNor"}, ItemLanguagePol{"ItemLanguagePol"},
        ItemLanguagePor{"ItemLanguagePor"}, ItemLanguageBra{"ItemLanguageBra"},
        ItemLanguageRus{"ItemLanguageRus"}, ItemLanguageSpa{"ItemLanguageSpa"},
        ItemLanguageSwe{"ItemLanguageSwe"}, ItemLanguageTur{"ItemLanguageTur"};
    vcl::TMenuItem ItemBar1{"ItemBar1"};
    vcl::TMenuItem ItemExit{"ItemExit"};
    // The language items in table order; item i has Tag i.
    std::array<vcl::TMenuItem*, kLanguageCount> LanguageItems{};

    audio::TAudioMixer AudioMixerUsb{"AudioMixerUsb", *this};

    vcl::TTimer TimerDrvCheck{"TimerDrvCheck", *this};
    vcl::TTimer TimerKeyRepeat{"TimerKeyRepeat", *this};
    vcl::TTimer TimerMouseUp{"TimerMouseUp", *this};
    vcl::TTimer TimerMin{"TimerMin", *this};
    vcl::TTimer TimerDevChg{"TimerDevChg", *this};
    vcl::TTimer TimerMediaPlayerNotify{"TimerMediaPlayerNotify", *this};

private:
    // Puts a control on its parent at its designed 96-dpi bounds, laid out
    // at the screen's scale.
    void Place(vcl::TControl& control, vcl::TWinControl& parent, int left, int top, int width,
               int height, const std::string& caption = "");
    void DesignUrlPage();
    void DesignRingPage();
    void DesignAudioPage();
    void DesignNonVisual();
    void DesignTimers();
};

}  // namespace app
