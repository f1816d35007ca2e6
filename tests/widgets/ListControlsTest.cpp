// Combo boxes, list boxes and the file list: their selection, when they raise
// OnChange, and where the file list's items come from.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "widgets/FileCtrl.h"
#include "widgets/ListControls.h"
#include "widgets/StdCtrls.h"
#include "widgets/WidgetWorld.h"

using namespace vcl;
using widgets_test::EventLog;
using widgets_test::RecordingView;
using Seen = std::vector<std::string>;
using Items = std::vector<std::string>;

namespace {

// A combo box of ring tones and a list box of contacts on a group box.
struct Choices {
    TGroupBox box{"Box"};
    TComboBox tones{"Tones"};
    TListBox contacts{"Contacts"};
    EventLog events;

    Choices() {
        tones.SetParent(&box);
        contacts.SetParent(&box);
        for (const char* t : {"Bell", "Chime", "Trill"}) tones.AddItem(t);
        contacts.SetItems({"Ann", "Bob", "Cleo", "Dan"});
        tones.OnChange = events.Note(tones, "OnChange");
        contacts.OnChange = events.Note(contacts, "OnChange");
        contacts.OnDblClick = events.Note(contacts, "OnDblClick");
    }
};

// Folders on a pretend disk, and a record of what the file list asked for.
struct Disk {
    std::map<std::string, Items> folders{
        {"C:\\Sounds", {"bell.wav", "notes.txt", "ring.wav"}},
        {"C:\\Empty", {}},
    };
    std::vector<std::string> asked;

    FileLister Lister() {
        return [this](const std::string& folder, const std::string& mask) {
            asked.push_back(folder + "|" + mask);
            Items found;
            for (const std::string& f : folders[folder])
                if (mask == "*.*" || (f.size() >= 4 && f.substr(f.size() - 4) == mask.substr(1)))
                    found.push_back(f);
            return found;
        };
    }
};

struct FileBrowser {
    Disk disk;
    TFileListBox files{"Files"};
    EventLog events;
    // What the list held each time OnChange was raised.
    std::vector<Items> itemsAtChange;

    FileBrowser() {
        files.Lister = disk.Lister();
        files.OnChange = [this](TObject* sender) {
            events.Add(sender == &files ? "Files.OnChange" : "Files.OnChange from a stranger");
            itemsAtChange.push_back(files.Items());
        };
    }
};

}  // namespace

TEST(WidgetLists, ComboBoxRaisesChangeOnlyForTheUsersChoice) {
    Choices c;
    c.tones.SetItemIndex(1);
    EXPECT_EQ(c.tones.ItemIndex(), 1);
    EXPECT_EQ(c.events.Take(), Seen{});

    int indexInHandler = -2;
    c.tones.OnChange = [&](TObject*) {
        indexInHandler = c.tones.ItemIndex();
        c.events.Add("Tones.OnChange");
    };
    c.tones.UserSelect(2);
    EXPECT_EQ(c.tones.ItemIndex(), 2);
    EXPECT_EQ(indexInHandler, 2);
    EXPECT_EQ(c.events.Take(), Seen{"Tones.OnChange"});

    // The user cannot choose an item that is not there, nor choose at all
    // while the box or its parent is disabled.
    c.tones.UserSelect(3);
    c.tones.UserSelect(-1);
    EXPECT_EQ(c.events.Take(), Seen{});
    c.box.SetEnabled(false);
    c.tones.UserSelect(0);
    EXPECT_EQ(c.tones.ItemIndex(), 2);
    EXPECT_EQ(c.events.Take(), Seen{});
}

TEST(WidgetLists, ComboBoxSelectsNothingForAnOutOfRangeIndexOrAfterClear) {
    Choices c;
    RecordingView view;
    view.Watch(c.tones);
    for (int wrong : {3, 17, -2}) {
        c.tones.SetItemIndex(1);
        c.tones.SetItemIndex(wrong);
        EXPECT_EQ(c.tones.ItemIndex(), -1) << wrong;
    }
    c.tones.SetItemIndex(2);
    c.tones.Clear();
    EXPECT_EQ(c.tones.Count(), 0);
    EXPECT_EQ(c.tones.ItemIndex(), -1);
    c.tones.SetItemIndex(0);
    EXPECT_EQ(c.tones.ItemIndex(), -1);

    // Filling it again leaves the choice open.
    c.tones.AddItem("Buzz");
    EXPECT_EQ(c.tones.Items(), Items{"Buzz"});
    EXPECT_EQ(c.tones.ItemIndex(), -1);
    EXPECT_EQ(c.events.Take(), Seen{});
    const Seen told = view.Take();
    EXPECT_EQ(told.front(), "Tones.ItemIndex");
    EXPECT_EQ(std::count(told.begin(), told.end(), "Tones.Items"), 2);  // Clear, AddItem
}

