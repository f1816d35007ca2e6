// The browser tab: its start page and its size.
#include <string>

#include "app/Unit1.h"
#include "widgets/CodePages.h"

namespace app {

void TForm1::NavigateBrowserHome() {
    const std::u16string home = vcl::ToUtf16(Os().nls, platform::kCpAcp, BrowserHome);
    CppWebBrowser1.Navigate(std::wstring(home.begin(), home.end()));
}

void TForm1::FitBrowserToPage() {
    CppWebBrowser1.SetHeight(suiTabSheetWeb.Height());
}

}  // namespace app
