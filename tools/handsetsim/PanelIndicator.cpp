#include "PanelIndicator.h"

#include <cstdio>

#include "PanelWindows.h"

namespace {

constexpr WPARAM kDevNodesChanged = 0x0007;  // DBT_DEVNODES_CHANGED

}  // namespace

HWND findIndicator(HWND panel) {
    return panelWindowOfClass(panel, "TForm2");
}

bool indicatorShown(HWND panel, std::string* detail) {
    HWND indicator = findIndicator(panel);
    if (indicator == nullptr) {
        *detail = "no indicator window";
        return false;
    }
    RECT client = {}, outer = {}, work = {};
    GetClientRect(indicator, &client);
    GetWindowRect(indicator, &outer);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const bool visible = IsWindowVisible(indicator) != FALSE;
    const bool topmost = (GetWindowLongA(indicator, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    char text[256];
    std::snprintf(text, sizeof text,
                  "visible=%d topmost=%d client=%ldx%ld at=%ld,%ld,%ld,%ld work=%ld,%ld,%ld,%ld",
                  visible ? 1 : 0, topmost ? 1 : 0, client.right, client.bottom, outer.left,
                  outer.top, outer.right, outer.bottom, work.left, work.top, work.right,
                  work.bottom);
    *detail = text;
    // Placed by the work area's size, as the panel places it.
    const bool corner =
        outer.right == work.right - work.left && outer.bottom == work.bottom - work.top;
    // 100 x 32 at 96 pixels per inch, laid out at the screen's scale.
    HDC screen = GetDC(nullptr);
    const int perInch = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    const auto scaled = [perInch](long designed) { return (designed * perInch + 48) / 96; };
    return visible && topmost && client.right == scaled(100) && client.bottom == scaled(32) &&
           corner;
}

bool indicatorHidden(HWND panel, std::string* detail) {
    HWND indicator = findIndicator(panel);
    *detail = indicator == nullptr ? "no indicator window" : "";
    return indicator != nullptr && !IsWindowVisible(indicator);
}

bool postDeviceChange(HWND panel) {
    return PostMessageA(panel, WM_DEVICECHANGE, kDevNodesChanged, 0) != FALSE;
}

bool sendSettingChange(HWND panel) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(panel, WM_SETTINGCHANGE, 0, 0, SMTO_ABORTIFHUNG, 3000, &answer) != 0;
}
