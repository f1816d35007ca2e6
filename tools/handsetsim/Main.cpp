// HandsetSim: the handset driver's side of the panel's link, for working on
// the panel without a handset. Without arguments it shows a window to drive
// the handset by hand; with --script it runs a test script and exits 0 when
// every expectation held, 1 when one failed and 2 on a usage or script error.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "DriverLink.h"
#include "EventLog.h"
#include "RoundTrip.h"
#include "Script.h"
#include "ScriptRunner.h"
#include "SimWindow.h"

namespace {

constexpr int kExitUsage = 2;
constexpr UINT kWindowHeartbeatMs = 1000;

struct Options {
    const char* script = nullptr;  // "-" reads standard input
    const char* logFile = nullptr;
    UINT heartbeatMs = 0;
    bool heartbeatGiven = false;
    bool autoDiscover = true;
    bool bareWindow = false;
};

bool parseOptions(int argc, char** argv, Options* options) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(arg, "--script") == 0 && hasValue) {
            options->script = argv[++i];
        } else if (std::strcmp(arg, "--log") == 0 && hasValue) {
            options->logFile = argv[++i];
        } else if (std::strcmp(arg, "--heartbeat") == 0 && hasValue) {
            options->heartbeatMs = static_cast<UINT>(std::strtoul(argv[++i], nullptr, 10));
            options->heartbeatGiven = true;
        } else if (std::strcmp(arg, "--no-auto-discover") == 0) {
            options->autoDiscover = false;
        } else if (std::strcmp(arg, "--bare-window") == 0) {
            options->bareWindow = true;
        } else {
            return false;
        }
    }
    return true;
}

bool readAll(HANDLE handle, std::string* text) {
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(handle, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text->append(buffer, got);
    return true;
}

bool readScript(const char* path, std::string* text) {
    if (std::strcmp(path, "-") == 0) {
        HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
        return in != nullptr && in != INVALID_HANDLE_VALUE && readAll(in, text);
    }
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    readAll(file, text);
    CloseHandle(file);
    return true;
}

// A panel that is already running never hears our greeting answer, so we
// look for it the way a second panel instance does.
void discoverRunningPanel(DriverLink& link, EventLog& log) {
    HWND panel = DriverLink::findPanel();
    if (panel == nullptr) return;
    log.line("found running panel %s at start-up",
             hexValue(reinterpret_cast<unsigned long long>(panel)).c_str());
    link.setPanel(panel);
    if (link.autoDiscover) link.sendDiscover(reinterpret_cast<WPARAM>(link.window()));
}

int runScript(HINSTANCE instance, const Options& options, EventLog& log) {
    std::string text;
    if (!readScript(options.script, &text)) {
        log.line("error: cannot read script %s", options.script);
        return kExitUsage;
    }
    std::vector<Step> steps;
    std::string error;
    if (!parseScript(text, &steps, &error)) {
        log.line("error: script %s", error.c_str());
        return kExitUsage;
    }
    DriverLink link(log);
    link.autoDiscover = options.autoDiscover;
    if (!link.create(instance)) {
        log.line("error: cannot create the link window");
        return kExitUsage;
    }
    link.setHeartbeat(options.heartbeatMs);
    discoverRunningPanel(link, log);
    return ScriptRunner(link, log).run(steps);
}

int runWindow(HINSTANCE instance, const Options& options, EventLog& log) {
    DriverLink link(log);
    link.autoDiscover = options.autoDiscover;
    if (!link.create(instance)) return kExitUsage;
    SimWindow window(link, log);
    if (!window.create(instance)) return kExitUsage;
    link.setHeartbeat(options.heartbeatGiven ? options.heartbeatMs : kWindowHeartbeatMs);
    window.refresh();
    discoverRunningPanel(link, log);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!window.translate(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return 0;
}

// The panel lays itself out at the screen's scale: the simulator reads its
// places and sizes in the same pixels, never in those Windows would make up
// for a program unaware of the scale. Looked up at run time: Windows before
// Vista has no such call (and scales nothing).
void becomeAwareOfTheDisplayScale() {
    using SetAware = BOOL(WINAPI*)();
    if (HMODULE user = GetModuleHandleA("user32.dll"))
        if (auto aware = reinterpret_cast<SetAware>(
                reinterpret_cast<void*>(GetProcAddress(user, "SetProcessDPIAware"))))
            aware();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    becomeAwareOfTheDisplayScale();
    Options options;
    EventLog log;
    if (!parseOptions(__argc, __argv, &options)) {
        log.line(
            "usage: HandsetSim [--script FILE|-] [--log FILE] [--heartbeat MS] "
            "[--no-auto-discover]");
        return kExitUsage;
    }
    if (options.bareWindow) return runBareWindow(instance);
    if (options.logFile != nullptr && !log.openFile(options.logFile)) {
        log.line("error: cannot write log %s", options.logFile);
        return kExitUsage;
    }
    try {
        return options.script != nullptr ? runScript(instance, options, log)
                                         : runWindow(instance, options, log);
    } catch (...) {
        log.line("error: out of memory or internal error");
        return kExitUsage;
    }
}
