// A panel whose program folder (C:\Phone\) has a ring folder, WAV files of
// chosen lengths, and the driver's status messages with a call state.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/HandsetMixer.h"

namespace testing_support {

constexpr const char* kProgramFolder = "C:\\Phone\\";
constexpr const char* kRingFolder = "C:\\Phone\\ring";
constexpr const char* kChoiceFile = "C:\\Phone\\ring.jov";
constexpr const char* kSilentFile = "C:\\Phone\\ring\\mute.wav";
constexpr std::uint8_t kIdle = 0;
constexpr std::uint8_t kRinging = 1;

// A WAV file that plays for ms milliseconds (8-bit mono at 8000 samples per
// second).
inline std::vector<std::uint8_t> Wave(std::uint32_t ms) {
    const std::uint32_t data = ms * 8;
    std::vector<std::uint8_t> b;
    auto tag = [&](const char* t) { b.insert(b.end(), t, t + 4); };
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    auto u16 = [&](std::uint16_t v) {
        b.push_back(static_cast<std::uint8_t>(v));
        b.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    tag("RIFF");
    u32(36 + data);
    tag("WAVE");
    tag("fmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(8000);
    u16(1);
    u16(8);
    tag("data");
    u32(data);
    b.resize(b.size() + data, 0x80);
    return b;
}

inline std::string InRing(const std::string& name) {
    return std::string(kRingFolder) + "\\" + name;
}

// The program in C:\Phone\ with one tone of ms milliseconds in its ring
// folder, chosen in "ring.jov".
inline void AddChosenTone(sim::SimFiles& files, const std::string& name, std::uint32_t ms) {
    files.AddFile(std::string(kProgramFolder) + "UsbPhonePanel.exe", "MZ");
    files.AddFile(InRing(name), Wave(ms));
    files.AddFile(kChoiceFile, InRing(name) + "\r\n");
}

// A status message with a call state, and the panel's loop run after it.
inline void SendCall(PanelWorld& w, std::uint32_t statusW, std::uint8_t call) {
    w.driver.Status(w.Panel(), statusW, sim::SimDriver::StatusLParam(0, call));
    w.Advance(0);
}

}  // namespace testing_support
