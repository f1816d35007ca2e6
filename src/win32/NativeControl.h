// The real window that stands for one of the core's controls.
#pragma once

#include "GdiScopes.h"
#include "Win32Api.h"
#include "widgets/Control.h"

namespace win32 {

class FormView;

enum class NativeKind {
    None,  // no window of its own: a tab sheet only places its children
    PageControl,
    GroupBox,
    Label,
    UrlLabel,
    Button,
    CheckBox,
    RadioButton,
    Edit,
    TrackBar,
    ComboBox,
    DriveComboBox,
    ListBox,
    DirectoryListBox,
    ProgressBar,
    MediaPlayer,
    WebBrowser,
    Image,
};

struct NativeControl {
    vcl::TControl* control = nullptr;
    NativeKind kind = NativeKind::None;
    FormView* view = nullptr;
    HWND hwnd = nullptr;
    // The media player is a pair of buttons: hwnd plays, stopButton stops.
    HWND stopButton = nullptr;
    // The windows' own procedures, behind the view's (see FormView).
    WNDPROC baseProc = nullptr;
    WNDPROC stopBaseProc = nullptr;
    GdiObject<HBITMAP> picture;  // an image's bitmap
    // A Unicode window: its texts go as UTF-16, decoded with the code page
    // of their bytes, so a language shows in its own script on any system.
    bool unicode = false;
    // The browser's frame has tried to host the browser (it does so once,
    // when first shown).
    bool browserTried = false;
};

// A combo box's window includes its open list: eight rows below the field.
inline int ComboWindowHeight(int fieldHeight) {
    return fieldHeight + 8 * 15 + 2;
}

// Which window a control gets, from its class.
NativeKind KindOf(const vcl::TControl& control);

// The kinds whose captions can come from the language table: their windows
// are Unicode ones.
bool ShowsTableText(NativeKind kind);

// Creates the window(s) of native as children of parent at the given
// place, without showing them; false when Windows refused.
bool CreateNativeWindow(NativeControl& native, HWND parent, const RECT& place, int id);

}  // namespace win32
