// The main window: the program's shared state, its construction, its message
// dispatch and the handlers of every part of the panel. Each part's fields
// stand with its handlers, under the file that defines them (driverlink/,
// audio/, ui/, ringtones/, web/); this class holds them together as the one
// window.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/Unit1Design.h"
#include "driverlink/HandsetStatus.h"
#include "driverlink/KeyRules.h"
#include "driverlink/RingCountdown.h"
#include "platform/WinTypes.h"
#include "web/WebFiles.h"

namespace app {

class TForm2;

class TForm1 : public TForm1Design {
public:
    // Builds the window and its state in the fixed order of construction;
    // args are the program's arguments, without the program name.
    TForm1(vcl::TApplication& application, std::vector<std::string> args);

    // --- Main window (app/Unit1.cpp) -----------------------------------------
    bool ExitRequested = false;
    // Raised for good when the window is being destroyed: driver messages
    // that arrive meanwhile are answered and otherwise ignored.
    bool Destroying = false;
    // The status handling is looking for the handset's mixer device now.
    bool SearchingHandsetMixer = false;

    void FormCreate(vcl::TObject* sender);
    void FormDestroy(vcl::TObject* sender);
    void FormActivate(vcl::TObject* sender);
    void ItemExitClick(vcl::TObject* sender);
    void ShowMainWindow();
    bool BringToFront(platform::Hwnd window);
    void RestartTimerIfRunning(vcl::TTimer& timer);

    // --- Message dispatch (app/Unit1Dispatch.cpp) ----------------------------
    void ApplicationEvents1Message(platform::Msg& msg, bool& handled);

protected:
    bool Dispatch(vcl::TMessage& message) override;

public:
    // --- Driver link (driverlink/DriverLink.cpp) -----------------------------
    platform::UInt MsgDevChange = 0, MsgDiscover = 0, MsgAttach = 0;
    platform::Hwnd DrvWnd = 0, DrvWndSaved = 0;
    std::uint32_t StatusW = 0, StatusL = 0;
    // The last status message's fields by name.
    driverlink::HandsetStatus Status() const { return driverlink::StatusOf(StatusW, StatusL); }
    bool SearchMode = false;
    bool DiscoverReceived = false;  // a Discover has arrived since start-up

    void SendToDriver(platform::Hwnd window, platform::UInt message, platform::WParam wParam,
                      platform::LParam lParam);
    void SendDrvCommand(const std::string& text);
    void SendGreeting();
    void DiscoverHandler(vcl::TMessage& message);
    void OnHandsetMessage(vcl::TMessage& message);
    // True when the text was a device reply and the message counts as handled.
    bool ReplyHandler(vcl::TMessage& message);
    void TimerDrvCheckTimer(vcl::TObject* sender);

    // --- Handset status (driverlink/StatusHandling.cpp) ----------------------
    // The panel's ring: RingPlaying and RingDelay.
    driverlink::RingCountdown Ring;
    bool SkypeOutPending = false, SkypeInPending = false;

    void StatusRefresh();
    void UpdateVolumeGroup(bool on);
    void UpdateSkypeGroup(bool on);
    void UpdateTrayIcon();
    void SetTrayIcon(int index);
    // Shows or hides the indicator window; the program sets Form2 once it
    // is created.
    void ShowIndicator(bool show);
    TForm2* Form2 = nullptr;
    // The panel's own ring while the handset rings (the last step of a
    // status refresh).
    void RingStep();

    // --- Skype audio devices (driverlink/SkypeDevices.cpp) -------------------
    // Rebuilds both lists at item 0 and asks Skype for its devices.
    void FillSkypeCombos();
    // Tells Skype to use the combo's selected device, then asks it back.
    void SetSkypeDevice(vcl::TComboBox& combo);
    void QuerySkypeAudioOut();
    void QuerySkypeAudioIn();
    // Selects the item a reply of the driver names (the reply in UTF-8).
    void ApplySkypeDeviceReply(const std::string& text, const std::string& prefix,
                               vcl::TComboBox& combo);
    void suiComboBoxSkypeOutChange(vcl::TObject* sender);
    void suiComboBoxSkypeInChange(vcl::TObject* sender);

