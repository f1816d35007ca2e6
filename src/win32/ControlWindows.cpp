// The standard control behind each kind of the core's controls, with the
// styles that let the core decide every state (check boxes and radio
// buttons do not toggle themselves).
#include <string>

#include "Exports.h"
#include "NativeControl.h"
#include "Win32Api.h"
#include "widgets/ComCtrls.h"
#include "widgets/FileCtrl.h"
#include "widgets/MediaCtrls.h"
#include "widgets/StdCtrls.h"

namespace win32 {

namespace {

// A picture at the size its control has at the screen's scale: the one
// drawn at that size where the program has it (NAME_<W>X<H>), else the
// design's stretched to it. At the design's size this is the design's own.
HBITMAP LoadPictureAtSize(const std::string& name, int width, int height) {
    const HINSTANCE module = GetModuleHandleA(nullptr);
    const std::string drawn = name + "_" + std::to_string(width) + "X" + std::to_string(height);
    if (HANDLE bitmap = LoadImageA(module, drawn.c_str(), IMAGE_BITMAP, 0, 0, 0))
        return static_cast<HBITMAP>(bitmap);
    return static_cast<HBITMAP>(LoadImageA(module, name.c_str(), IMAGE_BITMAP, width, height, 0));
}

struct WindowKind {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

template <class T>
bool Is(const vcl::TControl& control) {
    return dynamic_cast<const T*>(&control) != nullptr;
}

WindowKind WindowKindOf(const NativeControl& native) {
    constexpr DWORD child = WS_CHILD | WS_CLIPSIBLINGS;
    const auto* label = dynamic_cast<const vcl::TLabel*>(native.control);
    const auto* track = dynamic_cast<const vcl::TTrackBar*>(native.control);
    switch (native.kind) {
        case NativeKind::PageControl:
            return {WC_TABCONTROLA, child | WS_TABSTOP, 0};
        case NativeKind::GroupBox:
            return {"BUTTON", child | BS_GROUPBOX, 0};
        case NativeKind::Label:
            // Single line, clipped at the label's edge like a label without
            // word wrap; no mnemonic prefixes in texts from data files.
            return {
                "STATIC",
                child | SS_NOPREFIX | (label && label->Centered ? SS_CENTER : SS_LEFTNOWORDWRAP),
                0};
        case NativeKind::UrlLabel:
            return {"STATIC", child | SS_NOPREFIX | SS_NOTIFY | SS_LEFTNOWORDWRAP, 0};
        case NativeKind::Button:
        case NativeKind::MediaPlayer:
            return {"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON, 0};
        case NativeKind::CheckBox:
            return {"BUTTON", child | WS_TABSTOP | BS_CHECKBOX, 0};
        case NativeKind::RadioButton:
            return {"BUTTON", child | BS_RADIOBUTTON, 0};
        case NativeKind::Edit:
            return {"EDIT", child | WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE};
        case NativeKind::TrackBar:
            // Horizontal with the ticks below: the defaults (TBS_HORZ, TBS_BOTTOM).
            return {TRACKBAR_CLASSA,
                    child | WS_TABSTOP | (track && track->ShowTick() ? TBS_AUTOTICKS : TBS_NOTICKS),
                    0};
        case NativeKind::ComboBox:
        case NativeKind::DriveComboBox:
            return {"COMBOBOX", child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
        case NativeKind::ListBox:
        case NativeKind::DirectoryListBox:
            return {"LISTBOX", child | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                    WS_EX_CLIENTEDGE};
        case NativeKind::ProgressBar:
            return {PROGRESS_CLASSA, child, 0};
        case NativeKind::WebBrowser:
            // The frame the browser is hosted in once first shown
            // (BrowserHost.h); white where none can be hosted.
            return {"STATIC", child | WS_CLIPCHILDREN | SS_WHITERECT, WS_EX_CLIENTEDGE};
        case NativeKind::Image:
            return {"STATIC", child | SS_BITMAP, 0};
        case NativeKind::None:
            break;
    }
    return {nullptr, 0, 0};
}

// Pages draw nothing of their own here (their controls lie on the form), so
// a themed tab control would show its body in a colour the controls on it do
// not share; the classic look keeps one background throughout. uxtheme.dll
// is looked up at run time: Windows 2000 has none, and then no themes.
void UseClassicLook(HWND hwnd) {
    using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    static const HMODULE uxtheme = LoadLibraryA("uxtheme.dll");
    if (!uxtheme) return;
    const auto setWindowTheme = Export<SetWindowThemeFn>(uxtheme, "SetWindowTheme");
    // A name no theme has (an empty one is ignored by some systems).
    if (setWindowTheme) setWindowTheme(hwnd, L" ", L" ");
}

HWND CreateChild(const WindowKind& kind, const char* text, HWND parent, int x, int y, int width,
                 int height, int id, bool unicode = false) {
    HMENU menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    if (unicode) {
        // The text follows from the view once the window stands (SyncAll).
        const std::string name = kind.className;
        const std::wstring wideName(name.begin(), name.end());
        return CreateWindowExW(kind.exStyle, wideName.c_str(), L"", kind.style, x, y, width, height,
                               parent, menu, GetModuleHandleA(nullptr), nullptr);
    }
    return CreateWindowExA(kind.exStyle, kind.className, text, kind.style, x, y, width, height,
                           parent, menu, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

NativeKind KindOf(const vcl::TControl& control) {
    // Most derived first.
    if (Is<vcl::TTabSheet>(control)) return NativeKind::None;
    if (Is<vcl::TPageControl>(control)) return NativeKind::PageControl;
    if (Is<vcl::TGroupBox>(control)) return NativeKind::GroupBox;
    if (Is<vcl::TURLLabel>(control)) return NativeKind::UrlLabel;
    if (Is<vcl::TLabel>(control)) return NativeKind::Label;
    if (Is<vcl::TButton>(control)) return NativeKind::Button;
    if (Is<vcl::TCheckBox>(control)) return NativeKind::CheckBox;
    if (Is<vcl::TRadioButton>(control)) return NativeKind::RadioButton;
    if (Is<vcl::TEdit>(control)) return NativeKind::Edit;
    if (Is<vcl::TTrackBar>(control)) return NativeKind::TrackBar;
    if (Is<vcl::TDriveComboBox>(control)) return NativeKind::DriveComboBox;
    if (Is<vcl::TComboBox>(control)) return NativeKind::ComboBox;
    if (Is<vcl::TDirectoryListBox>(control)) return NativeKind::DirectoryListBox;
    if (Is<vcl::TListBox>(control)) return NativeKind::ListBox;
    if (Is<vcl::TProgressBar>(control)) return NativeKind::ProgressBar;
    if (Is<vcl::TMediaPlayer>(control)) return NativeKind::MediaPlayer;
    if (Is<vcl::TWebBrowser>(control)) return NativeKind::WebBrowser;
    if (Is<vcl::TImage>(control)) return NativeKind::Image;
    // A kind this view does not know yet still takes its place on screen.
    return NativeKind::Label;
}

bool ShowsTableText(NativeKind kind) {
    switch (kind) {
        case NativeKind::PageControl:
        case NativeKind::GroupBox:
        case NativeKind::Label:
        case NativeKind::UrlLabel:
        case NativeKind::Button:
        case NativeKind::CheckBox:
        case NativeKind::RadioButton:
            return true;
        default:
            return false;
    }
}

bool CreateNativeWindow(NativeControl& native, HWND parent, const RECT& place, int id) {
    const WindowKind kind = WindowKindOf(native);
    native.unicode = ShowsTableText(native.kind);
    if (!kind.className) return true;
    const int x = place.left, y = place.top;
    const int width = place.right - place.left, height = place.bottom - place.top;
    const char* text = native.kind == NativeKind::Image ? "" : native.control->Caption().c_str();
    switch (native.kind) {
        case NativeKind::MediaPlayer: {
            const int half = width / 2;
            native.hwnd = CreateChild(kind, "Play", parent, x, y, half, height, id);
            native.stopButton =
                CreateChild(kind, "Stop", parent, x + half, y, width - half, height, id);
            return native.hwnd && native.stopButton;
        }
        case NativeKind::ComboBox:
        case NativeKind::DriveComboBox:
            native.hwnd = CreateChild(kind, "", parent, x, y, width, ComboWindowHeight(height), id);
            return native.hwnd != nullptr;
        case NativeKind::PageControl:
            native.hwnd = CreateChild(kind, "", parent, x, y, width, height, id, native.unicode);
            if (native.hwnd) UseClassicLook(native.hwnd);
            return native.hwnd != nullptr;
        case NativeKind::Image: {
            native.hwnd = CreateChild(kind, "", parent, x, y, width, height, id);
            const auto* image = dynamic_cast<const vcl::TImage*>(native.control);
            if (native.hwnd && image && !image->Picture.empty())
                native.picture.reset(LoadPictureAtSize(image->Picture, width, height));
            if (native.hwnd && native.picture) {
                SendMessageA(native.hwnd, STM_SETIMAGE, IMAGE_BITMAP,
                             reinterpret_cast<LPARAM>(native.picture.get()));
                // The static sizes itself to its bitmap; the design decides.
                SetWindowPos(native.hwnd, nullptr, x, y, width, height,
                             SWP_NOZORDER | SWP_NOACTIVATE);
            }
            return native.hwnd != nullptr;
        }
        default:
            native.hwnd = CreateChild(kind, text, parent, x, y, width, height, id, native.unicode);
            return native.hwnd != nullptr;
    }
}

}  // namespace win32
