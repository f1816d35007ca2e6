#include "ui/LanguageTexts.h"

#include <vector>

#include "platform/WinConst.h"
#include "widgets/CodePages.h"

namespace ui {

using namespace platform;

int LanguageOfId(Word langId, int count) {
    for (int i = 0; i < count && i < kLanguageCount; ++i)
        if (LanguageTable[i].languageId == langId) return i;
    return 0;
}

std::u16string_view RowText(int language, int row) {
    const char16_t* text = LanguageTable[language].texts[row];
    std::size_t length = 0;
    while (length < kLanguageRowUnits && text[length] != u'\0') ++length;
    return {text, length};
}

UInt TextCodePage(int language, int systemLanguage) {
    if (language == systemLanguage) return kCpAcp;
    return LanguageTable[language].codePage;
}

std::string RowBytes(NlsPort& nls, int row, int language, int systemLanguage) {
    const std::u16string_view text = RowText(language, row);
    if (language == systemLanguage) return vcl::FromUtf16(nls, kCpAcp, text);
    if (text.empty()) return {};
    const int units = static_cast<int>(text.size());
    std::vector<char> buffer(2 * text.size() + 2);
    const int written =
        nls.WideCharToMultiByte(LanguageTable[language].codePage, 0, text.data(), units,
                                buffer.data(), static_cast<int>(buffer.size()));
    if (written <= 0) return {};
    return std::string(buffer.data(), static_cast<std::size_t>(written));
}

const char* FaceNameOfCharset(std::uint8_t charset) {
    switch (charset) {
        case HANGUL_CHARSET:
            return "Arial Unicode MS";
        case CHINESEBIG5_CHARSET:
            return "Fixedsys";
        default:
            return "MS Sans Serif";
    }
}

int FontHeightOfPoints(int points, int pixelsPerInch) {
    // MulDiv(points, pixelsPerInch, 72), rounded half away from zero.
    const long long product = static_cast<long long>(points) * pixelsPerInch;
    const long long rounded = product >= 0 ? (product + 36) / 72 : -((-product + 36) / 72);
    return -static_cast<int>(rounded);
}

}  // namespace ui
