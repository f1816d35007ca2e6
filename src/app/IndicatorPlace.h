// Where the keyboard-blocked indicator stands on the desktop.
#pragma once

#include "platform/WinTypes.h"

namespace app {

// The top-left point of a window of the given size in the bottom right corner
// of the work area. It is measured from the work area's width and height, not
// from its edges: with a task bar on the left or at the top the window stops
// that much short of the corner.
platform::Point IndicatorOrigin(const platform::Rect& workArea, int width, int height);

}  // namespace app
