// The ring-tone file list, which also takes files dropped from the shell.
#pragma once

#include <functional>

#include "widgets/FileCtrl.h"

namespace ringtones {

class TFileListBoxDragDrop : public vcl::TFileListBox {
public:
    using vcl::TFileListBox::TFileListBox;
    const char* ClassName() const override { return "TFileListBoxDragDrop"; }

    bool DragDropAccepted() const { return accepted_; }
    // Registers the list as a drop target, or withdraws it; a call with the
    // current value does nothing.
    void SetDragDropFile(bool accept);

    std::function<void(vcl::TObject* sender, int index)> OnStartCopy;
    std::function<void(vcl::TObject* sender, int outDev, int inDev)> OnCopying;
    vcl::TNotifyEvent OnEndCopy;

private:
    bool accepted_ = false;
};

}  // namespace ringtones
