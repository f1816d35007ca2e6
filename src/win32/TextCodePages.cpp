#include "TextCodePages.h"

#include <vector>

namespace win32 {

std::wstring WideOf(const std::string& bytes, UINT codePage) {
    if (bytes.empty()) return {};
    const int length = static_cast<int>(bytes.size());
    const int size = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    if (size <= 0) return {};
    std::wstring text(static_cast<size_t>(size), L'\0');
    const int written = MultiByteToWideChar(codePage, 0, bytes.data(), length, &text[0], size);
    text.resize(static_cast<size_t>(written > 0 ? written : 0));
    return text;
}

BYTE CharsetOfCodePage(UINT codePage, BYTE fallback) {
    switch (codePage == 0 ? GetACP() : codePage) {
        case 932:
            return SHIFTJIS_CHARSET;
        case 936:
            return GB2312_CHARSET;
        case 949:
            return HANGUL_CHARSET;
        case 950:
            return CHINESEBIG5_CHARSET;
        case 1250:
            return EASTEUROPE_CHARSET;
        case 1251:
            return RUSSIAN_CHARSET;
        case 1252:
            return ANSI_CHARSET;
        // The DOS code pages of Greek and Hebrew hold the same scripts as
        // the Windows ones.
        case 737:
        case 1253:
            return GREEK_CHARSET;
        case 1254:
            return TURKISH_CHARSET;
        case 862:
        case 1255:
            return HEBREW_CHARSET;
        case 1256:
            return ARABIC_CHARSET;
        case 1257:
            return BALTIC_CHARSET;
        case 874:
            return THAI_CHARSET;
        default:
            return fallback;
    }
}

std::wstring WindowTextW(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(hwnd, text.data(), length + 1);
    return std::wstring(text.data(), static_cast<size_t>(got > 0 ? got : 0));
}

}  // namespace win32