    // --- Handset keys (driverlink/KeyActions.cpp) ----------------------------
    std::uint8_t KeyCode = 0, KeyCodePrev = 0;

    void KeyEntry(std::uint8_t code);
    void KeyRepeatStep();
    void TimerKeyRepeatTimer(vcl::TObject* sender);
    // A release is never acted on.
    void HandsetKeyAction(std::uint8_t code, driverlink::KeyKind kind);

    // --- Volume and mute (audio/VolumeControls.cpp) --------------------------
    bool FUpdatingControls = false;

    // Each property given is set where it differs; one left out (nullopt)
    // stays as it is.
    void SetTrackBarState(vcl::TTrackBar& slider, std::optional<int> position,
                          std::optional<bool> enabled, std::optional<int> min,
                          std::optional<int> max);
    void SetCheckBoxState(vcl::TCheckBox& box, std::optional<bool> checked,
                          std::optional<bool> enabled);
    // Opens the first device named with "USB" while the handset is present
    // and loads both volume rows; refreshLists refills Skype's device lists.
    bool OpenHandsetMixer(bool refreshLists);
    // Shows one line in a slider and a mute box; true when both are enabled.
    bool LoadLineControls(int destination, int source, vcl::TTrackBar& slider, vcl::TCheckBox& box,
                          int min, int max);
    bool SpeakerLinesDiffer();
    void suiTrackBarVolOutChange(vcl::TObject* sender);
    void suiTrackBarVolInChange(vcl::TObject* sender);
    void suiTrackBarVolRingChange(vcl::TObject* sender);
    void AudioMixerUsbCtrlChange(vcl::TObject* sender, platform::HMixer mixerHandle, int id);

    // --- Audio device changes (audio/DeviceChanges.cpp) ----------------------
    void RescanMixers();
    void TimerDevChgTimer(vcl::TObject* sender);

    // --- Windows default sound device (audio/DefaultDevice.cpp) --------------
    void UpdateSysAudioButton();
    void AudioMixerUsbSysDefaultSuccess(vcl::TObject* sender, int outDev, int inDev);
    void AudioMixerUsbSysDefaultFail(vcl::TObject* sender);
    void suiButtonSysAudioOutClick(vcl::TObject* sender);
    // Vista and later: the button names the default render endpoint.
    void ShowDefaultEndpoint();

    // --- Settings store (ui/Settings.cpp) -------------------------------------
    // Each reads or writes one value of the settings key; a wrongly typed
    // value or a refused write throws ui::RegistryError to the caller.
    void LoadRingVolume();
    void SaveRingVolume();
    int LoadLanguageID();
    void SaveLanguageID(int index);

    // --- Language choice (ui/LanguageChoice.cpp) -----------------------------
    int CurrentLanguage = 0, SystemLanguage = 0;

    // A wrongly typed stored choice is shown in the error report and then
    // taken as no choice, so that it cannot stop the program's start.
    void DetectLanguage();
    // The row in language (outside 0..23: CurrentLanguage) as 8-bit text.
    std::string LanguageText(int row, int language);
    // The code page of LanguageText's result for that language.
    platform::UInt LanguageCodePage(int language) const;
    void SelectLanguage(int index);

    // --- Window texts in a language (ui/LanguageCaptions.cpp) ----------------
    std::string DefaultDeviceText;

    void ApplyLanguage(std::uint8_t charset);
    void ApplyCaptions();

    // --- Tray (ui/TrayHandlers.cpp) ------------------------------------------
    platform::Point PopupPoint;

    void TrayIconStsMouseUp(vcl::TObject* sender, ui::TMouseButton button, ui::TShiftState shift,
                            int x, int y);
    void TimerMouseUpTimer(vcl::TObject* sender);
    void suiPopupMenuTrayIconPopup(vcl::TObject* sender);
    void ItemSetupClick(vcl::TObject* sender);
    void TrayIconStsRestore(vcl::TObject* sender);
    void TrayIconStsMinimize(vcl::TObject* sender);
    void FormClose(vcl::TObject* sender, vcl::TCloseAction& action);
    void TimerMinTimer(vcl::TObject* sender);

