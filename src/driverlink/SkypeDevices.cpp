// Skype's output and input device lists: filled from the mixer's device
// names, set from the user's choice, and following what Skype reports back
// through the driver. Names travel as UTF-8 on the link and stand in the
// system code page in the lists.
#include "app/Unit1.h"
#include "driverlink/SkypeNames.h"
#include "platform/NlsPort.h"
#include "widgets/CodePages.h"

namespace app {

using namespace driverlink;

// Device names are taken by position in the name list, not through
// GetName(identifier): a device that failed to open leaves a gap in the
// identifiers, and the name list holds every usable device in order.

void TForm1::FillSkypeCombos() {
    suiComboBoxSkypeOut.Clear();
    suiComboBoxSkypeIn.Clear();
    suiComboBoxSkypeIn.AddItem(DefaultDeviceText);
    suiComboBoxSkypeOut.AddItem(DefaultDeviceText);
    for (const audio::TMixerName& device : AudioMixerUsb.FNames) {
        suiComboBoxSkypeIn.AddItem(device.Name);
        suiComboBoxSkypeOut.AddItem(device.Name);
    }
    suiComboBoxSkypeIn.SetItemIndex(0);
    suiComboBoxSkypeOut.SetItemIndex(0);
    QuerySkypeAudioOut();
    QuerySkypeAudioIn();
}

void TForm1::SetSkypeDevice(vcl::TComboBox& combo) {
    if (!suiGroupBoxSkype.Enabled()) return;
    const bool output = &combo == &suiComboBoxSkypeOut;
    std::string command = output ? kSetAudioOut : kSetAudioIn;
    const int item = combo.ItemIndex();
    const std::vector<audio::TMixerName>& names = AudioMixerUsb.FNames;
    if (item > 0 && static_cast<std::size_t>(item - 1) < names.size()) {
        command += names[static_cast<std::size_t>(item - 1)].Name;
        command = vcl::Recode(Os().nls, platform::kCpAcp, platform::kCpUtf8, command);
    }
    SendDrvCommand(command);
    if (output)
        QuerySkypeAudioOut();
    else
        QuerySkypeAudioIn();
}

void TForm1::QuerySkypeAudioOut() {
    SendDrvCommand(kGetAudioOut);
}
void TForm1::QuerySkypeAudioIn() {
    SendDrvCommand(kGetAudioIn);
}

void TForm1::ApplySkypeDeviceReply(const std::string& text, const std::string& prefix,
                                   vcl::TComboBox& combo) {
    platform::NlsPort& nls = Os().nls;
    const std::string once = vcl::Recode(nls, platform::kCpUtf8, platform::kCpAcp, text);
    const std::string twice = vcl::Recode(nls, platform::kCpUtf8, platform::kCpAcp, once);
    const int item =
        SkypeReplyItem(prefix, once, twice, AudioMixerUsb.FNames,
                       [](const audio::TMixerName& n) -> const std::string& { return n.Name; });
    if (!combo.Enabled()) combo.SetEnabled(true);
    // The program's own selection: OnChange is not raised, nothing is sent.
    if (combo.ItemIndex() != item) combo.SetItemIndex(item);
}

void TForm1::suiComboBoxSkypeOutChange(vcl::TObject*) {
    SetSkypeDevice(suiComboBoxSkypeOut);
}
void TForm1::suiComboBoxSkypeInChange(vcl::TObject*) {
    SetSkypeDevice(suiComboBoxSkypeIn);
}

}  // namespace app
