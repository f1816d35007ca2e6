// Matching Skype's device replies against the mixer's device names, and the
// texts of the device commands.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace driverlink {

constexpr const char* kGetAudioOut = "GET AUDIO_OUT";
constexpr const char* kGetAudioIn = "GET AUDIO_IN";
// With their trailing blank: nothing after it names Skype's default device.
constexpr const char* kSetAudioOut = "SET AUDIO_OUT ";
constexpr const char* kSetAudioIn = "SET AUDIO_IN ";

// Byte-wise equality where A-Z equal a-z and trailing blanks on either side
// are ignored; leading and inner blanks count.
bool SkypeNameEquals(std::string_view a, std::string_view b);

// The list item a reply selects: 0 for the prefix alone (Skype's default
// device) and for a name not in the list, i + 1 for the i-th name
// (nameOf(names[i])). The reply is given as decoded once and twice (`once`,
// `twice`), since some senders encode it to UTF-8 a second time; either may
// match. The whole reply is compared, so text before the prefix or a blank
// before the name matches nothing.
template <class Names, class NameOf>
int SkypeReplyItem(std::string_view prefix, std::string_view once, std::string_view twice,
                   const Names& names, NameOf nameOf) {
    if (SkypeNameEquals(prefix, once) || SkypeNameEquals(prefix, twice)) return 0;
    // One buffer for every candidate: a reply is matched against each device.
    std::string candidate;
    candidate.reserve(prefix.size() + 32);
    int item = 1;
    for (const auto& entry : names) {
        candidate.assign(prefix);
        candidate += nameOf(entry);
        if (SkypeNameEquals(candidate, once) || SkypeNameEquals(candidate, twice)) return item;
        ++item;
    }
    return 0;
}

// The item of `items` equal to `name` up to letter case (A-Z only), -1 when
// there is none.
int FindItemIgnoringCase(const std::vector<std::string>& items, std::string_view name);

}  // namespace driverlink
