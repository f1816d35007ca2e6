#include "widgets/DisplayScale.h"

#include <cstdint>

namespace vcl {

namespace {

// Beyond what any display setting gives (25 % to 1000 %).
constexpr int kFewestPixelsPerInch = 24;
constexpr int kMostPixelsPerInch = 960;

}  // namespace

TDisplayScale::TDisplayScale(int pixelsPerInch)
    : pixelsPerInch_(pixelsPerInch >= kFewestPixelsPerInch && pixelsPerInch <= kMostPixelsPerInch
                         ? pixelsPerInch
                         : kDesignPixelsPerInch) {}

int TDisplayScale::Scale(int designed) const {
    const std::int64_t product = std::int64_t{designed} * pixelsPerInch_;
    const std::int64_t half = kDesignPixelsPerInch / 2;
    const std::int64_t scaled = product >= 0 ? (product + half) / kDesignPixelsPerInch
                                             : -((-product + half) / kDesignPixelsPerInch);
    return static_cast<int>(scaled);
}

platform::Rect TDisplayScale::Bounds(int left, int top, int width, int height) const {
    platform::Rect rect;
    rect.left = Scale(left);
    rect.top = Scale(top);
    rect.right = Scale(left + width);
    rect.bottom = Scale(top + height);
    return rect;
}

}  // namespace vcl
