// The script steps that put faults and load on the panel: the driver's
// window that answers nothing for a while, a flood of WM_HANDSET, a burst of
// device notices. Each reports what it cost the panel as one log line.
#include <windows.h>

#include <dbt.h>

#include "LinkProtocol.h"
#include "LoadSteps.h"
#include "PanelTray.h"
#include "ScriptRunner.h"

namespace {

// What the probe's thread sends the panel during a hang: the driver's own
// status messages come from another thread while its window is hung.
// A WM_NULL sent to the panel is answered even while the panel waits in a
// send of its own; what such a wait holds up is the panel's queue. So 50 ms
// after the status the probe also posts a double-click on the tray icon and
// times how long the panel takes to show its (hidden) window.
struct HangStatus {
    HWND panel;
    WPARAM wParam;
    LPARAM lParam;
    double lastSentMs;
    double clickedAtMs;
    double queueWaitMs;
};

void sendHangStatus(void* context, double elapsedMs) {
    HangStatus& status = *static_cast<HangStatus*>(context);
    if (status.clickedAtMs >= 0 && status.queueWaitMs < 0 && IsWindowVisible(status.panel))
        status.queueWaitMs = elapsedMs - status.clickedAtMs;
    if (status.clickedAtMs < 0 && elapsedMs >= 50 && clickTray(status.panel, "double"))
        status.clickedAtMs = elapsedMs;
    if (elapsedMs - status.lastSentMs < 1000) return;
    status.lastSentMs = elapsedMs;
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(status.panel, link::kWmHandset, status.wParam, status.lParam,
                        SMTO_ABORTIFHUNG, 3000, &answer);
}

std::size_t commandsSince(const std::vector<LinkEvent>& events, std::size_t first) {
    std::size_t commands = 0;
    for (std::size_t i = first; i < events.size(); ++i)
        if (events[i].kind == LinkEventKind::Command) ++commands;
    return commands;
}

}  // namespace

bool ScriptRunner::hang(const Step& step) {
    if (!needPanel(step)) return false;
    if (step.hasState) link_.state = step.state;
    // The status goes out at once and every second: it keeps the link up and,
    // when it changes the state, makes the panel send commands to the window
    // that does not answer.
    if (IsWindowVisible(link_.panel())) return fail(step, "the panel's window must be hidden");
    HangStatus status{link_.panel(),
                      link_.state.statusWord(),
                      link_.state.statusLong(link::kStatusCode),
                      -1e9,
                      -1,
                      -1};
    LatencyProbe probe(link_.panel(), 20);
    probe.beforeProbe = sendHangStatus;
    probe.context = &status;
    const std::size_t eventsBefore = link_.events().size();
    log_.line("hang: the link window answers nothing for %u ms", step.number);
    if (!probe.start()) return fail(step, "the probe thread did not start");
    Sleep(step.number);  // nothing pumped: sends to the link window wait
    probe.stop();
    pump(300);  // what was sent meanwhile and is still waiting
    log_.line(
        "hang ms=%u probes=%u failed=%u worst_null_us=%.0f queue_wait_ms=%.0f "
        "commands_after=%u",
        step.number, probe.probes(), probe.failed(), probe.worstUs(), status.queueWaitMs,
        static_cast<unsigned>(commandsSince(link_.events(), eventsBefore)));
    if (probe.failed() != 0) return fail(step, "the panel left a WM_NULL unanswered");
    if (status.queueWaitMs < 0) return fail(step, "the tray double-click did not show the window");
    if (step.worstMs != 0 && status.queueWaitMs > step.worstMs)
        return fail(step, "the panel's queue waited longer than allowed");
    return true;
}

bool ScriptRunner::flood(const Step& step) {
    if (!needPanel(step)) return false;
    const HWND panel = link_.panel();
    // Statuses and keys that open nothing: key mode off, no call.
    HandsetState quiet = link_.state;
    quiet.keyMode = 0;
    quiet.callState = 0;
    const WPARAM wParam = quiet.statusWord();
    const LPARAM lParams[] = {quiet.statusLong(link::kStatusCode), quiet.statusLong(25),
                              quiet.statusLong(0)};
    const ProcessUsage before = processUsageOf(panel);
    LatencyProbe probe(panel, 10);
    if (!probe.start()) return fail(step, "the probe thread did not start");
    const unsigned total = step.number * step.item;
    unsigned failed = 0;
    const double start = nowUs();
    for (unsigned i = 0; i < total; ++i) {
        // Offered at the rate: never ahead of it, at once when behind.
        const double due = start + static_cast<double>(i) * 1e6 / step.number;
        while (nowUs() < due)
            if (due - nowUs() > 2000) Sleep(1);
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutA(panel, link::kWmHandset, wParam, lParams[i % 3], SMTO_ABORTIFHUNG,
                                 5000, &answer))
            ++failed;
    }
    const double seconds = (nowUs() - start) / 1e6;
    probe.stop();
    pump(500);
    const ProcessUsage after = processUsageOf(panel);
    log_.line(
        "flood offered=%u rate=%u seconds=%.2f rate_per_s=%.0f failed=%u probes=%u "
        "probe_failed=%u worst_null_us=%.0f worst_at_ms=%.0f",
        total, step.number, seconds, total / seconds, failed, probe.probes(), probe.failed(),
        probe.worstUs(), probe.worstAtMs());
    log_.line("flood before: %s", describeUsage(before).c_str());
    log_.line("flood after: %s", describeUsage(after).c_str());
    if (failed != 0 || probe.failed() != 0) return fail(step, "the panel left sends unanswered");
    if (step.worstMs != 0 && probe.worstUs() > step.worstMs * 1000.0)
        return fail(step, "a WM_NULL waited longer than allowed");
    return true;
}

bool ScriptRunner::deviceChanges(const Step& step) {
    if (!needPanel(step)) return false;
    const double gap = static_cast<double>(step.item) / step.number;
    for (unsigned i = 0; i < step.number; ++i) {
        if (!PostMessageA(link_.panel(), WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0))
            return fail(step, "not posted");
        pump(gap);
    }
    log_.line("done: %s", step.source.c_str());
    return true;
}
