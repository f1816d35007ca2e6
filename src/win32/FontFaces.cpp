#include "FontFaces.h"

#include <vector>

#include "GdiScopes.h"

namespace win32 {

namespace {

// A character of the script each character set stands for.
wchar_t SampleOf(BYTE charset) {
    switch (charset) {
        case SHIFTJIS_CHARSET:
            return L'\x3042';
        case HANGUL_CHARSET:
            return L'\xAC00';
        case GB2312_CHARSET:
        case CHINESEBIG5_CHARSET:
            return L'\x4E2D';
        case RUSSIAN_CHARSET:
            return L'\x0416';
        case GREEK_CHARSET:
            return L'\x03A9';
        case HEBREW_CHARSET:
            return L'\x05D0';
        case ARABIC_CHARSET:
            return L'\x0627';
        case EASTEUROPE_CHARSET:
            return L'\x0158';
        case TURKISH_CHARSET:
            return L'\x011F';
        default:
            return L'A';
    }
}

int CALLBACK CollectFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM list) {
    auto* faces = reinterpret_cast<std::vector<std::string>*>(list);
    // '@' faces are the vertical forms of East Asian fonts.
    if (font->lfFaceName[0] != '@') faces->push_back(font->lfFaceName);
    return 1;
}

std::vector<std::string> FacesOf(HDC dc, BYTE charset, const char* face) {
    LOGFONTA wanted = {};
    wanted.lfCharSet = charset;
    lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
    std::vector<std::string> faces;
    EnumFontFamiliesExA(dc, &wanted, CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
    return faces;
}

bool DrawsScript(HDC dc, const std::string& face, BYTE charset) {
    const GdiObject<HFONT> font(CreateFontA(
        -13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
    if (!font) return false;
    const SelectionScope selected(dc, font.get());
    const wchar_t text[2] = {L'A', SampleOf(charset)};
    WORD glyphs[2] = {0xFFFF, 0xFFFF};
    return GetGlyphIndicesW(dc, text, 2, glyphs, GGI_MARK_NONEXISTING_GLYPHS) == 2 &&
           glyphs[0] != 0xFFFF && glyphs[1] != 0xFFFF;
}

}  // namespace

std::string FaceForCharset(const std::string& face, BYTE charset) {
    const WindowDc screen(nullptr);
    if (!screen) return face;
    const HDC dc = screen.get();
    if (!FacesOf(dc, charset, face.c_str()).empty()) return face;
    for (const std::string& candidate : FacesOf(dc, charset, ""))
        if (DrawsScript(dc, candidate, charset)) return candidate;
    return face;
}

}  // namespace win32
