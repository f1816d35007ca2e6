// The five web shortcuts. Reading and saving their files, and selecting,
// are not built yet: until the shortcut list lands the settings keep their
// start values and selecting does nothing.
#include "app/Unit1.h"

namespace app {

namespace {
constexpr const char* kSkypeHome = "http://www.skype.com/";
}  // namespace

void TForm1::LoadDefaultWeb() {
    FirstWebName = "Skype";
    FirstWebAddr = kSkypeHome;
    EmptyWebName = "N/A";
    EmptyWebAddr.clear();
    BrowserTitle = "Skype";
    BrowserHome = kSkypeHome;
}
void TForm1::LoadUrlList() {}
void TForm1::SelectWebEntry(int) {}

void TForm1::BuildWebControlArrays() {
    WebLinks = {&suiURLLabelWeb0, &suiURLLabelWeb1, &suiURLLabelWeb2, &suiURLLabelWeb3,
                &suiURLLabelWeb4};
    WebRadios = {&suiRadioButtonWeb0, &suiRadioButtonWeb1, &suiRadioButtonWeb2,
                 &suiRadioButtonWeb3, &suiRadioButtonWeb4};
    WebNumbers = {&LabelWeb0, &LabelWeb1, &LabelWeb2, &LabelWeb3, &LabelWeb4};
    // The radio buttons are reached by the shortcut keys, not by Tab.
    for (vcl::TRadioButton* radio : WebRadios) radio->SetTabStop(false);
}

}  // namespace app
