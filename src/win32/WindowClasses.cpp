#include "WindowClasses.h"

#include <string>

#include "Handles.h"

namespace win32 {

namespace {

// What the shared window procedure keeps for each of the core's windows, in
// the window's GWLP_USERDATA.
struct WindowRecord {
    platform::WindowProcTarget* target = nullptr;
    MessageFilter* filter = nullptr;
};

// Per thread: the window being created (messages arrive before
// WM_NCCREATE, e.g. WM_GETMINMAXINFO).
thread_local WindowRecord* creatingRecord = nullptr;

WindowRecord* RecordOf(HWND hwnd) {
    return reinterpret_cast<WindowRecord*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

WindowRecord* BindRecord(HWND hwnd, UINT msg, LPARAM lParam) {
    WindowRecord* record = RecordOf(hwnd);
    if (record) return record;
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        record = static_cast<WindowRecord*>(create->lpCreateParams);
    }
    if (!record) record = creatingRecord;
    if (!record) return nullptr;
    if (record == creatingRecord) creatingRecord = nullptr;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(record));
    return record;
}

LRESULT DeliverMessage(WindowRecord& record, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (record.filter && record.filter->FilterMessage(hwnd, msg, wParam, lParam, &result))
        return result;
    // The core passes what it does not handle to DefWindowProcA with the
    // window the message came to, also during creation and destruction.
    try {
        result = record.target->WindowProc(FromHwnd(hwnd), msg, wParam, lParam);
    } catch (...) {
        result = 0;
    }
    return result;
}

// Exceptions never leave this procedure: user32's frames cannot be unwound.
LRESULT CALLBACK SharedWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = BindRecord(hwnd, msg, lParam);
    if (!record || !record->target) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    LRESULT result = 0;
    try {
        result = DeliverMessage(*record, hwnd, msg, wParam, lParam);
    } catch (...) {
        result = 0;
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        delete record;
    }
    return result;
}

bool EnsureClass(const std::string& name) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof existing;
    // A class of that name that is not ours would never reach the core.
    if (GetClassInfoExA(instance, name.c_str(), &existing))
        return existing.lpfnWndProc == SharedWindowProc;
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = SharedWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = ProgramIcon(GetSystemMetrics(SM_CXICON));
    windowClass.hIconSm = ProgramIcon(GetSystemMetrics(SM_CXSMICON));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name.c_str();
    return RegisterClassExA(&windowClass) != 0;
}

// A child's identifier travels in the menu argument.
HMENU ControlId(const platform::WindowCreateParams& params) {
    return params.parent ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)) : nullptr;
}

}  // namespace

HICON ProgramIcon(int size) {
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), "MAINICON", IMAGE_ICON, size, size, LR_SHARED));
}

HWND CreateTargetWindow(const platform::WindowCreateParams& params,
                        platform::WindowProcTarget* target) {
    if (!target || !EnsureClass(params.className)) return nullptr;
    auto* record = new WindowRecord;
    record->target = target;
    WindowRecord* const outerCreating = creatingRecord;
    creatingRecord = record;
    const platform::Rect& b = params.bounds;
    const HWND hwnd = ::CreateWindowExA(
        params.exStyle, params.className.c_str(), params.title.c_str(), params.style, b.left, b.top,
        b.right - b.left, b.bottom - b.top, ToHwnd(params.parent ? params.parent : params.owner),
        ControlId(params), GetModuleHandleA(nullptr), record);
    const bool bound = creatingRecord != record;
    creatingRecord = outerCreating;
    if (!hwnd && !bound) {
        // No message ever reached the window; a window that got as far as
        // WM_NCDESTROY has freed its record there.
        delete record;
    }
    return hwnd;
}

void SetMessageFilter(HWND hwnd, MessageFilter* filter) {
    if (!IsWindow(hwnd)) return;
    WNDPROC proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
    if (proc != SharedWindowProc) return;
    if (WindowRecord* record = RecordOf(hwnd)) record->filter = filter;
}

}  // namespace win32
