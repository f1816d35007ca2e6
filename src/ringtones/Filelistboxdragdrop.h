// The ring-tone file list, which also takes files dropped from the shell.
#pragma once

#include <functional>

#include "platform/WinTypes.h"
#include "widgets/FileCtrl.h"
#include "widgets/Form.h"

namespace ringtones {

class TFileListBoxDragDrop : public vcl::TFileListBox {
public:
    using vcl::TFileListBox::TFileListBox;
    const char* ClassName() const override { return "TFileListBoxDragDrop"; }

    bool DragDropAccepted() const { return accepted_; }
    // Registers the list as a drop target, or withdraws it; a call with the
    // current value does nothing.
    void SetDragDropFile(bool accept);

    // The list's window, made by the backend view that mirrors the list (it
    // creates it when it has none yet). Without a view the list has no
    // window and the shell is not told: nothing could be dropped on it.
    std::function<platform::Hwnd()> HandleNeeded;

    // A message of the list's window, before the window's own handling:
    // true when the list handled it (WM_DROPFILES).
    bool Dispatch(vcl::TMessage& message);

    std::function<void(vcl::TObject* sender, int index)> OnStartCopy;
    std::function<void(vcl::TObject* sender, int outDev, int inDev)> OnCopying;
    vcl::TNotifyEvent OnEndCopy;

private:
    void DropFiles(platform::Handle drop);
    bool accepted_ = false;
};

}  // namespace ringtones
