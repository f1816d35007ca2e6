// Whole-string conversions between UTF-16 and the 8-bit code pages, on the
// system's conversion calls.
#pragma once

#include <string>
#include <string_view>

#include "platform/NlsPort.h"

namespace vcl {

// The text in a code page (kCpAcp for the system's); "" when the code page
// is unknown.
std::string FromUtf16(platform::NlsPort& nls, platform::UInt codePage, std::u16string_view text);
// Bytes of a code page as UTF-16; "" when the code page is unknown.
std::u16string ToUtf16(platform::NlsPort& nls, platform::UInt codePage, std::string_view bytes);
// Bytes of one code page in another, through UTF-16.
std::string Recode(platform::NlsPort& nls, platform::UInt from, platform::UInt to,
                   std::string_view bytes);

}  // namespace vcl
