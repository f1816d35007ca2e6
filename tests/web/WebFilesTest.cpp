// The shortcut files' pure helpers: their paths, their text, and the address
// stored for a typed one.
#include <gtest/gtest.h>

#include "web/WebFiles.h"

using web::StoredWebAddress;

TEST(WebFiles, TheStoredAddressGetsOneLowerCaseWebScheme) {
    // No scheme: "http://" in front.
    EXPECT_EQ(StoredWebAddress("www.example.org/a"), "http://www.example.org/a");
    // "http://" in any case: lower-cased, the rest kept as typed.
    EXPECT_EQ(StoredWebAddress("HtTp://Example.ORG/Path"), "http://Example.ORG/Path");
    EXPECT_EQ(StoredWebAddress("http://x"), "http://x");
    // The secure scheme stays secure, in lower case.
    EXPECT_EQ(StoredWebAddress("HTTPS://Bank.example/Login"), "https://Bank.example/Login");
    EXPECT_EQ(StoredWebAddress("https://a"), "https://a");
    // Any other scheme gets "http://" in front of all of it.
    EXPECT_EQ(StoredWebAddress("ftp://files.example"), "http://ftp://files.example");
    EXPECT_EQ(StoredWebAddress("httpx://a"), "http://httpx://a");
    // Too short to hold a scheme.
    EXPECT_EQ(StoredWebAddress("http:/"), "http://http:/");
    EXPECT_EQ(StoredWebAddress("https:/"), "http://https:/");
    EXPECT_EQ(StoredWebAddress("a"), "http://a");
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
