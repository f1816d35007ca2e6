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

}  // namespace

TEST(SkypeNames, LetterCaseOfAToZAndTrailingBlanksOnEitherSideAreIgnored) {
    EXPECT_TRUE(SkypeNameEquals("AUDIO_IN USB", "audio_in usb"));
    EXPECT_TRUE(SkypeNameEquals("AUDIO_IN USB", "AUDIO_IN USB   "));
    EXPECT_TRUE(SkypeNameEquals("AUDIO_IN USB  ", "AUDIO_IN USB"));
    EXPECT_TRUE(SkypeNameEquals("", ""));
    EXPECT_TRUE(SkypeNameEquals("", "  "));
    EXPECT_TRUE(SkypeNameEquals("  ", ""));
    // Only A-Z fold: the neighbours of the letters and bytes above 0x7F
    // must match exactly.
    EXPECT_FALSE(SkypeNameEquals("@", "`"));
    EXPECT_FALSE(SkypeNameEquals("[", "{"));
    EXPECT_FALSE(SkypeNameEquals("\xD6", "\xF6"));
    EXPECT_TRUE(SkypeNameEquals("\xD6x", "\xD6X"));
}

TEST(SkypeNames, LeadingAndInnerBlanksAndTrailingOtherBytesCount) {
    EXPECT_FALSE(SkypeNameEquals("AUDIO_IN USB", "AUDIO_IN  USB"));
    EXPECT_FALSE(SkypeNameEquals(" USB", "USB"));
    EXPECT_FALSE(SkypeNameEquals("USB", " USB"));
    EXPECT_FALSE(SkypeNameEquals("USB", "USB\t"));
    EXPECT_FALSE(SkypeNameEquals("USB x", "USB"));
    EXPECT_FALSE(SkypeNameEquals("USB", "USB  x"));
    EXPECT_FALSE(SkypeNameEquals("USB", ""));
    EXPECT_FALSE(SkypeNameEquals("", "x"));
    EXPECT_FALSE(SkypeNameEquals("USB A", "USB B"));
}

TEST(SkypeNames, AReplySelectsItsDeviceOrItemZero) {
    // The prefix alone is Skype's default device.
    EXPECT_EQ(ReplyItem("AUDIO_IN "), 0);
    EXPECT_EQ(ReplyItem("AUDIO_IN Speakers"), 1);
    EXPECT_EQ(ReplyItem("audio_in usb audio device  "), 2);
    EXPECT_EQ(ReplyItem("AUDIO_IN Line In"), 3);
    // The whole text is compared: a blank before the name, text in front of
    // the prefix, a name only begun or one not in the list show item 0.
    EXPECT_EQ(ReplyItem("AUDIO_IN  Speakers"), 0);
    EXPECT_EQ(ReplyItem("#12 AUDIO_IN Speakers"), 0);
    EXPECT_EQ(ReplyItem("AUDIO_IN Speak"), 0);
    EXPECT_EQ(ReplyItem("AUDIO_IN Headset"), 0);
    EXPECT_EQ(ReplyItem(""), 0);
    // The second decoding matches as well as the first.
    EXPECT_EQ(ReplyItem("AUDIO_IN ?", "AUDIO_IN Line In"), 3);
    EXPECT_EQ(ReplyItem("AUDIO_IN ?", "AUDIO_IN "), 0);
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
