#include "app/IndicatorPlace.h"

namespace app {

platform::Point IndicatorOrigin(const platform::Rect& workArea, int width, int height) {
    platform::Point origin;
    origin.x = (workArea.right - workArea.left) - width;
    origin.y = (workArea.bottom - workArea.top) - height;
    return origin;
}

}  // namespace app
