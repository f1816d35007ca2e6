#include "ui/TrayMouse.h"

#include "platform/WinConst.h"

namespace ui {

using namespace platform;

bool ButtonOf(UInt mouseMessage, TMouseButton& button) {
    switch (mouseMessage) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            button = TMouseButton::mbLeft;
            return true;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
            button = TMouseButton::mbRight;
            return true;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            button = TMouseButton::mbMiddle;
            return true;
        default:
            return false;
    }
}

bool IsButtonUp(UInt mouseMessage) {
    return mouseMessage == WM_LBUTTONUP || mouseMessage == WM_RBUTTONUP ||
           mouseMessage == WM_MBUTTONUP;
}

bool TrayMessageMatches(TTrayIconMessage action, UInt mouseMessage) {
    switch (action) {
        case imClick:
            return mouseMessage == WM_LBUTTONUP || mouseMessage == WM_RBUTTONUP;
        case imDoubleClick:
            return mouseMessage == WM_LBUTTONDBLCLK || mouseMessage == WM_RBUTTONDBLCLK ||
                   mouseMessage == WM_MBUTTONDBLCLK;
        case imMouseDown:
            return mouseMessage == WM_LBUTTONDOWN || mouseMessage == WM_RBUTTONDOWN ||
                   mouseMessage == WM_MBUTTONDOWN;
        case imMouseUp:
            return IsButtonUp(mouseMessage);
        case imLeftClickUp:
            return mouseMessage == WM_LBUTTONUP;
        case imLeftDoubleClick:
            return mouseMessage == WM_LBUTTONDBLCLK;
        case imRightClickUp:
            return mouseMessage == WM_RBUTTONUP;
        case imRightDoubleClick:
            return mouseMessage == WM_RBUTTONDBLCLK;
        case imNone:
            return false;
    }
    return false;
}

}  // namespace ui
