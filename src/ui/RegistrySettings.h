// The program's two per-user settings, the ring-volume level and the chosen
// language, each read or written on its own: open the key, one value, close
// the key. Nothing is cached; a key that cannot be opened reads as the
// defaults and takes no writes, silently.
#pragma once

#include <cstdint>

#include "platform/RegistryPort.h"

namespace ui {

constexpr const char* kSettingsKeyPath = "SoftWare\\KESTAV\\USB_PHONE_R62";
constexpr const char* kRingToneValue = "RingTone";
constexpr const char* kLanguageIDValue = "LanguageID";
constexpr int kLanguageCount = 24;

// "RingTone" keeps maximum minus the level in bits 4 to 7, so 0 is the
// loudest; bits 0 to 3 belong to someone else and are carried over.
int RingLevelFromStored(std::int32_t stored, int maximum);
// What to store for the slider at position: the previous low nibble kept,
// bits 8 to 31 cleared.
std::int32_t StoredRingTone(std::int32_t previous, int maximum, int position);

// The level to show: 0 when the value or the key is missing.
int ReadRingLevel(platform::RegistryPort& registry, int maximum);
void WriteRingLevel(platform::RegistryPort& registry, int maximum, int position);

// The stored language index, -1 when there is none; the caller checks its
// range.
int ReadLanguageID(platform::RegistryPort& registry);
// Stores index when it is below kLanguageCount, else -1.
void WriteLanguageID(platform::RegistryPort& registry, int index);

}  // namespace ui
