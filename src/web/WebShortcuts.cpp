// The five web shortcuts. Loading, saving and selecting are not built yet
// and do nothing until the shortcut list lands.
#include "app/Unit1.h"

namespace app {

void TForm1::LoadDefaultWeb() {}
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
