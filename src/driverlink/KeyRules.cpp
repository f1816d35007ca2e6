#include "driverlink/KeyRules.h"

#include "driverlink/HandsetMessage.h"

namespace driverlink {

bool KeyAccepted(std::uint8_t keyMode, std::uint8_t callState, std::uint8_t code) {
    if (keyMode != 0 && code != kKeyNeverAccepted) return true;
    if (code == kKeyPage) return true;
    return callState == kCallInCall && (code == kKeyUp || code == kKeyDown);
}

KeyStepResult KeyStep(std::uint8_t keyCode, std::uint8_t keyCodePrev) {
    if (keyCode == keyCodePrev) return {0, keyCode, KeyKind::Repeat};
    if (keyCodePrev == 0) return {0, keyCode, KeyKind::Press};
    if (keyCode == 0) return {0, keyCodePrev, KeyKind::Release};
    return {keyCodePrev, keyCode, KeyKind::Press};
}

int NextPage(int active, int pageCount) {
    if (pageCount <= 0) return -1;
    return active + 1 >= pageCount || active < 0 ? 0 : active + 1;
}

WebKey WebKeyAction(std::uint8_t code, int webIndex, int shortcutCount) {
    switch (code) {
        case kKeyUp:
            return {webIndex <= 0 ? shortcutCount - 1 : webIndex - 1, false};
        case kKeyDown:
            return {webIndex + 1 >= shortcutCount ? 0 : webIndex + 1, false};
        case 35:
            return {0, true};
        case 30:
            return {1, true};
        case 25:
            return {2, true};
        case 20:
            return {3, true};
        case 34:
            return {4, true};
        case kKeyLower:
        case kKeyRaise:
            return {-1, true};
        default:
            return {-1, false};
    }
}

int RingKeySelection(std::uint8_t code, int itemIndex, int count) {
    if (count <= 0) return -1;
    if (code == kKeyUp) return itemIndex <= 0 ? count - 1 : itemIndex - 1;
    if (code == kKeyDown) return itemIndex < 0 || itemIndex + 1 >= count ? 0 : itemIndex + 1;
    return -1;
}

int SliderRaised(int position, int max, int pageSize, KeyKind kind) {
    if (kind == KeyKind::Press && position >= max) return 0;
    return position + pageSize;
}

int SliderLowered(int position, int pageSize) {
    return position - pageSize;
}

int ComboNext(int itemIndex, int count) {
    if (count < 2) return -1;
    return itemIndex + 1 >= count || itemIndex < 0 ? 0 : itemIndex + 1;
}

int ComboPrevious(int itemIndex) {
    return itemIndex <= 0 ? -1 : itemIndex - 1;
}

}  // namespace driverlink
