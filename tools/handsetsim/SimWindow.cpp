#include "SimWindow.h"

#include <cstdio>
#include <string>

#include "LinkProtocol.h"

namespace {

constexpr const wchar_t* kWindowClass = L"HandsetSimWindow";
constexpr int kMaxLogLines = 5000;

enum ControlId {
    kPresent = 100,
    kSkypeReady,
    kBlocked,
    kKeyMode,
    kCallIdle,
    kCallRinging,
    kCallInCall,
    kSendStatus,
    kHeartbeatOn,
    kHeartbeatMs,
    kDiscover,
    kFindPanel,
    kPanelLabel,
    kAudioOut,
    kAudioIn,
    kClearLog,
    kLog,
    kFirstKey = 200,  // one button per key code, in the order of link::kKeyCodes
};

const wchar_t* const kDeviceChoices[] = {L"", L"USB Audio Device", L"Speakers", L"Microphone",
                                         L"Headset Earphone"};

WNDPROC originalButtonProc = nullptr;

std::wstring widen(const std::string& utf8) {
    if (utf8.empty()) return std::wstring();
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &out[0], n);
    return out;
}

std::string narrow(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], n, nullptr,
                        nullptr);
    return out;
}

std::wstring windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(length + 1, L'\0');
    GetWindowTextW(window, &text[0], length + 1);
    text.resize(length);
    return text;
}

bool checked(HWND window, int id) {
    return IsDlgButtonChecked(window, id) == BST_CHECKED;
}

}  // namespace

SimWindow::SimWindow(DriverLink& link, EventLog& log) : link_(link), log_(log) {}

SimWindow::~SimWindow() {
    log_.setLineSink(nullptr, nullptr);
    link_.setChangeHandler(nullptr, nullptr);
    if (window_ != nullptr) DestroyWindow(window_);
}

bool SimWindow::create(HINSTANCE instance) {
    instance_ = instance;
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    if (RegisterClassW(&windowClass) == 0) return false;
    RECT frame = {0, 0, 640, 560};
    const DWORD style = WS_OVERLAPPEDWINDOW & ~(WS_MAXIMIZEBOX | WS_THICKFRAME);
    AdjustWindowRect(&frame, style, FALSE);
    window_ = CreateWindowExW(0, kWindowClass, L"Handset simulator", style, CW_USEDEFAULT,
                              CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                              nullptr, nullptr, instance, this);
    if (window_ == nullptr) return false;
    createControls();
    log_.setLineSink(onLogLine, this);
    link_.setChangeHandler(onLinkChange, this);
    ShowWindow(window_, SW_SHOWNORMAL);
    return true;
}

