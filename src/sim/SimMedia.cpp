#include "sim/SimMedia.h"

#include "platform/WinConst.h"
#include "sim/SimFiles.h"
#include "sim/SimWorld.h"

namespace sim {

using namespace platform;

namespace {

DWord Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<DWord>(b[at + 3]) << 24;
}

bool Tag(const std::vector<std::uint8_t>& b, std::size_t at, const char* tag) {
    return b.size() >= at + 4 && std::equal(tag, tag + 4, b.begin() + static_cast<long>(at));
}

}  // namespace

bool WaveLengthMs(const std::vector<std::uint8_t>& bytes, DWord* lengthMs) {
    if (!Tag(bytes, 0, "RIFF") || !Tag(bytes, 8, "WAVE")) return false;
    DWord bytesPerSecond = 0;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const DWord size = Le32(bytes, at + 4);
        if (Tag(bytes, at, "fmt ") && size >= 16 && at + 8 + 16 <= bytes.size()) {
            bytesPerSecond = Le32(bytes, at + 8 + 8);
        } else if (Tag(bytes, at, "data")) {
            if (bytesPerSecond == 0) return false;
            *lengthMs = static_cast<DWord>(std::uint64_t{size} * 1000 / bytesPerSecond);
            return true;
        }
        at += 8 + size + (size & 1);
    }
    return false;
}

std::string SimMedia::ErrorText(MciError error) {
    switch (error) {
        case MCIERR_FILE_NOT_FOUND:
            return "The specified file cannot be found.";
        case MCIERR_INVALID_FILE:
            return "The specified file cannot be played on the specified MCI device.";
        case MCIERR_INVALID_DEVICE_ID:
            return "Invalid MCI device ID.";
        case MCIERR_NULL_PARAMETER_BLOCK:
            return "A null parameter block was passed to MCI.";
        case MCIERR_UNRECOGNIZED_COMMAND:
            return "The driver cannot recognize the specified command.";
        default:
            return "MCI error " + std::to_string(error) + ".";
    }
}

MciError SimMedia::Open(DWord pid, const std::string& file, MciDeviceId* id) {
    for (const auto& [path, error] : openErrors)
        if (SimFiles::Key(path) == SimFiles::Key(file)) return error;
    const SimFileEntry* entry = world_.files.Find(file);
    if (!entry || entry->folder) return MCIERR_FILE_NOT_FOUND;
    DWord length = 0;
    if (!WaveLengthMs(entry->bytes, &length)) return MCIERR_INVALID_FILE;
    SimMediaDevice device;
    device.id = ++nextId_;
    device.pid = pid;
    device.file = file;
    device.lengthMs = length;
    devices_[device.id] = device;
    *id = device.id;
    return 0;
}

SimMediaDevice* SimMedia::Find(MciDeviceId id) {
    auto it = devices_.find(id);
    return it == devices_.end() ? nullptr : &it->second;
}

const SimMediaDevice* SimMedia::Device(MciDeviceId id) const {
    auto it = devices_.find(id);
    return it == devices_.end() ? nullptr : &it->second;
}

void SimMedia::Settle(SimMediaDevice& device) const {
    if (!device.playing) return;
    const std::uint64_t reached = device.position + (world_.Now() - device.startedAt);
    device.startedAt = world_.Now();
    if (reached >= device.lengthMs) {
        device.position = device.lengthMs;
        device.playing = false;
    } else {
        device.position = static_cast<DWord>(reached);
    }
}

MciError SimMedia::Close(MciDeviceId id) {
    return devices_.erase(id) ? 0 : MCIERR_INVALID_DEVICE_ID;
}

MciError SimMedia::Play(MciDeviceId id) {
    SimMediaDevice* d = Find(id);
    if (!d) return MCIERR_INVALID_DEVICE_ID;
    Settle(*d);
    d->playing = !noOutput && d->position < d->lengthMs;
    d->startedAt = world_.Now();
    return 0;
}

MciError SimMedia::Stop(MciDeviceId id) {
    SimMediaDevice* d = Find(id);
    if (!d) return MCIERR_INVALID_DEVICE_ID;
    Settle(*d);
    d->playing = false;
    return 0;
}

MciError SimMedia::SeekToStart(MciDeviceId id) {
    SimMediaDevice* d = Find(id);
    if (!d) return MCIERR_INVALID_DEVICE_ID;
    // A seek stops the playback, as MCI's does.
    d->playing = false;
    d->position = 0;
    return 0;
}

DWord SimMedia::Position(MciDeviceId id) const {
    auto it = devices_.find(id);
    if (it == devices_.end()) return 0;
    Settle(it->second);
    return it->second.position;
}

std::vector<const SimMediaDevice*> SimMedia::OpenDevices() const {
    std::vector<const SimMediaDevice*> open;
    for (const auto& [id, device] : devices_) open.push_back(&device);
    return open;
}

std::vector<std::string> SimMedia::Playing() const {
    std::vector<std::string> playing;
    for (auto& [id, device] : devices_) {
        Settle(device);
        if (device.playing) playing.push_back(device.file);
    }
    return playing;
}

void SimMedia::CloseAllOf(DWord pid) {
    for (auto it = devices_.begin(); it != devices_.end();)
        it = it->second.pid == pid ? devices_.erase(it) : std::next(it);
}

}  // namespace sim
