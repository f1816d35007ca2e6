// Compile-time proof that the core's Windows numbers and plain types are the
// SDK's: the ports pass them to user32 and kernel32 unchanged.
//
// The core's constants share their names with the SDK's macros, so they are
// copied under other names before <windows.h> turns those names into macros.

// clang-format off
#include <cstddef>
#include <type_traits>

#include "platform/RegistryPort.h"
#include "platform/WinConst.h"
#include "platform/WinTypes.h"
#include "platform/MixerTypes.h"
#include "platform/ShellPort.h"
// Files, folders and media.
#include "platform/FilePort.h"
#include "platform/MediaPort.h"

#define PANEL_NUMERIC_CONSTANTS(X)                                                               \
    X(WM_NULL) X(WM_CREATE) X(WM_DESTROY) X(WM_ACTIVATE) X(WM_SETFOCUS) X(WM_KILLFOCUS)           \
    X(WM_CLOSE) X(WM_QUIT) X(WM_SETTINGCHANGE) X(WM_NEXTDLGCTL) X(WM_COPYDATA) X(WM_KEYDOWN)     \
    X(WM_KEYUP) X(WM_CHAR) X(WM_SYSCOMMAND) X(WM_TIMER) X(WM_MOUSEMOVE) X(WM_LBUTTONDOWN)        \
    X(WM_LBUTTONUP) X(WM_LBUTTONDBLCLK) X(WM_RBUTTONDOWN) X(WM_RBUTTONUP) X(WM_MBUTTONDOWN)      \
    X(WM_MBUTTONUP) X(WM_MOUSEWHEEL) X(WM_DEVICECHANGE) X(WM_DROPFILES) X(WM_USER)               \
    X(WA_INACTIVE) X(SC_MINIMIZE) X(SC_RESTORE)                                                  \
    X(SMTO_NORMAL) X(SMTO_BLOCK) X(SMTO_ABORTIFHUNG) X(PM_NOREMOVE) X(PM_REMOVE)                 \
    X(PM_QS_SENDMESSAGE)                                                                         \
    X(SW_HIDE) X(SW_SHOWNORMAL) X(SW_MINIMIZE) X(SW_SHOW) X(SW_RESTORE)                          \
    X(SWP_NOSIZE) X(SWP_NOMOVE) X(SWP_NOZORDER) X(SWP_NOACTIVATE)                                \
    X(WS_POPUP) X(WS_CAPTION) X(WS_SYSMENU) X(WS_EX_TOOLWINDOW) X(WS_EX_TOPMOST)                 \
    X(MB_OK) X(MB_ICONERROR) X(ERROR_SUCCESS) X(ERROR_ALREADY_EXISTS)                           \
    X(ERROR_INVALID_HANDLE) X(ERROR_BUSY) X(ERROR_INVALID_WINDOW_HANDLE) X(INFINITE)             \
    X(WAIT_OBJECT_0)                                                                             \
    X(WAIT_TIMEOUT) X(WAIT_FAILED) X(STILL_ACTIVE) X(CREATE_SUSPENDED) X(WS_CHILD)             \
    X(REG_SZ) X(REG_BINARY) X(REG_DWORD) X(KEY_QUERY_VALUE) X(KEY_SET_VALUE) X(KEY_ALL_ACCESS)  \
    X(REG_CREATED_NEW_KEY) X(REG_OPENED_EXISTING_KEY) X(ERROR_FILE_NOT_FOUND)                   \
    X(ERROR_ACCESS_DENIED) X(ERROR_SHARING_VIOLATION) X(ERROR_INVALID_PARAMETER)                \
    X(ERROR_MORE_DATA)

