// Skype's output and input device lists and the commands that read and set
// them. Not built yet: each operation does nothing until device selection
// lands.
#include "app/Unit1.h"

namespace app {

void TForm1::FillSkypeCombos() {}
void TForm1::ApplySkypeDeviceReply(const std::string&, const std::string&, vcl::TComboBox&) {}

}  // namespace app
