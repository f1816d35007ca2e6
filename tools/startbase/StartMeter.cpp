// StartMeter: how long programs take to start, seen from outside. Each start
// begins when the previous program has ended (the wineserver and the shell's
// tray stay up, as the meter itself keeps running); the meter notes the time
// from CreateProcess until the program's window is published (its owner
// window, found by class and title, carries the main window as a property,
// which is how the driver finds the panel) and until its icon shows in the
// tray, beside the meter's own. Then it asks the program to end and waits for
// it and its icon to go.
//
//   StartMeter.exe [--rounds N] [--warmup N] [--timeout MS] [--settle MS]
//                  --target TARGET...
//   TARGET: NAME|COMMAND LINE|OWNER CLASS|OWNER TITLE|PROPERTY|END
//   END:  close (WM_CLOSE) or MESSAGE:WPARAM:LPARAM (numbers, 0x for hex),
//         posted to the published window.
//
// A round starts every target once, in the order given. Prints one "sample"
// line per measured start and one "median" line per target (with the fastest
// start, which other load on the machine stretches least); exits 0 when every
// start was measured, 1 when one was not, 2 on a usage error.
//
// The tray is read the way Wine's shell shows it without a window manager
// (windows of class __winex11_tray_icon): a Wine-only tool.
// clang-format off
#include <windows.h>
#include <shellapi.h>  // needs <windows.h> first
// clang-format on

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kExitUsage = 2;

struct Target {
    std::string name;
    std::string commandLine;
    std::string ownerClass;
    std::string ownerTitle;
    std::string property;
    UINT endMessage = WM_CLOSE;
    WPARAM endWParam = 0;
    LPARAM endLParam = 0;
    std::vector<double> windowMs;
    std::vector<double> trayMs;
};

struct Options {
    int rounds = 12;
    int warmup = 1;
    DWORD timeoutMs = 20000;
    DWORD settleMs = 250;
    std::vector<Target> targets;
};

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        fields.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) return fields;
        start = end + 1;
    }
}

bool ParseNumber(const std::string& text, unsigned long long* value) {
    if (text.empty()) return false;
    char* end = nullptr;
    *value = std::strtoull(text.c_str(), &end, 0);
    return end && *end == '\0';
}

bool ParseTarget(const std::string& description, Target* target) {
    const std::vector<std::string> fields = Split(description, '|');
    if (fields.size() != 6) return false;
    for (const std::string& field : fields)
        if (field.empty()) return false;
    target->name = fields[0];
    target->commandLine = fields[1];
    target->ownerClass = fields[2];
    target->ownerTitle = fields[3];
    target->property = fields[4];
    if (fields[5] == "close") return true;
    const std::vector<std::string> end = Split(fields[5], ':');
    unsigned long long message = 0, wParam = 0, lParam = 0;
    if (end.size() != 3 || !ParseNumber(end[0], &message) || !ParseNumber(end[1], &wParam) ||
        !ParseNumber(end[2], &lParam))
        return false;
    target->endMessage = static_cast<UINT>(message);
    target->endWParam = static_cast<WPARAM>(wParam);
    target->endLParam = static_cast<LPARAM>(lParam);
    return true;
}

bool ParseOptions(int argc, char** argv, Options* options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return false;
        const std::string value = argv[++i];
        unsigned long long number = 0;
        if (arg == "--target") {
            Target target;
            if (!ParseTarget(value, &target)) return false;
            options->targets.push_back(target);
        } else if (arg == "--rounds" && ParseNumber(value, &number) && number > 0) {
            options->rounds = static_cast<int>(number);
        } else if (arg == "--warmup" && ParseNumber(value, &number)) {
            options->warmup = static_cast<int>(number);
        } else if (arg == "--timeout" && ParseNumber(value, &number) && number > 0) {
            options->timeoutMs = static_cast<DWORD>(number);
        } else if (arg == "--settle" && ParseNumber(value, &number)) {
            options->settleMs = static_cast<DWORD>(number);
        } else {
            return false;
        }
    }
    return !options->targets.empty();
}

