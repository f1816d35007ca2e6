// A seeded soak of the whole panel on the simulated Windows: random events
// from the driver, the user, the shell, other programs and the disk, each
// followed by a check of what must hold whatever happened before. The same
// seed gives the same events, so a failure replays.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "support/RingWorld.h"
#include "support/TrayWorld.h"

namespace soak {

// The panel's data files, beside the program.
inline constexpr const char* kUrlList = "C:\\Phone\\urlList.jov";
inline constexpr const char* kDefaultWeb = "C:\\Phone\\defaultWeb.jov";
// A message box the panel shows closes itself after this much virtual time,
// as a user would click it away; a check allows for the loop it runs.
inline constexpr std::uint64_t kMessageBoxLifetimeMs = 100;
inline constexpr std::array<const char*, 3> kDataFiles = {testing_support::kChoiceFile, kUrlList,
                                                          kDefaultWeb};

// What one run did.
struct SoakResult {
    bool passed = false;
    std::uint64_t events = 0;                          // events run (the failing one included)
    std::uint64_t virtualMs = 0;                       // the simulated clock at the end
    std::string failure;                               // what failed, with the events before it
    std::map<std::string, std::uint64_t> eventCounts;  // by kind
};

class Soak {
public:
    explicit Soak(std::uint64_t seed);
    // Events drawn from another source (a fuzzer's bytes); a failure names
    // `source` as what replays it.
    Soak(std::function<std::uint64_t()> next, std::string source);

    // Prints the panel's state after every event (for replaying a failure).
    bool trace = false;
    // Called every progressEvery events with the number run so far.
    std::function<void(std::uint64_t)> progress;
    std::uint64_t progressEvery = 100000;

    // Starts the panel, runs count events with the checks after each, then
    // ends the program and checks that it left nothing behind.
    SoakResult Run(std::uint64_t count);

private:
    using Event = void (Soak::*)();
    struct Kind {
        const char* name;
        unsigned weight;
        Event run;
    };
    static const std::vector<Kind>& Kinds();

    // The world the panel starts on.
    void Prepare();
    std::uint32_t Pick(std::uint32_t n) { return static_cast<std::uint32_t>(next_() % n); }
    bool Chance(std::uint32_t oneIn) { return Pick(oneIn) == 0; }
    std::string RandomText(std::size_t maxLength);
    void Note(const std::string& what);
    std::string State();

    // Events from the driver (SoakDriverEvents.cpp).
    bool DriverSilent();
    void DriverStatus();
    void DriverKey();
    void DriverDiscover();
    void DriverReply();
    void DriverHangs();
    void Contact(std::uint32_t statusW, std::uint32_t statusL);
    // The keys that may move the speaker: 17 and 31 in a call, 37 and 38 on
    // the audio page.
    static bool SpeakerKey(std::uint8_t code);

    // Events from the user, the shell, other programs and the disk
    // (SoakUserEvents.cpp).
    void TimePasses();
    void ClickButton();
    void ClickBox();
    void MoveSlider();
    void ChooseInList();
    void TypeInEdit();
    void UseWebShortcut();
    void UsePlayer();
    void ChangePage();
    void ChooseLanguage();
    void TrayClick();
    void CloseOrShowWindow();
    void DropFiles();
    void DeviceNotice();
    void OtherProgramSetsSpeaker();
    void SettingsBroadcast();
    void DiskTrouble();
    void SecondStart();
    void CloseStartedPrograms();
    // A tone plays (a preview or the ring): the player's Stop is enabled.
    bool TonePlays() const;
    // Whether the user can reach the control now (shown and enabled).
    bool Reachable(const vcl::TControl& control);

    // The checks (SoakChecks.cpp); each returns what is wrong, "" if nothing.
    std::string CheckAll();
    std::string CheckHandles();
    std::string CheckSpeaker();
    std::string CheckDataFiles();
    std::string CheckTimers();
    std::string CheckLink();
    std::string CheckLeftBehind();
    // A data file written aside and never put in place.
    std::string LeftOverFiles();
    void RememberBeforeEvent();
    void RememberDataFiles();

    std::function<std::uint64_t()> next_;
    // How to replay a failure, without the number of events.
    std::string replay_;
    bool seeded_ = false;
    testing_support::TrayWorld w_;
    testing_support::HandsetMixer mixer_;
    app::TForm1* f_ = nullptr;

    // The last events, for the report of a failure.
    std::deque<std::string> recent_;
    std::uint64_t eventNumber_ = 0;
    std::map<std::string, std::uint64_t> counts_;

    // What the driver last did.
    std::uint64_t lastContactAt_ = 0;
    bool contacted_ = false;
    std::uint32_t lastStatusW_ = 0, lastStatusL_ = 0;
    std::uint64_t silentUntil_ = 0;
    // The handset as the driver reports it: its status bits, key mode and
    // call state, which drift from one status message to the next.
    std::uint32_t statusW_ = 0;
    std::uint8_t keyMode_ = 0;
    std::uint8_t call_ = 0;
    // The code of the last key message the panel took as a key (0: a release).
    std::uint8_t lastKeyCode_ = 0;
    // When the other timers were last started from outside.
    std::uint64_t lastNoticeAt_ = 0;
    std::uint64_t lastTrayUpAt_ = 0;

    // The speaker the user set while no tone played, and whether one played
    // before the current event.
    struct Speaker {
        int position = 0;
        bool mute = false;
    };
    Speaker userSpeaker_;
    Speaker DeviceSpeaker() const;
    bool playedBefore_ = false;
    // Whether the current event is one that may change the speaker while no
    // tone plays (the user, a handset key, another program).
    bool speakerEvent_ = false;
    // Another program set the speaker while a tone played or while the panel
    // had the device closed: the panel then puts its saved value back over
    // it or leaves it, and either is the user's value afterwards.
    bool speakerUncertain_ = false;
    // Whether the panel holds the handset's mixer device open: only then
    // can it write the speaker.
    bool PanelHoldsSpeaker() const;

    // Each data file's content before the current event (nullopt: absent).
    std::map<std::string, std::optional<std::string>> dataFilesBefore_;
    // The handles the panel holds for its whole life, once linked.
    std::map<sim::HandleKind, std::size_t> lifelong_;
    std::vector<platform::Hwnd> panelWindows_;
    // The programs the panel started that the user has closed.
    std::size_t closedLaunches_ = 0;
};

}  // namespace soak
