// UsbPhonePanel.exe: the panel's core on the real Windows.
#include <string>
#include <vector>

#include "Exports.h"
#include "PanelViews.h"
#include "Win32Api.h"
#include "Win32Platform.h"
#include "app/CommandLine.h"
#include "app/Program.h"

namespace {

// The views are the first to need the common controls, and they come after
// the window is published: comctl32 is loaded here rather than by the loader
// at start, where under Wine it held the published window up by about 5 ms
// (docs/PERFORMANCE.md). The manifest's activation context still gives
// version 6; a second start, which only hands over to the running panel,
// never loads it.
void RegisterControlClasses() {
    using InitCommonControlsExFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init =
        win32::Export<InitCommonControlsExFn>(LoadLibraryA("comctl32.dll"), "InitCommonControlsEx");
    if (!init) return;
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES;
    init(&controls);
}

// The entry of Program::Main, with the windows of the forms put on screen
// between the start and the message loop.
void RunPanel() {
    win32::Win32Platform platform;
    app::Program program(platform.Ports(), app::ProgramArguments(GetCommandLineA()));
    if (program.Start()) {
        RegisterControlClasses();
        // cppcheck-suppress unreadVariable ; the views hold the windows until the block ends
        win32::PanelViews views(*program.Form1(), *program.Form2());
        // Destroys the forms at its end, while their views still stand.
        program.RunToEnd();
    }
    program.Shutdown();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        RunPanel();
    } catch (...) {
        // The program reports its own errors; whatever is left ends it quietly.
    }
    return 0;
}
