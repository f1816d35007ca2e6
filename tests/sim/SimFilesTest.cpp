// The simulated file system and media layer as programs see them through
// their ports: names without regard to case, masks, replacing moves, and
// MCI devices whose position follows the virtual clock.
#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "sim/SimProcess.h"

using namespace platform;

TEST(SimFiles, MasksMatchWithoutRegardToCase) {
    EXPECT_TRUE(sim::MaskMatches("*.wav", "Ring.WAV"));
    EXPECT_TRUE(sim::MaskMatches("*", "a"));
    EXPECT_TRUE(sim::MaskMatches("r?ng*.wav", "ring_in.wav"));
    EXPECT_TRUE(sim::MaskMatches("*.*", "noext."));
    EXPECT_FALSE(sim::MaskMatches("*.wav", "ring.wave"));
    EXPECT_FALSE(sim::MaskMatches("*.wav", "wav"));
    EXPECT_FALSE(sim::MaskMatches("?", ""));
}

TEST(SimFiles, AMoveReplacesOnlyWhenAskedAndFailuresSetTheLastError) {
    sim::SimWorld world;
    sim::SimProcess process{world, "p"};
    FilePort& files = process.files;
    world.files.AddFile("C:\\d\\new", "new");
    world.files.AddFile("C:\\d\\old", "old");
    EXPECT_FALSE(files.MoveFileExA("C:\\d\\new", "C:\\D\\OLD", 0));
    EXPECT_EQ(process.sync.GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_TRUE(files.MoveFileExA("C:\\d\\new", "C:\\D\\OLD", MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(world.files.Text("c:\\d\\old"), "new");
    EXPECT_FALSE(world.files.FileExists("C:\\d\\new"));
    EXPECT_EQ(files.CreateFileA("C:\\none\\x", GENERIC_WRITE, 0, CREATE_ALWAYS, 0), kInvalidHandle);
    EXPECT_EQ(process.sync.GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_FALSE(files.CreateDirectoryA("C:\\d"));
    EXPECT_EQ(process.sync.GetLastError(), ERROR_ALREADY_EXISTS);
}

TEST(SimMedia, APlayingDeviceAdvancesWithTheClockAndStopsAtItsEnd) {
    sim::SimWorld world;
    sim::SimProcess process{world, "p"};
    MediaPort& media = process.media;
    // 8000 bytes per second, 1000 bytes of data: 125 ms.
    std::vector<std::uint8_t> wave = {'R', 'I', 'F',  'F',  0,   0,   0,    0,    'W',  'A', 'V',
                                      'E', 'f', 'm',  't',  ' ', 16,  0,    0,    0,    1,   0,
                                      1,   0,   0x40, 0x1F, 0,   0,   0x40, 0x1F, 0,    0,   1,
                                      0,   8,   0,    'd',  'a', 't', 'a',  0xE8, 0x03, 0,   0};
    wave.resize(wave.size() + 1000, 0x80);
    world.files.AddFile("C:\\t.wav", wave);
    world.files.AddFile("C:\\bad.wav", "not a wave");

    MciOpenParmsA open;
    open.lpstrElementName = "C:\\missing.wav";
    EXPECT_EQ(media.mciSendCommandA(0, MCI_OPEN, MCI_OPEN_ELEMENT, ToParams(&open)),
              MCIERR_FILE_NOT_FOUND);
    open.lpstrElementName = "C:\\bad.wav";
    EXPECT_EQ(media.mciSendCommandA(0, MCI_OPEN, MCI_OPEN_ELEMENT, ToParams(&open)),
              MCIERR_INVALID_FILE);
    open.lpstrElementName = "C:\\T.WAV";
    ASSERT_EQ(media.mciSendCommandA(0, MCI_OPEN, MCI_OPEN_ELEMENT, ToParams(&open)), 0u);
    const MciDeviceId id = open.wDeviceID;

    auto status = [&](DWord item) {
        MciStatusParms s;
        s.dwItem = item;
        EXPECT_EQ(media.mciSendCommandA(id, MCI_STATUS, MCI_STATUS_ITEM, ToParams(&s)), 0u);
        return s.dwReturn;
    };
    EXPECT_EQ(status(MCI_STATUS_LENGTH), 125u);
    MciPlayParms play;
    media.mciSendCommandA(id, MCI_PLAY, 0, ToParams(&play));
    world.Advance(100);
    EXPECT_EQ(status(MCI_STATUS_POSITION), 100u);
    world.Advance(100);
    EXPECT_EQ(status(MCI_STATUS_POSITION), 125u);
    EXPECT_TRUE(world.media.Playing().empty());
    // A seek needs its parameter block, as under Wine.
    EXPECT_EQ(media.mciSendCommandA(id, MCI_SEEK, MCI_SEEK_TO_START, 0),
              MCIERR_NULL_PARAMETER_BLOCK);
    MciSeekParms seek;
    EXPECT_EQ(media.mciSendCommandA(id, MCI_SEEK, MCI_SEEK_TO_START, ToParams(&seek)), 0u);
    EXPECT_EQ(status(MCI_STATUS_POSITION), 0u);
    MciGenericParms close;
    EXPECT_EQ(media.mciSendCommandA(id, MCI_CLOSE, 0, ToParams(&close)), 0u);
    EXPECT_TRUE(world.media.OpenDevices().empty());
    char text[8];
    EXPECT_TRUE(media.mciGetErrorStringA(MCIERR_FILE_NOT_FOUND, text, sizeof text));
    EXPECT_EQ(std::string(text), "The spe");
}
