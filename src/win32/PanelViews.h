// The windows of the panel's two forms: the main window's controls and the
// keyboard-blocked indicator, whose black shows through.
#pragma once

#include "FormView.h"
#include "GdiCache.h"
#include "app/Unit1.h"
#include "app/Unit2.h"

namespace win32 {

class PanelViews {
public:
    PanelViews(app::TForm1& main, app::TForm2& indicator);
    PanelViews(const PanelViews&) = delete;
    PanelViews& operator=(const PanelViews&) = delete;

private:
    GdiCache gdi_;  // outlives the views that draw with it
    FormView main_;
    FormView indicator_;
};

// Makes every pixel of the colour key transparent on a top-level window
// (a layered window, Windows 2000 and later); does nothing where layered
// windows are not available.
bool MakeColorKeyTransparent(HWND hwnd, COLORREF key);

}  // namespace win32
