// The default-device worker: runs the Sound control panel hidden on a
// desktop of its own, reads (or sets) its default-device combo boxes, and
// reports to the mixer component's notification window.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "audio/SoundPanel.h"
#include "platform/HandleOwners.h"
#include "platform/Platform.h"
#include "widgets/Thread.h"

namespace audio {

constexpr int kSoundPanelPolls = 3000;
constexpr platform::DWord kSoundPanelPollMs = 10;
constexpr platform::DWord kWorkerIdleMs = 100;
// How long one message to the Sound control panel may take.
constexpr platform::UInt kSoundPanelSendTimeoutMs = 1000;

// One search of the private desktop's dialogs; the enumeration callbacks
// reach it through their parameter. There is one worker, so one search.
struct SoundDialogSearch {
    platform::Platform* ports = nullptr;
    int mode = 0;  // 1: dismiss leftover dialogs; 0: find the panel and operate it
    bool found = false;
    bool apply = false;
    int outIndex = -1, inIndex = -1, thirdIndex = -1;
    platform::DWord processId = 0;
    SoundDialogControls controls;
};

// Walks the calling thread's desktop once in the given mode; true when
// mode 0 found the started panel's sheet and operated it.
bool FindSoundDialog(SoundDialogSearch& search, int mode);

class TFindWindow : public vcl::TThread {
public:
    // appEnding tells whether the application is terminating.
    TFindWindow(platform::Platform& platform, std::function<bool()> appEnding);

    // Set last by the GUI thread, cleared last by the worker: the hand-over.
    std::atomic<bool> FBusy{false};
    platform::Hwnd FNotifyWnd = 0;
    bool FApply = false;
    std::int32_t FOutDev = -1;
    std::int32_t FInDev = -1;

protected:
    void Execute() override;

private:
    bool Ending() const;
    SoundPanelRunEnd RunSoundPanel(SoundDialogSearch& search, platform::DesktopHandle& desktop);

    std::function<bool()> appEnding_;
};

}  // namespace audio
