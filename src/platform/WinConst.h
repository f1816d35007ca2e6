// Windows numbers the core uses, defined once. Values are those of the
// Windows SDK; the Win32 adapter checks them against <windows.h>.
#pragma once
// The SDK defines these names as macros: only the core's .cpp files include
// this file, never a header that an adapter file includes (src/win32/Win32Api.h
// checks the other order).
#if defined(_WINDOWS_) || defined(_INC_WINDOWS) || defined(WM_COPYDATA)
#error \
    "platform/WinConst.h in a file that has <windows.h>: the SDK defines its names as macros. Only core .cpp files may include it, never app/Program.h or what it includes, nor a port header (docs/ARCHITECTURE.md, Win32 adapter)."
#endif
#define PANEL_WINCONST_INCLUDED 1

#include "platform/WinTypes.h"

namespace platform {

// Window messages.
constexpr UInt WM_NULL = 0x0000;
constexpr UInt WM_CREATE = 0x0001;
constexpr UInt WM_DESTROY = 0x0002;
constexpr UInt WM_ACTIVATE = 0x0006;
constexpr UInt WM_SETFOCUS = 0x0007;
constexpr UInt WM_KILLFOCUS = 0x0008;
constexpr UInt WM_CLOSE = 0x0010;
constexpr UInt WM_QUIT = 0x0012;
constexpr UInt WM_SETTINGCHANGE = 0x001A;  // 26
constexpr UInt WM_NEXTDLGCTL = 0x0028;
constexpr UInt WM_COPYDATA = 0x004A;  // 74
constexpr UInt WM_KEYDOWN = 0x0100;   // 256
constexpr UInt WM_KEYUP = 0x0101;
constexpr UInt WM_CHAR = 0x0102;
constexpr UInt WM_SYSCOMMAND = 0x0112;
constexpr UInt WM_TIMER = 0x0113;
constexpr UInt WM_MOUSEMOVE = 0x0200;    // 512
constexpr UInt WM_LBUTTONDOWN = 0x0201;  // 513
constexpr UInt WM_LBUTTONUP = 0x0202;
constexpr UInt WM_LBUTTONDBLCLK = 0x0203;
constexpr UInt WM_RBUTTONDOWN = 0x0204;  // 516
constexpr UInt WM_RBUTTONUP = 0x0205;
constexpr UInt WM_MBUTTONDOWN = 0x0207;  // 519
constexpr UInt WM_MBUTTONUP = 0x0208;
constexpr UInt WM_MOUSEWHEEL = 0x020A;    // 522
constexpr UInt WM_DEVICECHANGE = 0x0219;  // 537
constexpr UInt WM_DROPFILES = 0x0233;     // 563
constexpr UInt WM_USER = 0x0400;

constexpr WParam WA_INACTIVE = 0;
constexpr WParam SC_MINIMIZE = 0xF020;
constexpr WParam SC_RESTORE = 0xF120;

// Special windows.
constexpr Hwnd HWND_BROADCAST = 0xFFFF;
constexpr Hwnd HWND_TOPMOST = static_cast<Hwnd>(-1);
constexpr Hwnd HWND_NOTOPMOST = static_cast<Hwnd>(-2);

// SendMessageTimeout flags.
constexpr UInt SMTO_NORMAL = 0x0000;
constexpr UInt SMTO_BLOCK = 0x0001;
constexpr UInt SMTO_ABORTIFHUNG = 0x0002;

// PeekMessage flags.
constexpr UInt PM_NOREMOVE = 0x0000;
constexpr UInt PM_REMOVE = 0x0001;
constexpr UInt PM_QS_SENDMESSAGE = 0x00400000u;  // QS_SENDMESSAGE << 16

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOW = 5;
constexpr int SW_RESTORE = 9;

// SetWindowPos flags.
constexpr UInt SWP_NOSIZE = 0x0001;
constexpr UInt SWP_NOMOVE = 0x0002;
constexpr UInt SWP_NOZORDER = 0x0004;
constexpr UInt SWP_NOACTIVATE = 0x0010;

// Window styles the core asks for.
constexpr DWord WS_POPUP = 0x80000000u;
constexpr DWord WS_CAPTION = 0x00C00000u;
constexpr DWord WS_SYSMENU = 0x00080000u;
constexpr DWord WS_EX_TOOLWINDOW = 0x00000080u;
constexpr DWord WS_EX_TOPMOST = 0x00000008u;

// MessageBox.
constexpr UInt MB_OK = 0x0000;
constexpr UInt MB_ICONERROR = 0x0010;

// Errors.
constexpr DWord ERROR_SUCCESS = 0;
constexpr DWord ERROR_ALREADY_EXISTS = 183;
constexpr DWord ERROR_INVALID_HANDLE = 6;
constexpr DWord ERROR_BUSY = 170;
constexpr DWord ERROR_INVALID_WINDOW_HANDLE = 1400;

// Waits and threads.
constexpr DWord INFINITE = 0xFFFFFFFFu;
constexpr DWord WAIT_OBJECT_0 = 0;
constexpr DWord WAIT_TIMEOUT = 258;
constexpr DWord WAIT_FAILED = 0xFFFFFFFFu;
constexpr DWord STILL_ACTIVE = 259;
constexpr DWord CREATE_SUSPENDED = 0x00000004u;

// Child windows.
constexpr DWord WS_CHILD = 0x40000000u;

// Registry.
// ((HKEY)(ULONG_PTR)((LONG)0x80000001)): sign-extended on 64-bit Windows.
constexpr Handle HKEY_CURRENT_USER = static_cast<Handle>(std::intptr_t{-0x7FFFFFFF});
constexpr DWord REG_SZ = 1;
constexpr DWord REG_BINARY = 3;
constexpr DWord REG_DWORD = 4;
constexpr DWord KEY_QUERY_VALUE = 0x0001;
constexpr DWord KEY_SET_VALUE = 0x0002;
constexpr DWord KEY_ALL_ACCESS = 0x000F003Fu;
constexpr DWord REG_CREATED_NEW_KEY = 1;
constexpr DWord REG_OPENED_EXISTING_KEY = 2;
constexpr DWord ERROR_FILE_NOT_FOUND = 2;
constexpr DWord ERROR_ACCESS_DENIED = 5;
constexpr DWord ERROR_SHARING_VIOLATION = 32;
constexpr DWord ERROR_INVALID_PARAMETER = 87;
constexpr DWord ERROR_MORE_DATA = 234;

}  // namespace platform