TEST(WidgetLists, ListBoxRaisesChangeWhenTheUserChangesTheSelection) {
    Choices c;
    c.contacts.SetItemIndex(1);
    EXPECT_EQ(c.events.Take(), Seen{});

    c.contacts.UserSelect(3);
    EXPECT_EQ(c.contacts.ItemIndex(), 3);
    c.contacts.UserSelect(3);
    c.contacts.DblClick();
    EXPECT_EQ(c.events.Take(), (Seen{"Contacts.OnChange", "Contacts.OnDblClick"}));

    // New items leave nothing selected.
    c.contacts.SetItems({"Eve", "Finn"});
    EXPECT_EQ(c.contacts.ItemIndex(), -1);
    EXPECT_EQ(c.events.Take(), Seen{});

    c.contacts.SetEnabled(false);
    c.contacts.UserSelect(0);
    c.contacts.DblClick();
    EXPECT_EQ(c.contacts.ItemIndex(), -1);
    EXPECT_EQ(c.events.Take(), Seen{});
}

TEST(WidgetLists, FileListFillsFromItsListerAndRaisesChangeAfterEveryRefill) {
    FileBrowser b;
    b.files.SetDirectory("C:\\Sounds");
    EXPECT_EQ(b.files.Items(), (Items{"bell.wav", "notes.txt", "ring.wav"}));

    b.files.SetMask("*.wav");
    EXPECT_EQ(b.files.Items(), (Items{"bell.wav", "ring.wav"}));

    // A re-read raises the change again even when nothing on disk moved.
    b.disk.folders["C:\\Sounds"].push_back("tone.wav");
    b.files.Update();
    b.files.Update();
    EXPECT_EQ(b.disk.asked,
              (Seen{"C:\\Sounds|*.*", "C:\\Sounds|*.wav", "C:\\Sounds|*.wav", "C:\\Sounds|*.wav"}));
    EXPECT_EQ(b.events.Take(), Seen(4, "Files.OnChange"));
    // Each change is raised with the new items already in place.
    const Items all = {"bell.wav", "notes.txt", "ring.wav"};
    const Items wav = {"bell.wav", "ring.wav"};
    const Items more = {"bell.wav", "ring.wav", "tone.wav"};
    EXPECT_EQ(b.itemsAtChange, (std::vector<Items>{all, wav, more, more}));
}

TEST(WidgetLists, FileListRaisesChangeAlsoWhenARefillFindsNothing) {
    FileBrowser b;
    b.files.SetDirectory("C:\\Empty");
    EXPECT_EQ(b.files.Count(), 0);
    EXPECT_EQ(b.events.Take(), Seen{"Files.OnChange"});

    b.files.SetDirectory("C:\\Sounds");
    b.files.SetMask("*.mid");
    EXPECT_EQ(b.files.Count(), 0);
    EXPECT_EQ(b.events.Take(), (Seen{"Files.OnChange", "Files.OnChange"}));

    // Without a folder, or without a way to list one, the list is empty.
    b.files.SetDirectory("");
    EXPECT_EQ(b.files.Count(), 0);
    EXPECT_EQ(b.disk.asked.back(), "C:\\Sounds|*.mid");  // no folder is not asked about
    EXPECT_EQ(b.events.Take(), Seen{"Files.OnChange"});
    TFileListBox unlisted{"Unlisted"};
    EventLog events;
    unlisted.OnChange = events.Note(unlisted, "OnChange");
    unlisted.SetDirectory("C:\\Sounds");
    unlisted.Update();
    EXPECT_EQ(unlisted.Count(), 0);
    EXPECT_EQ(events.Take(), (Seen{"Unlisted.OnChange", "Unlisted.OnChange"}));
}

TEST(WidgetLists, FileListRaisesChangeWhenTheUserPicksAFileAndARefillDropsThePick) {
    FileBrowser b;
    b.files.SetDirectory("C:\\Sounds");
    b.events.Take();

    b.files.UserSelect(2);
    EXPECT_EQ(b.files.ItemIndex(), 2);
    EXPECT_EQ(b.events.Take(), Seen{"Files.OnChange"});
    b.files.SetItemIndex(0);
    EXPECT_EQ(b.events.Take(), Seen{});

    b.files.Update();
    EXPECT_EQ(b.files.ItemIndex(), -1);
    EXPECT_EQ(b.events.Take(), Seen{"Files.OnChange"});
}