// The winmm mixer's numbers.
#define PANEL_MIXER_CONSTANTS(X)                                                                 \
    X(MMSYSERR_NOERROR) X(MMSYSERR_ERROR) X(MMSYSERR_BADDEVICEID) X(MMSYSERR_ALLOCATED)          \
    X(MMSYSERR_INVALHANDLE) X(MMSYSERR_NODRIVER) X(MMSYSERR_INVALFLAG) X(MMSYSERR_INVALPARAM)    \
    X(MIXERR_INVALLINE) X(MIXERR_INVALCONTROL) X(CALLBACK_WINDOW) X(MIXER_OBJECTF_MIXER)         \
    X(MIXER_OBJECTF_HMIXER) X(MIXER_GETLINEINFOF_DESTINATION) X(MIXER_GETLINEINFOF_SOURCE)       \
    X(MIXER_GETLINEINFOF_QUERYMASK) X(MIXER_GETLINECONTROLSF_ALL)                                \
    X(MIXER_GETCONTROLDETAILSF_VALUE) X(MIXER_SETCONTROLDETAILSF_VALUE)                          \
    X(MIXERCONTROL_CONTROLF_UNIFORM) X(MIXERCONTROL_CONTROLF_MULTIPLE)                           \
    X(MIXERCONTROL_CONTROLF_DISABLED) X(MIXERCONTROL_CONTROLTYPE_VOLUME)                         \
    X(MIXERCONTROL_CONTROLTYPE_MUTE) X(MIXERCONTROL_CONTROLTYPE_MIXER)                           \
    X(MIXERCONTROL_CONTROLTYPE_MUX) X(MIXERLINE_COMPONENTTYPE_DST_SPEAKERS)                      \
    X(MIXERLINE_COMPONENTTYPE_DST_WAVEIN) X(MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE)              \
    X(MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT) X(MM_MIXM_LINE_CHANGE) X(MM_MIXM_CONTROL_CHANGE)

// The languages' fonts.
#define PANEL_LANGUAGE_CONSTANTS(X)                                                              \
    X(LOGPIXELSY) X(ANSI_CHARSET) X(DEFAULT_CHARSET) X(SHIFTJIS_CHARSET) X(HANGUL_CHARSET)       \
    X(GB2312_CHARSET) X(CHINESEBIG5_CHARSET)
// The tray icon's and the tray menu's numbers.
#define PANEL_TRAY_CONSTANTS(X)                                                                  \
    X(NIM_ADD) X(NIM_MODIFY) X(NIM_DELETE) X(NIF_MESSAGE) X(NIF_ICON) X(NIF_TIP) X(IMAGE_ICON)    \
    X(LR_DEFAULTCOLOR) X(MF_STRING) X(MF_GRAYED) X(MF_CHECKED) X(MF_POPUP) X(MF_OWNERDRAW)       \
    X(MF_SEPARATOR) X(MFT_RADIOCHECK) X(TPM_LEFTALIGN) X(TPM_RIGHTBUTTON) X(TPM_RETURNCMD)       \
    X(WM_QUERYENDSESSION) X(WM_ENDSESSION) X(WM_RBUTTONDBLCLK) X(WM_MBUTTONDBLCLK)
// Files, folders and media.
#define PANEL_FILE_MEDIA_CONSTANTS(X)                                                            \
    X(GENERIC_READ) X(GENERIC_WRITE) X(FILE_SHARE_READ) X(FILE_SHARE_WRITE) X(FILE_SHARE_DELETE) \
    X(CREATE_ALWAYS) X(OPEN_EXISTING)                                                            \
    X(FILE_ATTRIBUTE_HIDDEN) X(FILE_ATTRIBUTE_SYSTEM) X(FILE_ATTRIBUTE_DIRECTORY)                \
    X(FILE_ATTRIBUTE_NORMAL) X(INVALID_FILE_ATTRIBUTES) X(MOVEFILE_REPLACE_EXISTING)             \
    X(MOVEFILE_WRITE_THROUGH) X(ERROR_PATH_NOT_FOUND) X(ERROR_NO_MORE_FILES) X(ERROR_DISK_FULL)  \
    X(ERROR_INSUFFICIENT_BUFFER) X(MCI_OPEN) X(MCI_CLOSE) X(MCI_PLAY) X(MCI_SEEK) X(MCI_STOP)     \
    X(MCI_STATUS) X(MCI_NOTIFY) X(MCI_WAIT) X(MCI_OPEN_ELEMENT) X(MCI_SEEK_TO_START)            \
    X(MCI_STATUS_ITEM) X(MCI_STATUS_LENGTH) X(MCI_STATUS_POSITION) X(MCIERR_BASE)                \
    X(MCIERR_INVALID_DEVICE_ID) X(MCIERR_UNRECOGNIZED_COMMAND) X(MCIERR_FILE_NOT_FOUND)          \
    X(MCIERR_INVALID_FILE) X(MCIERR_NULL_PARAMETER_BLOCK)