// The winmm mixer: results, open and query flags, control types and flags,
// and the notices posted to the callback window.
namespace platform {

constexpr UInt MMSYSERR_NOERROR = 0;
constexpr UInt MMSYSERR_ERROR = 1;
constexpr UInt MMSYSERR_BADDEVICEID = 2;
constexpr UInt MMSYSERR_ALLOCATED = 4;
constexpr UInt MMSYSERR_INVALHANDLE = 5;
constexpr UInt MMSYSERR_NODRIVER = 6;
constexpr UInt MMSYSERR_INVALFLAG = 10;
constexpr UInt MMSYSERR_INVALPARAM = 11;
constexpr UInt MIXERR_INVALLINE = 1024;
constexpr UInt MIXERR_INVALCONTROL = 1025;

constexpr DWord CALLBACK_WINDOW = 0x00010000u;
constexpr DWord MIXER_OBJECTF_MIXER = 0x00000000u;
constexpr DWord MIXER_OBJECTF_HMIXER = 0x80000000u;
constexpr DWord MIXER_GETLINEINFOF_DESTINATION = 0x00000000u;
constexpr DWord MIXER_GETLINEINFOF_SOURCE = 0x00000001u;
constexpr DWord MIXER_GETLINEINFOF_QUERYMASK = 0x0000000Fu;
constexpr DWord MIXER_GETLINECONTROLSF_ALL = 0x00000000u;
constexpr DWord MIXER_GETCONTROLDETAILSF_VALUE = 0x00000000u;
constexpr DWord MIXER_SETCONTROLDETAILSF_VALUE = 0x00000000u;

constexpr DWord MIXERCONTROL_CONTROLF_UNIFORM = 0x00000001u;
constexpr DWord MIXERCONTROL_CONTROLF_MULTIPLE = 0x00000002u;
constexpr DWord MIXERCONTROL_CONTROLF_DISABLED = 0x80000000u;
constexpr DWord MIXERCONTROL_CONTROLTYPE_VOLUME = 0x50030001u;
constexpr DWord MIXERCONTROL_CONTROLTYPE_MUTE = 0x20010002u;
constexpr DWord MIXERCONTROL_CONTROLTYPE_MIXER = 0x71010001u;
constexpr DWord MIXERCONTROL_CONTROLTYPE_MUX = 0x70010001u;

constexpr DWord MIXERLINE_COMPONENTTYPE_DST_SPEAKERS = 0x00000004u;
constexpr DWord MIXERLINE_COMPONENTTYPE_DST_WAVEIN = 0x00000007u;
constexpr DWord MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE = 0x00001003u;
constexpr DWord MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT = 0x00001008u;

constexpr UInt MM_MIXM_LINE_CHANGE = 0x03D0;
constexpr UInt MM_MIXM_CONTROL_CHANGE = 0x03D1;

// Fonts of the languages: GetDeviceCaps index and LOGFONT character sets.
constexpr int LOGPIXELSY = 90;
constexpr Byte ANSI_CHARSET = 0;
constexpr Byte DEFAULT_CHARSET = 1;
constexpr Byte SHIFTJIS_CHARSET = 128;
constexpr Byte HANGUL_CHARSET = 129;
constexpr Byte GB2312_CHARSET = 134;
constexpr Byte CHINESEBIG5_CHARSET = 136;

}  // namespace platform

