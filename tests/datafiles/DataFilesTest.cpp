// The data files' shared helpers: the program folder, the existence test,
// text lines read as the C runtime's text mode reads them, and files
// replaced only once their new content is complete.
#include <gtest/gtest.h>

#include "datafiles/DataFiles.h"
#include "platform/WinConst.h"
#include "sim/SimProcess.h"

using namespace platform;
using datafiles::ReadTextLine;
using datafiles::TextFileReader;

namespace {

struct FilesWorld {
    sim::SimWorld world;
    sim::SimProcess process{world, "panel"};
    FilePort& files() { return process.Platform().files; }
    Platform& os() { return process.Platform(); }

    std::vector<std::string> Lines(const std::string& content, int calls) {
        world.files.AddFile("C:\\t.txt", content);
        TextFileReader reader(os(), "C:\\t.txt");
        EXPECT_TRUE(reader.IsOpen());
        std::vector<std::string> lines;
        lines.reserve(static_cast<std::size_t>(calls));
        for (int i = 0; i < calls; ++i) lines.push_back(ReadTextLine(reader));
        return lines;
    }
};

using Lines = std::vector<std::string>;

}  // namespace

TEST(DataFiles, TheProgramFolderIsTheModulesFolderWithItsBackslash) {
    FilesWorld w;
    EXPECT_EQ(datafiles::ProgramFolder(w.files()), "C:\\Phone\\");
    w.world.files.modulePath = "D:\\UsbPhonePanel.exe";
    EXPECT_EQ(datafiles::ProgramFolder(w.files()), "D:\\");
}

TEST(DataFiles, OnlyAFileExistsAFolderDoesNot) {
    FilesWorld w;
    w.world.files.AddFile("C:\\Phone\\ring\\a.wav", "x");
    EXPECT_TRUE(datafiles::FileExists(w.files(), "C:\\Phone\\ring\\a.wav"));
    EXPECT_TRUE(datafiles::FileExists(w.files(), "c:\\phone\\RING\\A.WAV"));
    EXPECT_FALSE(datafiles::FileExists(w.files(), "C:\\Phone\\ring"));
    EXPECT_FALSE(datafiles::FileExists(w.files(), "C:\\Phone\\ring\\b.wav"));
    EXPECT_FALSE(datafiles::FileExists(w.files(), ""));
}

TEST(DataFiles, LinesAreReadInTextModeWithoutTheirEnds) {
    FilesWorld w;
    EXPECT_EQ(w.Lines("one\r\ntwo\r\n", 3), (Lines{"one", "two", ""}));
    // A bare LF ends a line too; a lone CR is part of the text.
    EXPECT_EQ(w.Lines("a\nb\rc\r\n", 3), (Lines{"a", "b\rc", ""}));
    // An empty line and a last line without its end.
    EXPECT_EQ(w.Lines("\r\nlast", 3), (Lines{"", "last", ""}));
    // Ctrl-Z ends the text, as in the C runtime's text mode.
    EXPECT_EQ(w.Lines("one\x1Ahidden\r\n", 2), (Lines{"one", ""}));
    EXPECT_EQ(w.Lines("", 2), (Lines{"", ""}));
}

TEST(DataFiles, ALongLineComesBackIn1022CharacterPieces) {
    FilesWorld w;
    const std::string line(1022 * 2 + 5, 'x');
    EXPECT_EQ(w.Lines(line + "\r\nnext\r\n", 4),
              (Lines{std::string(1022, 'x'), std::string(1022, 'x'), "xxxxx", "next"}));
    // Exactly 1022 characters: the line end comes back as an empty line.
    EXPECT_EQ(w.Lines(std::string(1022, 'y') + "\r\nnext", 3),
              (Lines{std::string(1022, 'y'), "", "next"}));
    // Longer than one read of the file.
    const std::string huge(5000, 'z');
    const Lines pieces = w.Lines(huge + "\r\nend", 6);
    EXPECT_EQ(pieces[4], std::string(5000 - 4 * 1022, 'z'));
    EXPECT_EQ(pieces[5], "end");
}

TEST(DataFiles, AMissingFileOpensNothingAndReadsEmpty) {
    FilesWorld w;
    TextFileReader reader(w.os(), "C:\\none.txt");
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_EQ(ReadTextLine(reader), "");
}

TEST(DataFiles, AReplacedFileHoldsTheNewBytesAndNothingIsLeftBeside) {
    FilesWorld w;
    w.world.files.AddFile("C:\\Phone\\ring.jov", "old\r\n");
    EXPECT_TRUE(datafiles::WriteFileReplacing(w.os(), "C:\\Phone\\ring.jov", "new\r\n"));
    EXPECT_EQ(w.world.files.Text("C:\\Phone\\ring.jov"), "new\r\n");
    EXPECT_EQ(w.world.files.Children("C:\\Phone").size(), 1u);
    EXPECT_EQ(w.world.files.OpenHandles(), 0u);
    // A new file is created as well.
    EXPECT_TRUE(datafiles::WriteFileReplacing(w.os(), "C:\\Phone\\other.jov", "x"));
    EXPECT_EQ(w.world.files.Text("C:\\Phone\\other.jov"), "x");
}

