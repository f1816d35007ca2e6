// Setting the volume sliders and mute boxes from the program: FUpdatingControls
// is raised meanwhile, so their change handlers do not write back.
#include "app/Unit1.h"

namespace app {

void TForm1::SetTrackBarState(vcl::TTrackBar& slider, int position, int enabled, int min,
                              int max) {
    FUpdatingControls = true;
    if (position >= 0 && position != slider.Position()) slider.SetPosition(position);
    if (min >= 0 && min != slider.Min()) slider.SetMin(min);
    if (max >= 0 && max != slider.Max()) slider.SetMax(max);
    if (enabled >= 0 && (enabled != 0) != slider.Enabled()) slider.SetEnabled(enabled != 0);
    FUpdatingControls = false;
}

void TForm1::SetCheckBoxState(vcl::TCheckBox& box, int checked, int enabled) {
    FUpdatingControls = true;
    if (checked >= 0 && (checked != 0) != box.Checked()) box.SetChecked(checked != 0);
    if (enabled >= 0 && (enabled != 0) != box.Enabled()) box.SetEnabled(enabled != 0);
    FUpdatingControls = false;
}

}  // namespace app
