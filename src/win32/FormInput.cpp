// Windows to core: the user's input on the control windows, turned into the
// core's operations, and the messages the form's window gets on behalf of
// its controls (notifications, colours).
#include <exception>
#include <string>

#include "ControlSync.h"
#include "FormView.h"
#include "GdiCache.h"
#include "Win32Api.h"
#include "ringtones/Filelistboxdragdrop.h"
#include "widgets/Application.h"
#include "widgets/ComCtrls.h"
#include "widgets/ListControls.h"
#include "widgets/MediaCtrls.h"
#include "widgets/StdCtrls.h"

namespace win32 {

namespace {

bool ShiftHeld() {
    return GetKeyState(VK_SHIFT) < 0;
}

}  // namespace

bool FormView::FilterMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    try {
        return HandleFormMessage(msg, wParam, lParam, result);
    } catch (const std::exception& e) {
        Report(e.what());
    } catch (...) {
        Report("Unknown error");
    }
    *result = 0;
    return true;
}

bool FormView::ControlMessage(NativeControl& native, HWND hwnd, UINT msg, WPARAM wParam,
                              LPARAM lParam, WNDPROC base, LRESULT* result) {
    try {
        return HandleControlMessage(native, hwnd, msg, wParam, lParam, base, result);
    } catch (const std::exception& e) {
        Report(e.what());
    } catch (...) {
        Report("Unknown error");
    }
    *result = 0;
    return true;
}

void FormView::Report(const char* text) {
    feeding_ = nullptr;
    try {
        form_.Application().ShowException(text);
    } catch (...) {
        // Nothing more can be done from inside a window procedure.
    }
}

bool FormView::HandleFormMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (msg) {
        case WM_COMMAND:
            return lParam != 0 && OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        case WM_NOTIFY:
            // Only the form's own controls notify, from this thread; another
            // process's lParam is no address here.
            if (lParam == 0 || ::InSendMessage()) return false;
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result);
        case WM_HSCROLL:
            return lParam != 0 && OnScroll(reinterpret_cast<HWND>(lParam));
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                                  result);
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, gdi_.Brush(form_.Color()));
            *result = 1;
            return true;
        }
        case WM_SETFOCUS:
            return OnFormFocus();
        case WM_KEYDOWN:
            return wParam == VK_TAB && OnTabKey(!ShiftHeld());
        case WM_CHAR:
            return wParam == '\t';
        case WM_DESTROY:
            // The view may go before the form's controls do.
            ReleaseDropLists();
            windowAlive_ = false;
            return false;
        default:
            return false;
    }
}

bool FormView::HandleControlMessage(NativeControl& native, HWND hwnd, UINT msg, WPARAM wParam,
                                    LPARAM lParam, WNDPROC base, LRESULT* result) {
    auto* winControl = dynamic_cast<vcl::TWinControl*>(native.control);
    auto* dropList = msg == WM_DROPFILES
                         ? dynamic_cast<ringtones::TFileListBoxDragDrop*>(native.control)
                         : nullptr;
    if (dropList) {
        vcl::TMessage message{msg, wParam, lParam, 0};
        if (dropList->Dispatch(message)) {
            *result = message.Result;
            return true;
        }
    }
    switch (msg) {
        case WM_SETFOCUS:
            // The user (or Windows) moved the focus here: the core follows.
            if (applying_ == 0 && winControl && windowAlive_) form_.FocusControl(winControl);
            return false;
        case WM_KEYDOWN:
            if (wParam != VK_TAB) return false;
            // The panel is no dialog: Tab moves the focus through the core.
            return OnTabKey(!ShiftHeld());
        case WM_CHAR: {
            if (wParam == '\t') return true;
            if (native.kind != NativeKind::Edit || !winControl) return false;
            const char key = winControl->KeyPress(static_cast<char>(wParam));
            // Enter has no meaning in a one-line edit but a beep.
            if (key == 0 || key == '\r' || key == '\n') return true;
            *result = CallWindowProcA(base, hwnd, msg, static_cast<unsigned char>(key), lParam);
            return true;
        }
        case WM_MOUSEMOVE:
            if (native.kind == NativeKind::UrlLabel) {
                HoverLink(hwnd);
                return false;
            }
            [[fallthrough]];
        case WM_KEYUP:
        case WM_LBUTTONUP:
            // The caret and the selection move without notifications.
            if (native.kind != NativeKind::Edit) return false;
            *result = CallWindowProcA(base, hwnd, msg, wParam, lParam);
            TakeEditSelection(native);
            return true;
        case WM_MOUSELEAVE:
            if (hwnd == hoverLink_) HoverLink(nullptr);
            return false;
        case WM_SETCURSOR:
            if (native.kind != NativeKind::UrlLabel) return false;
            SetCursor(LoadCursorA(nullptr, IDC_HAND));
            *result = TRUE;
            return true;
        default:
            return false;
    }
}