class Clock {
public:
    Clock() { QueryPerformanceFrequency(&frequency_); }
    LONGLONG Now() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return now.QuadPart;
    }
    double Ms(LONGLONG from, LONGLONG to) const {
        return static_cast<double>(to - from) * 1000.0 / static_cast<double>(frequency_.QuadPart);
    }

private:
    LARGE_INTEGER frequency_;
};

int VisibleChildrenOfClass(HWND parent, const char* className) {
    int count = 0;
    for (HWND w = FindWindowExA(parent, nullptr, className, nullptr); w;
         w = FindWindowExA(parent, w, className, nullptr)) {
        if (IsWindowVisible(w)) ++count;
    }
    return count;
}

// The icons in Wine's tray: children of its own tray window, or top-level
// windows of their own where an X tray takes the icons.
int TrayIcons() {
    const HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
    return (tray ? VisibleChildrenOfClass(tray, "__winex11_tray_icon") : 0) +
           VisibleChildrenOfClass(nullptr, "__winex11_tray_icon");
}

// The meter's own icon stays in the tray throughout: a program measured
// then adds an icon to a tray that is up, as on a desktop with other icons,
// and removing its icon does not take the tray down (which holds Wine's
// shell up for about 2 s without a window manager).
class OwnTrayIcon {
public:
    OwnTrayIcon() {
        // Message-only: a program's broadcast (the panel's greeting) must
        // not wait on the meter.
        window_ = CreateWindowExA(0, "STATIC", "StartMeter", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        icon_.cbSize = NOTIFYICONDATAA_V2_SIZE;
        icon_.hWnd = window_;
        icon_.uID = 1;
        icon_.uFlags = NIF_ICON | NIF_TIP;
        icon_.hIcon = LoadIcon(nullptr, IDI_INFORMATION);
        lstrcpynA(icon_.szTip, "StartMeter", sizeof icon_.szTip);
        added_ = window_ && Shell_NotifyIconA(NIM_ADD, &icon_);
    }
    ~OwnTrayIcon() {
        if (added_) Shell_NotifyIconA(NIM_DELETE, &icon_);
        if (window_) DestroyWindow(window_);
    }
    OwnTrayIcon(const OwnTrayIcon&) = delete;
    OwnTrayIcon& operator=(const OwnTrayIcon&) = delete;

    // The number of icons the tray shows of the meter alone, once it shows.
    int WaitShown(DWORD timeoutMs) const {
        const DWORD start = GetTickCount();
        int icons = 0;
        while (added_ && (icons = TrayIcons()) == 0 && GetTickCount() - start < timeoutMs)
            Sleep(10);
        return icons;
    }

private:
    HWND window_ = nullptr;
    NOTIFYICONDATAA icon_ = {};
    bool added_ = false;
};

// What is sent or posted to the meter's thread is handled while it waits.
void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

bool WaitForTrayIcons(int count, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (TrayIcons() != count) {
        if (GetTickCount() - start > timeoutMs) return false;
        Pump();
        Sleep(10);
    }
    return true;
}

HWND PublishedWindow(const Target& target, DWORD processId) {
    const HWND owner = FindWindowA(target.ownerClass.c_str(), target.ownerTitle.c_str());
    if (!owner) return nullptr;
    DWORD ownerProcess = 0;
    GetWindowThreadProcessId(owner, &ownerProcess);
    if (ownerProcess != processId) return nullptr;
    return static_cast<HWND>(GetPropA(owner, target.property.c_str()));
}

struct Sample {
    double windowMs = -1;
    double trayMs = -1;
    std::string failure;
};

// Asks the program to end, then waits for the process and its icon to go.
void EndProgram(const Target& target, const PROCESS_INFORMATION& process, HWND published,
                const Options& options, int trayIcons, Sample* sample) {
    if (published) PostMessageA(published, target.endMessage, target.endWParam, target.endLParam);
    if (WaitForSingleObject(process.hProcess, options.timeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
        if (sample->failure.empty()) sample->failure = "did not end when asked";
    }
    if (!WaitForTrayIcons(trayIcons, options.timeoutMs) && sample->failure.empty())
        sample->failure = "its tray icon stayed after it ended";
    Sleep(options.settleMs);
}

// trayIcons: what the tray shows without the program.
Sample StartOnce(const Target& target, const Options& options, int trayIcons, const Clock& clock) {
    Sample sample;
    if (!WaitForTrayIcons(trayIcons, options.timeoutMs)) {
        sample.failure = "a tray icon of an earlier program is still shown";
        return sample;
    }
    std::vector<char> commandLine(target.commandLine.begin(), target.commandLine.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const LONGLONG start = clock.Now();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        char text[64];
        std::snprintf(text, sizeof text, "CreateProcess failed (error %lu)", GetLastError());
        sample.failure = text;
        return sample;
    }
    HWND published = nullptr;
    while (sample.windowMs < 0 || sample.trayMs < 0) {
        if (sample.windowMs < 0) {
            published = PublishedWindow(target, process.dwProcessId);
            if (published) sample.windowMs = clock.Ms(start, clock.Now());
        }
        if (sample.trayMs < 0 && TrayIcons() > trayIcons)
            sample.trayMs = clock.Ms(start, clock.Now());
        if (sample.windowMs >= 0 && sample.trayMs >= 0) break;
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process.hProcess, &code);
            char text[96];
            std::snprintf(text, sizeof text, "ended with %lu before %s", code,
                          sample.windowMs < 0 ? "publishing its window" : "adding its tray icon");
            sample.failure = text;
            break;
        }
        if (clock.Ms(start, clock.Now()) > options.timeoutMs) {
            sample.failure =
                sample.windowMs < 0 ? "published no window in time" : "added no tray icon in time";
            break;
        }
        Pump();
        Sleep(1);
    }
    EndProgram(target, process, published, options, trayIcons, &sample);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return sample;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, &options)) {
        std::fprintf(stderr,
                     "usage: StartMeter.exe [--rounds N] [--warmup N] [--timeout MS] [--settle MS] "
                     "--target 'NAME|COMMAND LINE|OWNER CLASS|OWNER TITLE|PROPERTY|END'...\n");
        return kExitUsage;
    }
    const Clock clock;
    const OwnTrayIcon ownIcon;
    const int trayIcons = ownIcon.WaitShown(options.timeoutMs);
    if (trayIcons != 1) {
        std::printf("FAIL the tray shows %d icons of the meter, not 1: is it Wine's tray?\n",
                    trayIcons);
        return 1;
    }
    int failures = 0;
    for (int round = 1 - options.warmup; round <= options.rounds; ++round) {
        for (Target& target : options.targets) {
            const Sample sample = StartOnce(target, options, trayIcons, clock);
            const char* kind = round <= 0 ? "warmup" : "sample";
            if (!sample.failure.empty()) {
                ++failures;
                std::printf("FAIL %s %s round %d: %s\n", kind, target.name.c_str(), round,
                            sample.failure.c_str());
            } else {
                std::printf("%s %s %d window_ms=%.1f tray_ms=%.1f\n", kind, target.name.c_str(),
                            round, sample.windowMs, sample.trayMs);
                if (round > 0) {
                    target.windowMs.push_back(sample.windowMs);
                    target.trayMs.push_back(sample.trayMs);
                }
            }
            std::fflush(stdout);
        }
    }
    for (const Target& target : options.targets) {
        if (target.windowMs.empty()) continue;
        std::printf(
            "median %s window_ms=%.1f tray_ms=%.1f n=%zu best_window_ms=%.1f best_tray_ms=%.1f\n",
            target.name.c_str(), Median(target.windowMs), Median(target.trayMs),
            target.windowMs.size(),
            *std::min_element(target.windowMs.begin(), target.windowMs.end()),
            *std::min_element(target.trayMs.begin(), target.trayMs.end()));
    }
    return failures == 0 ? 0 : 1;
}
