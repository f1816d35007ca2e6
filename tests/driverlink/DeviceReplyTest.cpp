// Which Skype device list a reply text from the driver is for.
#include <gtest/gtest.h>

#include "driverlink/DeviceReply.h"

using driverlink::DeviceReply;
using driverlink::DeviceReplyOf;

TEST(DeviceReply, APrefixWithItsBlankAnywhereInTheTextNamesTheList) {
    EXPECT_EQ(DeviceReplyOf("AUDIO_IN USB Audio Device"), DeviceReply::AudioIn);
    EXPECT_EQ(DeviceReplyOf("AUDIO_OUT Speakers"), DeviceReply::AudioOut);
    EXPECT_EQ(DeviceReplyOf("AUDIO_IN "), DeviceReply::AudioIn);  // Skype's default device
    EXPECT_EQ(DeviceReplyOf("#3 AUDIO_OUT x"), DeviceReply::AudioOut);
    // A text with both is an input reply, whichever comes first.
    EXPECT_EQ(DeviceReplyOf("AUDIO_OUT a AUDIO_IN b"), DeviceReply::AudioIn);
    EXPECT_EQ(DeviceReplyOf("AUDIO_IN a AUDIO_OUT b"), DeviceReply::AudioIn);
}

TEST(DeviceReply, TextsWithoutAPrefixAndItsBlankAreNoReply) {
    for (const char* text : {"", "AUDIO_IN", "AUDIO_OUT", "AUDIO_IN\tMic", "audio_in Mic",
                             "AUDIO_INMic", "GET AUDIO_OUT", "OK"})
        EXPECT_EQ(DeviceReplyOf(text), DeviceReply::None) << '"' << text << '"';
}
