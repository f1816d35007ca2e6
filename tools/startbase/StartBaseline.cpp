// The programs the panel's start-up is compared with: a minimal tray program
// (StartBare.exe) and the same program importing the DLLs the panel imported
// beyond kernel32, user32 and gdi32 when these yardsticks were set
// (advapi32, comctl32, ole32, oleaut32, shell32, winmm) and asking the mixer
// for its devices first (StartLibs.exe, built with STARTBASE_LIBRARIES). Like the panel, it creates
// a hidden owner window and a hidden main window, adds its tray icon, then publishes the main
// window as a property of the owner, where StartMeter.exe looks for it. A WM_CLOSE to the main
// window ends it.
// clang-format off
#include <windows.h>
#include <shellapi.h>  // needs <windows.h> first
// clang-format on

#ifdef STARTBASE_LIBRARIES
#include <commctrl.h>
#include <mmsystem.h>
#include <objbase.h>
#include <oleauto.h>
#endif

#include "StartBaseline.h"

namespace {

constexpr UINT kTrayCallback = WM_USER + 1;
NOTIFYICONDATAA g_tray = {};

#ifdef STARTBASE_LIBRARIES
// One function of each of those DLLs but shell32 (the tray's), kept live so
// that the loader maps them all before WinMain, as it did for the panel.
// Only mixerGetNumDevs is called.
using AnyFunction = void (*)();
template <class F>
AnyFunction Any(F f) {
    return reinterpret_cast<AnyFunction>(f);
}
AnyFunction volatile g_imports[] = {
    Any(&RegCloseKey),           // advapi32
    Any(&InitCommonControlsEx),  // comctl32
    Any(&CoInitializeEx),        // ole32
    Any(&SysAllocString),        // oleaut32
    Any(&mixerGetNumDevs),       // winmm
};
#endif

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            // Ending with the icon still in the tray would leave it to the
            // next program measured.
            Shell_NotifyIconA(NIM_DELETE, &g_tray);
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool Register(HINSTANCE instance, const char* name, WNDPROC procedure) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef STARTBASE_LIBRARIES
    unsigned live = 0;
    for (const AnyFunction f : g_imports) live += f != nullptr;
    if (live != sizeof g_imports / sizeof g_imports[0]) return 3;
    mixerGetNumDevs();
#endif
    if (!Register(instance, startbase::kOwnerClass, DefWindowProcA) ||
        !Register(instance, startbase::kMainClass, MainProc))
        return 1;
    const HWND owner = CreateWindowExA(0, startbase::kOwnerClass, startbase::kTitle,
                                       WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 0, nullptr,
                                       nullptr, instance, nullptr);
    const HWND main =
        CreateWindowExA(0, startbase::kMainClass, startbase::kTitle, WS_OVERLAPPEDWINDOW,
                        CW_USEDEFAULT, CW_USEDEFAULT, 400, 300, owner, nullptr, instance, nullptr);
    if (!owner || !main) return 1;

    g_tray.cbSize = NOTIFYICONDATAA_V2_SIZE;
    g_tray.hWnd = main;
    g_tray.uID = 1;
    g_tray.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    g_tray.uCallbackMessage = kTrayCallback;
    g_tray.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    lstrcpynA(g_tray.szTip, startbase::kTitle, sizeof g_tray.szTip);
    if (!Shell_NotifyIconA(NIM_ADD, &g_tray)) return 1;

    SetPropA(owner, startbase::kProperty, main);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    RemovePropA(owner, startbase::kProperty);
    DestroyWindow(owner);
    return 0;
}
