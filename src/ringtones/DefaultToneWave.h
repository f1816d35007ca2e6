// The default ring tone the packages put in the ring folder as
// "ring_in.wav", made from code rather than recorded: a two-tone telephone
// ring, two short bursts and a pause, in a format every Windows plays
// through MCI.
#pragma once

#include <cstdint>
#include <vector>

namespace ringtones {

constexpr std::uint32_t kDefaultToneRate = 8000;  // samples per second
constexpr std::uint32_t kDefaultToneMs = 3000;

// 16-bit mono PCM: 400 and 450 Hz together for 0.4 s, 0.2 s of silence,
// again 0.4 s, then silence to the end of the 3 s; each burst fades in and
// out over 10 ms so that it starts and ends without a click.
std::vector<std::uint8_t> DefaultToneWaveBytes();

}  // namespace ringtones
