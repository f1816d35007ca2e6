#include "ScriptRunner.h"

#include "Desktops.h"
#include "DropSteps.h"
#include "LinkProtocol.h"
#include "ListAndButtonSteps.h"
#include "LoadSteps.h"
#include "PanelControls.h"
#include "PanelIndicator.h"
#include "PanelTray.h"
#include "PanelWindows.h"
#include "RoundTrip.h"
#include "WebSteps.h"

namespace {

bool isEventExpectation(Expectation e) {
    switch (e) {
        case Expectation::Greeting:
        case Expectation::AttachAck:
        case Expectation::Leaving:
        case Expectation::Attach:
        case Expectation::Command:
        case Expectation::CommandPrefix:
        case Expectation::BadFrame:
            return true;
        default:
            return false;
    }
}

unsigned long long handleValue(HWND window) {
    return reinterpret_cast<unsigned long long>(window);
}

}  // namespace

ScriptRunner::ScriptRunner(DriverLink& link, EventLog& log) : link_(link), log_(log) {}

int ScriptRunner::run(const std::vector<Step>& steps) {
    int status = 0;
    for (const Step& step : steps) {
        if (step.op == Op::Quit) break;
        if (!execute(step)) {
            status = 1;
            break;
        }
    }
    for (const std::string& name : children_.endRemaining()) {
        log_.line("terminated %s, still running at the end", name.c_str());
    }
    log_.line(status == 0 ? "script passed" : "script failed");
    return status;
}

bool ScriptRunner::fail(const Step& step, const char* why) {
    log_.line("FAIL line %d: %s: %s", step.line, step.source.c_str(), why);
    // What was on the screen then: a message box or a window left open is
    // often the reason, and a failure that comes once in many runs is not
    // seen again.
    for (const std::string& line : describeWindows()) log_.line("at the failure: %s", line.c_str());
    return false;
}

bool ScriptRunner::needPanel(const Step& step) {
    return link_.panel() != nullptr || fail(step, "no panel window known (greeting or find-panel)");
}

bool ScriptRunner::recordSend(const SendResult& result) {
    last_ = result;
    haveLast_ = true;
    return true;
}

WPARAM ScriptRunner::resolve(const Value& value) const {
    switch (value.kind) {
        case Value::Self:
            return reinterpret_cast<WPARAM>(link_.window());
        case Value::Panel:
            return reinterpret_cast<WPARAM>(link_.panel());
        case Value::Number:
            break;
    }
    return static_cast<WPARAM>(value.number);
}

void ScriptRunner::pump(double milliseconds) {
    const double until = log_.elapsedMs() + milliseconds;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        const double left = until - log_.elapsedMs();
        if (left <= 0) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left) + 1, QS_ALLINPUT);
    }
}

