#include "GdiCache.h"

#include "FontFaces.h"
#include "GdiScopes.h"

namespace win32 {

namespace {

constexpr vcl::TColor kSystemColorFlag = 0x80000000u;

int ScreenPixelsPerInch() {
    const WindowDc screen(nullptr);
    return screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
}

}  // namespace

COLORREF ResolveColor(vcl::TColor color) {
    if (color & kSystemColorFlag) return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color & 0x00FFFFFF);
}

HFONT GdiCache::Font(const vcl::TFont& font, BYTE charset) {
    int height = font.Height;
    if (height == 0) height = -MulDiv(font.Size, ScreenPixelsPerInch(), 72);
    const FontKey key{font.Name, charset, height, font.Bold, font.Underline};
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second.get();
    const std::string face = FaceForCharset(font.Name, charset);
    HFONT handle = CreateFontA(height, 0, 0, 0, font.Bold ? FW_BOLD : FW_NORMAL, FALSE,
                               font.Underline ? TRUE : FALSE, FALSE, charset, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                               face.c_str());
    if (!handle)
        handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    else
        fonts_.emplace(key, GdiObject<HFONT>(handle));
    return handle;
}

HBRUSH GdiCache::Brush(vcl::TColor color) {
    if (color & kSystemColorFlag) return GetSysColorBrush(static_cast<int>(color & 0xFF));
    const COLORREF rgb = ResolveColor(color);
    auto found = brushes_.find(rgb);
    if (found != brushes_.end()) return found->second.get();
    HBRUSH brush = CreateSolidBrush(rgb);
    if (brush) brushes_.emplace(rgb, GdiObject<HBRUSH>(brush));
    return brush;
}

}  // namespace win32
