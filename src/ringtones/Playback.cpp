// Playing ring tones for preview and while the handset rings.
// Not built yet: does nothing until playback lands.
#include "app/Unit1.h"

namespace app {

void TForm1::StopRingFile() {}

}  // namespace app
