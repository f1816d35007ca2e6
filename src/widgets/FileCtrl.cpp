#include "widgets/FileCtrl.h"

namespace vcl {

void TDriveComboBox::SetDrive(char drive) {
    if (drive_ == drive) return;
    drive_ = drive;
    NotifyView(Property::Text);
}

void TDirectoryListBox::SetDirectory(const std::string& directory) {
    if (directory_ == directory) return;
    directory_ = directory;
    NotifyView(Property::Text);
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
