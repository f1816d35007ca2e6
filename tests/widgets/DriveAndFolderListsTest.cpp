// The drive list and the folder list: the entries they list for their drive
// and folder, and what they tell their view.
#include <gtest/gtest.h>

#include "widgets/FileCtrl.h"
#include "widgets/WidgetWorld.h"

using namespace vcl;
using widgets_test::EventLog;
using widgets_test::RecordingView;
using Items = std::vector<std::string>;
using Seen = std::vector<std::string>;

TEST(DriveAndFolderLists, ADriveIsNamedByItsLowerCaseLetterAndAColon) {
    EXPECT_EQ(DriveEntry('C'), "c:");
    EXPECT_EQ(DriveEntry('A'), "a:");
    EXPECT_EQ(DriveEntry('Z'), "z:");
    EXPECT_EQ(DriveEntry('d'), "d:");
    EXPECT_EQ(DriveEntry('@'), "@:");  // just below 'A': not a letter to lower
    EXPECT_EQ(DriveEntry('['), "[:");  // just above 'Z'
}

TEST(DriveAndFolderLists, APathIsListedOneLevelPerEntryFromTheRoot) {
    EXPECT_EQ(FolderLevels("C:\\Phone\\ring"), (Items{"C:\\", "Phone", "ring"}));
    EXPECT_EQ(FolderLevels("C:\\"), Items{"C:\\"});
    EXPECT_EQ(FolderLevels("C:"), Items{"C:\\"});
    EXPECT_EQ(FolderLevels(""), Items{});
    // Doubled and trailing backslashes make no empty levels.
    EXPECT_EQ(FolderLevels("C:\\Phone\\\\ring\\"), (Items{"C:\\", "Phone", "ring"}));
    EXPECT_EQ(FolderLevels("\\\\server\\share\\ring"), (Items{"server\\", "share", "ring"}));
    EXPECT_EQ(FolderLevels("My Sounds\\ring tones"), (Items{"My Sounds\\", "ring tones"}));
}

TEST(DriveAndFolderLists, TheDriveListListsItsDriveSelectedAndTellsItsView) {
    TDriveComboBox drives{"Drives"};
    EXPECT_EQ(drives.Drive(), 'C');
    EXPECT_EQ(drives.Items(), Items{"c:"});
    EXPECT_EQ(drives.ItemIndex(), 0);

    RecordingView view;
    view.Watch(drives);
    EventLog events;
    drives.OnChange = events.Note(drives, "OnChange");
    drives.SetDrive('D');
    EXPECT_EQ(drives.Items(), Items{"d:"});
    EXPECT_EQ(drives.ItemIndex(), 0);
    EXPECT_EQ(view.Take(), (Seen{"Drives.Items", "Drives.ItemIndex"}));
    // The program's choice is no user's: no change event.
    EXPECT_EQ(events.Take(), Seen{});

    drives.SetDrive('D');
    EXPECT_EQ(view.Take(), Seen{});
}

TEST(DriveAndFolderLists, TheFolderListListsItsFolderWithTheFolderSelected) {
    TDirectoryListBox folders{"Folders"};
    EXPECT_EQ(folders.Count(), 0);
    EXPECT_EQ(folders.ItemIndex(), -1);

    RecordingView view;
    view.Watch(folders);
    EventLog events;
    folders.OnChange = events.Note(folders, "OnChange");
    folders.SetDirectory("C:\\Phone\\ring");
    EXPECT_EQ(folders.Items(), (Items{"C:\\", "Phone", "ring"}));
    EXPECT_EQ(folders.ItemIndex(), 2);
    EXPECT_EQ(view.Take(), (Seen{"Folders.Items", "Folders.ItemIndex"}));
    EXPECT_EQ(events.Take(), Seen{});

    folders.SetDirectory("C:\\Phone\\ring");
    EXPECT_EQ(view.Take(), Seen{});

    // A refresh lists the folder again, whatever the list held meanwhile.
    folders.SetItems({"elsewhere"});
    view.Take();
    folders.Update();
    EXPECT_EQ(folders.Items(), (Items{"C:\\", "Phone", "ring"}));
    EXPECT_EQ(folders.ItemIndex(), 2);
    EXPECT_EQ(view.Take(), (Seen{"Folders.Items", "Folders.ItemIndex"}));

    folders.SetDirectory("D:\\");
    EXPECT_EQ(folders.Items(), Items{"D:\\"});
    EXPECT_EQ(folders.ItemIndex(), 0);
    folders.SetDirectory("");
    EXPECT_EQ(folders.Count(), 0);
    EXPECT_EQ(folders.ItemIndex(), -1);
    EXPECT_EQ(events.Take(), Seen{});
}
