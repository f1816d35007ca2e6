// The button that names Windows' default playback device.
// Not built yet: does nothing until the default-device query lands.
#include "app/Unit1.h"

namespace app {

void TForm1::UpdateSysAudioButton() {}

}  // namespace app
