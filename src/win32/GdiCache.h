// Fonts and brushes made from the core's TFont and TColor values, created
// once and kept until the views go away.
#pragma once

#include <map>
#include <tuple>

#include "Win32Api.h"
#include "widgets/Control.h"

namespace win32 {

// A TColor with the high bit set names a system colour (clBtnFace, ...).
COLORREF ResolveColor(vcl::TColor color);

class GdiCache {
public:
    GdiCache() = default;
    GdiCache(const GdiCache&) = delete;
    GdiCache& operator=(const GdiCache&) = delete;
    ~GdiCache();

    // The font's size is in points, at the screen's resolution.
    HFONT Font(const vcl::TFont& font);
    HBRUSH Brush(vcl::TColor color);

private:
    using FontKey = std::tuple<std::string, int, int, bool, bool>;
    std::map<FontKey, HFONT> fonts_;
    std::map<COLORREF, HBRUSH> brushes_;
};

}  // namespace win32
