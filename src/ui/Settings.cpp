// The settings store as the main window uses it: the ring-volume slider
// loaded from and saved to "RingTone", the chosen language's index kept in
// "LanguageID". Errors of a wrongly typed value or a refused write are left
// to the caller's handler, which shows them.
#include "app/Unit1.h"
#include "ui/RegistrySettings.h"

namespace app {

void TForm1::LoadRingVolume() {
    const int level = ui::ReadRingLevel(Os().registry, suiTrackBarVolRing.Max());
    // As the program's own change, so the slider's handler does not store it
    // straight back.
    SetTrackBarState(suiTrackBarVolRing, level, std::nullopt, std::nullopt, std::nullopt);
}

void TForm1::SaveRingVolume() {
    ui::WriteRingLevel(Os().registry, suiTrackBarVolRing.Max(), suiTrackBarVolRing.Position());
}

int TForm1::LoadLanguageID() {
    return ui::ReadLanguageID(Os().registry);
}

void TForm1::SaveLanguageID(int index) {
    ui::WriteLanguageID(Os().registry, index);
}

}  // namespace app
