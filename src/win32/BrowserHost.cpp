#include "BrowserHost.h"

// clang-format off
#include <ole2.h>    // needs <windows.h> first
#include <exdisp.h>  // IWebBrowser2
// clang-format on

#include "ComLibraries.h"
#include "ComOwner.h"
#include "Exports.h"

#include "widgets/WebAddress.h"

namespace win32 {

namespace {

using AtlAxWinInitFn = BOOL(WINAPI*)();
using AtlAxGetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);

// IID_IWebBrowser2, spelt out so that no import library is needed for it.
const IID kIidWebBrowser2 = {
    0xD30C1661, 0xCDAF, 0x11D0, {0x8A, 0x3E, 0x00, 0xC0, 0x4F, 0xC9, 0xE2, 0x6E}};

// CLSID_WebBrowser, as the host reads a class identifier from its text.
const wchar_t kWebBrowserClsid[] = L"{8856F961-340A-11D0-A96B-00C04FD705A2}";

struct Atl {
    AtlAxGetControlFn getControl = nullptr;
    bool ready = false;
};

// Loaded once, on the GUI thread that creates the windows.
const Atl& LoadAtl() {
    static const Atl atl = [] {
        Atl loaded;
        // The control is an OLE object: OLE must be up on this thread.
        const Ole32& ole32 = Ole32Functions();
        if (!ole32.oleInitialize || FAILED(ole32.oleInitialize(nullptr))) return loaded;
        const HMODULE module = LoadLibraryA("atl.dll");
        if (!module) return loaded;
        const auto init = Export<AtlAxWinInitFn>(module, "AtlAxWinInit");
        loaded.getControl = Export<AtlAxGetControlFn>(module, "AtlAxGetControl");
        loaded.ready = init && loaded.getControl && init();
        return loaded;
    }();
    return atl;
}

ComPtr<IWebBrowser2> BrowserOf(HWND host) {
    ComPtr<IWebBrowser2> browser;
    if (!host) return browser;  // no host yet: ATL need not be loaded
    const Atl& atl = LoadAtl();
    if (!atl.ready) return browser;
    ComPtr<IUnknown> control;
    if (FAILED(atl.getControl(host, control.put())) || !control) return browser;
    if (FAILED(control->QueryInterface(kIidWebBrowser2, browser.put_void()))) browser.reset();
    return browser;
}

}  // namespace

HWND CreateBrowserHost(HWND frame, const std::wstring& url) {
    if (!frame || !LoadAtl().ready) return nullptr;
    RECT client;
    GetClientRect(frame, &client);
    // The host creates the control its text names, and would take an
    // address as a ProgID or as "mshtml:" content first: it is given the
    // WebBrowser control's class identifier, and the address only later.
    HWND host = CreateWindowExW(
        0, L"AtlAxWin", kWebBrowserClsid, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
        0, 0, client.right, client.bottom, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!host) return nullptr;
    if (!NavigateBrowserHost(host, url)) {
        // A host without the control shows nothing: the white frame stays.
        DestroyWindow(host);
        return nullptr;
    }
    return host;
}

HWND BrowserHostIn(HWND frame) {
    return frame ? FindWindowExW(frame, nullptr, L"AtlAxWin", nullptr) : nullptr;
}

void FitBrowserHost(HWND frame) {
    const HWND host = BrowserHostIn(frame);
    if (!host) return;
    RECT client;
    GetClientRect(frame, &client);
    SetWindowPos(host, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool NavigateBrowserHost(HWND host, const std::wstring& url) {
    ComPtr<IWebBrowser2> browser = BrowserOf(host);
    if (!browser) return false;
    const OleAut32& oleaut32 = OleAut32Functions();
    if (!oleaut32.sysAllocString || !oleaut32.sysFreeString || !oleaut32.variantInit) return false;
    // The core sends web addresses only; anything else is refused here too.
    const bool web = vcl::IsWebAddress(url);
    BSTR address = oleaut32.sysAllocString(web ? url.c_str() : L"about:blank");
    VARIANT none;
    oleaut32.variantInit(&none);
    browser->Navigate(address, &none, &none, &none, &none);
    oleaut32.sysFreeString(address);
    // Done with the control: it is let go before its host window is
    // touched again.
    browser.reset();
    // The host's text, read by nothing inside the program, tells tools and
    // tests outside which address the pane was sent to.
    SetWindowTextW(host, web ? url.c_str() : L"");
    return true;
}

}  // namespace win32
