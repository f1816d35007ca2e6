// Core to window: copies a control's state into its window. Each call only
// touches what differs, so repeating one is harmless and a change that came
// from the window itself settles at once.
#pragma once

#include <string>

#include "GdiCache.h"
#include "NativeControl.h"

namespace win32 {

// A window's text in the ANSI code page.
std::string WindowText(HWND hwnd);

// The control's rectangle in its form's client area: its own position plus
// that of every parent below the form, cut to the parents' rectangles.
RECT FormPlace(const vcl::TControl& control);

// Position and size.
void SyncPlace(NativeControl& native);
// The control's font, in the character set of the script it shows.
void SyncFont(NativeControl& native, GdiCache& gdi);
// Shown while Showing(), enabled while EffectivelyEnabled().
void SyncState(NativeControl& native);
// One changed property (Bounds, Visible, Enabled, Focus and a tab sheet's
// Caption need the whole form and are the FormView's).
void SyncProperty(NativeControl& native, vcl::Property what, GdiCache& gdi);
// Everything, for a window just created.
void SyncAll(NativeControl& native, GdiCache& gdi);

}  // namespace win32