bool FormView::OnCommand(HWND child, WORD code) {
    NativeControl* native = NativeOf(child);
    if (!native || native->view != this) return false;
    if (applying_ > 0 || !windowAlive_) return true;
    vcl::TControl* control = native->control;
    switch (native->kind) {
        case NativeKind::Button:
            if (code == BN_CLICKED) static_cast<vcl::TButton*>(control)->Click();
            return true;
        case NativeKind::CheckBox:
            if (code == BN_CLICKED) static_cast<vcl::TCheckBox*>(control)->Click();
            return true;
        case NativeKind::RadioButton:
            if (code == BN_CLICKED) static_cast<vcl::TRadioButton*>(control)->Click();
            return true;
        case NativeKind::MediaPlayer:
            if (code == BN_CLICKED)
                static_cast<vcl::TMediaPlayer*>(control)->ClickButton(
                    child == native->stopButton ? vcl::btStop : vcl::btPlay);
            return true;
        case NativeKind::UrlLabel:
            if (code == STN_CLICKED) static_cast<vcl::TURLLabel*>(control)->Click();
            return true;
        case NativeKind::Edit:
            if (code == EN_CHANGE) TakeEditText(*native);
            return true;
        case NativeKind::ComboBox:
        case NativeKind::DriveComboBox:
            if (code == CBN_SELCHANGE) {
                const int index = static_cast<int>(SendMessageA(child, CB_GETCURSEL, 0, 0));
                static_cast<vcl::TComboBox*>(control)->UserSelect(index);
                // The core may refuse the choice: show what it holds.
                Changed(*control, vcl::Property::ItemIndex);
            }
            return true;
        case NativeKind::ListBox:
        case NativeKind::DirectoryListBox: {
            auto* list = static_cast<vcl::TListBox*>(control);
            if (code == LBN_SELCHANGE) {
                list->UserSelect(static_cast<int>(SendMessageA(child, LB_GETCURSEL, 0, 0)));
                Changed(*control, vcl::Property::ItemIndex);
            } else if (code == LBN_DBLCLK) {
                list->DblClick();
            }
            return true;
        }
        default:
            return false;
    }
}

void FormView::TakeEditText(NativeControl& native) {
    auto* edit = static_cast<vcl::TEdit*>(native.control);
    feeding_ = edit;
    edit->TakeUserText(WindowText(native.hwnd));  // Report() clears feeding_ on an error
    feeding_ = nullptr;
    // A change handler may have replaced the text.
    Changed(*edit, vcl::Property::Text);
    TakeEditSelection(native);
}

void FormView::TakeEditSelection(NativeControl& native) {
    if (!native.hwnd || applying_ > 0) return;
    auto* edit = static_cast<vcl::TEdit*>(native.control);
    DWORD start = 0, end = 0;
    SendMessageA(native.hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const int length = static_cast<int>(end) - static_cast<int>(start);
    if (edit->SelStart() != static_cast<int>(start) || edit->SelLength() != length)
        edit->SetSelection(static_cast<int>(start), length);
}

bool FormView::OnNotify(const NMHDR& header, LRESULT* result) {
    NativeControl* native = NativeOf(header.hwndFrom);
    if (!native || native->view != this || native->kind != NativeKind::PageControl) return false;
    if (header.code == TCN_SELCHANGING) {
        *result = FALSE;  // the core decides once the tab has changed
        return true;
    }
    if (header.code != static_cast<UINT>(TCN_SELCHANGE)) return false;
    if (applying_ == 0 && windowAlive_) {
        auto* pages = static_cast<vcl::TPageControl*>(native->control);
        pages->UserSelectPage(static_cast<int>(SendMessageA(header.hwndFrom, TCM_GETCURSEL, 0, 0)));
        Changed(*pages, vcl::Property::ActivePage);
    }
    *result = 0;
    return true;
}

bool FormView::OnScroll(HWND child) {
    NativeControl* native = NativeOf(child);
    if (!native || native->view != this || native->kind != NativeKind::TrackBar) return false;
    if (applying_ == 0 && windowAlive_) {
        auto* bar = static_cast<vcl::TTrackBar*>(native->control);
        bar->SetPosition(static_cast<int>(SendMessageA(child, TBM_GETPOS, 0, 0)));
        Changed(*bar, vcl::Property::Position);
    }
    return true;
}

bool FormView::OnControlColor(HDC dc, HWND child, LRESULT* result) {
    NativeControl* native = NativeOf(child);
    if (!native || native->view != this) return false;
    vcl::TColor text = native->control->Font().Color;
    vcl::TColor back = native->control->Color();
    switch (native->kind) {
        case NativeKind::UrlLabel: {
            const auto* link = static_cast<const vcl::TURLLabel*>(native->control);
            text = child == hoverLink_ ? link->HoverColor : link->LinkColor();
            break;
        }
        case NativeKind::Image:
            back = form_.Color();  // pictures show the form around them
            break;
        case NativeKind::Label:
        case NativeKind::CheckBox:
        case NativeKind::RadioButton:
        case NativeKind::GroupBox:
            break;
        default:
            return false;
    }
    SetTextColor(dc, ResolveColor(text));
    SetBkColor(dc, ResolveColor(back));
    *result = reinterpret_cast<LRESULT>(gdi_.Brush(back));
    return true;
}

// The form's window took the focus (it was activated): hand it to the
// core's active control, or to the first control in tab order.
bool FormView::OnFormFocus() {
    if (!windowAlive_) return false;
    if (!form_.ActiveControl()) form_.SelectNext(true);
    Applying applying(*this);
    SyncFocus();
    return false;
}

void FormView::HoverLink(HWND link) {
    if (link == hoverLink_) return;
    const HWND previous = hoverLink_;
    hoverLink_ = link;
    if (previous) InvalidateRect(previous, nullptr, TRUE);
    if (!link) return;
    // Windows tells a window of the mouse leaving only when asked to.
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, link, 0};
    TrackMouseEvent(&track);
    InvalidateRect(link, nullptr, TRUE);
}

bool FormView::OnTabKey(bool forward) {
    if (windowAlive_) form_.SelectNext(forward);
    return true;
}

}  // namespace win32
