// Looking up the language table: system languages to records, the code page
// each text is converted with, and the fonts of the languages.
#include <gtest/gtest.h>

#include "ui/LanguageTexts.h"
#include "widgets/CodePages.h"
#include "widgets/NlsDesk.h"

using namespace platform;
using sim::Api;
using widgets_test::NlsDesk;

TEST(LanguageTexts, OnlyExactLanguageIdentifiersFindTheirRecord) {
    EXPECT_EQ(ui::LanguageOfId(0x0409), 0);
    EXPECT_EQ(ui::LanguageOfId(0x0411), 3);
    EXPECT_EQ(ui::LanguageOfId(0x0407), 11);
    EXPECT_EQ(ui::LanguageOfId(0x0C0A), 21);
    EXPECT_EQ(ui::LanguageOfId(0x041F), 23);
    // Other countries' variants fall back to English.
    for (Word id : {0x0809, 0x0C04, 0x040A, 0x0807, 0x0814})
        EXPECT_EQ(ui::LanguageOfId(id), 0) << id;
    // Only the records the submenu has are searched.
    EXPECT_EQ(ui::LanguageOfId(0x041F, 23), 0);
}

TEST(LanguageTexts, TheSystemsLanguageUsesTheSystemsCodePageOthersTheirRecords) {
    EXPECT_EQ(ui::TextCodePage(3, 3), kCpAcp);
    EXPECT_EQ(ui::TextCodePage(3, 11), 932u);
    EXPECT_EQ(ui::TextCodePage(12, 0), 737u);
    EXPECT_EQ(ui::TextCodePage(13, 0), 862u);
    EXPECT_EQ(ui::TextCodePage(20, 0), 1251u);
    // Swedish has no code page of its own, English neither.
    EXPECT_EQ(ui::TextCodePage(22, 0), kCpAcp);
    EXPECT_EQ(ui::TextCodePage(0, 3), kCpAcp);
}

TEST(LanguageTexts, RowsAreConvertedAsTheirLanguageSays) {
    NlsDesk d;
    // The system's language: measured, then converted with CP_ACP.
    EXPECT_EQ(ui::RowBytes(d.nls, 20, 0, 0), "Exit");
    EXPECT_EQ(d.ConversionPages(), (std::vector<UInt>{kCpAcp, kCpAcp}));
    EXPECT_EQ(d.world.Journal().Of(Api::WideCharToMultiByte).front().lParam, 4);
    d.world.Journal().Clear();
    // Greek on an English system: one conversion with DOS Greek. Row 33 is
    // the language's English name in every record but the East Asian ones.
    EXPECT_EQ(ui::RowBytes(d.nls, 33, 12, 0), "Greek");
    EXPECT_EQ(d.ConversionPages(), (std::vector<UInt>{737}));
    d.world.Journal().Clear();
    // English while Japanese is the system's: record 0's code page 0 is the
    // system's.
    EXPECT_EQ(ui::RowBytes(d.nls, 0, 0, 3), "USB Phone Control Panel");
    EXPECT_EQ(d.ConversionPages(), (std::vector<UInt>{kCpAcp}));
    // Rows are zero-filled after their text: only the text comes back.
    EXPECT_EQ(ui::RowBytes(d.nls, 4, 7, 0), "KWIRO");
}

TEST(LanguageTexts, JapaneseRowsBecomeShiftJisOnAGermanSystem) {
    NlsDesk d;
    const std::u16string title =
        u"USB\u30D5\u30A9\u30F3 \u30AA\u30FC\u30C7\u30A3\u30AA"
        u"\u30B3\u30F3\u30C8\u30ED\u30FC\u30EB ";
    EXPECT_EQ(std::u16string(ui::RowText(3, 0)), title);
    EXPECT_EQ(ui::RowBytes(d.nls, 0, 3, 11), vcl::FromUtf16(d.nls, 932, title));
    EXPECT_EQ(ui::RowBytes(d.nls, 0, 3, 11).substr(0, 9), "USB\x83\x74\x83\x48\x83\x93");
}

TEST(LanguageTexts, FacesByCharsetAndTenPointsAtTheScreensResolution) {
    EXPECT_STREQ(ui::FaceNameOfCharset(129), "Arial Unicode MS");
    EXPECT_STREQ(ui::FaceNameOfCharset(136), "Fixedsys");
    for (std::uint8_t charset : {0, 128, 134})
        EXPECT_STREQ(ui::FaceNameOfCharset(charset), "MS Sans Serif");
    EXPECT_EQ(ui::FontHeightOfPoints(10, 96), -13);
    EXPECT_EQ(ui::FontHeightOfPoints(10, 120), -17);
    EXPECT_EQ(ui::FontHeightOfPoints(10, 72), -10);
    EXPECT_EQ(ui::FontHeightOfPoints(8, 96), -11);
    EXPECT_EQ(ui::FontHeightOfPoints(9, 96), -12);
}
