#include "app/MessageFilters.h"

#include "platform/WinConst.h"

namespace app {

using namespace platform;

bool IsRegisteredMessage(UInt id, UInt msg) {
    return id != 0 && id == msg;
}

bool IsUserInput(const Msg& msg) {
    switch (msg.message) {
        case WM_KEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_MOUSEWHEEL:
            return true;
        case WM_MOUSEMOVE:
            return msg.wParam != 0;
        default:
            return false;
    }
}

}  // namespace app
