#include "app/Unit1.h"

#include "app/CommandLine.h"
#include "app/SingleInstance.h"
#include "driverlink/HandsetMessage.h"
#include "platform/WinConst.h"
#include "ui/LanguageTable.h"

namespace app {

using namespace platform;

TForm1::TForm1(vcl::TApplication& application, std::vector<std::string> args)
    : TForm1Design(application), args_(std::move(args)) {
    // 1. The window and every control from the design; nothing is shown.
    BuildDesign();
    BindEvents();
    // 2. Every text field empty.
    DefaultDeviceText.clear();
    RingToneFile.clear();
    SelectedRingFile.clear();
    FirstWebName.clear();
    FirstWebAddr.clear();
    EmptyWebName.clear();
    EmptyWebAddr.clear();
    BrowserTitle.clear();
    BrowserHome.clear();
    // 3. The link's registered messages, in this order.
    MsgDevChange = Os().messages.RegisterWindowMessageA(driverlink::kDeviceChangeMessageName);
    MsgDiscover = Os().messages.RegisterWindowMessageA(driverlink::kDiscoverMessageName);
    MsgAttach = Os().messages.RegisterWindowMessageA(driverlink::kAttachMessageName);
    // 4. State.
    RingCommandPending = true;
    Ring = driverlink::RingCountdown{};  // RingDelay 4, RingPlaying false
    SpeakerSaved = false;
    DrvWnd = DrvWndSaved = 0;
    StatusL = StatusW = 0;
    FUpdatingControls = false;
    ExitRequested = false;
    SkypeOutPending = SkypeInPending = false;
    KeyCode = KeyCodePrev = 0;
    // 5.-8.
    LoadDefaultWeb();
    SetTrayIcon(0);
    RescanMixers();
    DetectLanguage();
    ApplyLanguage(ui::LanguageCharset(CurrentLanguage));
    // 9.
    Os().windows.GetCursorPos(PopupPoint);
    // 10. Sliders, set as the program's own changes.
    SetTrackBarState(suiTrackBarVolRing, 0, true, 0, 15);
    SetTrackBarState(suiTrackBarVolOut, 0, true, 0, 65535);
    SetTrackBarState(suiTrackBarVolIn, 0, true, 0, 65535);
    // 11.
    UpdateVolumeGroup(false);
    UpdateSkypeGroup(false);
    // 12.-17.
    BuildWebControlArrays();
    LoadUrlList();
    LoadRingTone();
    MakeMuteWave();
    SelectWebEntry(0);
    suiButtonDefaultClick(this);
    // 18.-22.
    suiPageControl1.SetActivePageIndex(0);
    NavigateBrowserHome();
    SendGreeting();
    UpdateSysAudioButton();
    FitBrowserToPage();
}

void TForm1::BindEvents() {
    OnCreate = [this](vcl::TObject* s) { FormCreate(s); };
    OnDestroy = [this](vcl::TObject* s) { FormDestroy(s); };
    OnActivate = [this](vcl::TObject* s) { FormActivate(s); };
    OnClose = [this](vcl::TObject* s, vcl::TCloseAction& a) { FormClose(s, a); };
    Application().OnMessage = [this](Msg& m, bool& handled) {
        ApplicationEvents1Message(m, handled);
    };
    TimerDrvCheck.OnTimer = [this](vcl::TObject* s) { TimerDrvCheckTimer(s); };
    TimerKeyRepeat.OnTimer = [this](vcl::TObject* s) { TimerKeyRepeatTimer(s); };
    TimerMin.OnTimer = [this](vcl::TObject* s) { TimerMinTimer(s); };
    TimerDevChg.OnTimer = [this](vcl::TObject* s) { TimerDevChgTimer(s); };
    TrayIconSts.OnRestore = [this](vcl::TObject* s) { TrayIconStsRestore(s); };
    TrayIconSts.OnMinimize = [this](vcl::TObject* s) { TrayIconStsMinimize(s); };
    ItemExit.OnClick = [this](vcl::TObject* s) { ItemExitClick(s); };
    ItemSetup.OnClick = [this](vcl::TObject* s) { ItemSetupClick(s); };
    TrayIconSts.OnMouseUp = [this](vcl::TObject* s, ui::TMouseButton b, ui::TShiftState shift,
                                   int x, int y) { TrayIconStsMouseUp(s, b, shift, x, y); };
    TimerMouseUp.OnTimer = [this](vcl::TObject* s) { TimerMouseUpTimer(s); };
    suiPopupMenuTrayIcon.OnPopup = [this](vcl::TObject* s) { suiPopupMenuTrayIconPopup(s); };
    suiButtonDefault.OnClick = [this](vcl::TObject* s) { suiButtonDefaultClick(s); };
    suiTrackBarVolOut.OnChange = [this](vcl::TObject* s) { suiTrackBarVolOutChange(s); };
    suiCheckBoxVolOut.OnClick = [this](vcl::TObject* s) { suiTrackBarVolOutChange(s); };
    suiTrackBarVolIn.OnChange = [this](vcl::TObject* s) { suiTrackBarVolInChange(s); };
    suiCheckBoxVolIn.OnClick = [this](vcl::TObject* s) { suiTrackBarVolInChange(s); };
    suiTrackBarVolRing.OnChange = [this](vcl::TObject* s) { suiTrackBarVolRingChange(s); };
    AudioMixerUsb.OnCtrlChange = [this](vcl::TObject* s, HMixer handle, int id) {
        AudioMixerUsbCtrlChange(s, handle, id);
    };
    suiComboBoxSkypeOut.OnChange = [this](vcl::TObject* s) { suiComboBoxSkypeOutChange(s); };
    // Windows default sound device.
    AudioMixerUsb.OnSysDefaultSuccess = [this](vcl::TObject* s, int outDev, int inDev) {
        AudioMixerUsbSysDefaultSuccess(s, outDev, inDev);
    };
    AudioMixerUsb.OnSysDefaultFail = [this](vcl::TObject* s) { AudioMixerUsbSysDefaultFail(s); };
    suiButtonSysAudioOut.OnClick = [this](vcl::TObject* s) { suiButtonSysAudioOutClick(s); };
    suiComboBoxSkypeIn.OnChange = [this](vcl::TObject* s) { suiComboBoxSkypeInChange(s); };
    BindLanguageItems();
    BindRingToneEvents();
    BindDropEvents();
    BindWebEvents();
}

void TForm1::FormCreate(vcl::TObject*) {
    Os().windows.SetPropA(Application().Handle(), kMainWindowProperty, Handle());
    SearchMode = false;
    switch (StartSwitchOf(args_)) {
        case StartSwitch::SearchMode:
            // A driver may answer the greeting before this point; its
            // Discover has ended the search already.
            SearchMode = !DiscoverReceived;
            break;
        case StartSwitch::DestroyMode:
            Application().Terminate();
            break;
        case StartSwitch::None:
            break;
    }
}

void TForm1::FormDestroy(vcl::TObject*) {
    // A status or key arriving inside the leaving send below must not start
    // a ring or a preview that nothing would stop, with the speaker up.
    Destroying = true;
    StopRingFile();
    FileListBoxTest.SetDragDropFile(false);
    if (DrvWnd != 0) SendToDriver(DrvWnd, MsgAttach, 0, 0);
    Os().windows.RemovePropA(Application().Handle(), kMainWindowProperty);
}

void TForm1::FormActivate(vcl::TObject*) {
    RestartTimerIfRunning(TimerMin);
}

void TForm1::ItemExitClick(vcl::TObject*) {
    ExitRequested = true;
    Close();
}

void TForm1::ShowMainWindow() {
    TimerMin.SetEnabled(true);
    TimerMin.Restart();
    TrayIconSts.Restore();
}

bool TForm1::BringToFront(Hwnd window) {
    WindowPort& windows = Os().windows;
    const Hwnd foreground = windows.GetForegroundWindow();
    if (foreground == window) return true;
    const DWord foregroundThread = windows.GetWindowThreadProcessId(foreground, nullptr);
    const DWord windowThread = windows.GetWindowThreadProcessId(window, nullptr);
    bool result;
    if (foregroundThread == windowThread) {
        result = windows.SetForegroundWindow(window);
    } else {
        // Windows lets a thread take the foreground only while its input is
        // attached to the thread that has it.
        windows.AttachThreadInput(foregroundThread, windowThread, true);
        result = windows.SetForegroundWindow(window);
        windows.AttachThreadInput(foregroundThread, windowThread, false);
    }
    windows.ShowWindow(window, windows.IsIconic(window) ? SW_RESTORE : SW_SHOW);
    return result;
}

void TForm1::RestartTimerIfRunning(vcl::TTimer& timer) {
    if (timer.Enabled()) timer.Restart();
}

}  // namespace app