TEST(DataFiles, AFailedWriteLeavesTheOldFileAsItWas) {
    FilesWorld w;
    w.world.files.AddFile("C:\\Phone\\ring.jov", "old\r\n");

    // The disk fills up halfway through the new content.
    w.world.files.freeSpace = 3;
    EXPECT_FALSE(datafiles::WriteFileReplacing(w.os(), "C:\\Phone\\ring.jov", "C:\\new.wav\r\n"));
    EXPECT_EQ(w.world.files.Text("C:\\Phone\\ring.jov"), "old\r\n");
    EXPECT_EQ(w.world.files.Children("C:\\Phone").size(), 1u);
    w.world.files.freeSpace.reset();

    // The new file cannot be made at all.
    w.world.files.refusedPaths = {"C:\\Phone\\ring.jov.new"};
    EXPECT_FALSE(datafiles::WriteFileReplacing(w.os(), "C:\\Phone\\ring.jov", "new\r\n"));
    EXPECT_EQ(w.world.files.Text("C:\\Phone\\ring.jov"), "old\r\n");

    // The old file cannot be replaced: the new one is removed again.
    w.world.files.refusedPaths = {"C:\\Phone\\ring.jov"};
    EXPECT_FALSE(datafiles::WriteFileReplacing(w.os(), "C:\\Phone\\ring.jov", "new\r\n"));
    EXPECT_EQ(w.world.files.Text("C:\\Phone\\ring.jov"), "old\r\n");
    EXPECT_EQ(w.world.files.Children("C:\\Phone").size(), 1u);
    EXPECT_EQ(w.world.files.OpenHandles(), 0u);
}

TEST(DataFiles, AWholeLineDropsTheRestOfALongLineAndStorableLinesReadBackAsOne) {
    FilesWorld w;
    const auto whole = [&w](const std::string& content, int calls) {
        w.world.files.AddFile("C:\\w.txt", content);
        TextFileReader reader(w.os(), "C:\\w.txt");
        Lines lines;
        for (int i = 0; i < calls; ++i) lines.push_back(datafiles::ReadWholeTextLine(reader));
        return lines;
    };
    const std::string longest(1022, 'y');
    // The rest of an overlong line, however long, is no line of its own.
    EXPECT_EQ(whole(std::string(5000, 'x') + "\r\nnext\r\n", 2),
              (Lines{std::string(1022, 'x'), "next"}));
    EXPECT_EQ(whole(longest + "z\r\nnext", 2), (Lines{longest, "next"}));
    // Exactly the limit: the line end is the line's own.
    EXPECT_EQ(whole(longest + "\r\nnext\r\n", 3), (Lines{longest, "next", ""}));
    EXPECT_EQ(whole(longest, 2), (Lines{longest, ""}));
    // Shorter lines read as ReadTextLine reads them.
    EXPECT_EQ(whole("a\r\n\r\nb\rc\n", 4), (Lines{"a", "", "b\rc", ""}));

    // What may be stored: no line ends, no Ctrl-Z, at most the limit.
    EXPECT_EQ(datafiles::StorableTextLine("a\r\nb\nc\rd\x1A"
                                          "e"),
              "abcde");
    EXPECT_EQ(datafiles::StorableTextLine(std::string(1500, 'n')), std::string(1022, 'n'));
    EXPECT_EQ(datafiles::StorableTextLine("\r\n" + std::string(1022, 'n') + "x"),
              std::string(1022, 'n'));
    EXPECT_EQ(datafiles::StorableTextLine("plain text"), "plain text");
}

TEST(DataFiles, AFileAnEditorHoldsOpenIsReadAndAnUnreadableOneSaysSo) {
    FilesWorld w;
    w.world.files.AddFile("C:\\Phone\\urlList.jov", "Name\r\n");
    // A text editor holding the file open for writing, sharing reads and
    // writes: the reader still gets in.
    w.world.files.HoldOpen("C:\\Phone\\urlList.jov", GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE);
    {
        TextFileReader reader(w.os(), "C:\\Phone\\urlList.jov");
        ASSERT_TRUE(reader.IsOpen());
        EXPECT_EQ(ReadTextLine(reader), "Name");
        EXPECT_FALSE(reader.ReadFailed());
    }
    // A program that shares nothing keeps it shut.
    w.world.files.HoldOpen("C:\\Phone\\urlList.jov", GENERIC_READ, 0);
    EXPECT_FALSE(TextFileReader(w.os(), "C:\\Phone\\urlList.jov").IsOpen());
    w.world.files.Release("C:\\Phone\\urlList.jov");

    // A read that fails half-way is not the end of the file.
    w.world.files.AddFile("C:\\big.txt", std::string(6000, 'b'));
    w.world.files.failingReads = {"C:\\big.txt"};
    TextFileReader reader(w.os(), "C:\\big.txt");
    for (int i = 0; i < 6; ++i) ReadTextLine(reader);
    EXPECT_TRUE(reader.ReadFailed());
    EXPECT_EQ(w.world.files.OpenHandles(), 1u);
}