bool ScriptRunner::execute(const Step& step) {
    switch (step.op) {
        case Op::State:
            link_.state = step.state;
            return true;
        case Op::Status:
            if (step.hasState) link_.state = step.state;
            return needPanel(step) && recordSend(link_.sendStatus());
        case Op::Key:
            return needPanel(step) && recordSend(link_.sendKey(step.number));
        case Op::Heartbeat:
            link_.setHeartbeat(step.number);
            return true;
        case Op::AutoDiscover:
            link_.autoDiscover = step.flag;
            return true;
        case Op::ReplyMode:
            link_.deferredReplies = step.flag;
            return true;
        case Op::SkypeOut:
            link_.skype.audioOut = step.text;
            return true;
        case Op::SkypeIn:
            link_.skype.audioIn = step.text;
            return true;
        case Op::FindPanel: {
            const double until = log_.elapsedMs() + step.withinMs;
            HWND panel = DriverLink::findPanel();
            while (panel == nullptr && log_.elapsedMs() < until) {
                pump(10);
                panel = DriverLink::findPanel();
            }
            if (panel == nullptr) return fail(step, "no panel window found");
            link_.setPanel(panel);
            log_.line("found panel %s", hexValue(handleValue(panel)).c_str());
            return true;
        }
        case Op::Discover:
            return needPanel(step) && recordSend(link_.sendDiscover(resolve(step.first)));
        case Op::SendHandsetRaw:
            return needPanel(step) &&
                   recordSend(link_.sendHandset(resolve(step.first),
                                                static_cast<LPARAM>(resolve(step.second)), "raw"));
        case Op::SendAttach:
            return needPanel(step) &&
                   recordSend(link_.sendAttach(resolve(step.first),
                                               static_cast<LPARAM>(resolve(step.second))));
        case Op::SendRequest:
            return needPanel(step) &&
                   recordSend(link_.sendRequest(step.number, resolve(step.first),
                                                static_cast<LPARAM>(resolve(step.second))));
        case Op::SendCopyData:
            return needPanel(step) && sendCopyData(step);
        case Op::Start: {
            const DWORD error = children_.start(step.text, step.commandLine);
            if (error != 0) {
                const std::string why =
                    "the program did not start, Windows error " + std::to_string(error);
                return fail(step, why.c_str());
            }
            log_.line("started %s pid=%lu", step.text.c_str(),
                      static_cast<unsigned long>(children_.find(step.text)->id));
            return true;
        }
        case Op::Keep:
        case Op::Kill: {
            ChildProcess* child = children_.find(step.text);
            if (child == nullptr) return fail(step, "no process of that name");
            if (step.op == Op::Keep) {
                child->keep = true;
            } else {
                TerminateProcess(child->process, 1);
                WaitForSingleObject(child->process, 2000);
                log_.line("killed %s", step.text.c_str());
            }
            return true;
        }
        case Op::Wait:
            pump(step.number);
            return true;
        case Op::Clear:
            pump(0);
            for (LinkEvent& event : link_.events()) event.consumed = true;
            return true;
        case Op::RoundTrip:
        case Op::RoundTripBare:
            return roundTrip(step);
        case Op::Print:
            log_.line("print %s", step.text.c_str());
            return true;
        case Op::Move:
            if (!needPanel(step)) return false;
            if (!moveTrackBar(link_.panel(), step.control, static_cast<long>(step.number)))
                return fail(step, "no such enabled trackbar, or the panel did not answer");
            log_.line("done: %s", step.source.c_str());
            return true;
        case Op::Click:
            if (!needPanel(step)) return false;
            if (!clickControl(link_.panel(), step.control))
                return fail(step, "no such enabled checkbox, or the panel did not answer");
            log_.line("done: %s", step.source.c_str());
            return true;
        case Op::SelectCombo:
            return selectCombo(step);
        case Op::ListControls: {
            if (!needPanel(step)) return false;
            RECT client = {};
            GetClientRect(link_.panel(), &client);
            log_.line("panel client=%ldx%ld", client.right, client.bottom);
            for (const std::string& line : describeControls(link_.panel()))
                log_.line("%s", line.c_str());
            return true;
        }
        case Op::SelectTab:
            if (!needPanel(step)) return false;
            // Right after it is shown the panel may be too busy to answer within
            // a send's timeout: try again for a while.
            for (int attempt = 0; attempt < 30; ++attempt) {
                if (selectTab(link_.panel(), step.number)) return true;
                pump(100);
            }
            return fail(step, "no such tab");
        case Op::TrayClick:
            if (!needPanel(step)) return false;
            if (!clickTray(link_.panel(), step.text))
                return fail(step, "the panel has no tray window");
            log_.line("done: %s", step.source.c_str());
            return true;
        case Op::MenuKey:
            for (const std::string& key : step.commandLine) {
                if (!menuKey(key)) return fail(step, "no menu is open");
                pump(50);
            }
            log_.line("done: %s", step.source.c_str());
            return true;
        case Op::ClosePanel:
            // As the title bar's close button: the system command becomes WM_CLOSE.
            if (!needPanel(step)) return false;
            if (!PostMessageA(link_.panel(), WM_SYSCOMMAND, SC_CLOSE, 0))
                return fail(step, "not posted");
            log_.line("done: %s", step.source.c_str());
            return true;
        case Op::DeviceChange:
            if (!needPanel(step)) return false;
            if (!postDeviceChange(link_.panel())) return fail(step, "not posted");
            log_.line("done: %s", step.source.c_str());
            return true;
        case Op::Hang:
            return hang(step);
        case Op::Flood:
            return flood(step);
        case Op::DeviceChanges:
            return deviceChanges(step);
        case Op::PanelUsage:
            if (!needPanel(step)) return false;
            log_.line("panel-usage %s: %s", step.text.c_str(),
                      describeUsage(processUsageOf(link_.panel())).c_str());
            return true;
        case Op::SettingChange:
            if (!needPanel(step)) return false;
            if (!sendSettingChange(link_.panel())) return fail(step, "not answered");
            log_.line("done: %s", step.source.c_str());
            return true;
        case Op::Cursor:
            // Where the panel pops its menu up: it reads the cursor.
            if (!SetCursorPos(static_cast<int>(step.first.number),
                              static_cast<int>(step.second.number)))
                return fail(step, "SetCursorPos failed");
            return true;
        case Op::ListWindows:
            for (const std::string& line : describeWindows()) log_.line("%s", line.c_str());
            return true;
        case Op::ClickButton:
        case Op::SelectList:
        case Op::DblClickList:
            return listOrButtonStep(step);
        case Op::SetEdit:
        case Op::PasteEdit:
        case Op::ClickLink:
        case Op::ClickRadio:
            return webStep(step);
        case Op::DropFiles: {
            if (!needPanel(step)) return false;
            std::string error;
            if (!dropFiles(link_.panel(), step.number, step.commandLine, 5000, &error))
                return fail(step, error.c_str());
            log_.line("done: %s", step.source.c_str());
            return true;
        }
        case Op::Expect:
            return expect(step);
        case Op::Quit:
            return true;
    }
    return true;
}

