// Looking up the language table: which record a system language is, the
// code page a record's texts are converted with, a row as an 8-bit string,
// and the font a language's texts are shown in. Free of any window, so the
// rules are tested on their own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/NlsPort.h"
#include "ui/LanguageTable.h"

namespace ui {

// The first of the first count records whose language identifier equals
// langId in all 16 bits; 0 (English) when none does.
int LanguageOfId(platform::Word langId, int count = kLanguageCount);

// The row's text, up to its terminating zero.
std::u16string_view RowText(int language, int row);

// The code page the texts of language are converted with while
// systemLanguage is the system's: the system's ANSI code page (kCpAcp) for
// the system's own language, else the record's (0 also meaning kCpAcp).
platform::UInt TextCodePage(int language, int systemLanguage);

// The row in language as an 8-bit string, converted as TextCodePage says:
// the system's language measured first, any other into a buffer of two
// bytes per unit plus two; "" when the conversion fails.
std::string RowBytes(platform::NlsPort& nls, int row, int language, int systemLanguage);

// The face every control gets while a language of this charset is shown.
const char* FaceNameOfCharset(std::uint8_t charset);

// A LOGFONT height (negative: the characters' height) for points at the
// screen's pixels per inch, rounded as MulDiv rounds.
int FontHeightOfPoints(int points, int pixelsPerInch);

}  // namespace ui
