// The main window: the program's shared state, its construction, its message
// dispatch and the handlers of every part of the panel. The handlers are
// defined beside the room they belong to (driverlink/, audio/, ui/,
// ringtones/, web/); this class holds them together as the one window.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/Unit1Design.h"
#include "platform/WinTypes.h"

namespace app {

class TForm1 : public TForm1Design {
public:
    // Builds the window and its state in the fixed order of construction;
    // args are the program's arguments, without the program name.
    TForm1(vcl::TApplication& application, std::vector<std::string> args);

    // --- Shared state -------------------------------------------------------
    // Driver link.
    platform::UInt MsgDevChange = 0, MsgDiscover = 0, MsgAttach = 0;
    platform::Hwnd DrvWnd = 0, DrvWndSaved = 0;
    std::uint32_t StatusW = 0, StatusL = 0;
    bool SearchMode = false;
    bool DiscoverReceived = false;  // a Discover has arrived since start-up
    // Handset keys.
    std::uint8_t KeyCode = 0, KeyCodePrev = 0;
    // Status handling.
    bool RingPlaying = false;
    std::int32_t RingDelay = 4;
    bool SkypeOutPending = false, SkypeInPending = false;
    bool ExitRequested = false;
    // Languages and captions.
    std::string DefaultDeviceText;
    int CurrentLanguage = 0, SystemLanguage = 0;
    // Volume controls.
    bool FUpdatingControls = false;
    // Ring tones.
    bool RingCommandPending = true;
    std::string RingToneFile, SelectedRingFile;
    bool SpeakerSaved = false;
    int SavedSpeakerPosition = 0;
    bool SavedSpeakerMute = false;
    // Tray.
    platform::Point PopupPoint;
    // Web shortcuts.
    std::string FirstWebName, FirstWebAddr, EmptyWebName, EmptyWebAddr, BrowserTitle, BrowserHome;
    int WebIndex = 0;
    std::array<vcl::TURLLabel*, 5> WebLinks{};
    std::array<vcl::TRadioButton*, 5> WebRadios{};
    std::array<vcl::TLabel*, 5> WebNumbers{};

    // --- Main window ----------------------------------------------------------
    void FormCreate(vcl::TObject* sender);
    void FormDestroy(vcl::TObject* sender);
    void FormActivate(vcl::TObject* sender);
    void ApplicationEvents1Message(platform::Msg& msg, bool& handled);
    void ItemExitClick(vcl::TObject* sender);
    void ShowMainWindow();
    bool BringToFront(platform::Hwnd window);
    void RestartTimerIfRunning(vcl::TTimer& timer);
    // Disable and enable: a full interval runs from now.
    static void RestartTimer(vcl::TTimer& timer);

    // --- Driver link ----------------------------------------------------------
    void SendToDriver(platform::Hwnd window, platform::UInt message, platform::WParam wParam,
                      platform::LParam lParam);
    void SendDrvCommand(const std::string& text);
    void SendGreeting();
    void DiscoverHandler(vcl::TMessage& message);
    void OnHandsetMessage(vcl::TMessage& message);
    // True when the text was a device reply and the message counts as handled.
    bool ReplyHandler(vcl::TMessage& message);
    void TimerDrvCheckTimer(vcl::TObject* sender);

    // --- Handset status -------------------------------------------------------
    void StatusRefresh();
    void UpdateVolumeGroup(bool on);
    void UpdateSkypeGroup(bool on);
    void UpdateTrayIcon();
    void SetTrayIcon(int index);
    void ShowIndicator(bool show);

    // --- Skype audio devices --------------------------------------------------
    void FillSkypeCombos();
    void ApplySkypeDeviceReply(const std::string& text, const std::string& prefix,
                               vcl::TComboBox& combo);

    // --- Handset keys ---------------------------------------------------------
    void KeyEntry(std::uint8_t code);
    void TimerKeyRepeatTimer(vcl::TObject* sender);

    // --- Volume and mixer -----------------------------------------------------
    void SetTrackBarState(vcl::TTrackBar& slider, int position, int enabled, int min, int max);
    void SetCheckBoxState(vcl::TCheckBox& box, int checked, int enabled);
    void RescanMixers();
    void TimerDevChgTimer(vcl::TObject* sender);
    void UpdateSysAudioButton();

    // --- Language ------------------------------------------------------------
    void DetectLanguage();
    void ApplyLanguage(std::uint8_t charset);
    std::uint8_t LanguageCharset(int language) const;

    // --- Tray ----------------------------------------------------------------
    void TrayIconStsRestore(vcl::TObject* sender);
    void TrayIconStsMinimize(vcl::TObject* sender);
    void FormClose(vcl::TObject* sender, vcl::TCloseAction& action);
    void TimerMinTimer(vcl::TObject* sender);

    // --- Ring tones -----------------------------------------------------------
    void LoadRingTone();
    std::string MakeMuteWave();
    void suiButtonDefaultClick(vcl::TObject* sender);
    void SelectRingFile(int index);
    void StopRingFile();

    // --- Web shortcuts and browser -------------------------------------------
    void LoadDefaultWeb();
    void BuildWebControlArrays();
    void LoadUrlList();
    void SelectWebEntry(int index);
    void NavigateBrowserHome();
    void FitBrowserToPage();

protected:
    bool Dispatch(vcl::TMessage& message) override;

private:
    void BindEvents();
    platform::Platform& Os() const { return Application().Platform(); }
    std::vector<std::string> args_;
};

}  // namespace app
