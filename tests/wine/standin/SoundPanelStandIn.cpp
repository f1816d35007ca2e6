// The Sound control panel as the tests need it: a property sheet (class
// "#32770", buttons OK 1 and Cancel 2) whose page holds the combo boxes
// 6662 (playback), 6663 (recording) and 6664, listing the mixer devices.
// The environment chooses the playback selection (STANDIN_PLAYBACK, default
// 1) and a file that records, one per line, "pid N", "page TEXT",
// "desktop NAME",
// "selected NAME", "shown MS" (ticks since CPL_INIT) and the button pressed
// with its tick ("cancel MS", "ok MS").
#include <windows.h>
#include <commctrl.h>
#include <cpl.h>
#include <mmsystem.h>
#include <prsht.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

HINSTANCE g_instance = nullptr;
DWORD g_started = 0;
bool g_shown = false;

void Note(const std::string& line) {
    const char* path = std::getenv("STANDIN_LOG");
    if (!path || !*path) return;
    if (FILE* f = std::fopen(path, "a")) {
        std::fprintf(f, "%s\n", line.c_str());
        std::fclose(f);
    }
}

// An in-memory dialog template: header, then items, DWORD-aligned.
class Template {
public:
    Template(DWORD style, short cx, short cy, const wchar_t* title) {
        DLGTEMPLATE t = {};
        t.style = style | DS_SETFONT;
        t.cx = cx;
        t.cy = cy;
        Add(&t, sizeof t);
        Word(0);  // no menu
        Word(0);  // default class
        Text(title);
        Word(8);
        Text(L"MS Shell Dlg");
        countAt_ = offsetof(DLGTEMPLATE, cdit);
    }
    void Item(WORD atom, WORD id, DWORD style, short x, short y, short cx, short cy,
              const wchar_t* text) {
        Align();
        DLGITEMTEMPLATE item = {};
        item.style = style | WS_CHILD | WS_VISIBLE;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        item.id = id;
        Add(&item, sizeof item);
        Word(0xFFFF);
        Word(atom);
        Text(text);
        Word(0);  // no creation data
        WORD count;
        std::memcpy(&count, &bytes_[countAt_], sizeof count);
        ++count;
        std::memcpy(&bytes_[countAt_], &count, sizeof count);
    }
    const DLGTEMPLATE* Get() {
        // Kept DWORD-aligned in memory.
        aligned_.assign((bytes_.size() + 3) / 4, 0);
        std::memcpy(aligned_.data(), bytes_.data(), bytes_.size());
        return reinterpret_cast<const DLGTEMPLATE*>(aligned_.data());
    }

private:
    void Add(const void* p, std::size_t n) {
        const auto* b = static_cast<const unsigned char*>(p);
        bytes_.insert(bytes_.end(), b, b + n);
    }
    void Word(WORD w) { Add(&w, sizeof w); }
    void Text(const wchar_t* s) { Add(s, (std::wcslen(s) + 1) * sizeof(wchar_t)); }
    void Align() {
        while (bytes_.size() % 4) bytes_.push_back(0);
    }
    std::vector<unsigned char> bytes_;
    std::vector<DWORD> aligned_;
    std::size_t countAt_ = 0;
};

std::vector<std::string> MixerNames() {
    std::vector<std::string> names;
    const UINT count = mixerGetNumDevs();
    for (UINT i = 0; i < count; ++i) {
        MIXERCAPSA caps = {};
        if (mixerGetDevCapsA(i, &caps, sizeof caps) == MMSYSERR_NOERROR)
            names.push_back(caps.szPname);
    }
    return names;
}

INT_PTR CALLBACK PageProc(HWND page, UINT msg, WPARAM, LPARAM) {
    if (msg != WM_INITDIALOG) return FALSE;
    const std::vector<std::string> names = MixerNames();
    const char* wanted = std::getenv("STANDIN_PLAYBACK");
    const int playback = wanted && *wanted ? std::atoi(wanted) : 1;
    for (int id = 6662; id <= 6664; ++id) {
        HWND combo = GetDlgItem(page, id);
        for (const std::string& name : names)
            SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)name.c_str());
        SendMessageA(combo, CB_SETCURSEL, id == 6662 ? playback : 0, 0);
    }
    if (playback >= 0 && playback < static_cast<int>(names.size()))
        Note("selected " + names[static_cast<std::size_t>(playback)]);
    Note("shown " + std::to_string(GetTickCount() - g_started));
    return TRUE;
}

