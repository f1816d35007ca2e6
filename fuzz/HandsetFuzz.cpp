// WM_HANDSET sequences as any bytes: statuses and keys with every field,
// Discover, and time passing (timer ticks, the watchdog, key repeats),
// with the handset's device and a tone to ring. Nothing may crash, and
// after the exit the panel holds nothing but its single-instance
// semaphore.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzInput.h"
#include "support/HandsetMixer.h"
#include "support/RingWorld.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    testing_support::PanelWorld w;
    testing_support::AddHandsetMixer(w.world.mixer);
    testing_support::AddChosenTone(w.world.files, "a.wav", 2000);
    w.world.desktop.messageBoxLifetimeMs = 100;
    if (!w.Start()) return 0;
    const platform::Hwnd panel = w.Panel();
    for (int events = 0; !in.Empty() && events < 400; ++events) {
        switch (in.Byte() % 4) {
            case 0:
                w.driver.Status(panel, in.Word32(), 0xFFu | (in.Word32() & 0xFFFFFF00u));
                break;
            case 1:
                w.driver.Key(panel, in.Byte(), in.Word32(), in.Word32());
                break;
            case 2:
                w.Advance(static_cast<std::uint64_t>(in.Byte()) * 40);
                break;
            default:
                w.driver.Discover(panel);
                break;
        }
        if (!w.Running()) break;
    }
    w.Program().Shutdown();
    if (w.panelProcess.handles.Describe() != "Semaphore 1") std::abort();
    return 0;
}
