#include "soak/Soak.h"

#include <iostream>
#include <numeric>
#include <sstream>

#include "support/RingWorld.h"

namespace soak {

namespace {

constexpr std::size_t kRecentEvents = 40;
// How often the records the simulated Windows keeps for tests are emptied,
// so that a long run does not grow them without end.
constexpr std::uint64_t kHousekeepingEvents = 1000;

}  // namespace

const std::vector<Soak::Kind>& Soak::Kinds() {
    static const std::vector<Kind> kinds = {
        {"status", 30, &Soak::DriverStatus},
        {"key", 14, &Soak::DriverKey},
        {"discover", 2, &Soak::DriverDiscover},
        {"reply", 5, &Soak::DriverReply},
        {"hang", 1, &Soak::DriverHangs},
        {"time", 18, &Soak::TimePasses},
        {"button", 3, &Soak::ClickButton},
        {"box", 3, &Soak::ClickBox},
        {"slider", 5, &Soak::MoveSlider},
        {"list", 5, &Soak::ChooseInList},
        {"edit", 5, &Soak::TypeInEdit},
        {"web", 2, &Soak::UseWebShortcut},
        {"player", 5, &Soak::UsePlayer},
        {"page", 4, &Soak::ChangePage},
        {"language", 1, &Soak::ChooseLanguage},
        {"tray", 4, &Soak::TrayClick},
        {"window", 3, &Soak::CloseOrShowWindow},
        {"drop", 2, &Soak::DropFiles},
        {"notice", 3, &Soak::DeviceNotice},
        {"other-program", 3, &Soak::OtherProgramSetsSpeaker},
        {"settings", 1, &Soak::SettingsBroadcast},
        {"disk", 2, &Soak::DiskTrouble},
        {"close-programs", 1, &Soak::CloseStartedPrograms},
    };
    return kinds;
}

Soak::Soak(std::uint64_t seed)
    : next_(std::mt19937_64(seed)),
      replay_("panel_soak --seed " + std::to_string(seed)),
      seeded_(true) {}

Soak::Soak(std::function<std::uint64_t()> next, std::string source)
    : next_(std::move(next)), replay_(std::move(source)) {}

void Soak::Prepare() {
    using testing_support::InRing;
    using testing_support::Wave;
    sim::SimWorld& world = w_.world;
    // Nothing reads the record of calls here, and a long run would grow it.
    world.journalEnabled = false;
    world.desktop.messageBoxLifetimeMs = kMessageBoxLifetimeMs;
    world.shell.popupMenuLifetimeMs = 50;

    mixer_ = testing_support::AddHandsetMixer(world.mixer);
    world.mixer.AddDevice("Speakers").AddDestination("Speaker", 2);

    sim::SimFiles& files = world.files;
    testing_support::AddChosenTone(files, "ring_in.wav", 1500);
    files.AddFile(InRing("short.wav"), Wave(300));
    files.AddFile(InRing("long.wav"), Wave(20000));
    // Not a wave file: the media layer refuses it with an error box.
    files.AddFile(InRing("broken.wav"), "RIFF....junk");
    files.AddFile(kUrlList, "News\r\nhttp://news.example/\r\nMail\r\nhttps://mail.example/\r\n");
    files.AddFile(kDefaultWeb,
                  "Home\r\nhttp://home.example/\r\nEmpty\r\nhttp://\r\nBrowser\r\n"
                  "http://start.example/\r\n");
    files.AddDrive('D');
    files.AddFile("D:\\Sounds\\bell.wav", Wave(800));
    files.AddFile("D:\\Sounds\\chime.wav", Wave(2500));
    files.AddFile("D:\\Sounds\\notes.txt", "not a tone");
    files.AddFolder("D:\\Sounds\\more");
    files.AddFile("D:\\Sounds\\more\\deep.wav", Wave(400));
}

std::string Soak::RandomText(std::size_t maxLength) {
    static const char kPieces[] = "abcXYZ019 ./:\\-_?&=%#\"'<>|*\t\r\n\x1A\xE4\xC3\xA4\xFF";
    std::size_t length = Pick(static_cast<std::uint32_t>(maxLength + 1));
    // Now and then the longest a line may be and more.
    if (Chance(50)) length = 1000 + Pick(60);
    std::string text;
    text.reserve(length);
    for (std::size_t i = 0; i < length; ++i) text += kPieces[Pick(sizeof kPieces - 1)];
    if (Chance(4)) text = (Chance(2) ? "http://" : "HTTPS://") + text;
    return text;
}

void Soak::Note(const std::string& what) {
    if (recent_.size() == kRecentEvents) recent_.pop_front();
    std::ostringstream line;
    line << "#" << eventNumber_ << " at " << w_.world.Now() << " ms: " << what;
    recent_.push_back(line.str());
}

std::string Soak::State() {
    std::ostringstream state;
    const auto& levels = mixer_.speakerVolume->values;
    state << "slider " << f_->suiTrackBarVolOut.Position()
          << (f_->suiCheckBoxVolOut.Checked() ? " muted" : "") << " device " << levels.front()
          << (mixer_.speakerMute->values.front() ? " muted" : "") << " user "
          << userSpeaker_.position << " mixer " << f_->AudioMixerUsb.FOpenID << " group "
          << f_->suiGroupBoxVol.Enabled() << " saved " << f_->SpeakerSaved << " ring "
          << f_->Ring.RingPlaying << " player " << f_->MediaPlayerTest.EnabledButtons() << " link "
          << f_->TimerDrvCheck.Enabled() << " shown " << w_.Shown() << " threads "
          << w_.world.ThreadsOf(w_.panelProcess.ProcessId()).size();
    return state.str();
}

SoakResult Soak::Run(std::uint64_t count) {
    SoakResult result;
    auto fail = [&](const std::string& what) {
        std::ostringstream report;
        report << "soak (" << replay_ << "), after event #" << eventNumber_ << ": " << what
               << "\nthe events before it:\n";
        for (const std::string& line : recent_) report << "  " << line << "\n";
        report << "replay: " << replay_;
        if (seeded_) report << " --events " << eventNumber_ + 1;
        report << "\n";
        result.failure = report.str();
        result.events = eventNumber_ + 1;
        result.virtualMs = w_.world.Now();
        result.eventCounts = counts_;
        return result;
    };

    Prepare();
    if (!w_.Start()) return fail("the panel did not start");
    f_ = &w_.Form();
    // The tone list's window, as the real view gives it, so that it takes drops.
    f_->FileListBoxTest.HandleNeeded = [] { return platform::Hwnd{0x7A01}; };
    panelWindows_ = w_.world.windows.OwnedByThread(w_.panelProcess.ThreadId());
    w_.driver.Discover(w_.Panel());
    statusW_ = driverlink::kHandsetPresent | driverlink::kSkypeReady;
    w_.driver.Status(w_.Panel(), statusW_, sim::SimDriver::StatusLParam(0, 0));
    Contact(statusW_, sim::SimDriver::StatusLParam(0, 0));
    w_.Advance(0);
    lifelong_ = w_.panelProcess.handles.Counts();
    RememberBeforeEvent();
    if (std::string wrong = CheckAll(); !wrong.empty()) return fail("at start-up: " + wrong);

    const std::vector<Kind>& kinds = Kinds();
    const unsigned total = std::accumulate(
        kinds.begin(), kinds.end(), 0u, [](unsigned sum, const Kind& k) { return sum + k.weight; });
    for (eventNumber_ = 0; eventNumber_ < count; ++eventNumber_) {
        RememberBeforeEvent();
        unsigned roll = Pick(total);
        const Kind* kind = &kinds.front();
        for (const Kind& k : kinds) {
            if (roll < k.weight) {
                kind = &k;
                break;
            }
            roll -= k.weight;
        }
        ++counts_[kind->name];
        try {
            (this->*kind->run)();
        } catch (const std::exception& e) {
            // What a control's handler raises reaches the user in the
            // application's error box, as the real message loop reports it.
            Note(std::string("error box: ") + e.what());
            f_->Application().ShowException(e.what());
        }
        // What the event posted is handled before anything is checked.
        w_.Advance(0);
        if (trace) std::cout << recent_.back() << "\n    " << State() << "\n";
        if (!w_.Running()) return fail("the panel ended");
        if (std::string wrong = CheckAll(); !wrong.empty()) return fail(wrong);
        if (progress && (eventNumber_ + 1) % progressEvery == 0) progress(eventNumber_ + 1);
        if (eventNumber_ % kHousekeepingEvents == 0 && !w_.world.desktop.OpenMessageBox()) {
            w_.world.desktop.messageBoxes.clear();
            w_.world.shell.popupMenus.clear();
            w_.world.shell.executed.clear();
            w_.driver.ClearReceived();
        }
    }

    Note("the user chooses Exit");
    w_.world.Window(w_.driver.Window())->hung = false;
    f_->ItemExit.Click();
    w_.Advance(100);
    if (w_.Running()) return fail("the panel still runs after Exit");
    if (std::string wrong = CheckLeftBehind(); !wrong.empty()) return fail(wrong);
    w_.panelProcess.Exit();
    if (w_.panelProcess.handles.Describe() != "none")
        return fail("after the process ended: " + w_.panelProcess.handles.Describe());

    result.passed = true;
    result.events = count;
    result.virtualMs = w_.world.Now();
    result.eventCounts = counts_;
    return result;
}

}  // namespace soak
