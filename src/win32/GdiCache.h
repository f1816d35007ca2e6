// Fonts and brushes made from the core's TFont and TColor values, created
// once and kept until the views go away.
#pragma once

#include <map>
#include <string>
#include <tuple>

#include "GdiScopes.h"
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

    // The font with its own character set, or with charset when the text
    // it draws is in a script that set holds better; a TFont without a
    // Height has its size in points, at the screen's resolution. A face
    // the system lacks is left to its font mapper, which picks one by the
    // character set.
    HFONT Font(const vcl::TFont& font, BYTE charset);
    HBRUSH Brush(vcl::TColor color);

private:
    using FontKey = std::tuple<std::string, int, int, bool, bool>;  // face, charset, height
    std::map<FontKey, GdiObject<HFONT>> fonts_;
    std::map<COLORREF, GdiObject<HBRUSH>> brushes_;
};

}  // namespace win32