// Desktops, processes and other processes' windows.
#define PANEL_PROCESS_CONSTANTS(X)                                                               \
    X(GENERIC_ALL) X(CREATE_NEW_CONSOLE) X(HIGH_PRIORITY_CLASS) X(STARTF_USESHOWWINDOW)          \
    X(STARTF_USEPOSITION) X(VER_PLATFORM_WIN32_NT) X(CB_GETCURSEL) X(CB_SETCURSEL) X(MK_LBUTTON) \
    X(VK_UP) X(VK_DOWN) X(MAX_PATH)
// The keyboard-blocked indicator.
#define PANEL_INDICATOR_CONSTANTS(X) X(SW_SHOWNA)
#define PANEL_DROP_CONSTANTS(X) X(ERROR_FILE_EXISTS)

namespace core_value {
#define PANEL_COPY(name) constexpr auto name##_ = platform::name;
PANEL_NUMERIC_CONSTANTS(PANEL_COPY)
PANEL_MIXER_CONSTANTS(PANEL_COPY)
PANEL_LANGUAGE_CONSTANTS(PANEL_COPY)
PANEL_TRAY_CONSTANTS(PANEL_COPY)
PANEL_FILE_MEDIA_CONSTANTS(PANEL_COPY)
PANEL_PROCESS_CONSTANTS(PANEL_COPY)
PANEL_INDICATOR_CONSTANTS(PANEL_COPY)
PANEL_DROP_CONSTANTS(PANEL_COPY)
#undef PANEL_COPY
constexpr platform::Hwnd HWND_BROADCAST_ = platform::HWND_BROADCAST;
constexpr platform::Hwnd HWND_TOPMOST_ = platform::HWND_TOPMOST;
constexpr platform::Hwnd HWND_NOTOPMOST_ = platform::HWND_NOTOPMOST;
constexpr platform::HKey HKEY_CURRENT_USER_ = platform::HKEY_CURRENT_USER;
}  // namespace core_value

#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>
// clang-format on