    // --- Ring-tone library (ringtones/RingTones.cpp) -------------------------
    bool RingCommandPending = true;
    std::string RingToneFile, SelectedRingFile;

    void LoadRingTone();
    void SaveRingTone();
    // Points Skype's ring tone at the silent file, once Skype is ready.
    void SendRingToneCommand();
    std::string MakeMuteWave();
    void suiButtonDefaultClick(vcl::TObject* sender);
    void SelectRingFile(int index);
    void FileListBoxTestChange(vcl::TObject* sender);
    // Makes the selected file the chosen tone (after its playback started).
    void AdoptSelectedRingFile();
    // The tone browser: a drive or folder the user chose.
    void suiDriveComboBoxTestChange(vcl::TObject* sender);
    void DirectoryListBoxTestChange(vcl::TObject* sender);
    void BindRingToneEvents();

    // --- Ring-tone playback (ringtones/Playback.cpp) -------------------------
    bool SpeakerSaved = false;
    int SavedSpeakerPosition = 0;
    bool SavedSpeakerMute = false;
    // The speaker was put back while its device was closed (between a device
    // notice and the reload): only the slider heard of it, and the saved
    // values go to the device when it opens again.
    bool SpeakerRestorePending = false;
    // A media error box is up: a further failure while it runs its loop
    // (ringing goes on meanwhile) shows none of its own.
    bool MediaErrorShowing = false;

    // False when the media layer could not open the file (its error was
    // shown): the caller skips the rest of its operation.
    bool PlayRingFile(const std::string& path);
    void StopRingFile();
    void ToggleRingPreview();
    void BoostSpeaker();
    void RestoreSpeaker();
    void MediaPlayerTestClick(vcl::TObject* sender, vcl::TMPBtnType button, bool& doDefault);
    void FileListBoxTestDblClick(vcl::TObject* sender);
    void TimerMediaPlayerNotifyTimer(vcl::TObject* sender);

    // --- Drag-and-drop import (ringtones/DropImport.cpp) ---------------------
    void BindDropEvents();
    void suiPageControl1Change(vcl::TObject* sender);
    void FileListBoxTestStartCopy(vcl::TObject* sender, int index);
    void FileListBoxTestCopying(vcl::TObject* sender, int outDev, int inDev);
    void FileListBoxTestEndCopy(vcl::TObject* sender);

    // --- Web shortcuts (web/WebShortcuts.cpp) --------------------------------
    std::string FirstWebName, FirstWebAddr, EmptyWebName, EmptyWebAddr, BrowserTitle, BrowserHome;
    int WebIndex = 0;
    // "urlList.jov" exists but could not be read at start-up: saving would
    // replace shortcuts the program never saw.
    bool UrlListUnread = false;
    std::array<vcl::TURLLabel*, 5> WebLinks{};
    std::array<vcl::TRadioButton*, 5> WebRadios{};
    std::array<vcl::TLabel*, 5> WebNumbers{};

    void LoadDefaultWeb();
    void SaveDefaultWeb();
    void BuildWebControlArrays();
    void LoadUrlList();
    // Shortcuts 2 to 5 from "urlList.jov", their placeholders where it has
    // no line or was not read.
    web::FileRead ReadUrlList();
    void EnableWebLinks();
    // True when "urlList.jov" now holds the shortcuts.
    bool SaveUrlList();
    // index 0 to 4; others are ignored.
    void SelectWebEntry(int index);
    void OpenWebEntry(int index);
    void suiRadioButtonWeb1Click(vcl::TObject* sender);

    // --- Shortcut editing (web/WebEditing.cpp) -------------------------------
    void BindWebEvents();
    void suiEditWebNameChange(vcl::TObject* sender);
    void suiEditWebNameEnter(vcl::TObject* sender);
    void suiEditWebNameKeyPress(vcl::TObject* sender, char& key);
    void suiButtonWebSaveClick(vcl::TObject* sender);

    // --- Browser tab (web/BrowserTab.cpp) ------------------------------------
    void NavigateBrowserHome();
    void FitBrowserToPage();

private:
    void BindEvents();
    void BindLanguageItems();
    platform::Platform& Os() const { return Application().Platform(); }
    std::vector<std::string> args_;
};

}  // namespace app
