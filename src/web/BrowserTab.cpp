// The browser tab: its start page and its size.
#include "app/Unit1.h"

namespace app {

// Not built yet: does nothing until the browser tab lands.
void TForm1::NavigateBrowserHome() {}

void TForm1::FitBrowserToPage() { CppWebBrowser1.SetHeight(suiTabSheetWeb.Height()); }

}  // namespace app
