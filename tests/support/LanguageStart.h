// Starting the panel on a system of a given language and ANSI code page,
// with a stored language choice or none.
#pragma once

#include <cstdint>

#include "platform/WinTypes.h"
#include "support/PanelWorld.h"

namespace testing_support {

constexpr const char* kSettingsKey = "HKEY_CURRENT_USER\\SoftWare\\KESTAV\\USB_PHONE_R62";
constexpr int kNoStoredLanguage = -2;

inline bool StartOn(PanelWorld& w, platform::Word langId, platform::UInt ansiCodePage,
                    int stored = kNoStoredLanguage) {
    w.world.locale.langId = langId;
    w.world.locale.ansiCodePage = ansiCodePage;
    if (stored != kNoStoredLanguage)
        w.world.registry.SetDword(kSettingsKey, "LanguageID", static_cast<std::uint32_t>(stored));
    return w.Start();
}

}  // namespace testing_support
