// The language table's data: the records' headers, the rows every language
// shares, and that each text survives its code page, which is what the
// window will show.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "sim/SimProcess.h"
#include "ui/LanguageTable.h"
#include "widgets/CodePages.h"

using ui::kLanguageCount;
using ui::kLanguageRows;
using ui::kLanguageRowUnits;
using ui::LanguageTable;

namespace {

// The row's text up to its terminating zero (the whole row if it has none).
std::u16string Text(int record, int row) {
    const char16_t* units = LanguageTable[record].texts[row];
    std::u16string text;
    for (int i = 0; i < kLanguageRowUnits && units[i] != 0; ++i) text += units[i];
    return text;
}

std::u16string English(int row) {
    return Text(0, row);
}

bool EndsWith(const std::u16string& text, const std::u16string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool Contains(const std::u16string& text, const std::u16string& part) {
    return text.find(part) != std::u16string::npos;
}

std::u16string TrimRight(std::u16string text) {
    while (!text.empty() && text.back() == u' ') text.pop_back();
    return text;
}

// Rows the Western, Arabic, Greek, Hebrew, Russian and Turkish records keep
// in English.
bool KeptEnglish(int record, int row) {
    if (row == 0 || row == 1 || row == 4 || row == 6 || (row >= 21 && row <= 44)) return true;
    if ((record == 8 || record == 11) && (row == 3 || row == 18)) return true;
    return record == 11 && row == 5;
}

}  // namespace

TEST(LanguageTable, EveryRowHoldsAZeroTerminatedZeroFilledText) {
    for (int record = 0; record < kLanguageCount; ++record) {
        for (int row = 0; row < kLanguageRows; ++row) {
            SCOPED_TRACE(testing::Message() << "record " << record << " row " << row);
            const char16_t* units = LanguageTable[record].texts[row];
            const std::u16string text = Text(record, row);
            EXPECT_FALSE(text.empty());
            // The row's last unit must stay free for the terminating zero.
            ASSERT_LT(text.size(), static_cast<size_t>(kLanguageRowUnits));
            // The texts are short labels; the widest in any language has 38 units.
            EXPECT_LE(text.size(), 38u);
            for (int i = static_cast<int>(text.size()); i < kLanguageRowUnits; ++i)
                ASSERT_EQ(units[i], 0) << "unit " << i;
            // A leading blank or a line break would show in the control.
            EXPECT_NE(text.front(), u' ');
            EXPECT_FALSE(Contains(text, u"\n") || Contains(text, u"\r") || Contains(text, u"\t"));
        }
    }
}

TEST(LanguageTable, HeadersInTheOrderOfTheLanguageMenu) {
    struct Header {
        std::uint16_t id;
        std::uint8_t charset;
        std::uint32_t codePage;
    };
    const Header expected[kLanguageCount] = {
        {0x0409, 0, 0},     {0x0404, 136, 950}, {0x0804, 134, 936}, {0x0411, 128, 932},
        {0x0412, 129, 949}, {0x0401, 0, 1256},  {0x0405, 0, 1250},  {0x0406, 0, 1252},
        {0x0413, 0, 1252},  {0x040B, 0, 1252},  {0x040C, 0, 1252},  {0x0407, 0, 1252},
        {0x0408, 0, 737},   {0x040D, 0, 862},   {0x040E, 0, 1250},  {0x0410, 0, 1252},
        {0x0414, 0, 1252},  {0x0415, 0, 1250},  {0x0816, 0, 1252},  {0x0416, 0, 1252},
        {0x0419, 0, 1251},  {0x0C0A, 0, 1252},  {0x041D, 0, 0},     {0x041F, 0, 1254},
    };
    for (int record = 0; record < kLanguageCount; ++record) {
        SCOPED_TRACE(testing::Message() << "record " << record);
        EXPECT_EQ(LanguageTable[record].languageId, expected[record].id);
        EXPECT_EQ(LanguageTable[record].charset, expected[record].charset);
        EXPECT_EQ(LanguageTable[record].codePage, expected[record].codePage);
    }
}

TEST(LanguageTable, EnglishRecordAndTheRowsEveryLanguageShares) {
    const char16_t* english[kLanguageRows] = {
        u"USB Phone Control Panel",
        u"Website",
        u"Ring Tone",
        u"Setup",
        u"KWIRO",
        u"Name",
        u"Website",
        u"Save",
        u"Ring Tone",
        u"Default",
        u"USB Phone",
        u"Speaker Volume:",
        u"Mic. Volume:",
        u"Ring Volume:",
        u"Skype Audio Device",
        u"Output Device:",
        u"Input Device:",
        u"Windows default sound device:",
        u"Setup",
        u"Language",
        u"Exit",
        u"English",
        u"Chinese traditional",
        u"Chinese simplified",
        u"Japanese",
        u"Korean",
        u"Arabic",
        u"Czech",
        u"Danish",
        u"Dutch",
        u"Finnish",
        u"French",
        u"German",
        u"Greek",
        u"Hebrew",
        u"Hungarian",
        u"Italian",
        u"Norwegian",
        u"Polish",
        u"Portuguese",
        u"Brazil",
        u"Russian",
        u"Spanish",
        u"Swedish",
        u"Turkish",
        u"Windows default sound device",
    };
    for (int row = 0; row < kLanguageRows; ++row)
        EXPECT_EQ(English(row), english[row]) << "row " << row;

    EXPECT_EQ(Text(1, 0), u"USB Phone 主控台");
    EXPECT_EQ(Text(3, 0), u"USBフォン オーディオコントロール ");
    EXPECT_EQ(Text(4, 0), u"USB Phone 제어판");
    EXPECT_EQ(Text(3, 44), u"Turkish ");

    for (int record = 0; record < kLanguageCount; ++record) {
        SCOPED_TRACE(testing::Message() << "record " << record);
        EXPECT_EQ(Text(record, 4), u"KWIRO");
        EXPECT_TRUE(Contains(Text(record, 14), u"Skype")) << "row 14";
        EXPECT_TRUE(Contains(Text(record, 0), u"USB")) << "row 0";
        EXPECT_TRUE(Contains(Text(record, 10), u"USB")) << "row 10";
        // Labels keep their colon in every language.
        for (int row = 0; row < kLanguageRows; ++row) {
            if (EndsWith(English(row), u":")) {
                EXPECT_TRUE(EndsWith(TrimRight(Text(record, row)), u":")) << "row " << row;
            }
        }
    }
}

TEST(LanguageTable, TrailingBlanksOnlyWhereTheyBelongToTheText) {
    const std::set<std::pair<int, int>> blanks = {{3, 0}, {3, 44}, {5, 11}, {5, 12}, {10, 45}};
    for (int record = 0; record < kLanguageCount; ++record) {
        for (int row = 0; row < kLanguageRows; ++row) {
            EXPECT_EQ(EndsWith(Text(record, row), u" "), blanks.count({record, row}) == 1)
                << "record " << record << " row " << row;
        }
    }
}

TEST(LanguageTable, WhichRowsAreTranslated) {
    // Records 5 to 23: the English rows are record 0's, every other row is
    // the language's own.
    for (int record = 5; record < kLanguageCount; ++record) {
        for (int row = 0; row < kLanguageRows; ++row) {
            SCOPED_TRACE(testing::Message() << "record " << record << " row " << row);
            if (KeptEnglish(record, row))
                EXPECT_EQ(Text(record, row), English(row));
            else
                EXPECT_NE(Text(record, row), English(row));
        }
    }
    // The East Asian records translate the window's and the menu's rows; the
    // two Chinese ones also the language names, Korean some of them, and
    // Japanese none (only the blank after "Turkish").
    for (int record = 1; record <= 4; ++record) {
        for (int row = 0; row <= 45; ++row) {
            if (row == 4 || (row >= 21 && row <= 44)) continue;
            EXPECT_NE(Text(record, row), English(row)) << "record " << record << " row " << row;
        }
    }
    int koreanNames = 0;
    for (int row = 21; row <= 44; ++row) {
        EXPECT_NE(Text(1, row), English(row)) << "row " << row;
        EXPECT_NE(Text(2, row), English(row)) << "row " << row;
        if (row < 44) {
            EXPECT_EQ(Text(3, row), English(row)) << "row " << row;
        }
        if (Text(4, row) != English(row)) ++koreanNames;
    }
    EXPECT_GT(koreanNames, 0);
    EXPECT_LT(koreanNames, 24);
}

TEST(LanguageTable, EveryTextSurvivesItsCodePage) {
    sim::SimWorld world;
    sim::SimProcess process{world, "program"};
    for (int record = 0; record < kLanguageCount; ++record) {
        // Code page 0 is the system's; the languages that use it are written
        // in the Western code page.
        const platform::UInt codePage =
            LanguageTable[record].codePage == 0 ? 1252 : LanguageTable[record].codePage;
        for (int row = 0; row < kLanguageRows; ++row) {
            SCOPED_TRACE(testing::Message() << "record " << record << " row " << row);
            const std::u16string text = Text(record, row);
            const std::string bytes = vcl::FromUtf16(process.nls, codePage, text);
            ASSERT_FALSE(bytes.empty());
            // A character the code page lacks comes back as '?'.
            EXPECT_EQ(vcl::ToUtf16(process.nls, codePage, bytes), text);
        }
    }
}