bool ScriptRunner::sendCopyData(const Step& step) {
    COPYDATASTRUCT data = {};
    data.dwData = static_cast<ULONG_PTR>(step.dwData);
    data.cbData = step.cbData;
    std::vector<unsigned char> bytes = step.bytes;
    data.lpData = step.nullData ? nullptr : bytes.data();
    const WPARAM wParam = step.hasWParam ? static_cast<WPARAM>(step.first.number)
                                         : reinterpret_cast<WPARAM>(link_.window());
    return recordSend(link_.sendCopyData(wParam, data));
}

bool ScriptRunner::listOrButtonStep(const Step& step) {
    if (!needPanel(step)) return false;
    bool done = false;
    switch (step.op) {
        case Op::ClickButton:
            done = clickButton(link_.panel(), step.text);
            break;
        case Op::SelectList:
            done = selectListItem(link_.panel(), step.number, step.item);
            break;
        default:
            done = doubleClickList(link_.panel(), step.number);
            break;
    }
    if (!done) return fail(step, "no such enabled control or item, or the panel did not answer");
    log_.line("done: %s", step.source.c_str());
    return true;
}

bool ScriptRunner::webStep(const Step& step) {
    if (!needPanel(step)) return false;
    bool done = false;
    switch (step.op) {
        case Op::SetEdit:
            done = setEditText(link_.panel(), step.number, step.text);
            break;
        case Op::PasteEdit:
            done = pasteEditText(link_.panel(), step.number, step.text);
            break;
        case Op::ClickLink:
            done = clickLink(link_.panel(), step.number);
            break;
        default:
            done = clickRadio(link_.panel(), step.number);
            break;
    }
    if (!done) return fail(step, "no such enabled control, or the panel did not answer");
    log_.line("done: %s", step.source.c_str());
    return true;
}

bool ScriptRunner::roundTrip(const Step& step) {
    const WPARAM wParam = link_.state.statusWord();
    const LPARAM lParam = link_.state.statusLong(link::kStatusCode);
    const char* name = step.op == Op::RoundTrip ? "roundtrip" : "roundtrip-bare";
    RoundTripStats stats;
    if (step.op == Op::RoundTrip) {
        if (!needPanel(step)) return false;
        stats = measureRoundTrips(link_.panel(), link::kWmHandset, wParam, lParam, step.number);
    } else {
        BarePeer peer;
        if (!peer.start()) return fail(step, "the bare window did not come up");
        stats = measureRoundTrips(peer.window(), link::kWmHandset, wParam, lParam, step.number);
    }
    log_.line("%s n=%u failed=%u median_us=%.1f min_us=%.1f max_us=%.1f", name, stats.sent,
              stats.failed, stats.medianUs, stats.minUs, stats.maxUs);
    return stats.failed == 0 || fail(step, "some sends were not answered");
}