// Notes which of the sheet's buttons was pressed before the sheet acts on it.
WNDPROC g_sheetButtonProc = nullptr;
LRESULT CALLBACK ButtonProc(HWND button, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_LBUTTONUP) {
        const int id = GetDlgCtrlID(button);
        Note(std::string(id == IDOK ? "ok " : "cancel ") +
             std::to_string(GetTickCount() - g_started));
    }
    return CallWindowProcA(g_sheetButtonProc, button, msg, wParam, lParam);
}

int CALLBACK SheetCallback(HWND sheet, UINT msg, LPARAM) {
    if (msg == PSCB_INITIALIZED) {
        for (int id : {IDOK, IDCANCEL}) {
            HWND button = GetDlgItem(sheet, id);
            WNDPROC old = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ButtonProc)));
            if (!g_sheetButtonProc) g_sheetButtonProc = old;
        }
    }
    return 0;
}

void ShowSheet(const char* page) {
    if (g_shown) return;
    g_shown = true;
    Note("pid " + std::to_string(GetCurrentProcessId()));
    Note(std::string("page ") + (page ? page : ""));
    char desktop[256] = {};
    DWORD needed = 0;
    GetUserObjectInformationA(GetThreadDesktop(GetCurrentThreadId()), UOI_NAME, desktop,
                              sizeof desktop - 1, &needed);
    Note(std::string("desktop ") + desktop);
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    Template t(WS_CHILD | WS_CAPTION | DS_CONTROL, 220, 120, L"Audio");
    t.Item(0x0085, 6662, CBS_DROPDOWNLIST | WS_TABSTOP, 10, 10, 200, 80, L"");
    t.Item(0x0085, 6663, CBS_DROPDOWNLIST | WS_TABSTOP, 10, 40, 200, 80, L"");
    t.Item(0x0085, 6664, CBS_DROPDOWNLIST | WS_TABSTOP, 10, 70, 200, 80, L"");
    PROPSHEETPAGEA psp = {};
    psp.dwSize = sizeof psp;
    psp.dwFlags = PSP_DLGINDIRECT;
    psp.hInstance = g_instance;
    psp.pResource = t.Get();
    psp.pfnDlgProc = PageProc;
    HPROPSHEETPAGE pages[1] = {CreatePropertySheetPageA(&psp)};
    PROPSHEETHEADERA psh = {};
    psh.dwSize = sizeof psh;
    psh.dwFlags = PSH_NOAPPLYNOW | PSH_USECALLBACK;
    psh.hInstance = g_instance;
    psh.pszCaption = "Sounds and Audio Devices Properties";
    psh.nPages = 1;
    psh.phpage = pages;
    psh.pfnCallback = SheetCallback;
    PropertySheetA(&psh);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) g_instance = instance;
    return TRUE;
}

extern "C" LONG CALLBACK CPlApplet(HWND, UINT msg, LPARAM, LPARAM lParam2) {
    switch (msg) {
        case CPL_INIT:
            g_started = GetTickCount();
            return TRUE;
        case CPL_GETCOUNT:
            return 1;
        case CPL_INQUIRE: {
            CPLINFO* info = reinterpret_cast<CPLINFO*>(lParam2);
            info->idIcon = 0;
            info->idName = 0;
            info->idInfo = 0;
            info->lData = 0;
            return 0;
        }
        case CPL_STARTWPARMSW: {
            char page[64] = {};
            WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const wchar_t*>(lParam2), -1, page,
                                sizeof page, nullptr, nullptr);
            ShowSheet(page);
            return TRUE;
        }
        case CPL_STARTWPARMSA:
            ShowSheet(reinterpret_cast<const char*>(lParam2));
            return TRUE;
        case CPL_DBLCLK:
            ShowSheet("");
            return 0;
        default:
            return 0;
    }
}
