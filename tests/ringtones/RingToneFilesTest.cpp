// The library's pure parts: the silent file's bytes, the parts of a path,
// and the tone list's listing of a folder.
#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "ringtones/RingToneFiles.h"
#include "ringtones/ToneBrowser.h"
#include "sim/SimProcess.h"

using namespace ringtones;
using Names = std::vector<std::string>;

TEST(RingToneFiles, TheSilentFileIsThreeSecondsOf16BitMonoAt16000PerSecond) {
    const std::vector<std::uint8_t> bytes = MuteWaveBytes();
    ASSERT_EQ(bytes.size(), 96044u);
    const std::uint8_t header[44] = {
        'R',  'I',  'F', 'F', 0x24, 0x77, 0x01, 0x00, 'W',  'A',  'V',  'E',    // 96036
        'f',  'm',  't', ' ', 16,   0,    0,    0,    1,    0,    1,    0,      // PCM, mono
        0x80, 0x3E, 0,   0,   0x00, 0x7D, 0,    0,                              // 16000, 32000
        2,    0,    16,  0,   'd',  'a',  't',  'a',  0x00, 0x77, 0x01, 0x00};  // 96000
    EXPECT_TRUE(std::equal(header, header + 44, bytes.begin()));
    EXPECT_TRUE(
        std::all_of(bytes.begin() + 44, bytes.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(RingToneFiles, APathSplitsAfterItsLastBackslashOrColon) {
    EXPECT_EQ(FolderPart("C:\\Phone\\ring\\a.wav"), "C:\\Phone\\ring\\");
    EXPECT_EQ(NamePart("C:\\Phone\\ring\\a.wav"), "a.wav");
    EXPECT_EQ(FolderPart("C:a.wav"), "C:");
    EXPECT_EQ(NamePart("C:a.wav"), "a.wav");
    EXPECT_EQ(FolderPart("a.wav"), "");
    EXPECT_EQ(NamePart("a.wav"), "a.wav");
    EXPECT_EQ(FolderPart(""), "");
    EXPECT_EQ(JoinPath("C:\\", "a.wav"), "C:\\a.wav");
    EXPECT_EQ(JoinPath("C:\\ring", "a.wav"), "C:\\ring\\a.wav");
    EXPECT_EQ(SilentFile("C:\\Phone\\"), "C:\\Phone\\ring\\mute.wav");
    EXPECT_EQ(DefaultTone("C:\\Phone\\"), "C:\\Phone\\ring\\ring_in.wav");
}

TEST(RingToneFiles, TheToneListHoldsVisiblePlainFilesMatchingTheMaskSortedByName) {
    sim::SimWorld world;
    sim::SimProcess process{world, "panel"};
    platform::FilePort& files = process.Platform().files;
    world.files.AddFile("C:\\r\\b.wav", "");
    world.files.AddFile("C:\\r\\A.WAV", "");
    world.files.AddFile("C:\\r\\c.wav", "");
    world.files.AddFile("C:\\r\\notes.txt", "");
    world.files.AddFile("C:\\r\\hidden.wav", "", platform::FILE_ATTRIBUTE_HIDDEN);
    world.files.AddFile("C:\\r\\system.wav", "", platform::FILE_ATTRIBUTE_SYSTEM);
    world.files.AddFolder("C:\\r\\folder.wav");
    world.files.AddFolder("C:\\r\\Sub");
    EXPECT_EQ(ListToneFiles(files, "C:\\r", "*.wav"), (Names{"A.WAV", "b.wav", "c.wav"}));
    EXPECT_EQ(ListToneFiles(files, "C:\\r\\", "*.*").size(), 4u);
    EXPECT_EQ(ListToneFiles(files, "C:\\missing", "*.wav"), Names{});
    EXPECT_EQ(ListSubfolders(files, "C:\\r"), (Names{"folder.wav", "Sub"}));
    EXPECT_EQ(world.files.OpenHandles(), 0u);

    world.files.AddDrive('e');
    EXPECT_EQ(ListDrives(files), (std::vector<char>{'C', 'E'}));
}
