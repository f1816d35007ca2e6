// The driver's side of the soak: status messages whose fields drift as a
// real handset's do (present, Skype ready, a call that rings for a while),
// keys pressed, held and released, Discover, device replies, and spells in
// which the driver hangs and sends nothing.
#include <sstream>

#include "soak/Soak.h"

namespace soak {

using namespace driverlink;

namespace {

std::string Hex(std::uint32_t value) {
    std::ostringstream text;
    text << "0x" << std::hex << value;
    return text.str();
}

}  // namespace

bool Soak::DriverSilent() {
    sim::SimWindow* window = w_.world.Window(w_.driver.Window());
    if (w_.world.Now() < silentUntil_) return true;
    if (window->hung) {
        window->hung = false;
        Note("the driver answers again");
    }
    return false;
}

void Soak::Contact(std::uint32_t statusW, std::uint32_t statusL) {
    contacted_ = true;
    lastContactAt_ = w_.world.Now();
    lastStatusW_ = statusW;
    lastStatusL_ = statusL;
}

void Soak::DriverStatus() {
    if (DriverSilent()) return TimePasses();
    // The handset comes and goes, Skype starts and stops, the keyboard is
    // blocked now and then; a call rings for a while, is taken, ends.
    if (Chance(25)) statusW_ ^= kHandsetPresent;
    if (Chance(30)) statusW_ ^= kSkypeReady;
    if (Chance(40)) statusW_ ^= kKeyboardBlocked;
    if (Chance(15)) keyMode_ = static_cast<std::uint8_t>(Pick(3));
    if (Chance(8)) {
        const std::uint8_t calls[] = {0, 0, kCallRinging, kCallRinging, kCallInCall, 2, 0xFF};
        call_ = calls[Pick(sizeof calls)];
    }
    std::uint32_t statusW = statusW_;
    // Bits the panel does not know of, once in a while.
    if (Chance(50)) statusW |= static_cast<std::uint32_t>(next_()) & 0xFFFFFC00u;
    const std::uint32_t statusL = sim::SimDriver::StatusLParam(keyMode_, call_);
    Note("status " + Hex(statusW) + " " + Hex(statusL));
    Contact(statusW, statusL);
    w_.driver.Status(w_.Panel(), statusW, statusL);
}

void Soak::DriverKey() {
    if (DriverSilent()) return TimePasses();
    // Releases, the keys the panel acts on, and a few it does not.
    static const std::uint8_t keys[] = {
        0,  0,  0,  kKeyUp, kKeyDown, kKeyPage,          kKeyLower, kKeyRaise, 25, 26, 27,  28,
        29, 30, 33, 34,     35,       kKeyNeverAccepted, 1,         16,        39, 40, 0xFE};
    const std::uint8_t code =
        Chance(20) ? static_cast<std::uint8_t>(Pick(0xFF)) : keys[Pick(sizeof keys)];
    speakerEvent_ = SpeakerKey(code);
    const std::uint32_t statusL = sim::SimDriver::StatusLParam(keyMode_, call_);
    Note("key " + std::to_string(code) + " with " + Hex(statusW_) + " " + Hex(statusL));
    Contact(statusW_, (statusL & 0xFFFFFF00u) | code);
    if (EventOf(statusW_, (statusL & 0xFFFFFF00u) | code) == HandsetEvent::Key) lastKeyCode_ = code;
    w_.driver.Key(w_.Panel(), code, statusW_, statusL);
}

bool Soak::SpeakerKey(std::uint8_t code) {
    return code == kKeyUp || code == kKeyDown || code == kKeyLower || code == kKeyRaise;
}

void Soak::DriverDiscover() {
    if (DriverSilent()) return TimePasses();
    Note("Discover");
    contacted_ = true;
    lastContactAt_ = w_.world.Now();
    w_.driver.Discover(w_.Panel());
}

void Soak::DriverReply() {
    if (DriverSilent()) return TimePasses();
    static const char* const names[] = {
        "USB Audio Device", "Speakers", "Microphone", "Windows default sound device", "",
        "USB Audio Device "};
    std::string text = Chance(2) ? "AUDIO_OUT " : "AUDIO_IN ";
    text += Chance(4) ? RandomText(40) : names[Pick(sizeof names / sizeof names[0])];
    Note("reply \"" + text.substr(0, 60) + "\"");
    if (Chance(10)) {
        // A length that cuts the text short, without its terminating zero.
        const auto length =
            static_cast<platform::DWord>(Pick(static_cast<std::uint32_t>(text.size())));
        w_.driver.CopyData(w_.Panel(), text.data(), length);
    } else {
        w_.driver.Reply(w_.Panel(), text);
    }
}

void Soak::DriverHangs() {
    if (DriverSilent()) return TimePasses();
    const std::uint64_t spell = 500 + Pick(8500);
    Note("the driver hangs for " + std::to_string(spell) + " ms");
    w_.world.Window(w_.driver.Window())->hung = true;
    silentUntil_ = w_.world.Now() + spell;
}

}  // namespace soak
