// Drive, folder and file lists for browsing sound files.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "widgets/ListControls.h"

namespace vcl {

// Lists the plain files of a folder that match a mask, sorted by name.
using FileLister =
    std::function<std::vector<std::string>(const std::string& folder, const std::string& mask)>;

// How a drive list names a drive: its letter in lower case and a colon.
std::string DriveEntry(char drive);

// A folder's path as a folder list shows it, one level per entry from the
// root down: the first level ends in a backslash ("C:\"), the others are
// plain names; empty parts (doubled or trailing backslashes) are left out.
std::vector<std::string> FolderLevels(const std::string& path);

// Lists the drives with the chosen one selected (only the chosen one while
// no DriveLister is set); it starts on drive C.
class TDriveComboBox : public TComboBox {
public:
    explicit TDriveComboBox(std::string name);
    const char* ClassName() const override { return "TDriveComboBox"; }
    char Drive() const { return drive_; }
    void SetDrive(char drive);
    // The drive of an entry (its letter in upper case); 0 for none.
    char DriveAt(int index) const;
    // Lists the drives again.
    void Update();

    std::function<std::vector<char>()> DriveLister;

private:
    void StoreDrive();
    char drive_ = 'C';
};

// Lists the levels of its folder's path with the folder itself selected,
// then the folders inside it when a SubfolderLister is set.
class TDirectoryListBox : public TListBox {
public:
    using TListBox::TListBox;
    const char* ClassName() const override { return "TDirectoryListBox"; }
    const std::string& Directory() const { return directory_; }
    void SetDirectory(const std::string& directory);
    // Lists the folder again.
    void Update();
    // The folder an entry stands for; "" for none.
    std::string PathAt(int index) const;

    std::function<std::vector<std::string>(const std::string& folder)> SubfolderLister;

private:
    std::string directory_;
    int levels_ = 0;
};

// Every refill ends by raising OnChange, as does a user's change of the
// selection.
class TFileListBox : public TListBox {
public:
    using TListBox::TListBox;
    const char* ClassName() const override { return "TFileListBox"; }

    const std::string& Directory() const { return directory_; }
    void SetDirectory(const std::string& directory);
    const std::string& Mask() const { return mask_; }
    void SetMask(const std::string& mask);
    // Re-reads the folder.
    void Update();

    FileLister Lister;

private:
    std::string directory_;
    std::string mask_ = "*.*";
};

}  // namespace vcl
