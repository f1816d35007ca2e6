// The windows are designed at 96 pixels per inch. Their fonts follow the
// screen's logical pixels per inch, so their layout must too: every designed
// length and position is laid out at the screen's ratio to 96, with the same
// value the fonts use, so that texts and the boxes that hold them agree. At
// 96 nothing changes.
#pragma once

#include "platform/WinTypes.h"

namespace vcl {

constexpr int kDesignPixelsPerInch = 96;

class TDisplayScale {
public:
    TDisplayScale() = default;
    // A value Windows could not mean (a failed query gives 0) is taken as
    // the design's.
    explicit TDisplayScale(int pixelsPerInch);

    int PixelsPerInch() const { return pixelsPerInch_; }
    bool IsDesignScale() const { return pixelsPerInch_ == kDesignPixelsPerInch; }

    // A designed length or coordinate at the screen's scale, to the nearest
    // pixel (halves away from zero).
    int Scale(int designed) const;
    // A rectangle by its scaled edges rather than its scaled size: controls
    // that meet at 96 still meet, and a gap between two stays a gap, where
    // rounding widths and positions apart could make them overlap.
    platform::Rect Bounds(int left, int top, int width, int height) const;

private:
    int pixelsPerInch_ = kDesignPixelsPerInch;
};

}  // namespace vcl
