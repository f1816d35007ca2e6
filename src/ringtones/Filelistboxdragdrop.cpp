#include "ringtones/Filelistboxdragdrop.h"

#include "datafiles/DataFiles.h"
#include "platform/WinConst.h"
#include "ringtones/DropNames.h"
#include "widgets/Application.h"

namespace ringtones {

namespace {

// DragFinish however the drop's handling ends: a handler's exception must
// not leave the shell's drop handle allocated.
class DropRelease {
public:
    DropRelease(platform::ShellPort& shell, platform::Handle drop) : shell_(shell), drop_(drop) {}
    ~DropRelease() { shell_.DragFinish(drop_); }
    DropRelease(const DropRelease&) = delete;
    DropRelease& operator=(const DropRelease&) = delete;

private:
    platform::ShellPort& shell_;
    platform::Handle drop_;
};

// The path of dropped item index, "" when the shell gives none or only a
// part of it: a path cut at the buffer's length could name another file.
std::string DroppedPath(platform::ShellPort& shell, platform::Handle drop, platform::UInt index) {
    constexpr platform::UInt kRoom = platform::MAX_PATH - 1;
    const platform::UInt length = shell.DragQueryFileA(drop, index, nullptr, 0);
    if (length == 0 || length >= kRoom) return std::string();
    char name[platform::MAX_PATH] = {};
    const platform::UInt got = shell.DragQueryFileA(drop, index, name, kRoom);
    return got == length ? std::string(name, got) : std::string();
}

}  // namespace

void TFileListBoxDragDrop::SetDragDropFile(bool accept) {
    if (accept == accepted_) return;
    accepted_ = accept;
    vcl::TCustomForm* form = Form();
    const platform::Hwnd window = HandleNeeded ? HandleNeeded() : 0;
    if (form && window) form->Application().Platform().shell.DragAcceptFiles(window, accept);
}

bool TFileListBoxDragDrop::Dispatch(vcl::TMessage& message) {
    if (message.Msg != platform::WM_DROPFILES) return false;
    DropFiles(static_cast<platform::Handle>(message.WParam));
    message.Result = 0;
    return true;
}

void TFileListBoxDragDrop::DropFiles(platform::Handle drop) {
    vcl::TCustomForm* form = Form();
    if (!form) return;
    vcl::TApplication& application = form->Application();
    platform::ShellPort& shell = application.Platform().shell;
    platform::FilePort& files = application.Platform().files;
    DropRelease release(shell, drop);
    const platform::UInt count = shell.DragQueryFileA(drop, platform::kDragQueryCount, nullptr, 0);
    if (count == 0) return;
    const int n = static_cast<int>(count);
    if (OnStartCopy) OnStartCopy(this, n);
    for (int i = 0; i < n; ++i) {
        application.ProcessMessages();
        const std::string name = DroppedPath(shell, drop, static_cast<platform::UInt>(i));
        // Read after the messages ran: the user may have browsed elsewhere.
        const std::string target = DropTarget(Directory(), name);
        if (!target.empty() && datafiles::FileExists(files, name))
            files.CopyFileA(name, target, true);  // an existing file stays as it is
        if (OnCopying) OnCopying(this, n, i);
    }
    if (OnEndCopy) OnEndCopy(this);
}

}  // namespace ringtones
