// What the default-device query decides without a window: names, command
// lines, the Windows kinds, the dialog's control count and the reports.
#include <gtest/gtest.h>

#include "audio/SoundPanel.h"
#include "platform/WinConst.h"

using namespace platform;
using namespace audio;

TEST(SoundPanel, DesktopNameEndsInTheThreadIdAsEightUpperCaseHexDigits) {
    EXPECT_EQ(PrivateDesktopName(0x4D8), "Jov desktop 000004D8");
    EXPECT_EQ(PrivateDesktopName(0xABCDEF12), "Jov desktop ABCDEF12");
    EXPECT_EQ(PrivateDesktopName(0), "Jov desktop 00000000");
}

TEST(SoundPanel, WindowsKindsByPlatformAndVersion) {
    struct Row {
        DWord major, minor, platformId;
        int kind;
        bool vistaOrLater;
    };
    const Row rows[] = {
        // NT 5.2, Windows XP x64 and Server 2003, has XP's Sound control panel.
        {5, 0, 2, 1, false}, {5, 1, 2, 2, false}, {5, 2, 2, 2, false},
        {6, 0, 2, 3, true},  {6, 1, 2, 0, true},  {10, 0, 2, 0, true},
        {4, 0, 2, 0, false}, {5, 1, 1, 0, false}, {6, 0, 1, 0, false},
    };
    for (const Row& row : rows) {
        OsVersionInfoA v;
        v.dwMajorVersion = row.major;
        v.dwMinorVersion = row.minor;
        v.dwPlatformId = row.platformId;
        SCOPED_TRACE(testing::Message()
                     << row.major << "." << row.minor << " on " << row.platformId);
        EXPECT_EQ(WindowsKindOf(true, v), row.kind);
        EXPECT_EQ(IsVistaOrLaterOf(true, v), row.vistaOrLater);
        EXPECT_EQ(WindowsKindOf(false, v), 0);
        EXPECT_FALSE(IsVistaOrLaterOf(false, v));
    }
}

TEST(SoundPanel, CommandLinesByWindowsKind) {
    const std::string xp = "rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,,2";
    const std::string w2000 = "rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,,1";
    const std::string vista = "rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,,0";
    EXPECT_EQ(WorkerSoundPanelLine(2), xp);
    EXPECT_EQ(WorkerSoundPanelLine(1), w2000);
    EXPECT_EQ(WorkerSoundPanelLine(3), "");
    EXPECT_EQ(WorkerSoundPanelLine(0), "");
    EXPECT_EQ(ButtonSoundPanelLine(2, false), xp);
    EXPECT_EQ(ButtonSoundPanelLine(1, false), w2000);
    EXPECT_EQ(ButtonSoundPanelLine(0, false), w2000);
    EXPECT_EQ(ButtonSoundPanelLine(3, true), vista);
    EXPECT_EQ(ButtonSoundPanelLine(0, true), vista);
    EXPECT_EQ(InSystemDir("C:\\WINDOWS\\system32", xp), "C:\\WINDOWS\\system32\\" + xp);
    EXPECT_EQ(InSystemDir("", xp), xp);
}

TEST(SoundPanel, TheDialogIsCompleteOnlyWithThreeCombosAndExactlyTwoButtons) {
    SoundDialogControls c;
    c.AddCombo(6662, 0x11);
    c.AddCombo(6663, 0x12);
    c.AddCombo(1000, 0x99);  // another combo box is no part of it
    EXPECT_FALSE(c.AddButton(3, 0x98));
    EXPECT_TRUE(c.AddButton(1, 0x21));
    EXPECT_TRUE(c.AddButton(2, 0x22));
    EXPECT_FALSE(c.Complete());
    c.AddCombo(6664, 0x13);
    EXPECT_EQ(c.comboCount, 3);
    EXPECT_EQ(c.buttonCount, 2);
    EXPECT_TRUE(c.Complete());
    EXPECT_EQ(c.playback, 0x11u);
    EXPECT_EQ(c.recording, 0x12u);
    EXPECT_EQ(c.third, 0x13u);
    EXPECT_EQ(c.ok, 0x21u);
    EXPECT_EQ(c.cancel, 0x22u);

    // A page's own OK button counts too: three buttons are not the sheet.
    c.AddButton(1, 0x31);
    EXPECT_EQ(c.buttonCount, 3);
    EXPECT_FALSE(c.Complete());
    c.Reset();
    EXPECT_EQ(c.buttonCount, 0);
    EXPECT_EQ(c.ok, 0u);
}

TEST(SoundPanel, OnlyAFoundDialogReportsSuccessAndAnEndingRunReportsNothing) {
    const struct {
        SoundPanelRunEnd end;
        UInt report;
    } rows[] = {
        {SoundPanelRunEnd::Found, WM_SYSDEFAULT_SUCCESS},
        {SoundPanelRunEnd::NoDesktop, WM_SYSDEFAULT_FAIL},
        {SoundPanelRunEnd::NoSystemDir, WM_SYSDEFAULT_FAIL},
        {SoundPanelRunEnd::UnsupportedWindows, WM_SYSDEFAULT_FAIL},
        {SoundPanelRunEnd::StartFailed, WM_SYSDEFAULT_FAIL},
        {SoundPanelRunEnd::NotFound, WM_SYSDEFAULT_FAIL},
        {SoundPanelRunEnd::Ending, 0u},
    };
    for (const auto& row : rows) EXPECT_EQ(ReportFor(row.end), row.report);
}

TEST(SoundPanel, TheEndpointNamesTheMixerDeviceWhoseNameIsItsFirst31Characters) {
    const std::vector<TMixerName> names = {{"Realtek HD Audio output", 0},
                                           {"Speakers (USB Audio Device with", 1}};
    EXPECT_EQ(EndpointDeviceName("Speakers (USB Audio Device with long name)", names),
              "Speakers (USB Audio Device with");
    EXPECT_EQ(EndpointDeviceName("Realtek HD Audio output", names), "Realtek HD Audio output");
    // A prefix of a mixer name is not that device.
    EXPECT_EQ(EndpointDeviceName("Realtek HD", names), "Realtek HD");
    EXPECT_EQ(EndpointDeviceName("Headphones (Other)", names), "Headphones (Other)");
    EXPECT_EQ(EndpointDeviceName("Headphones (Other)", {}), "Headphones (Other)");
}
