#include "widgets/CodePages.h"

namespace vcl {

std::string FromUtf16(platform::NlsPort& nls, platform::UInt codePage, std::u16string_view text) {
    if (text.empty()) return {};
    const int units = static_cast<int>(text.size());
    const int size = nls.WideCharToMultiByte(codePage, 0, text.data(), units, nullptr, 0);
    if (size <= 0) return {};
    std::string bytes(static_cast<std::size_t>(size), '\0');
    const int written =
        nls.WideCharToMultiByte(codePage, 0, text.data(), units, bytes.data(), size);
    bytes.resize(static_cast<std::size_t>(written > 0 ? written : 0));
    return bytes;
}

std::u16string ToUtf16(platform::NlsPort& nls, platform::UInt codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    const int length = static_cast<int>(bytes.size());
    const int size = nls.MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    if (size <= 0) return {};
    std::u16string text(static_cast<std::size_t>(size), u'\0');
    const int written =
        nls.MultiByteToWideChar(codePage, 0, bytes.data(), length, text.data(), size);
    text.resize(static_cast<std::size_t>(written > 0 ? written : 0));
    return text;
}

std::string Recode(platform::NlsPort& nls, platform::UInt from, platform::UInt to,
                   std::string_view bytes) {
    return FromUtf16(nls, to, ToUtf16(nls, from, bytes));
}

}  // namespace vcl
