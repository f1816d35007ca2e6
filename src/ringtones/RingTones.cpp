// The ring-tone library: the chosen tone, the tone list and the silent file.
// Not built yet: each operation does nothing until the library lands.
#include "app/Unit1.h"

namespace app {

void TForm1::LoadRingTone() {}
void TForm1::SendRingToneCommand() {}
std::string TForm1::MakeMuteWave() { return {}; }
void TForm1::suiButtonDefaultClick(vcl::TObject*) {}
void TForm1::SelectRingFile(int) {}

}  // namespace app
