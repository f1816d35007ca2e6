// UsbPhonePanel.exe: the panel's core on the real Windows.
#include <string>
#include <vector>

#include "PanelViews.h"
#include "Win32Api.h"
#include "Win32Platform.h"
#include "app/CommandLine.h"
#include "app/Program.h"

namespace {

void RegisterControlClasses() {
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
}

// The entry of Program::Main, with the windows of the forms put on screen
// between the start and the message loop.
void RunPanel() {
    win32::Win32Platform platform;
    app::Program program(platform.Ports(), app::ProgramArguments(GetCommandLineA()));
    if (program.Start()) {
        win32::PanelViews views(*program.Form1(), *program.Form2());
        // Destroys the forms at its end, while their views still stand.
        program.RunToEnd();
    }
    program.Shutdown();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RegisterControlClasses();
    try {
        RunPanel();
    } catch (...) {
        // The program reports its own errors; whatever is left ends it quietly.
    }
    return 0;
}
