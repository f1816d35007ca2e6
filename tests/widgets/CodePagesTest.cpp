// Conversions between UTF-16 and the code pages the languages use, with the
// real bytes of each code page.
#include <gtest/gtest.h>

#include "widgets/CodePages.h"
#include "widgets/NlsDesk.h"

using namespace platform;
using widgets_test::NlsDesk;

TEST(CodePages, TextsBecomeTheBytesOfTheirCodePage) {
    NlsDesk d;
    // Japanese "フォン" in Shift-JIS, Korean "제어판" in the Unified Hangul
    // code, Greek "Ήχος" in the DOS Greek code page, Hebrew "שמע" in DOS Hebrew.
    EXPECT_EQ(vcl::FromUtf16(d.nls, 932, u"\u30D5\u30A9\u30F3"), "\x83\x74\x83\x48\x83\x93");
    EXPECT_EQ(vcl::FromUtf16(d.nls, 949, u"\uC81C\uC5B4\uD310"), "\xC1\xA6\xBE\xEE\xC6\xC7");
    EXPECT_EQ(vcl::FromUtf16(d.nls, 737, u"\u0389\u03C7\u03BF\u03C2"), "\xEC\xAE\xA6\xAA");
    EXPECT_EQ(vcl::FromUtf16(d.nls, 862, u"\u05E9\u05DE\u05E2"), "\x99\x8E\x92");
    // The system's code page stands for code page 0.
    EXPECT_EQ(vcl::FromUtf16(d.nls, kCpAcp, u"\u00E9"), "\xE9");
    d.world.locale.ansiCodePage = 1251;
    EXPECT_EQ(vcl::FromUtf16(d.nls, kCpAcp, u"\u0416"), "\xC6");
    EXPECT_EQ(d.ConversionPages().back(), kCpAcp);
}

TEST(CodePages, UnmappableCharactersUnknownPagesAndBadBytes) {
    NlsDesk d;
    // A character the code page lacks becomes '?', as Windows does without
    // a default character.
    EXPECT_EQ(vcl::FromUtf16(d.nls, 1252, u"a\u0416b"), "a?b");
    // An unknown code page converts nothing and says so.
    char out[8];
    EXPECT_EQ(d.nls.WideCharToMultiByte(4242, 0, u"x", 1, out, 8), 0);
    EXPECT_EQ(d.process.sync.GetLastError(), 87u);
    EXPECT_EQ(vcl::FromUtf16(d.nls, 4242, u"abc"), "");
    // A buffer too small fails instead of cutting the text.
    EXPECT_EQ(d.nls.WideCharToMultiByte(932, 0, u"\u30D5\u30A9", 2, out, 3), 0);
    EXPECT_EQ(d.process.sync.GetLastError(), 122u);
    // Measuring counts the terminating zero when the length is -1.
    EXPECT_EQ(d.nls.WideCharToMultiByte(932, 0, u"\u30D5", -1, nullptr, 0), 3);
    // Invalid UTF-8 decodes to U+FFFD, or fails when asked to.
    EXPECT_EQ(vcl::ToUtf16(d.nls, kCpUtf8,
                           "a\xFF"
                           "b"),
              u"a\uFFFDb");
    char16_t wide[8];
    EXPECT_EQ(d.nls.MultiByteToWideChar(kCpUtf8, 0x8, "a\xFF", 2, wide, 8), 0);
}

TEST(CodePages, RecodingGoesBothWays) {
    NlsDesk d;
    d.world.locale.ansiCodePage = 1252;
    const std::string utf8 = vcl::Recode(d.nls, kCpAcp, kCpUtf8,
                                         "Lautsprecher (Gr\xF6\xDF"
                                         "e)");
    EXPECT_EQ(utf8,
              "Lautsprecher (Gr\xC3\xB6\xC3\x9F"
              "e)");
    EXPECT_EQ(vcl::Recode(d.nls, kCpUtf8, kCpAcp, utf8),
              "Lautsprecher (Gr\xF6\xDF"
              "e)");
    EXPECT_EQ(vcl::ToUtf16(d.nls, 949, "\xC1\xA6"), u"\uC81C");
    EXPECT_EQ(vcl::ToUtf16(d.nls, 932, ""), u"");
}
