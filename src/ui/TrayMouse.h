// What the shell's mouse messages on the tray icon mean: the button, and
// whether a message is the action a TTrayIconMessage names.
#pragma once

#include "platform/WinTypes.h"

namespace ui {

enum TTrayIconMessage {
    imClick,
    imDoubleClick,
    imMouseDown,
    imMouseUp,
    imLeftClickUp,
    imLeftDoubleClick,
    imRightClickUp,
    imRightDoubleClick,
    imNone,
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// The button a mouse message is about; false for a move or another message.
bool ButtonOf(platform::UInt mouseMessage, TMouseButton& button);
bool IsButtonUp(platform::UInt mouseMessage);
// imClick is a left or right button's release, imDoubleClick a double-click
// of any button; imNone matches nothing.
bool TrayMessageMatches(TTrayIconMessage action, platform::UInt mouseMessage);

}  // namespace ui
