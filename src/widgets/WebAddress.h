// Which addresses the program hands to the shell or the browser pane: web
// addresses only. Anything else (a program's path, a file: or UNC path, a
// scheme the shell would pass to another handler) would let a hand-edited
// data file run programs.
#pragma once

#include <cstddef>
#include <string_view>

namespace vcl {

// Whether text starts with prefix (ASCII), letter case ignored.
template <class Char>
bool StartsWithAsciiIgnoringCase(std::basic_string_view<Char> text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        Char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<Char>(c - 'A' + 'a');
        if (c != static_cast<Char>(static_cast<unsigned char>(prefix[i]))) return false;
    }
    return true;
}

// True when the address starts with "http://" or "https://", letter case
// ignored.
template <class Char>
bool IsWebAddress(std::basic_string_view<Char> address) {
    return StartsWithAsciiIgnoringCase(address, "http://") ||
           StartsWithAsciiIgnoringCase(address, "https://");
}

inline bool IsWebAddress(std::string_view address) {
    return IsWebAddress<char>(address);
}
inline bool IsWebAddress(std::wstring_view address) {
    return IsWebAddress<wchar_t>(address);
}

}  // namespace vcl
