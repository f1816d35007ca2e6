// What must hold after every event of the soak, whatever came before: the
// handles the panel holds, the handset's speaker, the data files, the
// timers, the link to the driver; and, once the program has ended, that it
// left nothing behind.
#include <algorithm>
#include <sstream>

#include "soak/Soak.h"

namespace soak {

using namespace platform;

namespace {

// A box shown inside a handler runs its own loop for this long.
constexpr std::uint64_t kModalSlackMs = kMessageBoxLifetimeMs;

std::string Quoted(const std::optional<std::string>& text) {
    if (!text) return "(no file)";
    std::string shown = *text;
    if (shown.size() > 80) shown = shown.substr(0, 80) + "...";
    return "\"" + shown + "\"";
}

}  // namespace

bool Soak::TonePlays() const {
    return (f_->MediaPlayerTest.EnabledButtons() & vcl::ButtonBit(vcl::btStop)) != 0;
}

void Soak::RememberBeforeEvent() {
    // A key held down repeats while time passes.
    speakerEvent_ = f_->TimerKeyRepeat.Enabled() && SpeakerKey(lastKeyCode_);
    playedBefore_ = TonePlays();
    RememberDataFiles();
}

void Soak::RememberDataFiles() {
    for (const char* path : kDataFiles) dataFilesBefore_[path] = w_.world.files.Text(path);
}

std::string Soak::CheckAll() {
    for (std::string (Soak::*check)() :
         {&Soak::CheckHandles, &Soak::CheckSpeaker, &Soak::CheckDataFiles, &Soak::CheckTimers,
          &Soak::CheckLink}) {
        std::string wrong = (this->*check)();
        if (!wrong.empty()) return wrong;
    }
    return "";
}

std::string Soak::CheckHandles() {
    const bool playing = TonePlays();
    for (const auto& [kind, count] : w_.panelProcess.handles.Counts()) {
        std::size_t allowed = lifelong_.count(kind) ? lifelong_.at(kind) : 0;
        // The media device is open exactly while a tone plays; the handset's
        // mixer is open while the panel has found it.
        if (kind == sim::HandleKind::MciDevice) allowed = playing ? 1 : 0;
        if (kind == sim::HandleKind::MixerDevice) allowed = 1;
        if (count > allowed)
            return "handles beyond those the panel keeps: " + w_.panelProcess.handles.Describe();
    }
    if (playing && w_.world.media.OpenDevices().size() != 1)
        return "a tone plays but " + std::to_string(w_.world.media.OpenDevices().size()) +
               " media devices are open";
    // The panel's own thread, and a worker while the default device is read.
    const std::size_t threads = w_.world.ThreadsOf(w_.panelProcess.ProcessId()).size();
    if (threads > 2) return "the panel runs " + std::to_string(threads) + " threads";
    if (w_.world.files.OpenHandles() != 0) return "a file handle stays open between events";
    if (w_.world.shell.LiveDrops() != 0) return "a drop was not finished";
    return "";
}

Soak::Speaker Soak::DeviceSpeaker() const {
    const std::vector<DWord>& levels = mixer_.speakerVolume->values;
    return {static_cast<int>(*std::max_element(levels.begin(), levels.end())),
            mixer_.speakerMute->values.front() != 0};
}

bool Soak::PanelHoldsSpeaker() const {
    for (const sim::SimMixerHandle& handle : w_.world.mixer.Handles())
        if (handle.device == 0 && handle.pid == w_.panelProcess.ProcessId()) return true;
    return false;
}

std::string Soak::CheckSpeaker() {
    const bool holding = PanelHoldsSpeaker();
    if (TonePlays()) {
        // A tone the panel could not turn up for (the volume group was off
        // or the device closed) plays at the user's volume, which the user
        // may change meanwhile.
        if (!f_->SpeakerSaved && holding) userSpeaker_ = DeviceSpeaker();
        return "";
    }
    if (f_->SpeakerSaved) return "the speaker is still saved though no tone plays";
    // A device the panel has let go (after a notice, until the reload; while
    // the handset is away) is written when the panel opens it again.
    if (!holding) {
        // The event may have moved the speaker before the panel let it go.
        if (speakerEvent_) speakerUncertain_ = true;
        return "";
    }
    const Speaker device = DeviceSpeaker();
    // Only the user, a handset key or another program changes the speaker;
    // after a tone it is back where it was before the tone.
    if (!speakerEvent_ && !speakerUncertain_ &&
        (device.position != userSpeaker_.position || device.mute != userSpeaker_.mute)) {
        std::ostringstream what;
        what << "no tone plays and the speaker is at " << device.position
             << (device.mute ? " muted" : "") << ", the user's value is " << userSpeaker_.position
             << (userSpeaker_.mute ? " muted" : "")
             << (playedBefore_ ? " (a tone just ended)" : "");
        return what.str();
    }
    userSpeaker_ = device;
    speakerUncertain_ = false;
    // While the panel shows the speaker, it shows the device's, and the line
    // under it follows.
    vcl::TTrackBar& slider = f_->suiTrackBarVolOut;
    if (f_->suiGroupBoxVol.Enabled() && f_->AudioMixerUsb.FOpenID >= 0 && slider.Enabled() &&
        f_->suiCheckBoxVolOut.Enabled()) {
        if (slider.Position() != device.position || f_->suiCheckBoxVolOut.Checked() != device.mute)
            return "the speaker slider shows " + std::to_string(slider.Position()) +
                   ", the device is at " + std::to_string(device.position);
        const std::vector<DWord>& wave = mixer_.waveVolume->values;
        if (static_cast<int>(*std::max_element(wave.begin(), wave.end())) != device.position ||
            (mixer_.waveMute->values.front() != 0) != device.mute)
            return "the speaker's first line does not follow the speaker";
    }
    return "";
}

std::string Soak::CheckDataFiles() {
    sim::SimFiles& files = w_.world.files;
    std::vector<std::string> links;
    for (std::size_t i = 1; i < f_->WebLinks.size(); ++i) {
        links.push_back(f_->WebLinks[i]->Caption());
        links.push_back(f_->WebLinks[i]->URL());
    }
    const std::map<std::string, std::string> fresh = {
        {testing_support::kChoiceFile, f_->RingToneFile + "\r\n"},
        {kUrlList, web::FileText(links)},
        {kDefaultWeb, web::FileText({f_->FirstWebName, f_->FirstWebAddr, f_->EmptyWebName,
                                     f_->EmptyWebAddr, f_->BrowserTitle, f_->BrowserHome})},
    };
    for (const char* path : kDataFiles) {
        const std::optional<std::string> now = files.Text(path);
        const std::optional<std::string>& before = dataFilesBefore_[path];
        if (now != before && now != fresh.at(path))
            return std::string(path) + " holds neither its old content " + Quoted(before) +
                   " nor the new " + Quoted(fresh.at(path)) + " but " + Quoted(now);
    }
    return LeftOverFiles();
}

std::string Soak::LeftOverFiles() {
    for (const char* folder : {"C:\\Phone", testing_support::kRingFolder})
        for (const sim::SimFileEntry* entry : w_.world.files.Children(folder))
            if (entry->path.size() > 4 &&
                entry->path.compare(entry->path.size() - 4, 4, ".new") == 0)
                return entry->path + " is left behind";
    return "";
}

std::string Soak::CheckTimers() {
    const struct {
        vcl::TTimer& timer;
        UInt interval;
    } timers[] = {{f_->TimerDrvCheck, 3000}, {f_->TimerKeyRepeat, 300},
                  {f_->TimerMouseUp, 500},   {f_->TimerMin, 10000},
                  {f_->TimerDevChg, 1000},   {f_->TimerMediaPlayerNotify, 1000}};
    for (const auto& t : timers) {
        if (t.timer.Interval() != t.interval)
            return t.timer.Name() + " has an interval of " + std::to_string(t.timer.Interval());
        if (t.timer.Enabled() != w_.world.TimerRunning(w_.Panel(), t.timer.Id()))
            return t.timer.Name() + (t.timer.Enabled() ? " is enabled but no window timer runs"
                                                       : " is disabled but its window timer runs");
    }
    const std::uint64_t now = w_.world.Now();
    if (f_->TimerMediaPlayerNotify.Enabled() != TonePlays())
        return f_->TimerMediaPlayerNotify.Enabled() ? "the end-of-tone timer runs without a tone"
                                                    : "a tone plays without its end-of-tone timer";
    // A key the panel stops accepting while it is held (the key mode ends)
    // leaves the repeat running idle until the next key message.
    if (f_->TimerKeyRepeat.Enabled() && lastKeyCode_ == 0)
        return "the key repeat runs after the key was released";
    if (f_->TimerDevChg.Enabled() && now - lastNoticeAt_ >= 1000 + kModalSlackMs)
        return "the device-change delay runs " + std::to_string(now - lastNoticeAt_) +
               " ms after the last notice";
    if (f_->TimerMouseUp.Enabled() && now - lastTrayUpAt_ >= 500 + kModalSlackMs)
        return "the tray click timer runs " + std::to_string(now - lastTrayUpAt_) +
               " ms after the last click";
    return "";
}

std::string Soak::CheckLink() {
    const std::uint64_t sinceContact = w_.world.Now() - lastContactAt_;
    if (!f_->TimerDrvCheck.Enabled()) {
        if (contacted_ && sinceContact < 3000)
            return "the link lapsed " + std::to_string(sinceContact) + " ms after the driver spoke";
        if (f_->DrvWnd != 0) return "the link lapsed but commands still go to the driver";
        if (f_->suiGroupBoxVol.Enabled() || f_->suiGroupBoxSkype.Enabled())
            return "the link lapsed but the volume or Skype group is still on";
        if (f_->TrayIconSts.IconIndex() != 0)
            return "the link lapsed but the tray icon is not grey";
        if (f_->Ring.RingPlaying) return "the link lapsed but the panel still rings";
        return "";
    }
    if (sinceContact >= 3000 + kModalSlackMs)
        return "the watchdog still runs " + std::to_string(sinceContact) +
               " ms after the driver last spoke";
    if (f_->DrvWnd != f_->DrvWndSaved || f_->DrvWndSaved != w_.driver.Window())
        return "the link runs but commands do not go to the driver's window";
    if (f_->StatusW != lastStatusW_ || f_->StatusL != lastStatusL_)
        return "the panel's status is not the driver's last message";
    return "";
}

std::string Soak::CheckLeftBehind() {
    const DWord pid = w_.panelProcess.ProcessId();
    if (w_.panelProcess.handles.Describe() != "Semaphore 1")
        return "after Exit the panel holds " + w_.panelProcess.handles.Describe() +
               " (only its single-instance semaphore may stay until the process ends)";
    // The application's hidden owner window lives as long as the process,
    // as in the real program; every other window is gone.
    for (const Hwnd left : w_.world.windows.OwnedByThread(w_.panelProcess.ThreadId())) {
        const sim::SimWindow* window = w_.world.windows.Find(left);
        if (left == w_.Owner()) continue;
        return "after Exit a window of the panel is left: class \"" + window->className +
               "\", title \"" + window->title + "\"";
    }
    const auto wasPanels = [this](Hwnd hwnd) {
        return std::find(panelWindows_.begin(), panelWindows_.end(), hwnd) != panelWindows_.end();
    };
    if (w_.world.timers.CountOf(wasPanels) != 0) return "after Exit a timer of the panel runs";
    if (!w_.world.shell.icons.empty()) return "after Exit the tray icon is left";
    for (const sim::SimMixerHandle& handle : w_.world.mixer.Handles())
        if (handle.pid == pid) return "after Exit a mixer device is left open";
    if (!w_.world.media.OpenDevices().empty()) return "after Exit a media device is left open";
    if (w_.world.files.OpenHandles() != 0) return "after Exit a file handle is left open";
    return LeftOverFiles();
}

}  // namespace soak
