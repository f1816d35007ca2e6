// Applying a language to the window: its font, every caption, the tray menu
// and tip, and the first entry of the Skype device lists.
// Not built yet: does nothing until the language table lands.
#include "app/Unit1.h"

namespace app {

void TForm1::ApplyLanguage(std::uint8_t) {}

}  // namespace app
