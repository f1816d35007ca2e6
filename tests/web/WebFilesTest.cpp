// The shortcut files' helpers: their paths, their text, reading their lines,
// and the address stored for a typed one.
#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "sim/SimProcess.h"
#include "web/WebFiles.h"

using web::StoredWebAddress;

TEST(WebFiles, TheStoredAddressGetsOneLowerCaseWebScheme) {
    const struct {
        const char* typed;
        const char* stored;
    } rows[] = {
        // No scheme: "http://" in front.
        {"www.example.org/a", "http://www.example.org/a"},
        // "http://" in any case: lower-cased, the rest kept as typed.
        {"HtTp://Example.ORG/Path", "http://Example.ORG/Path"},
        {"http://x", "http://x"},
        // The secure scheme stays secure, in lower case.
        {"HTTPS://Bank.example/Login", "https://Bank.example/Login"},
        {"https://a", "https://a"},
        // Any other scheme gets "http://" in front of all of it.
        {"ftp://files.example", "http://ftp://files.example"},
        {"httpx://a", "http://httpx://a"},
        // Too short to hold a scheme.
        {"http:/", "http://http:/"},
        {"https:/", "http://https:/"},
        {"a", "http://a"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(StoredWebAddress(row.typed), row.stored) << "row \"" << row.typed << '"';
}

TEST(WebFiles, LinesAreWrittenWithCrLfInTheProgramFolder) {
    EXPECT_EQ(web::FileText({"N/A", "", "x"}), "N/A\r\n\r\nx\r\n");
    EXPECT_EQ(web::FileText({}), "");
    // Whatever the lines hold, each is written as one line the reader takes.
    EXPECT_EQ(web::FileText({"a\r\nb\x1A", std::string(1030, 'c')}),
              "ab\r\n" + std::string(1022, 'c') + "\r\n");
    EXPECT_EQ(web::UrlListFile("C:\\P\\"), "C:\\P\\urlList.jov");
    EXPECT_EQ(web::DefaultWebFile("C:\\P\\"), "C:\\P\\defaultWeb.jov");
}

TEST(WebFiles, LinesOfAFileThatIsMissingOrUnreadableAreAllEmptyAndSaySo) {
    sim::SimWorld world;
    sim::SimProcess panel(world, "panel");
    using Lines = std::vector<std::string>;

    world.files.AddFile("C:\\P\\urlList.jov", "A\r\nhttp://a\r\nB\r\n");
    web::FileLines read = web::ReadFileLines(panel.Platform(), "C:\\P\\urlList.jov", 4);
    EXPECT_EQ(read.read, web::FileRead::Read);
    EXPECT_EQ(read.lines, (Lines{"A", "http://a", "B", ""}));

    read = web::ReadFileLines(panel.Platform(), "C:\\P\\defaultWeb.jov", 2);
    EXPECT_EQ(read.read, web::FileRead::Missing);
    EXPECT_EQ(read.lines, (Lines{"", ""}));

    // Held shut by another program: there, but not read.
    world.files.HoldOpen("C:\\P\\urlList.jov", platform::GENERIC_READ, 0);
    read = web::ReadFileLines(panel.Platform(), "C:\\P\\urlList.jov", 4);
    EXPECT_EQ(read.read, web::FileRead::Unreadable);
    EXPECT_EQ(read.lines, (Lines{"", "", "", ""}));
    world.files.Release("C:\\P\\urlList.jov");

    // A read that fails half-way gives nothing of what it read.
    world.files.AddFile("C:\\P\\big.jov", "first\r\n" + std::string(6000, 'b'));
    world.files.failingReads = {"C:\\P\\big.jov"};
    read = web::ReadFileLines(panel.Platform(), "C:\\P\\big.jov", 3);
    EXPECT_EQ(read.read, web::FileRead::Unreadable);
    EXPECT_EQ(read.lines, (Lines{"", "", ""}));
    EXPECT_EQ(world.files.OpenHandles(), 0u);
}
