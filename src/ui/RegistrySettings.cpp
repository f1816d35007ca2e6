#include "ui/RegistrySettings.h"

#include "ui/SettingsKey.h"

namespace ui {

using platform::RegistryPort;

int RingLevelFromStored(std::int32_t stored, int maximum) {
    const auto nibble = static_cast<int>((static_cast<std::uint32_t>(stored) >> 4) & 0xFu);
    return maximum - nibble;
}

std::int32_t StoredRingTone(std::int32_t previous, int maximum, int position) {
    const std::uint32_t low = static_cast<std::uint32_t>(previous) & 0x0Fu;
    const std::uint32_t level = (static_cast<std::uint32_t>(maximum - position) << 4) & 0xF0u;
    return static_cast<std::int32_t>(low | level);
}

int ReadRingLevel(RegistryPort& registry, int maximum) {
    SettingsKey key(registry, kSettingsKeyPath);
    if (!key.IsOpen() || !key.ValueExists(kRingToneValue)) return 0;
    return RingLevelFromStored(key.ReadInteger(kRingToneValue), maximum);
}

void WriteRingLevel(RegistryPort& registry, int maximum, int position) {
    SettingsKey key(registry, kSettingsKeyPath);
    if (!key.IsOpen()) return;
    const std::int32_t previous =
        key.ValueExists(kRingToneValue) ? key.ReadInteger(kRingToneValue) : 0;
    key.WriteInteger(kRingToneValue, StoredRingTone(previous, maximum, position));
}

int ReadLanguageID(RegistryPort& registry) {
    SettingsKey key(registry, kSettingsKeyPath);
    if (!key.IsOpen() || !key.ValueExists(kLanguageIDValue)) return -1;
    return key.ReadInteger(kLanguageIDValue);
}

void WriteLanguageID(RegistryPort& registry, int index) {
    SettingsKey key(registry, kSettingsKeyPath);
    if (!key.IsOpen()) return;
    key.WriteInteger(kLanguageIDValue, index < kLanguageCount ? index : -1);
}

}  // namespace ui
