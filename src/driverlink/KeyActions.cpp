// Handset keys: presses, repeats and what each key does.
// Not built yet: each operation does nothing until key actions land.
#include "app/Unit1.h"

namespace app {

void TForm1::KeyEntry(std::uint8_t) {}
void TForm1::TimerKeyRepeatTimer(vcl::TObject*) {}

}  // namespace app
