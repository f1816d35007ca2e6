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

class TDriveComboBox : public TComboBox {
public:
    using TComboBox::TComboBox;
    const char* ClassName() const override { return "TDriveComboBox"; }
    char Drive() const { return drive_; }
    void SetDrive(char drive);

private:
    char drive_ = 'C';
};

class TDirectoryListBox : public TListBox {
public:
    using TListBox::TListBox;
    const char* ClassName() const override { return "TDirectoryListBox"; }
    const std::string& Directory() const { return directory_; }
    void SetDirectory(const std::string& directory);
    void Update() { NotifyView(Property::Items); }

private:
    std::string directory_;
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