HWND SimWindow::control(const wchar_t* type, const wchar_t* text, DWORD style, int x, int y, int w,
                        int h, int id) {
    HWND child =
        CreateWindowExW(0, type, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return child;
}

void SimWindow::createControls() {
    font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const DWORD check = BS_AUTOCHECKBOX | WS_TABSTOP;
    control(L"BUTTON", L"Handset", BS_GROUPBOX, 8, 4, 200, 118, 0);
    control(L"BUTTON", L"Handset present", check, 18, 22, 180, 20, kPresent);
    control(L"BUTTON", L"Skype ready", check, 18, 44, 180, 20, kSkypeReady);
    control(L"BUTTON", L"Keyboard blocked", check, 18, 66, 180, 20, kBlocked);
    control(L"BUTTON", L"Key mode on", check, 18, 88, 180, 20, kKeyMode);
    control(L"BUTTON", L"Call", BS_GROUPBOX, 216, 4, 150, 118, 0);
    control(L"BUTTON", L"Idle", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 226, 22, 130, 20,
            kCallIdle);
    control(L"BUTTON", L"Ringing", BS_AUTORADIOBUTTON, 226, 44, 130, 20, kCallRinging);
    control(L"BUTTON", L"In call", BS_AUTORADIOBUTTON, 226, 66, 130, 20, kCallInCall);
    control(L"BUTTON", L"Link", BS_GROUPBOX, 374, 4, 258, 118, 0);
    control(L"BUTTON", L"Status every", check, 384, 22, 90, 20, kHeartbeatOn);
    control(L"EDIT", L"1000", WS_BORDER | ES_NUMBER | WS_TABSTOP, 478, 22, 50, 20, kHeartbeatMs);
    control(L"STATIC", L"ms", 0, 532, 24, 30, 18, 0);
    control(L"BUTTON", L"Send status", BS_PUSHBUTTON | WS_TABSTOP, 384, 48, 80, 24, kSendStatus);
    control(L"BUTTON", L"Discover", BS_PUSHBUTTON | WS_TABSTOP, 468, 48, 70, 24, kDiscover);
    control(L"BUTTON", L"Find panel", BS_PUSHBUTTON | WS_TABSTOP, 542, 48, 80, 24, kFindPanel);
    control(L"STATIC", L"Panel: none", 0, 384, 80, 240, 36, kPanelLabel);

    control(L"BUTTON", L"Keys (hold to repeat)", BS_GROUPBOX, 8, 128, 624, 56, 0);
    int x = 18;
    int index = 0;
    for (unsigned code : link::kKeyCodes) {
        wchar_t label[8];
        std::swprintf(label, 8, L"%u", code);
        HWND button = control(L"BUTTON", label, BS_PUSHBUTTON, x, 148, 54, 28, kFirstKey + index++);
        SetWindowLongPtrW(button, GWLP_USERDATA, static_cast<LONG_PTR>(code));
        originalButtonProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(keyButtonProc)));
        x += 60;
    }

    control(L"BUTTON", L"Skype devices", BS_GROUPBOX, 8, 190, 624, 56, 0);
    control(L"STATIC", L"Output:", 0, 18, 214, 46, 18, 0);
    control(L"STATIC", L"Input:", 0, 324, 214, 40, 18, 0);
    const DWORD combo = CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP;
    HWND out = control(L"COMBOBOX", L"", combo, 66, 210, 240, 160, kAudioOut);
    HWND in = control(L"COMBOBOX", L"", combo, 366, 210, 256, 160, kAudioIn);
    for (const wchar_t* name : kDeviceChoices) {
        SendMessageW(out, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        SendMessageW(in, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }

    control(L"STATIC", L"Messages and commands received:", 0, 8, 254, 300, 18, 0);
    control(L"BUTTON", L"Clear", BS_PUSHBUTTON | WS_TABSTOP, 572, 250, 60, 22, kClearLog);
    logList_ = control(L"LISTBOX", L"", WS_BORDER | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT,
                       8, 276, 624, 276, kLog);
    SendMessageW(logList_, LB_SETHORIZONTALEXTENT, 2000, 0);
}

void SimWindow::refresh() {
    refreshing_ = true;
    const HandsetState& s = link_.state;
    CheckDlgButton(window_, kPresent, s.present ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(window_, kSkypeReady, s.skypeReady ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(window_, kBlocked, s.keyboardBlocked ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(window_, kKeyMode, s.keyMode != 0 ? BST_CHECKED : BST_UNCHECKED);
    const int call = s.callState == link::kCallRinging  ? kCallRinging
                     : s.callState == link::kCallInCall ? kCallInCall
                                                        : kCallIdle;
    CheckRadioButton(window_, kCallIdle, kCallInCall, call);
    CheckDlgButton(window_, kHeartbeatOn, link_.heartbeat() != 0 ? BST_CHECKED : BST_UNCHECKED);
    if (link_.heartbeat() != 0) SetDlgItemInt(window_, kHeartbeatMs, link_.heartbeat(), FALSE);
    SetDlgItemTextW(window_, kAudioOut, widen(link_.skype.audioOut).c_str());
    SetDlgItemTextW(window_, kAudioIn, widen(link_.skype.audioIn).c_str());
    char panel[64];
    std::snprintf(panel, sizeof panel, "Panel: %s",
                  link_.panel()
                      ? hexValue(reinterpret_cast<unsigned long long>(link_.panel())).c_str()
                      : "none");
    SetDlgItemTextA(window_, kPanelLabel, panel);
    refreshing_ = false;
}

bool SimWindow::translate(MSG* msg) {
    return IsDialogMessageW(window_, msg) != 0;
}

void SimWindow::onLogLine(void* context, const char* line) {
    static_cast<SimWindow*>(context)->addLogLine(line);
}

void SimWindow::onLinkChange(void* context) {
    static_cast<SimWindow*>(context)->refresh();
}

void SimWindow::addLogLine(const char* line) {
    if (logList_ == nullptr) return;
    if (SendMessageA(logList_, LB_GETCOUNT, 0, 0) >= kMaxLogLines) {
        SendMessageA(logList_, LB_DELETESTRING, 0, 0);
    }
    const LRESULT index = SendMessageA(logList_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    SendMessageA(logList_, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

void SimWindow::readState() {
    HandsetState& s = link_.state;
    s.present = checked(window_, kPresent);
    s.skypeReady = checked(window_, kSkypeReady);
    s.keyboardBlocked = checked(window_, kBlocked);
    s.keyMode = checked(window_, kKeyMode) ? 1 : 0;
    s.callState = checked(window_, kCallRinging)  ? link::kCallRinging
                  : checked(window_, kCallInCall) ? link::kCallInCall
                                                  : link::kCallIdle;
}

void SimWindow::applyHeartbeat() {
    BOOL ok = FALSE;
    const UINT period = GetDlgItemInt(window_, kHeartbeatMs, &ok, FALSE);
    link_.setHeartbeat(checked(window_, kHeartbeatOn) && ok && period > 0 ? period : 0);
}

void SimWindow::readDevice(int id) {
    HWND combo = GetDlgItem(window_, id);
    std::wstring name;
    const LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (selected != CB_ERR) {
        const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, selected, 0);
        name.assign(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(&name[0]));
        name.resize(static_cast<std::size_t>(length));
    } else {
        name = windowText(combo);
    }
    (id == kAudioOut ? link_.skype.audioOut : link_.skype.audioIn) = narrow(name);
}

void SimWindow::onCommand(int id, int code) {
    if (refreshing_) return;
    switch (id) {
        case kPresent:
        case kSkypeReady:
        case kBlocked:
        case kKeyMode:
        case kCallIdle:
        case kCallRinging:
        case kCallInCall:
            // A driver reports a change of the handset at once, not at the next beat.
            readState();
            if (link_.panel() != nullptr) link_.sendStatus();
            break;
        case kHeartbeatOn:
            applyHeartbeat();
            break;
        case kHeartbeatMs:
            if (code == EN_CHANGE) applyHeartbeat();
            break;
        case kSendStatus:
            readState();
            if (link_.panel() != nullptr) link_.sendStatus();
            break;
        case kDiscover:
            if (link_.panel() != nullptr)
                link_.sendDiscover(reinterpret_cast<WPARAM>(link_.window()));
            break;
        case kFindPanel:
            link_.setPanel(DriverLink::findPanel());
            log_.line("find panel: %s",
                      hexValue(reinterpret_cast<unsigned long long>(link_.panel())).c_str());
            refresh();
            break;
        case kAudioOut:
        case kAudioIn:
            if (code == CBN_SELCHANGE || code == CBN_EDITCHANGE) readDevice(id);
            break;
        case kClearLog:
            SendMessageW(logList_, LB_RESETCONTENT, 0, 0);
            break;
        default:
            break;
    }
}

// The key buttons act as the handset's keys: pressing one neither activates
// this window nor takes the focus (the panel stays in front, so its keys act
// on it), and the key is held while the mouse button is.
LRESULT CALLBACK SimWindow::keyButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        auto* self =
            reinterpret_cast<SimWindow*>(GetWindowLongPtrW(GetParent(button), GWLP_USERDATA));
        const bool linked = self != nullptr && self->link_.panel() != nullptr;
        switch (message) {
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK:
                SetCapture(button);
                SendMessageW(button, BM_SETSTATE, TRUE, 0);
                if (linked) {
                    self->readState();
                    self->link_.sendKey(
                        static_cast<unsigned>(GetWindowLongPtrW(button, GWLP_USERDATA)));
                }
                return 0;
            case WM_LBUTTONUP:
                if (GetCapture() == button) ReleaseCapture();  // the release goes out below
                return 0;
            case WM_CAPTURECHANGED:
                if (SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED) {
                    SendMessageW(button, BM_SETSTATE, FALSE, 0);
                    if (linked) self->link_.sendKey(link::kKeyRelease);
                }
                return 0;
            default:
                break;
        }
    } catch (...) {
    }
    return CallWindowProcW(originalButtonProc, button, message, wParam, lParam);
}

bool SimWindow::cursorOnKey() const {
    POINT cursor = {};
    GetCursorPos(&cursor);
    for (std::size_t i = 0; i < sizeof link::kKeyCodes / sizeof link::kKeyCodes[0]; ++i) {
        RECT place = {};
        HWND key = GetDlgItem(window_, kFirstKey + static_cast<int>(i));
        if (key && GetWindowRect(key, &place) && PtInRect(&place, cursor)) return true;
    }
    return false;
}

LRESULT CALLBACK SimWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<SimWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || self->window_ == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    try {
        return self->handle(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT SimWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            onCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_MOUSEACTIVATE:
            if (cursorOnKey()) return MA_NOACTIVATE;
            return DefWindowProcW(window_, message, wParam, lParam);
        case WM_DESTROY:
            logList_ = nullptr;
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY: {
            HWND window = window_;
            window_ = nullptr;
            return DefWindowProcW(window, message, wParam, lParam);
        }
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}
