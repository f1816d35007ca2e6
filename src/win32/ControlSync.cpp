#include "ControlSync.h"

#include <algorithm>
#include <string>
#include <vector>

#include "BrowserHost.h"
#include "TextCodePages.h"
#include "Win32Api.h"
#include "widgets/ComCtrls.h"
#include "widgets/Form.h"
#include "widgets/ListControls.h"
#include "widgets/MediaCtrls.h"
#include "widgets/StdCtrls.h"

namespace win32 {

using vcl::Property;

namespace {

void SetText(HWND hwnd, const std::string& text) {
    if (hwnd && WindowText(hwnd) != text) SetWindowTextA(hwnd, text.c_str());
}

void SetTextW(HWND hwnd, const std::wstring& text) {
    if (hwnd && WindowTextW(hwnd) != text) SetWindowTextW(hwnd, text.c_str());
}

// The code page of what the control shows: a tab control shows its pages'
// captions, of which the language's come first.
UINT TextCodePageOf(const vcl::TControl& control) {
    if (const auto* pages = dynamic_cast<const vcl::TPageControl*>(&control)) {
        for (int i = 0; i < pages->PageCount(); ++i)
            if (pages->Pages(i)->CaptionCodePage() != 0) return pages->Pages(i)->CaptionCodePage();
        return 0;
    }
    return control.CaptionCodePage();
}

// The core's character set, unless the text is in a code page whose script
// another set shows: Greek or Russian chosen on a Western system carry the
// core's charset 0, which draws neither.
BYTE DrawingCharset(const NativeControl& native) {
    const vcl::TFont& font = native.control->Font();
    const UINT codePage = native.unicode ? TextCodePageOf(*native.control) : 0;
    return codePage == 0 ? font.Charset : CharsetOfCodePage(codePage, font.Charset);
}

void ShowIf(HWND hwnd, bool show) {
    if (!hwnd || (IsWindowVisible(hwnd) != FALSE) == show) return;
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                     (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void EnableIf(HWND hwnd, bool enable) {
    if (hwnd && (IsWindowEnabled(hwnd) != FALSE) != enable) EnableWindow(hwnd, enable);
}

int ShownIndex(const NativeControl& native) {
    const auto* items = dynamic_cast<const vcl::TListItems*>(native.control);
    return items ? items->ItemIndex() : -1;
}

std::vector<std::string> ShownItems(const NativeControl& native) {
    const auto* items = dynamic_cast<const vcl::TListItems*>(native.control);
    return items ? items->Items() : std::vector<std::string>{};
}

bool IsCombo(const NativeControl& native) {
    return native.kind == NativeKind::ComboBox || native.kind == NativeKind::DriveComboBox;
}

void SyncSelection(NativeControl& native) {
    const int index = ShownIndex(native);
    const UINT get = IsCombo(native) ? CB_GETCURSEL : LB_GETCURSEL;
    const UINT set = IsCombo(native) ? CB_SETCURSEL : LB_SETCURSEL;
    if (static_cast<int>(SendMessageA(native.hwnd, get, 0, 0)) != index)
        SendMessageA(native.hwnd, set, static_cast<WPARAM>(index), 0);
}

void SyncItems(NativeControl& native) {
    const bool combo = IsCombo(native);
    SendMessageA(native.hwnd, WM_SETREDRAW, FALSE, 0);
    SendMessageA(native.hwnd, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
    for (const std::string& item : ShownItems(native))
        SendMessageA(native.hwnd, combo ? CB_ADDSTRING : LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageA(native.hwnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(native.hwnd, nullptr, TRUE);
    SyncSelection(native);
}

void SyncTicks(HWND hwnd, const vcl::TTrackBar& bar) {
    const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
    const LONG_PTR wanted = (style & ~static_cast<LONG_PTR>(TBS_AUTOTICKS | TBS_NOTICKS)) |
                            (bar.ShowTick() ? TBS_AUTOTICKS : TBS_NOTICKS);
    if (wanted != style) {
        SetWindowLongPtrA(hwnd, GWL_STYLE, wanted);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    SendMessageA(hwnd, TBM_SETTICFREQ, static_cast<WPARAM>(bar.Frequency > 0 ? bar.Frequency : 1),
                 0);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void SyncTrackBar(HWND hwnd, const vcl::TTrackBar& bar, Property what) {
    if (what == Property::Range) {
        SendMessageA(hwnd, TBM_SETRANGEMIN, FALSE, bar.Min());
        SendMessageA(hwnd, TBM_SETRANGEMAX, TRUE, bar.Max());
        SendMessageA(hwnd, TBM_SETPAGESIZE, 0, bar.PageSize);
        SendMessageA(hwnd, TBM_SETLINESIZE, 0, bar.LineSize);
        SyncTicks(hwnd, bar);
    }
    if (what == Property::Ticks) SyncTicks(hwnd, bar);
    if ((what == Property::Range || what == Property::Position) &&
        SendMessageA(hwnd, TBM_GETPOS, 0, 0) != bar.Position())
        SendMessageA(hwnd, TBM_SETPOS, TRUE, bar.Position());
}

void SyncProgress(HWND hwnd, const vcl::TProgressBar& bar) {
    SendMessageA(hwnd, PBM_SETRANGE32, static_cast<WPARAM>(bar.Min()), bar.Max());
    SendMessageA(hwnd, PBM_SETPOS, static_cast<WPARAM>(bar.Position()), 0);
}

void SyncMediaButtons(NativeControl& native) {
    const auto* player = dynamic_cast<const vcl::TMediaPlayer*>(native.control);
    if (!player) return;
    const bool usable = player->EffectivelyEnabled();
    EnableIf(native.hwnd, usable && player->ButtonEnabled(vcl::btPlay));
    EnableIf(native.stopButton, usable && player->ButtonEnabled(vcl::btStop));
}

void SyncCaption(NativeControl& native) {
    switch (native.kind) {
        case NativeKind::Label:
        case NativeKind::UrlLabel:
        case NativeKind::Button:
        case NativeKind::CheckBox:
        case NativeKind::RadioButton:
        case NativeKind::GroupBox:
            if (native.unicode)
                SetTextW(native.hwnd,
                         WideOf(native.control->Caption(), native.control->CaptionCodePage()));
            else
                SetText(native.hwnd, native.control->Caption());
            break;
        default:
            break;
    }
}

void SyncText(NativeControl& native) {
    if (const auto* edit = dynamic_cast<const vcl::TEdit*>(native.control))
        SetText(native.hwnd, edit->Text());
}

void SyncEditSelection(HWND hwnd, const vcl::TEdit& edit) {
    DWORD start = 0, end = 0;
    SendMessageA(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const DWORD wantStart = static_cast<DWORD>(edit.SelStart());
    const DWORD wantEnd = wantStart + static_cast<DWORD>(edit.SelLength());
    if (start != wantStart || end != wantEnd)
        SendMessageA(hwnd, EM_SETSEL, wantStart, static_cast<LPARAM>(wantEnd));
}

void SyncChecked(NativeControl& native) {
    bool checked = false;
    if (const auto* box = dynamic_cast<const vcl::TCheckBox*>(native.control))
        checked = box->Checked();
    else if (const auto* radio = dynamic_cast<const vcl::TRadioButton*>(native.control))
        checked = radio->Checked();
    else
        return;
    const WPARAM state = checked ? BST_CHECKED : BST_UNCHECKED;
    if (static_cast<WPARAM>(SendMessageA(native.hwnd, BM_GETCHECK, 0, 0)) != state)
        SendMessageA(native.hwnd, BM_SETCHECK, state, 0);
}

}  // namespace

std::string WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(hwnd, &text[0], length + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}

namespace {
RECT UnclippedPlace(const vcl::TControl& control) {
    int left = control.Left(), top = control.Top();
    for (const vcl::TControl* parent = control.Parent(); parent && parent->Parent();
         parent = parent->Parent()) {
        left += parent->Left();
        top += parent->Top();
    }
    return RECT{left, top, left + control.Width(), top + control.Height()};
}
}  // namespace

RECT FormPlace(const vcl::TControl& control) {
    RECT place = UnclippedPlace(control);
    // As in its parent's window, a control shows only inside its parents.
    for (const vcl::TControl* parent = control.Parent(); parent && parent->Parent();
         parent = parent->Parent()) {
        const RECT outer = UnclippedPlace(*parent);
        place.left = std::max(place.left, outer.left);
        place.top = std::max(place.top, outer.top);
        place.right = std::max(place.left, std::min(place.right, outer.right));
        place.bottom = std::max(place.top, std::min(place.bottom, outer.bottom));
    }
    return place;
}

void SyncPlace(NativeControl& native) {
    if (!native.hwnd) return;
    const RECT place = FormPlace(*native.control);
    const int width = place.right - place.left;
    int height = place.bottom - place.top;
    constexpr UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (native.kind == NativeKind::MediaPlayer) {
        const int half = width / 2;
        SetWindowPos(native.hwnd, nullptr, place.left, place.top, half, height, flags);
        SetWindowPos(native.stopButton, nullptr, place.left + half, place.top, width - half, height,
                     flags);
        return;
    }
    if (IsCombo(native)) height = ComboWindowHeight(height);
    SetWindowPos(native.hwnd, nullptr, place.left, place.top, width, height, flags);
    if (native.kind == NativeKind::WebBrowser) FitBrowserHost(native.hwnd);
}

void SyncFont(NativeControl& native, GdiCache& gdi) {
    HFONT font = gdi.Font(native.control->Font(), DrawingCharset(native));
    for (HWND hwnd : {native.hwnd, native.stopButton})
        if (hwnd && reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0)) != font)
            SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void SyncState(NativeControl& native) {
    const bool shown = native.control->Showing();
    if (shown && native.kind == NativeKind::WebBrowser && !native.browserTried) {
        // Hosting the browser takes the GUI thread a while: not during the
        // start-up, while the driver's first messages arrive.
        native.browserTried = true;
        if (const auto* browser = dynamic_cast<const vcl::TWebBrowser*>(native.control))
            CreateBrowserHost(native.hwnd, browser->LocationURL());
    }
    ShowIf(native.hwnd, shown);
    ShowIf(native.stopButton, shown);
    if (native.kind == NativeKind::MediaPlayer)
        SyncMediaButtons(native);
    else
        EnableIf(native.hwnd, native.control->EffectivelyEnabled());
}

void SyncProperty(NativeControl& native, Property what, GdiCache& gdi) {
    HWND hwnd = native.hwnd;
    if (!hwnd) return;
    vcl::TControl& control = *native.control;
    switch (what) {
        case Property::Caption:
            SyncCaption(native);
            // Another code page may need another character set.
            SyncFont(native, gdi);
            break;
        case Property::Font:
            SyncFont(native, gdi);
            break;
        case Property::Color:
        case Property::Link:
            InvalidateRect(hwnd, nullptr, TRUE);
            break;
        case Property::Checked:
            SyncChecked(native);
            break;
        case Property::Position:
        case Property::Range:
        case Property::Ticks:
            if (const auto* bar = dynamic_cast<const vcl::TTrackBar*>(&control))
                SyncTrackBar(hwnd, *bar, what);
            else if (const auto* progress = dynamic_cast<const vcl::TProgressBar*>(&control))
                SyncProgress(hwnd, *progress);
            break;
        case Property::Items:
            if (dynamic_cast<const vcl::TListItems*>(&control)) SyncItems(native);
            break;
        case Property::ItemIndex:
            if (dynamic_cast<const vcl::TListItems*>(&control)) SyncSelection(native);
            break;
        case Property::Text:
            SyncText(native);
            break;
        case Property::Selection:
            if (const auto* edit = dynamic_cast<const vcl::TEdit*>(&control))
                SyncEditSelection(hwnd, *edit);
            break;
        case Property::MaxLength:
            // EM_LIMITTEXT's 0 is its own largest limit: "no limit" too.
            if (const auto* edit = dynamic_cast<const vcl::TEdit*>(&control))
                SendMessageA(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(edit->MaxLength()), 0);
            break;
        case Property::ActivePage:
            if (const auto* pages = dynamic_cast<const vcl::TPageControl*>(&control)) {
                if (SendMessageA(hwnd, TCM_GETCURSEL, 0, 0) != pages->ActivePageIndex())
                    SendMessageA(hwnd, TCM_SETCURSEL, static_cast<WPARAM>(pages->ActivePageIndex()),
                                 0);
            }
            break;
        case Property::Buttons:
            SyncMediaButtons(native);
            break;
        case Property::Bounds:
            SyncPlace(native);
            break;
        case Property::Enabled:
        case Property::Visible:
            SyncState(native);
            break;
        case Property::Url:
            if (native.kind == NativeKind::WebBrowser)
                if (const auto* browser = dynamic_cast<const vcl::TWebBrowser*>(native.control))
                    NavigateBrowserHost(BrowserHostIn(hwnd), browser->LocationURL());
            break;
        case Property::Focus:
            break;
    }
}

void SyncAll(NativeControl& native, GdiCache& gdi) {
    for (Property what : {Property::Font, Property::Caption, Property::Range, Property::Position,
                          Property::Ticks, Property::Items, Property::Text, Property::MaxLength,
                          Property::Checked, Property::ActivePage})
        SyncProperty(native, what, gdi);
    SyncState(native);
}

}  // namespace win32
