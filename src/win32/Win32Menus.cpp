// MenuPort: popup menus from user32. Items the core marks MF_OWNERDRAW are
// drawn here with the system's menu font (SPI_GETNONCLIENTMETRICS
// lfMenuFont), bold for the default item; their texts are in the system's
// code page, so the A calls draw them.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "GdiScopes.h"
#include "Handles.h"
#include "Win32Api.h"
#include "Win32Platform.h"

namespace win32 {

using namespace platform;

namespace {

struct DrawnItem {
    std::string text;
    UINT flags = 0;
};

// The drawing data of each menu's owner-drawn items, and its submenus, so
// that destroying a menu frees what its submenus held too.
struct MenuRecord {
    std::vector<std::unique_ptr<DrawnItem>> items;
    std::vector<HMENU> submenus;
};
std::map<HMENU, MenuRecord>& Records() {
    static std::map<HMENU, MenuRecord> records;
    return records;
}

void Forget(HMENU menu) {
    auto it = Records().find(menu);
    if (it == Records().end()) return;
    const std::vector<HMENU> submenus = it->second.submenus;
    Records().erase(it);
    for (HMENU submenu : submenus) Forget(submenu);
}

class MenuFonts {
public:
    MenuFonts() {
        NONCLIENTMETRICSA metrics = {};
        metrics.cbSize = sizeof metrics;
        if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
            normal_.reset(CreateFontIndirectA(&metrics.lfMenuFont));
            metrics.lfMenuFont.lfWeight = FW_BOLD;
            bold_.reset(CreateFontIndirectA(&metrics.lfMenuFont));
        }
    }
    HFONT Get(bool bold) const {
        HFONT font = bold ? bold_.get() : normal_.get();
        return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }

private:
    GdiObject<HFONT> normal_;
    GdiObject<HFONT> bold_;
};

// The owner window's procedure while a menu is tracked: measure and draw
// requests for menu items are answered here, everything else goes on.
struct Tracking {
    WNDPROC previous = nullptr;
    const MenuFonts* fonts = nullptr;
};
Tracking tracking;

int CheckColumn() {
    return GetSystemMetrics(SM_CXMENUCHECK) + 8;
}

void Measure(HWND hwnd, MEASUREITEMSTRUCT& measure) {
    const auto* item = reinterpret_cast<const DrawnItem*>(measure.itemData);
    SIZE size = {};
    TEXTMETRICA metrics = {};
    {
        const WindowDc dc(hwnd);
        const SelectionScope font(dc.get(), tracking.fonts->Get(true));
        GetTextExtentPoint32A(dc.get(), item->text.c_str(), static_cast<int>(item->text.size()),
                              &size);
        GetTextMetricsA(dc.get(), &metrics);
    }
    measure.itemWidth = static_cast<UINT>(CheckColumn() + size.cx + 24);
    measure.itemHeight = static_cast<UINT>(metrics.tmHeight + 8);
}

void DrawMark(HDC dc, const RECT& cell, bool radio, COLORREF colour) {
    const int cx = (cell.left + cell.right) / 2;
    const int cy = (cell.top + cell.bottom) / 2;
    const GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    const GdiObject<HPEN> pen(CreatePen(PS_SOLID, 2, colour));
    const SelectionScope brushSelected(dc, brush.get());
    const SelectionScope penSelected(dc, pen.get());
    if (radio) {
        Ellipse(dc, cx - 3, cy - 3, cx + 4, cy + 4);
    } else {
        const POINT tick[] = {{cx - 4, cy}, {cx - 1, cy + 3}, {cx + 4, cy - 3}};
        Polyline(dc, tick, 3);
    }
}

void Draw(const DRAWITEMSTRUCT& draw) {
    const auto* item = reinterpret_cast<const DrawnItem*>(draw.itemData);
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const bool grayed = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    HDC dc = draw.hDC;
    FillRect(dc, &draw.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    const COLORREF text = GetSysColor(grayed     ? COLOR_GRAYTEXT
                                      : selected ? COLOR_HIGHLIGHTTEXT
                                                 : COLOR_MENUTEXT);
    if (draw.itemState & ODS_CHECKED) {
        RECT cell = draw.rcItem;
        cell.right = cell.left + CheckColumn();
        DrawMark(dc, cell, (item->flags & MFT_RADIOCHECK) != 0, text);
    }
    const SelectionScope font(dc, tracking.fonts->Get((draw.itemState & ODS_DEFAULT) != 0));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    RECT area = draw.rcItem;
    area.left += CheckColumn();
    DrawTextA(dc, item->text.c_str(), static_cast<int>(item->text.size()), &area,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

LRESULT CALLBACK TrackingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_MEASUREITEM) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure->CtlType == ODT_MENU && measure->itemData) {
            Measure(hwnd, *measure);
            return TRUE;
        }
    } else if (msg == WM_DRAWITEM) {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (draw->CtlType == ODT_MENU && draw->itemData) {
            Draw(*draw);
            return TRUE;
        }
    }
    return CallWindowProcA(tracking.previous, hwnd, msg, wParam, lParam);
}

}  // namespace

Win32MenuPort::~Win32MenuPort() {
    Records().clear();
}

HMenu Win32MenuPort::CreatePopupMenu() {
    HMENU menu = ::CreatePopupMenu();
    if (menu) Records()[menu];
    return FromHandle(menu);
}

bool Win32MenuPort::AppendMenuA(HMenu menu, UInt flags, std::uintptr_t idOrSubmenu,
                                const std::string& text) {
    const HMENU handle = static_cast<HMENU>(ToHandle(menu));
    auto record = Records().find(handle);
    if (record == Records().end()) return false;
    if (flags & MF_POPUP) record->second.submenus.push_back(reinterpret_cast<HMENU>(idOrSubmenu));
    if (!(flags & MF_OWNERDRAW))
        return ::AppendMenuA(handle, flags, idOrSubmenu, text.c_str()) != FALSE;
    auto item = std::make_unique<DrawnItem>();
    item->text = text;
    item->flags = flags;
    // An owner-drawn item's "text" argument is its drawing data.
    const bool appended =
        ::AppendMenuA(handle, flags, idOrSubmenu, reinterpret_cast<LPCSTR>(item.get())) != FALSE;
    if (appended) record->second.items.push_back(std::move(item));
    return appended;
}

bool Win32MenuPort::SetMenuDefaultItem(HMenu menu, UInt item, UInt byPosition) {
    return ::SetMenuDefaultItem(static_cast<HMENU>(ToHandle(menu)), item, byPosition) != FALSE;
}

int Win32MenuPort::TrackPopupMenu(HMenu menu, UInt flags, int x, int y, Hwnd owner) {
    const HWND window = ToHwnd(owner);
    if (!IsWindow(window) || tracking.previous) return 0;
    MenuFonts fonts;
    tracking.fonts = &fonts;
    tracking.previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TrackingProc)));
    const int result = static_cast<int>(
        ::TrackPopupMenu(static_cast<HMENU>(ToHandle(menu)), flags, x, y, 0, window, nullptr));
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(tracking.previous));
    tracking = Tracking{};
    return result;
}

bool Win32MenuPort::DestroyMenu(HMenu menu) {
    const HMENU handle = static_cast<HMENU>(ToHandle(menu));
    // Windows destroys the submenus with the menu; their data goes with them.
    const bool destroyed = ::DestroyMenu(handle) != FALSE;
    Forget(handle);
    return destroyed;
}

}  // namespace win32
