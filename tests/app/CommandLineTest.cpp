// The program's arguments as the switches see them.
#include <gtest/gtest.h>

#include "app/CommandLine.h"

using app::ProgramArguments;
using Args = std::vector<std::string>;

TEST(CommandLine, ArgumentsFollowTheProgramAndQuotesGroupBlanks) {
    EXPECT_EQ(ProgramArguments("\"C:\\a b\\p.exe\" JovDestroyMode"), Args{"JovDestroyMode"});
    EXPECT_EQ(ProgramArguments("p \"a b\" c\"d e\"f"), (Args{"a b", "cd ef"}));
    EXPECT_EQ(ProgramArguments("p   JovSearchMode  "), Args{"JovSearchMode"});
    EXPECT_EQ(ProgramArguments("p\tx\ty"), (Args{"x", "y"}));
}

TEST(CommandLine, EmptyQuotesBackslashesAndUnclosedQuotesAreTakenAsTheyCome) {
    EXPECT_EQ(ProgramArguments("p \"\"x \"\" y"), (Args{"x", "y"}));
    EXPECT_EQ(ProgramArguments("p a\\\"b"), Args{"a\\b"});
    EXPECT_EQ(ProgramArguments("p \"open"), Args{"open"});
    EXPECT_EQ(ProgramArguments("p"), Args{});
    EXPECT_EQ(ProgramArguments(""), Args{});
    EXPECT_EQ(ProgramArguments(nullptr), Args{});
}
