// The panel's texts in its 24 languages, in the order of the tray menu's
// language submenu. The texts themselves are data, in LanguageTable.cpp.
#pragma once

#include <cstdint>

namespace ui {

constexpr int kLanguageCount = 24;
constexpr int kLanguageRows = 46;
constexpr int kLanguageRowUnits = 128;

struct TLanguageRecord {
    std::uint16_t languageId;  // Windows language identifier
    std::uint8_t charset;      // font character set of the language's texts
    std::uint32_t codePage;    // code page of its 8-bit texts; 0: the system's
    // Zero-terminated UTF-16 texts, zero-filled.
    char16_t texts[kLanguageRows][kLanguageRowUnits];
};

extern const TLanguageRecord LanguageTable[kLanguageCount];

// The font character set of a language's texts; outside 0..23, the first
// language's.
std::uint8_t LanguageCharset(int language);

}  // namespace ui
