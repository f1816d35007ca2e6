// The settings key's values as any type, size and bytes: the panel starts,
// reports a value of the wrong type at the top, and runs on; the handset
// arriving and the ring slider moved read and write them.
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "support/HandsetMixer.h"
#include "support/LanguageStart.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    testing_support::PanelWorld w;
    w.world.desktop.messageBoxLifetimeMs = 10;
    w.world.files.AddFile("C:\\Phone\\UsbPhonePanel.exe", "MZ");
    testing_support::AddHandsetMixer(w.world.mixer);
    for (const char* name : {"RingTone", "LanguageID"}) {
        const platform::DWord type = in.Byte() % 12;
        const std::string bytes = in.Short();
        if (in.Byte() % 4)
            w.world.registry.SetValue(testing_support::kSettingsKey, name, type,
                                      std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    }
    w.world.locale.langId = static_cast<platform::Word>(in.Word32());
    if (!w.Start()) return 0;
    // The handset arrives: its status message reads the ring volume inside
    // the window's dispatch, where a wrong type is reported at the top.
    w.driver.Discover(w.Panel());
    w.driver.Status(w.Panel(), driverlink::kHandsetPresent, 0xFF);
    try {
        w.Form().suiTrackBarVolRing.SetPosition(in.Byte() % 16);
    } catch (const std::exception&) {
        // Moved by the user, the slider's error goes to the top-level
        // report through the window's dispatch; called here directly, it
        // comes back to the caller.
    }
    w.Advance(100);
    return 0;
}
