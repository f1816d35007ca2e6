#include "widgets/FileCtrl.h"

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
    StoreDrive();
    NotifyView(Property::Items);
    NotifyView(Property::ItemIndex);
}

void TDriveComboBox::StoreDrive() {
    StoreItems({DriveEntry(drive_)});
    StoreItemIndex(0);
}

void TDirectoryListBox::SetDirectory(const std::string& directory) {
    if (directory_ == directory) return;
    directory_ = directory;
    Update();
}

void TDirectoryListBox::Update() {
    std::vector<std::string> levels = FolderLevels(directory_);
    const int folder = static_cast<int>(levels.size()) - 1;
    StoreItems(std::move(levels));
    StoreItemIndex(folder);
    NotifyView(Property::Items);
    NotifyView(Property::ItemIndex);
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
