// The comparison of Skype's device replies with the mixer's device names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driverlink/SkypeNames.h"

using driverlink::FindItemIgnoringCase;
using driverlink::SkypeNameEquals;

namespace {

const std::vector<std::string> kNames = {"Speakers", "USB Audio Device", "Line In"};

int ReplyItem(const std::string& once, const std::string& twice = "") {
    return driverlink::SkypeReplyItem("AUDIO_IN ", once, twice, kNames,
                                      [](const std::string& n) -> const std::string& { return n; });
}

// Two names and whether they compare equal.
struct NamePair {
    std::string a, b;
    bool equal;
};

void ExpectComparisons(const std::vector<NamePair>& pairs) {
    for (const NamePair& p : pairs)
        EXPECT_EQ(SkypeNameEquals(p.a, p.b), p.equal)
            << "row " << testing::PrintToString(p.a) << " vs " << testing::PrintToString(p.b);
}

// A reply as decoded once and twice, and the item it selects in kNames.
struct Reply {
    std::string once, twice;
    int item;
};

}  // namespace

TEST(SkypeNames, LetterCaseOfAToZAndTrailingBlanksOnEitherSideAreIgnored) {
    ExpectComparisons({
        {"AUDIO_IN USB", "audio_in usb", true},
        {"AUDIO_IN USB", "AUDIO_IN USB   ", true},
        {"AUDIO_IN USB  ", "AUDIO_IN USB", true},
        {"", "", true},
        {"", "  ", true},
        {"  ", "", true},
        // Only A-Z fold: the neighbours of the letters and bytes above 0x7F
        // must match exactly.
        {"@", "`", false},
        {"[", "{", false},
        {"\xD6", "\xF6", false},
        {"\xD6x", "\xD6X", true},
    });
}

TEST(SkypeNames, LeadingAndInnerBlanksAndTrailingOtherBytesCount) {
    ExpectComparisons({
        {"AUDIO_IN USB", "AUDIO_IN  USB", false},
        {" USB", "USB", false},
        {"USB", " USB", false},
        {"USB", "USB\t", false},
        {"USB x", "USB", false},
        {"USB", "USB  x", false},
        {"USB", "", false},
        {"", "x", false},
        {"USB A", "USB B", false},
    });
}

TEST(SkypeNames, AReplySelectsItsDeviceOrItemZero) {
    const std::vector<Reply> replies = {
        // The prefix alone is Skype's default device.
        {"AUDIO_IN ", "", 0},
        {"AUDIO_IN Speakers", "", 1},
        {"audio_in usb audio device  ", "", 2},
        {"AUDIO_IN Line In", "", 3},
        // The whole text is compared: a blank before the name, text in front
        // of the prefix, a name only begun or one not in the list show item 0.
        {"AUDIO_IN  Speakers", "", 0},
        {"#12 AUDIO_IN Speakers", "", 0},
        {"AUDIO_IN Speak", "", 0},
        {"AUDIO_IN Headset", "", 0},
        {"", "", 0},
        // The second decoding matches as well as the first.
        {"AUDIO_IN ?", "AUDIO_IN Line In", 3},
        {"AUDIO_IN ?", "AUDIO_IN ", 0},
    };
    for (const Reply& r : replies)
        EXPECT_EQ(ReplyItem(r.once, r.twice), r.item)
            << "row " << testing::PrintToString(r.once) << " / " << testing::PrintToString(r.twice);
    // The first device that matches wins.
    const std::vector<std::string> twins = {"Mic", "MIC"};
    EXPECT_EQ(driverlink::SkypeReplyItem("AUDIO_OUT ", "AUDIO_OUT mic", "", twins,
                                         [](const std::string& n) { return n; }),
              1);
}

TEST(SkypeNames, ItemsAreFoundByTheirWholeTextInAnyLetterCase) {
    const std::vector<std::string> items = {"", "Speakers", "USB Audio Device"};
    EXPECT_EQ(FindItemIgnoringCase(items, "usb audio DEVICE"), 2);
    EXPECT_EQ(FindItemIgnoringCase(items, "Speakers"), 1);
    EXPECT_EQ(FindItemIgnoringCase(items, "USB Audio"), -1);
    EXPECT_EQ(FindItemIgnoringCase(items, "USB Audio Device "), -1);
    EXPECT_EQ(FindItemIgnoringCase({}, "Speakers"), -1);
}