// The tray icon and the tray menu: notification-area messages and flags,
// icon loading, menu items and tracking, and the session's end.
namespace platform {
constexpr DWord NIM_ADD = 0x00000000u;
constexpr DWord NIM_MODIFY = 0x00000001u;
constexpr DWord NIM_DELETE = 0x00000002u;
constexpr UInt NIF_MESSAGE = 0x00000001u;
constexpr UInt NIF_ICON = 0x00000002u;
constexpr UInt NIF_TIP = 0x00000004u;
constexpr UInt IMAGE_ICON = 1;
constexpr UInt LR_DEFAULTCOLOR = 0x00000000u;
constexpr UInt MF_STRING = 0x00000000u;
constexpr UInt MF_GRAYED = 0x00000001u;
constexpr UInt MF_CHECKED = 0x00000008u;
constexpr UInt MF_POPUP = 0x00000010u;
constexpr UInt MF_OWNERDRAW = 0x00000100u;
constexpr UInt MF_SEPARATOR = 0x00000800u;
constexpr UInt MFT_RADIOCHECK = 0x00000200u;
constexpr UInt TPM_LEFTALIGN = 0x0000u;
constexpr UInt TPM_RIGHTBUTTON = 0x0002u;
constexpr UInt TPM_RETURNCMD = 0x0100u;
constexpr UInt WM_QUERYENDSESSION = 0x0011;
constexpr UInt WM_ENDSESSION = 0x0016;
constexpr UInt WM_RBUTTONDBLCLK = 0x0206;
constexpr UInt WM_MBUTTONDBLCLK = 0x0209;
}  // namespace platform

// --- Files and folders, and the Media Control Interface -----------------------
namespace platform {

constexpr DWord GENERIC_READ = 0x80000000u;
constexpr DWord GENERIC_WRITE = 0x40000000u;
constexpr DWord FILE_SHARE_READ = 0x00000001u;
constexpr DWord FILE_SHARE_WRITE = 0x00000002u;
constexpr DWord FILE_SHARE_DELETE = 0x00000004u;
constexpr DWord CREATE_ALWAYS = 2;
constexpr DWord OPEN_EXISTING = 3;
constexpr DWord FILE_ATTRIBUTE_HIDDEN = 0x00000002u;
constexpr DWord FILE_ATTRIBUTE_SYSTEM = 0x00000004u;
constexpr DWord FILE_ATTRIBUTE_DIRECTORY = 0x00000010u;
constexpr DWord FILE_ATTRIBUTE_NORMAL = 0x00000080u;
constexpr DWord INVALID_FILE_ATTRIBUTES = 0xFFFFFFFFu;
constexpr DWord MOVEFILE_REPLACE_EXISTING = 0x00000001u;
constexpr DWord MOVEFILE_WRITE_THROUGH = 0x00000008u;
constexpr DWord ERROR_PATH_NOT_FOUND = 3;
constexpr DWord ERROR_NO_MORE_FILES = 18;
constexpr DWord ERROR_DISK_FULL = 112;
constexpr DWord ERROR_INSUFFICIENT_BUFFER = 122;

constexpr UInt MCI_OPEN = 0x0803;
constexpr UInt MCI_CLOSE = 0x0804;
constexpr UInt MCI_PLAY = 0x0806;
constexpr UInt MCI_SEEK = 0x0807;
constexpr UInt MCI_STOP = 0x0808;
constexpr UInt MCI_STATUS = 0x0814;
constexpr DWord MCI_NOTIFY = 0x00000001u;
constexpr DWord MCI_WAIT = 0x00000002u;
constexpr DWord MCI_OPEN_ELEMENT = 0x00000200u;
constexpr DWord MCI_SEEK_TO_START = 0x00000100u;
constexpr DWord MCI_STATUS_ITEM = 0x00000100u;
constexpr DWord MCI_STATUS_LENGTH = 0x00000001u;
constexpr DWord MCI_STATUS_POSITION = 0x00000002u;
constexpr DWord MCIERR_BASE = 256;
constexpr DWord MCIERR_INVALID_DEVICE_ID = MCIERR_BASE + 1;
constexpr DWord MCIERR_UNRECOGNIZED_COMMAND = MCIERR_BASE + 5;
constexpr DWord MCIERR_FILE_NOT_FOUND = MCIERR_BASE + 19;
constexpr DWord MCIERR_INVALID_FILE = MCIERR_BASE + 40;
constexpr DWord MCIERR_NULL_PARAMETER_BLOCK = MCIERR_BASE + 41;

// Desktops, processes and other processes' windows.
constexpr DWord GENERIC_ALL = 0x10000000u;
constexpr DWord CREATE_NEW_CONSOLE = 0x00000010u;
constexpr DWord HIGH_PRIORITY_CLASS = 0x00000080u;
constexpr DWord STARTF_USESHOWWINDOW = 0x00000001u;
constexpr DWord STARTF_USEPOSITION = 0x00000004u;
constexpr DWord VER_PLATFORM_WIN32_NT = 2;
constexpr UInt CB_GETCURSEL = 0x0147;
constexpr UInt CB_SETCURSEL = 0x014E;
constexpr WParam MK_LBUTTON = 0x0001;
constexpr WParam VK_UP = 0x26;
constexpr WParam VK_DOWN = 0x28;
constexpr UInt MAX_PATH = 260;
// The keyboard-blocked indicator.
constexpr int SW_SHOWNA = 8;
// Files dropped on the ring-tone list.
constexpr DWord ERROR_FILE_EXISTS = 80;

}  // namespace platform
