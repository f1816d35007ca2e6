#include "driverlink/SkypeNames.h"

#include <algorithm>

namespace driverlink {

namespace {

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool OnlyBlanks(std::string_view rest) {
    return std::all_of(rest.begin(), rest.end(), [](char c) { return c == ' '; });
}

}  // namespace

bool SkypeNameEquals(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return OnlyBlanks(a.substr(common)) && OnlyBlanks(b.substr(common));
}

int FindItemIgnoringCase(const std::vector<std::string>& items, std::string_view name) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string& item = items[i];
        if (item.size() == name.size() &&
            std::equal(item.begin(), item.end(), name.begin(),
                       [](char x, char y) { return LowerAscii(x) == LowerAscii(y); }))
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace driverlink