namespace {

template <class Core, class Sdk>
constexpr bool SameValue(Core core, Sdk sdk) {
    using Common = std::common_type_t<Core, Sdk>;
    return static_cast<Common>(core) == static_cast<Common>(sdk) &&
           static_cast<long long>(core) == static_cast<long long>(sdk);
}

#define PANEL_CHECK(name) \
    static_assert(SameValue(core_value::name##_, name), #name " differs from the SDK");
PANEL_NUMERIC_CONSTANTS(PANEL_CHECK)
PANEL_MIXER_CONSTANTS(PANEL_CHECK)
PANEL_LANGUAGE_CONSTANTS(PANEL_CHECK)
PANEL_TRAY_CONSTANTS(PANEL_CHECK)
PANEL_FILE_MEDIA_CONSTANTS(PANEL_CHECK)
PANEL_PROCESS_CONSTANTS(PANEL_CHECK)
PANEL_INDICATOR_CONSTANTS(PANEL_CHECK)
PANEL_DROP_CONSTANTS(PANEL_CHECK)
#undef PANEL_CHECK

// The SDK spells the special windows as pointer casts, which no constant
// expression can read; these are the integers ((HWND)0xffff), ((HWND)-1)
// and ((HWND)-2) stand for, and Handles.h converts by value.
static_assert(core_value::HWND_BROADCAST_ == 0xFFFF, "HWND_BROADCAST");
static_assert(core_value::HWND_TOPMOST_ == static_cast<platform::Hwnd>(-1), "HWND_TOPMOST");
static_assert(core_value::HWND_NOTOPMOST_ == static_cast<platform::Hwnd>(-2), "HWND_NOTOPMOST");
// HKEY_CURRENT_USER is ((HKEY)(ULONG_PTR)((LONG)0x80000001)): sign-extended
// on 64-bit Windows.
static_assert(core_value::HKEY_CURRENT_USER_ == static_cast<platform::HKey>(static_cast<LONG_PTR>(
                                                    static_cast<LONG>(0x80000001u))),
              "HKEY_CURRENT_USER");

// Plain types: same size and signedness as the SDK's.
template <class Core, class Sdk>
constexpr bool SameInteger() {
    return sizeof(Core) == sizeof(Sdk) && std::is_signed_v<Core> == std::is_signed_v<Sdk>;
}
static_assert(SameInteger<platform::UInt, UINT>(), "UINT");
static_assert(SameInteger<platform::DWord, DWORD>(), "DWORD");
static_assert(SameInteger<platform::Word, WORD>(), "WORD");
static_assert(SameInteger<platform::Byte, BYTE>(), "BYTE");
static_assert(SameInteger<platform::WParam, WPARAM>(), "WPARAM");
static_assert(SameInteger<platform::LParam, LPARAM>(), "LPARAM");
static_assert(SameInteger<platform::LResult, LRESULT>(), "LRESULT");
static_assert(sizeof(platform::Hwnd) == sizeof(HWND), "HWND");
static_assert(sizeof(platform::Handle) == sizeof(HANDLE), "HANDLE");
static_assert(sizeof(platform::HKey) == sizeof(HKEY), "HKEY");
static_assert(SameInteger<platform::Long, LONG>(), "LONG");

// Structures the core lays out as Windows does.
static_assert(sizeof(platform::Point) == sizeof(POINT), "POINT");
static_assert(offsetof(platform::Point, x) == offsetof(POINT, x), "POINT.x");
static_assert(offsetof(platform::Point, y) == offsetof(POINT, y), "POINT.y");

static_assert(sizeof(platform::Rect) == sizeof(RECT), "RECT");
static_assert(offsetof(platform::Rect, left) == offsetof(RECT, left), "RECT.left");
static_assert(offsetof(platform::Rect, top) == offsetof(RECT, top), "RECT.top");
static_assert(offsetof(platform::Rect, right) == offsetof(RECT, right), "RECT.right");
static_assert(offsetof(platform::Rect, bottom) == offsetof(RECT, bottom), "RECT.bottom");

static_assert(sizeof(platform::Msg) == sizeof(MSG), "MSG");
static_assert(offsetof(platform::Msg, hwnd) == offsetof(MSG, hwnd), "MSG.hwnd");
static_assert(offsetof(platform::Msg, message) == offsetof(MSG, message), "MSG.message");
static_assert(offsetof(platform::Msg, wParam) == offsetof(MSG, wParam), "MSG.wParam");
static_assert(offsetof(platform::Msg, lParam) == offsetof(MSG, lParam), "MSG.lParam");
static_assert(offsetof(platform::Msg, time) == offsetof(MSG, time), "MSG.time");
static_assert(offsetof(platform::Msg, pt) == offsetof(MSG, pt), "MSG.pt");

// WM_COPYDATA's lParam points at the core's structure as it is.
static_assert(sizeof(platform::CopyDataStruct) == sizeof(COPYDATASTRUCT), "COPYDATASTRUCT");
static_assert(offsetof(platform::CopyDataStruct, dwData) == offsetof(COPYDATASTRUCT, dwData),
              "COPYDATASTRUCT.dwData");
static_assert(offsetof(platform::CopyDataStruct, cbData) == offsetof(COPYDATASTRUCT, cbData),
              "COPYDATASTRUCT.cbData");
static_assert(offsetof(platform::CopyDataStruct, lpData) == offsetof(COPYDATASTRUCT, lpData),
              "COPYDATASTRUCT.lpData");
static_assert(sizeof(platform::CopyDataStruct::dwData) == sizeof(ULONG_PTR), "dwData size");
static_assert(sizeof(platform::CopyDataStruct::cbData) == sizeof(DWORD), "cbData size");

// The mixer's structures pass through MixerPort as they are.
static_assert(platform::kMaxPnameLen == MAXPNAMELEN, "MAXPNAMELEN");
static_assert(platform::kMixerShortNameChars == MIXER_SHORT_NAME_CHARS, "MIXER_SHORT_NAME_CHARS");
static_assert(platform::kMixerLongNameChars == MIXER_LONG_NAME_CHARS, "MIXER_LONG_NAME_CHARS");
static_assert(SameInteger<platform::MmResult, MMRESULT>(), "MMRESULT");
static_assert(sizeof(platform::HMixer) == sizeof(HMIXER), "HMIXER");

// Some fields are pointers to records: the size of the pointer is the one
// compared, as meant.
// NOLINTBEGIN(bugprone-sizeof-expression)
#define PANEL_SAME_FIELD(Core, Sdk, field)                                   \
    static_assert(offsetof(platform::Core, field) == offsetof(Sdk, field) && \
                      sizeof(platform::Core::field) == sizeof(Sdk::field),   \
                  #Sdk "." #field)

static_assert(sizeof(platform::MixerCapsA) == sizeof(MIXERCAPSA), "MIXERCAPSA");
static_assert(sizeof(MIXERCAPSA) == 48, "MIXERCAPSA is 48 bytes");
PANEL_SAME_FIELD(MixerCapsA, MIXERCAPSA, wMid);
PANEL_SAME_FIELD(MixerCapsA, MIXERCAPSA, wPid);
PANEL_SAME_FIELD(MixerCapsA, MIXERCAPSA, vDriverVersion);
PANEL_SAME_FIELD(MixerCapsA, MIXERCAPSA, szPname);
PANEL_SAME_FIELD(MixerCapsA, MIXERCAPSA, fdwSupport);
PANEL_SAME_FIELD(MixerCapsA, MIXERCAPSA, cDestinations);

static_assert(sizeof(platform::MixerLineA) == sizeof(MIXERLINEA), "MIXERLINEA");
PANEL_SAME_FIELD(MixerLineA, MIXERLINEA, cbStruct);
PANEL_SAME_FIELD(MixerLineA, MIXERLINEA, dwDestination);
PANEL_SAME_FIELD(MixerLineA, MIXERLINEA, dwSource);
PANEL_SAME_FIELD(MixerLineA, MIXERLINEA, dwLineID);
PANEL_SAME_FIELD(MixerLineA, MIXERLINEA, fdwLine);
PANEL_SAME_FIELD(MixerLineA, MIXERLINEA, dwUser);
PANEL_SAME_FIELD(MixerLineA, MIXERLINEA, dwComponentType);
PANEL_SAME_FIELD(MixerLineA, MIXERLINEA, cChannels);
PANEL_SAME_FIELD(MixerLineA, MIXERLINEA, cConnections);
PANEL_SAME_FIELD(MixerLineA, MIXERLINEA, cControls);
PANEL_SAME_FIELD(MixerLineA, MIXERLINEA, szShortName);
PANEL_SAME_FIELD(MixerLineA, MIXERLINEA, szName);
PANEL_SAME_FIELD(MixerLineA, MIXERLINEA, Target);
static_assert(offsetof(platform::MixerLineTarget, szPname) ==
                  offsetof(MIXERLINEA, Target.szPname) - offsetof(MIXERLINEA, Target),
              "MIXERLINEA.Target.szPname");

static_assert(sizeof(platform::MixerControlA) == sizeof(MIXERCONTROLA), "MIXERCONTROLA");
static_assert(sizeof(MIXERCONTROLA) == 148, "MIXERCONTROLA is 148 bytes");
PANEL_SAME_FIELD(MixerControlA, MIXERCONTROLA, cbStruct);
PANEL_SAME_FIELD(MixerControlA, MIXERCONTROLA, dwControlID);
PANEL_SAME_FIELD(MixerControlA, MIXERCONTROLA, dwControlType);
PANEL_SAME_FIELD(MixerControlA, MIXERCONTROLA, fdwControl);
PANEL_SAME_FIELD(MixerControlA, MIXERCONTROLA, cMultipleItems);
PANEL_SAME_FIELD(MixerControlA, MIXERCONTROLA, szShortName);
PANEL_SAME_FIELD(MixerControlA, MIXERCONTROLA, szName);
PANEL_SAME_FIELD(MixerControlA, MIXERCONTROLA, Bounds);
PANEL_SAME_FIELD(MixerControlA, MIXERCONTROLA, Metrics);

static_assert(sizeof(platform::MixerLineControlsA) == sizeof(MIXERLINECONTROLSA),
              "MIXERLINECONTROLSA");
PANEL_SAME_FIELD(MixerLineControlsA, MIXERLINECONTROLSA, cbStruct);
PANEL_SAME_FIELD(MixerLineControlsA, MIXERLINECONTROLSA, dwLineID);
PANEL_SAME_FIELD(MixerLineControlsA, MIXERLINECONTROLSA, dwControlID);
PANEL_SAME_FIELD(MixerLineControlsA, MIXERLINECONTROLSA, cControls);
PANEL_SAME_FIELD(MixerLineControlsA, MIXERLINECONTROLSA, cbmxctrl);
PANEL_SAME_FIELD(MixerLineControlsA, MIXERLINECONTROLSA, pamxctrl);

static_assert(sizeof(platform::MixerControlDetails) == sizeof(MIXERCONTROLDETAILS),
              "MIXERCONTROLDETAILS");
PANEL_SAME_FIELD(MixerControlDetails, MIXERCONTROLDETAILS, cbStruct);
PANEL_SAME_FIELD(MixerControlDetails, MIXERCONTROLDETAILS, dwControlID);
PANEL_SAME_FIELD(MixerControlDetails, MIXERCONTROLDETAILS, cChannels);
// cMultipleItems shares a pointer-sized union with hwndOwner.
static_assert(offsetof(platform::MixerControlDetails, cMultipleItems) ==
                      offsetof(MIXERCONTROLDETAILS, cMultipleItems) &&
                  sizeof(platform::MixerControlDetails::cMultipleItems) == sizeof(HWND),
              "MIXERCONTROLDETAILS.cMultipleItems");
PANEL_SAME_FIELD(MixerControlDetails, MIXERCONTROLDETAILS, cbDetails);
PANEL_SAME_FIELD(MixerControlDetails, MIXERCONTROLDETAILS, paDetails);

// The tray icon's record goes to Shell_NotifyIconA as it is, in the shell-5
// layout that Windows 2000 and XP take.
static_assert(sizeof(platform::NotifyIconDataA) == NOTIFYICONDATAA_V2_SIZE, "NOTIFYICONDATAA_V2");
static_assert(sizeof(void*) != 4 || sizeof(platform::NotifyIconDataA) == 488,
              "488 bytes on 32-bit");
PANEL_SAME_FIELD(NotifyIconDataA, NOTIFYICONDATAA, cbSize);
PANEL_SAME_FIELD(NotifyIconDataA, NOTIFYICONDATAA, hWnd);
PANEL_SAME_FIELD(NotifyIconDataA, NOTIFYICONDATAA, uID);
PANEL_SAME_FIELD(NotifyIconDataA, NOTIFYICONDATAA, uFlags);
PANEL_SAME_FIELD(NotifyIconDataA, NOTIFYICONDATAA, uCallbackMessage);
PANEL_SAME_FIELD(NotifyIconDataA, NOTIFYICONDATAA, hIcon);
PANEL_SAME_FIELD(NotifyIconDataA, NOTIFYICONDATAA, szTip);
PANEL_SAME_FIELD(NotifyIconDataA, NOTIFYICONDATAA, dwState);
PANEL_SAME_FIELD(NotifyIconDataA, NOTIFYICONDATAA, dwStateMask);
PANEL_SAME_FIELD(NotifyIconDataA, NOTIFYICONDATAA, szInfo);
static_assert(offsetof(platform::NotifyIconDataA, uTimeoutOrVersion) ==
                  offsetof(NOTIFYICONDATAA, uTimeout),
              "NOTIFYICONDATAA.uTimeout");
PANEL_SAME_FIELD(NotifyIconDataA, NOTIFYICONDATAA, szInfoTitle);
PANEL_SAME_FIELD(NotifyIconDataA, NOTIFYICONDATAA, dwInfoFlags);
// Files, folders and media.
static_assert(sizeof(platform::Win32FindDataA) == sizeof(WIN32_FIND_DATAA), "WIN32_FIND_DATAA");
PANEL_SAME_FIELD(Win32FindDataA, WIN32_FIND_DATAA, dwFileAttributes);
PANEL_SAME_FIELD(Win32FindDataA, WIN32_FIND_DATAA, ftLastWriteTime);
PANEL_SAME_FIELD(Win32FindDataA, WIN32_FIND_DATAA, nFileSizeLow);
PANEL_SAME_FIELD(Win32FindDataA, WIN32_FIND_DATAA, cFileName);
PANEL_SAME_FIELD(Win32FindDataA, WIN32_FIND_DATAA, cAlternateFileName);
static_assert(sizeof(platform::MciGenericParms) == sizeof(MCI_GENERIC_PARMS), "MCI_GENERIC_PARMS");
static_assert(sizeof(platform::MciOpenParmsA) == sizeof(MCI_OPEN_PARMSA), "MCI_OPEN_PARMSA");
PANEL_SAME_FIELD(MciOpenParmsA, MCI_OPEN_PARMSA, wDeviceID);
PANEL_SAME_FIELD(MciOpenParmsA, MCI_OPEN_PARMSA, lpstrDeviceType);
PANEL_SAME_FIELD(MciOpenParmsA, MCI_OPEN_PARMSA, lpstrElementName);
PANEL_SAME_FIELD(MciOpenParmsA, MCI_OPEN_PARMSA, lpstrAlias);
static_assert(sizeof(platform::MciPlayParms) == sizeof(MCI_PLAY_PARMS), "MCI_PLAY_PARMS");
PANEL_SAME_FIELD(MciPlayParms, MCI_PLAY_PARMS, dwFrom);
PANEL_SAME_FIELD(MciPlayParms, MCI_PLAY_PARMS, dwTo);
static_assert(sizeof(platform::MciSeekParms) == sizeof(MCI_SEEK_PARMS), "MCI_SEEK_PARMS");
PANEL_SAME_FIELD(MciSeekParms, MCI_SEEK_PARMS, dwTo);
static_assert(sizeof(platform::MciStatusParms) == sizeof(MCI_STATUS_PARMS), "MCI_STATUS_PARMS");
PANEL_SAME_FIELD(MciStatusParms, MCI_STATUS_PARMS, dwReturn);
PANEL_SAME_FIELD(MciStatusParms, MCI_STATUS_PARMS, dwItem);
PANEL_SAME_FIELD(MciStatusParms, MCI_STATUS_PARMS, dwTrack);
static_assert(sizeof(platform::MciDeviceId) == sizeof(MCIDEVICEID), "MCIDEVICEID");
static_assert(sizeof(platform::MciError) == sizeof(MCIERROR), "MCIERROR");
#undef PANEL_SAME_FIELD
// NOLINTEND(bugprone-sizeof-expression)

}  // namespace
