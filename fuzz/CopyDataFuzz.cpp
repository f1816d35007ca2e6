// The driver's WM_COPYDATA replies as any bytes and any claimed length,
// with Skype ready and its device lists filled from mixer devices whose
// names are in the system code page; a reply selects an item of the lists
// or leaves them, and the panel answers every one.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzInput.h"
#include "driverlink/HandsetMessage.h"
#include "support/PanelWorld.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    testing_support::PanelWorld w;
    w.world.locale.ansiCodePage = in.Byte() % 2 ? 932 : 1252;
    w.world.mixer.AddDevice("Speakers");
    w.world.mixer.AddDevice("Kopfh\xF6rer");
    w.world.mixer.AddDevice("USB Audio Device");
    w.driver.answerAudioCommands = false;
    w.world.files.AddFile("C:\\Phone\\UsbPhonePanel.exe", "MZ");
    if (!w.Start()) return 0;
    w.driver.Discover(w.Panel());
    w.driver.Status(w.Panel(), driverlink::kSkypeReady, 0xFF);
    app::TForm1& f = w.Form();
    while (!in.Empty()) {
        const std::string bytes = in.Short();
        // Sometimes fewer bytes than the data, never more.
        const std::uint8_t cut = in.Byte();
        const platform::DWord length =
            static_cast<platform::DWord>(cut < bytes.size() ? cut : bytes.size());
        w.driver.CopyData(w.Panel(), bytes.data(), length);
        for (vcl::TComboBox* combo : {&f.suiComboBoxSkypeOut, &f.suiComboBoxSkypeIn}) {
            const int item = combo->ItemIndex();
            if (item < -1 || item >= static_cast<int>(combo->Items().size())) std::abort();
        }
    }
    return 0;
}
