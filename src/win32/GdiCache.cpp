#include "GdiCache.h"

#include "FontFaces.h"

namespace win32 {

namespace {
constexpr vcl::TColor kSystemColorFlag = 0x80000000u;
}

COLORREF ResolveColor(vcl::TColor color) {
    if (color & kSystemColorFlag) return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color & 0x00FFFFFF);
}

GdiCache::~GdiCache() {
    for (auto& entry : fonts_) DeleteObject(entry.second);
    for (auto& entry : brushes_) DeleteObject(entry.second);
}

HFONT GdiCache::Font(const vcl::TFont& font, BYTE charset) {
    int height = font.Height;
    if (height == 0) {
        HDC screen = GetDC(nullptr);
        const int pixelsPerInch = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
        if (screen) ReleaseDC(nullptr, screen);
        height = -MulDiv(font.Size, pixelsPerInch, 72);
    }
    const FontKey key{font.Name, charset, height, font.Bold, font.Underline};
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second;
    const std::string face = FaceForCharset(font.Name, charset);
    HFONT handle = CreateFontA(height, 0, 0, 0, font.Bold ? FW_BOLD : FW_NORMAL, FALSE,
                               font.Underline ? TRUE : FALSE, FALSE, charset, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                               face.c_str());
    if (!handle)
        handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    else
        fonts_.emplace(key, handle);
    return handle;
}

HBRUSH GdiCache::Brush(vcl::TColor color) {
    if (color & kSystemColorFlag) return GetSysColorBrush(static_cast<int>(color & 0xFF));
    const COLORREF rgb = ResolveColor(color);
    auto found = brushes_.find(rgb);
    if (found != brushes_.end()) return found->second;
    HBRUSH brush = CreateSolidBrush(rgb);
    if (brush) brushes_.emplace(rgb, brush);
    return brush;
}

}  // namespace win32
