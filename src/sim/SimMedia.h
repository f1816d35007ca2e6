// The simulated Media Control Interface: a file opens when it exists in the
// simulated file system and holds a WAV header (its length comes from the
// header), or fails with the error a test chose for it; an open device's
// position advances with the virtual clock while it plays and stops at the
// file's end.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/MediaPort.h"

namespace sim {

class SimWorld;

struct SimMediaDevice {
    platform::MciDeviceId id = 0;
    platform::DWord pid = 0;
    std::string file;  // as the program named it
    platform::DWord lengthMs = 0;
    platform::DWord position = 0;  // where it stood when it last started or stopped
    bool playing = false;
    std::uint64_t startedAt = 0;
};

class SimMedia {
public:
    explicit SimMedia(SimWorld& world) : world_(world) {}

    // Opening a file at this path fails with the error (without regard to case).
    std::map<std::string, platform::MciError> openErrors;
    // No audio output: files open and accept play, but their position stays
    // where it was (as MCI does on a machine without a sound device).
    bool noOutput = false;

    platform::MciError Open(platform::DWord pid, const std::string& file,
                            platform::MciDeviceId* id);
    platform::MciError Close(platform::MciDeviceId id);
    platform::MciError Play(platform::MciDeviceId id);
    platform::MciError Stop(platform::MciDeviceId id);
    platform::MciError SeekToStart(platform::MciDeviceId id);
    platform::DWord Position(platform::MciDeviceId id) const;
    const SimMediaDevice* Device(platform::MciDeviceId id) const;
    // The devices open now, oldest first.
    std::vector<const SimMediaDevice*> OpenDevices() const;
    // The files playing now.
    std::vector<std::string> Playing() const;
    void CloseAllOf(platform::DWord pid);

    static std::string ErrorText(platform::MciError error);

private:
    SimMediaDevice* Find(platform::MciDeviceId id);
    // Brings a playing device's position up to the clock.
    void Settle(SimMediaDevice& device) const;

    SimWorld& world_;
    // Positions are brought up to the clock whenever they are read.
    mutable std::map<platform::MciDeviceId, SimMediaDevice> devices_;
    platform::MciDeviceId nextId_ = 0;
};

// The playing time of a WAV file in milliseconds; false when the bytes are
// no RIFF/WAVE file with a format and a data chunk.
bool WaveLengthMs(const std::vector<std::uint8_t>& bytes, platform::DWord* lengthMs);

}  // namespace sim
