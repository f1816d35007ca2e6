// Audio devices coming and going: the mixer is closed at once and reloaded a
// second after the last notice. Not built yet: each operation does nothing
// until device change tracking lands.
#include "app/Unit1.h"

namespace app {

void TForm1::RescanMixers() {}
void TForm1::TimerDevChgTimer(vcl::TObject*) {}

}  // namespace app
