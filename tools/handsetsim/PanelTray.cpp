#include "PanelTray.h"

#include <cstdio>

#include "PanelWindows.h"

namespace {

constexpr UINT kTrayCallback = WM_USER + 1;

BOOL CALLBACK collectTrayIcons(HWND hwnd, LPARAM param) {
    if (className(hwnd) == "__winex11_tray_icon" && IsWindowVisible(hwnd))
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

BOOL CALLBACK collectTopLevel(HWND hwnd, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

std::string describe(HWND hwnd, const char* indent) {
    char title[128] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    RECT r = {};
    GetWindowRect(hwnd, &r);
    char line[512];
    std::snprintf(line, sizeof line,
                  "%swindow class=\"%s\" title=\"%s\" pid=%lu visible=%d at=%ld,%ld,%ld,%ld",
                  indent, className(hwnd).c_str(), title, static_cast<unsigned long>(process),
                  IsWindowVisible(hwnd) ? 1 : 0, r.left, r.top, r.right, r.bottom);
    return line;
}

}  // namespace

HWND findTrayWindow(HWND panel) {
    return panelWindowOfClass(panel, "TTrayIconWindow");
}

bool clickTray(HWND panel, const std::string& kind) {
    std::vector<UINT> messages;
    if (kind == "left")
        messages = {WM_LBUTTONDOWN, WM_LBUTTONUP};
    else if (kind == "right")
        messages = {WM_RBUTTONDOWN, WM_RBUTTONUP};
    else if (kind == "middle")
        messages = {WM_MBUTTONDOWN, WM_MBUTTONUP};
    else if (kind == "double")
        messages = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP};
    else
        return false;
    HWND tray = findTrayWindow(panel);
    if (tray == nullptr) return false;
    for (UINT message : messages)
        if (!PostMessageA(tray, kTrayCallback, 0, static_cast<LPARAM>(message))) return false;
    return true;
}

HWND openMenu() {
    HWND menu = FindWindowA("#32768", nullptr);
    return menu != nullptr && IsWindowVisible(menu) ? menu : nullptr;
}

bool menuKey(const std::string& key) {
    WPARAM vk = 0;
    if (key == "down")
        vk = VK_DOWN;
    else if (key == "up")
        vk = VK_UP;
    else if (key == "return")
        vk = VK_RETURN;
    else if (key == "escape")
        vk = VK_ESCAPE;
    else
        return false;
    HWND menu = openMenu();
    return menu != nullptr && PostMessageA(menu, WM_KEYDOWN, vk, 1) != FALSE;
}

std::vector<HWND> trayIconWindows() {
    std::vector<HWND> topLevel, icons;
    EnumWindows(collectTopLevel, reinterpret_cast<LPARAM>(&topLevel));
    for (HWND hwnd : topLevel) {
        collectTrayIcons(hwnd, reinterpret_cast<LPARAM>(&icons));
        EnumChildWindows(hwnd, collectTrayIcons, reinterpret_cast<LPARAM>(&icons));
    }
    return icons;
}

std::string trayIconColour(std::string* detail) {
    const std::vector<HWND> icons = trayIconWindows();
    if (icons.empty()) return "";
    RECT r = {};
    GetWindowRect(icons.front(), &r);
    // The disc fills the icon; its letter stands in the middle third.
    const int x = r.left + (r.right - r.left) * 22 / 100;
    const int y = r.top + (r.bottom - r.top) / 2;
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    const int red = GetRValue(colour), green = GetGValue(colour), blue = GetBValue(colour);
    char text[96];
    std::snprintf(text, sizeof text, "rgb=%d,%d,%d at %d,%d", red, green, blue, x, y);
    *detail = text;
    if (red > 200 && green > 200 && blue > 200) return "white";
    if (green > red + 40 && green > blue + 40) return "green";
    if (red - blue < 30 && blue - red < 30 && green - red < 30 && red - green < 30) return "grey";
    return "other";
}

std::vector<std::string> describeWindows() {
    std::vector<HWND> topLevel;
    EnumWindows(collectTopLevel, reinterpret_cast<LPARAM>(&topLevel));
    std::vector<std::string> lines;
    for (HWND hwnd : topLevel) {
        lines.push_back(describe(hwnd, ""));
        HWND child = GetWindow(hwnd, GW_CHILD);
        for (int i = 0; child != nullptr && i < 40; ++i, child = GetWindow(child, GW_HWNDNEXT))
            lines.push_back(describe(child, "  "));
    }
    return lines;
}
