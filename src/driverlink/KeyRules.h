// What a handset key means, without a window: which keys the current mode
// accepts, how held keys become presses and repeats, and each page's table.
#pragma once

#include <cstdint>

namespace driverlink {

enum class KeyKind { Press = 0, Repeat = 1, Release = 2 };

// The codes that act; 0 is no key held.
constexpr std::uint8_t kKeyUp = 17;
constexpr std::uint8_t kKeyDown = 31;
constexpr std::uint8_t kKeyPage = 36;
constexpr std::uint8_t kKeyLower = 37;
constexpr std::uint8_t kKeyRaise = 38;
constexpr std::uint8_t kKeyNeverAccepted = 32;
constexpr unsigned kKeyRepeatMs = 300;

// keyMode and callState are bytes 1 and 3 of the last StatusL.
bool KeyAccepted(std::uint8_t keyMode, std::uint8_t callState, std::uint8_t code);

// One step of the held key: an optional release of a replaced key (code 0
// when there is none), then the action to perform.
struct KeyStepResult {
    std::uint8_t releasedCode;
    std::uint8_t code;
    KeyKind kind;
};
KeyStepResult KeyStep(std::uint8_t keyCode, std::uint8_t keyCodePrev);

// The tab page after the active one, wrapping after the last.
int NextPage(int active, int pageCount);

// Page 0: which shortcut a key selects (-1 none) and whether it opens it.
struct WebKey {
    int select;
    bool open;
};
WebKey WebKeyAction(std::uint8_t code, int webIndex, int shortcutCount);

// Page 1: the ring-tone list's item a key selects, -1 when it selects none.
int RingKeySelection(std::uint8_t code, int itemIndex, int count);

// Page 2: a slider's position after a raise or lower key (before the
// slider's own limits apply).
int SliderRaised(int position, int max, int pageSize, KeyKind kind);
int SliderLowered(int position, int pageSize);

// Page 2: a Skype list's item after a raise (next, wrapping) or lower key
// (previous, no wrap); -1 when the key leaves the list alone.
int ComboNext(int itemIndex, int count);
int ComboPrevious(int itemIndex);

}  // namespace driverlink
