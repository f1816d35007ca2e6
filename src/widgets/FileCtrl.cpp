#include "widgets/FileCtrl.h"

#include <algorithm>
#include <cctype>

namespace vcl {

std::string DriveEntry(char drive) {
    if (drive >= 'A' && drive <= 'Z') drive = static_cast<char>(drive - 'A' + 'a');
    return std::string(1, drive) + ":";
}

std::vector<std::string> FolderLevels(const std::string& path) {
    std::vector<std::string> levels;
    size_t start = 0;
    while (start < path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        std::string part = path.substr(start, end - start);
        if (!part.empty()) levels.push_back(levels.empty() ? part + "\\" : part);
        start = end + 1;
    }
    return levels;
}

TDriveComboBox::TDriveComboBox(std::string name) : TComboBox(std::move(name)) {
    StoreDrive();
}

void TDriveComboBox::SetDrive(char drive) {
    if (drive_ == drive) return;
    drive_ = drive;
    Update();
}

void TDriveComboBox::StoreDrive() {
    std::vector<char> drives = DriveLister ? DriveLister() : std::vector<char>{};
    if (std::find(drives.begin(), drives.end(), drive_) == drives.end()) {
        drives.push_back(drive_);
        std::sort(drives.begin(), drives.end());
    }
    std::vector<std::string> entries;
    entries.reserve(drives.size());
    for (char d : drives) entries.push_back(DriveEntry(d));
    StoreItems(std::move(entries));
    StoreItemIndex(
        static_cast<int>(std::find(drives.begin(), drives.end(), drive_) - drives.begin()));
}

void TDriveComboBox::Update() {
    StoreDrive();
    NotifyView(Property::Items);
    NotifyView(Property::ItemIndex);
}

char TDriveComboBox::DriveAt(int index) const {
    if (index < 0 || index >= Count() || Items()[index].empty()) return 0;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(Items()[index][0])));
}

void TDirectoryListBox::SetDirectory(const std::string& directory) {
    if (directory_ == directory) return;
    directory_ = directory;
    Update();
}

void TDirectoryListBox::Update() {
    std::vector<std::string> levels = FolderLevels(directory_);
    levels_ = static_cast<int>(levels.size());
    const int folder = levels_ - 1;
    if (SubfolderLister && !directory_.empty())
        for (std::string& sub : SubfolderLister(directory_)) levels.push_back(std::move(sub));
    StoreItems(std::move(levels));
    StoreItemIndex(folder);
    NotifyView(Property::Items);
    NotifyView(Property::ItemIndex);
}

std::string TDirectoryListBox::PathAt(int index) const {
    if (index < 0 || index >= Count()) return {};
    std::string path;
    const int upTo = index < levels_ ? index : levels_ - 1;
    for (int i = 0; i <= upTo; ++i) {
        if (!path.empty() && path.back() != '\\') path += '\\';
        path += Items()[i];
    }
    if (index >= levels_) {
        if (!path.empty() && path.back() != '\\') path += '\\';
        path += Items()[index];
    }
    return path;
}

void TFileListBox::SetDirectory(const std::string& directory) {
    if (directory_ == directory) return;
    directory_ = directory;
    Update();
}

void TFileListBox::SetMask(const std::string& mask) {
    if (mask_ == mask) return;
    mask_ = mask;
    Update();
}

void TFileListBox::Update() {
    SetItems(Lister && !directory_.empty() ? Lister(directory_, mask_)
                                           : std::vector<std::string>{});
    RaiseChange();
}

}  // namespace vcl