bool ScriptRunner::matchEvent(const Step& step, bool consume) {
    for (LinkEvent& event : link_.events()) {
        if (event.consumed) continue;
        bool match = false;
        switch (step.expectation) {
            // The panel sends its greeting and its leaving, and posts its
            // acknowledgements, which carry its own window.
            case Expectation::Greeting:
                match = event.kind == LinkEventKind::Greeting && event.sent;
                break;
            case Expectation::Leaving:
                match = event.kind == LinkEventKind::Leaving && event.sent;
                break;
            case Expectation::BadFrame:
                match = event.kind == LinkEventKind::BadFrame;
                break;
            case Expectation::AttachAck:
                match = event.kind == LinkEventKind::AttachAck && !event.sent &&
                        (link_.panel() == nullptr ||
                         event.wParam == reinterpret_cast<WPARAM>(link_.panel()));
                break;
            case Expectation::Attach:
                match = event.kind == LinkEventKind::Greeting ||
                        event.kind == LinkEventKind::AttachAck ||
                        event.kind == LinkEventKind::Leaving ||
                        event.kind == LinkEventKind::AttachOther;
                break;
            case Expectation::Command:
                match = event.kind == LinkEventKind::Command &&
                        (step.text.empty() || event.text == step.text);
                break;
            case Expectation::CommandPrefix:
                match = event.kind == LinkEventKind::Command &&
                        event.text.compare(0, step.text.size(), step.text) == 0;
                break;
            default:
                break;
        }
        if (match) {
            if (consume) event.consumed = true;
            return true;
        }
    }
    return false;
}

bool ScriptRunner::holds(const Step& step, bool* broken, std::string* detail) {
    if (isEventExpectation(step.expectation)) return matchEvent(step, !step.negate);
    switch (step.expectation) {
        case Expectation::Panel:
            return DriverLink::findPanel() != nullptr;
        case Expectation::PanelGone:
            return DriverLink::findPanel() == nullptr;
        case Expectation::PanelVisible: {
            HWND panel = DriverLink::findPanel();
            return panel != nullptr && IsWindowVisible(panel);
        }
        case Expectation::PanelForeground:
            return panelInFront(DriverLink::findPanel(), detail);
        case Expectation::PanelTitle: {
            // Read as UTF-16, so that a title in any script compares exactly.
            HWND panel = DriverLink::findPanel();
            if (panel == nullptr) return false;
            wchar_t title[512] = {};
            const int length = GetWindowTextW(panel, title, 512);
            char utf8[2048] = {};
            const int bytes =
                WideCharToMultiByte(CP_UTF8, 0, title, length, utf8, sizeof utf8, nullptr, nullptr);
            const std::string text(utf8, static_cast<size_t>(bytes > 0 ? bytes : 0));
            *detail = "title \"" + text + "\"";
            return text == step.text;
        }
        case Expectation::Exit: {
            ChildProcess* child = children_.find(step.text);
            DWORD code = 0;
            if (child == nullptr || !processExitCode(child->process, &code)) return false;
            *detail = "exit code " + std::to_string(code);
            if (step.hasCode && code != step.code && !step.negate) *broken = true;
            return !step.hasCode || code == step.code;
        }
        case Expectation::Answer:
            if (!haveLast_) return false;
            *detail = last_.delivered ? "answer " + std::to_string(last_.answer) : "not delivered";
            return step.expectTimeout ? !last_.delivered
                                      : (last_.delivered && last_.answer == step.code);
        case Expectation::GreetingIsPanel: {
            HWND panel = DriverLink::findPanel();
            const LinkEvent* greeting = nullptr;
            for (const LinkEvent& event : link_.events()) {
                if (event.kind == LinkEventKind::Greeting) greeting = &event;
            }
            if (greeting == nullptr) {
                *detail = "no greeting seen";
                return false;
            }
            *detail = "greeting " + hexValue(greeting->wParam) + ", panel " +
                      hexValue(handleValue(panel));
            return panel != nullptr && greeting->wParam == reinterpret_cast<WPARAM>(panel);
        }
        case Expectation::Control:
            return link_.panel() != nullptr &&
                   meets(step.control, readControl(link_.panel(), step.control), step.check,
                         detail);
        case Expectation::TrayWindow:
            return link_.panel() != nullptr && findTrayWindow(link_.panel()) != nullptr;
        case Expectation::TrayIcon:
            *detail = std::to_string(trayIconWindows().size()) + " icon(s)";
            return !trayIconWindows().empty();
        case Expectation::TrayColour: {
            const std::string colour = trayIconColour(detail);
            return colour == step.text;
        }
        case Expectation::MenuOpen:
            return openMenu() != nullptr;
        case Expectation::PanelHidden: {
            HWND panel = DriverLink::findPanel();
            return panel != nullptr && !IsWindowVisible(panel);
        }
        case Expectation::Button:
            return buttonMeets(link_.panel(), step.text, step.check.enabled, detail);
        case Expectation::List:
            return listMeets(link_.panel(), step.number, step.text, step.listSelected, detail);
        case Expectation::Desktop:
            return desktopExists(step.text, detail);
        case Expectation::IndicatorShown:
            return link_.panel() != nullptr && indicatorShown(link_.panel(), detail);
        case Expectation::IndicatorHidden:
            return link_.panel() != nullptr && indicatorHidden(link_.panel(), detail);
        case Expectation::Link:
            return linkMeets(link_.panel(), step.number, step.text, step.check.enabled, detail);
        case Expectation::Tab:
            return tabMeets(link_.panel(), step.number, step.text, detail);
        case Expectation::Browser:
            return browserMeets(link_.panel(), step.text, detail);
        case Expectation::ActiveTab:
            return activeTabMeets(link_.panel(), step.number, detail);
        case Expectation::Radio:
            return radioMeets(link_.panel(), step.number, step.check.checked, detail);
        case Expectation::AcceptsDrops:
            return acceptsDrops(link_.panel(), step.number, detail);
        case Expectation::Progress:
            return progressMeets(link_.panel(), step.number, step.item, detail);
        default:
            return false;
    }
}

