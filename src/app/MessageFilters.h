// Which messages the main window's dispatch and its application hook react
// to, decided from the message alone.
#pragma once

#include "platform/WinTypes.h"

namespace app {

// A registered id is 0 until it is obtained; 0 must not match WM_NULL.
bool IsRegisteredMessage(platform::UInt id, platform::UInt msg);

// Input that postpones the shown window's auto-hide: a key or mouse button
// going down, the wheel, and a mouse move only while a button or modifier key
// is held (a bare move is not the user at work).
bool IsUserInput(const platform::Msg& msg);

}  // namespace app
