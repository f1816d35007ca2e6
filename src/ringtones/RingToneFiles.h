// Where the ring-tone library keeps its files, the silent file's bytes and
// the command that points Skype's ring tone at it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ringtones {

constexpr const char* kRingToneCommandPrefix = "SET RINGTONE 1 ";
constexpr const char* kToneMask = "*.wav";

// Each from the program folder (ending in a backslash).
std::string RingFolder(const std::string& programFolder);   // no trailing backslash
std::string ChoiceFile(const std::string& programFolder);   // "ring.jov"
std::string DefaultTone(const std::string& programFolder);  // ring folder's "ring_in.wav"
std::string SilentFile(const std::string& programFolder);   // "ring\mute.wav"

// A path's folder part, up to and including its last backslash or colon,
// and the rest.
std::string FolderPart(const std::string& path);
std::string NamePart(const std::string& path);
// folder, a backslash unless it ends with one, and name.
std::string JoinPath(const std::string& folder, const std::string& name);

// A WAV file of 16-bit mono PCM samples at the given rate.
std::vector<std::uint8_t> PcmWaveBytes(const std::vector<std::int16_t>& samples,
                                       std::uint32_t sampleRate);

// Three seconds of silence: 16-bit mono PCM at 16000 samples per second.
std::vector<std::uint8_t> MuteWaveBytes();

}  // namespace ringtones