bool ScriptRunner::selectCombo(const Step& step) {
    if (!needPanel(step)) return false;
    if (!selectComboItem(link_.panel(), step.control, static_cast<long>(step.number)))
        return fail(step, "no such enabled combo or item, or the panel did not answer");
    log_.line("done: %s", step.source.c_str());
    return true;
}

bool ScriptRunner::expect(const Step& step) {
    if ((step.expectation == Expectation::Control || step.expectation == Expectation::Button ||
         step.expectation == Expectation::List || step.expectation == Expectation::Link ||
         step.expectation == Expectation::Tab || step.expectation == Expectation::Browser ||
         step.expectation == Expectation::ActiveTab || step.expectation == Expectation::Radio ||
         step.expectation == Expectation::AcceptsDrops ||
         step.expectation == Expectation::Progress) &&
        !needPanel(step))
        return false;
    if (step.expectation == Expectation::Exit && children_.find(step.text) == nullptr) {
        return fail(step, "no process of that name");
    }
    const double started = log_.elapsedMs();
    const double until = started + step.withinMs;
    std::string detail;
    bool broken = false;
    for (;;) {
        pump(0);
        const bool now = holds(step, &broken, &detail);
        if (broken) return fail(step, detail.c_str());
        if (now) {
            if (step.negate) return fail(step, detail.empty() ? "it happened" : detail.c_str());
            log_.line("ok line %d: %s (after %lu ms%s%s)", step.line, step.source.c_str(),
                      static_cast<unsigned long>(log_.elapsedMs() - started),
                      detail.empty() ? "" : ", ", detail.c_str());
            return true;
        }
        const double left = until - log_.elapsedMs();
        if (left <= 0) break;
        pump(left < 10 ? left : 10);
    }
    if (step.negate) {
        log_.line("ok line %d: %s", step.line, step.source.c_str());
        return true;
    }
    return fail(step, detail.empty() ? "not seen" : detail.c_str());
}
