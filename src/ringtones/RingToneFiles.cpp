#include "ringtones/RingToneFiles.h"

namespace ringtones {

namespace {

constexpr std::uint32_t kMuteSampleRate = 16000;
constexpr std::uint32_t kMuteSeconds = 3;
constexpr std::uint16_t kBytesPerSample = 2;
constexpr std::uint32_t kHeaderSize = 44;

void Put(std::vector<std::uint8_t>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

}  // namespace

std::string RingFolder(const std::string& programFolder) {
    return programFolder + "ring";
}
std::string ChoiceFile(const std::string& programFolder) {
    return programFolder + "ring.jov";
}
std::string DefaultTone(const std::string& programFolder) {
    return RingFolder(programFolder) + "\\ring_in.wav";
}
std::string SilentFile(const std::string& programFolder) {
    return programFolder + "ring\\mute.wav";
}

std::string FolderPart(const std::string& path) {
    const std::size_t end = path.find_last_of("\\:");
    return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

std::string NamePart(const std::string& path) {
    return path.substr(FolderPart(path).size());
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '\\') return folder + name;
    return folder + "\\" + name;
}

std::vector<std::uint8_t> PcmWaveBytes(const std::vector<std::int16_t>& samples,
                                       std::uint32_t sampleRate) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    std::vector<std::uint8_t> out;
    out.reserve(kHeaderSize + dataSize);
    Put(out, "RIFF");
    Put32(out, kHeaderSize + dataSize - 8);
    Put(out, "WAVE");
    Put(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, sampleRate);
    Put32(out, sampleRate * kBytesPerSample);
    Put16(out, kBytesPerSample);
    Put16(out, 8 * kBytesPerSample);
    Put(out, "data");
    Put32(out, dataSize);
    for (const std::int16_t sample : samples) Put16(out, static_cast<std::uint16_t>(sample));
    return out;
}

std::vector<std::uint8_t> MuteWaveBytes() {
    return PcmWaveBytes(std::vector<std::int16_t>(std::size_t{kMuteSampleRate} * kMuteSeconds, 0),
                        kMuteSampleRate);
}

}  // namespace ringtones
