// Which switch a start's arguments hold: only a sole argument written exactly
// as the switch counts.
#include <gtest/gtest.h>

#include "app/CommandLine.h"

using app::StartSwitch;
using app::StartSwitchOf;
using Args = std::vector<std::string>;

TEST(StartSwitch, OnlyASoleExactArgumentIsASwitch) {
    EXPECT_EQ(StartSwitchOf(Args{"JovSearchMode"}), StartSwitch::SearchMode);
    EXPECT_EQ(StartSwitchOf(Args{"JovDestroyMode"}), StartSwitch::DestroyMode);

    const Args notSwitches[] = {{},
                                {"JovSearchMode", "JovSearchMode"},
                                {"JovDestroyMode", "x"},
                                {"x", "JovDestroyMode"},
                                {"jovdestroymode"},
                                {"JOVSEARCHMODE"},
                                {"JovDestroyMode "},
                                {"/JovDestroyMode"},
                                {"JovSearch"},
                                {""}};
    for (const Args& args : notSwitches)
        EXPECT_EQ(StartSwitchOf(args), StartSwitch::None) << ::testing::PrintToString(args);
}
