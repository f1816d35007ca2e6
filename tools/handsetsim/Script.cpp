#include "Script.h"

#include "LinkProtocol.h"
#include "ScriptLexer.h"

namespace {

// "sel=K": K an item from 0, or -1 for no selection.
bool comboSelection(const std::string& text, long* sel) {
    if (text == "-1") {
        *sel = -1;
        return true;
    }
    unsigned long long item = 0;
    if (!parseNumber(text, &item) || item > 0x7FFFFFFF) return false;
    *sel = static_cast<long>(item);
    return true;
}

class LineParser {
public:
    LineParser(const std::vector<std::string>& words, Step* step, std::string* error)
        : words_(words), step_(*step), error_(*error) {}

    bool parse();

private:
    bool fail(const std::string& message) {
        error_ = message;
        return false;
    }
    bool atEnd() const { return next_ >= words_.size(); }
    const std::string& peek() const { return words_[next_]; }
    bool take(const char* word) {
        if (atEnd() || peek() != word) return false;
        ++next_;
        return true;
    }
    bool end() { return atEnd() || fail("unexpected '" + peek() + "'"); }
    bool number(unsigned long long* value, const char* what);
    bool number(unsigned* value, const char* what);
    bool value(Value* value, const char* what);
    bool word(std::string* text, const char* what);
    bool onOff(bool* on);
    bool stateFields(HandsetState* state);
    bool within();
    bool listOrButtonStep(const std::string& op);
    bool listOrButtonExpectation();
    bool webStep(const std::string& op);
    bool webExpectation();
    bool progressExpectation();
    bool copyData();
    bool controlRef(ControlKind only, bool anyKind);
    bool controlChecks();
    bool selectCombo();
    bool expect();

    const std::vector<std::string>& words_;
    Step& step_;
    std::string& error_;
    std::size_t next_ = 1;
};

bool LineParser::number(unsigned long long* value, const char* what) {
    if (atEnd()) return fail(std::string("missing ") + what);
    if (!parseNumber(peek(), value)) return fail(std::string("bad ") + what + " '" + peek() + "'");
    ++next_;
    return true;
}

bool LineParser::number(unsigned* value, const char* what) {
    unsigned long long wide = 0;
    if (!number(&wide, what)) return false;
    if (wide > 0xFFFFFFFFull) return fail(std::string(what) + " out of range");
    *value = static_cast<unsigned>(wide);
    return true;
}

bool LineParser::value(Value* value, const char* what) {
    if (take("self")) {
        value->kind = Value::Self;
        return true;
    }
    if (take("panel")) {
        value->kind = Value::Panel;
        return true;
    }
    value->kind = Value::Number;
    return number(&value->number, what);
}

bool LineParser::word(std::string* text, const char* what) {
    if (atEnd()) return fail(std::string("missing ") + what);
    *text = words_[next_++];
    return true;
}

bool LineParser::onOff(bool* on) {
    if (take("on")) {
        *on = true;
        return true;
    }
    if (take("off")) {
        *on = false;
        return true;
    }
    return fail("expected on or off");
}

// present[=0|1] skype[=0|1] blocked[=0|1] keymode=N call=idle|ringing|incall|N.
// Flags that are not named are cleared.
bool LineParser::stateFields(HandsetState* state) {
    *state = HandsetState();
    state->present = false;
    state->skypeReady = false;
    for (; !atEnd(); ++next_) {
        const std::string& field = peek();
        const std::size_t equals = field.find('=');
        const std::string name = field.substr(0, equals);
        const std::string text = equals == std::string::npos ? "1" : field.substr(equals + 1);
        unsigned long long n = 0;
        const bool numeric = parseNumber(text, &n);
        if (name == "call" && !numeric) {
            if (text == "idle")
                n = link::kCallIdle;
            else if (text == "ringing")
                n = link::kCallRinging;
            else if (text == "incall")
                n = link::kCallInCall;
            else
                return fail("bad call state '" + text + "'");
        } else if (!numeric || n > 255) {
            return fail("bad value in '" + field + "'");
        }
        if (name == "present")
            state->present = n != 0;
        else if (name == "skype")
            state->skypeReady = n != 0;
        else if (name == "blocked")
            state->keyboardBlocked = n != 0;
        else if (name == "keymode")
            state->keyMode = static_cast<unsigned>(n);
        else if (name == "call")
            state->callState = static_cast<unsigned>(n);
        else
            return fail("unknown state field '" + name + "'");
    }
    return true;
}

bool LineParser::within() {
    step_.withinMs = 0;
    if (take("within")) return number(&step_.withinMs, "milliseconds") && end();
    return end();
}

// [dwdata=N] [wparam=V] [cbdata=N] then one of: empty | bytes HH... |
// text "S" (S and a zero byte) | frame "S" ("!", S, zero) | noterm "S" | fill N BYTE
bool LineParser::copyData() {
    while (!atEnd()) {
        const std::string& option = peek();
        unsigned long long n = 0;
        if (option.compare(0, 7, "dwdata=") == 0 && parseNumber(option.substr(7), &n)) {
            step_.dwData = n;
        } else if (option.compare(0, 7, "wparam=") == 0 && parseNumber(option.substr(7), &n)) {
            step_.hasWParam = true;
            step_.first.number = n;
        } else if (option.compare(0, 7, "cbdata=") == 0 && parseNumber(option.substr(7), &n)) {
            step_.cbData = static_cast<unsigned>(n) + 1;  // stored plus one: 0 means "not given"
        } else {
            break;
        }
        ++next_;
    }
    std::string text;
    if (take("empty")) {
        step_.nullData = true;
    } else if (take("bytes")) {
        while (!atEnd()) {
            unsigned long long b = 0;
            if (!parseNumber("0x" + peek(), &b) || b > 255)
                return fail("bad byte '" + peek() + "'");
            step_.bytes.push_back(static_cast<unsigned char>(b));
            ++next_;
        }
    } else if (take("text")) {
        if (!word(&text, "text")) return false;
        step_.bytes.assign(text.begin(), text.end());
        step_.bytes.push_back(0);
    } else if (take("frame")) {
        if (!word(&text, "text")) return false;
        step_.bytes.push_back(static_cast<unsigned char>(link::kFrameMark));
        step_.bytes.insert(step_.bytes.end(), text.begin(), text.end());
        step_.bytes.push_back(0);
    } else if (take("noterm")) {
        if (!word(&text, "text")) return false;
        step_.bytes.assign(text.begin(), text.end());
    } else if (take("fill")) {
        unsigned count = 0;
        unsigned byte = 0;
        if (!number(&count, "size") || !number(&byte, "byte")) return false;
        if (count > 64u * 1024 * 1024 || byte > 255) return fail("fill size or byte out of range");
        step_.bytes.assign(count, static_cast<unsigned char>(byte));
    } else {
        return fail("expected empty, bytes, text, frame, noterm or fill");
    }
    if (step_.cbData == 0) {
        step_.cbData = static_cast<unsigned>(step_.bytes.size());
    } else {
        --step_.cbData;
        if (step_.cbData > step_.bytes.size()) return fail("cbdata larger than the data");
    }
    return end();
}

// trackbar N [in "GROUP"] | checkbox N [in "GROUP"] | combo N [in "GROUP"] |
// group "TEXT". A step that works a control names the one kind it can work.
bool LineParser::controlRef(ControlKind only, bool anyKind) {
    ControlRef& ref = step_.control;
    if (take("trackbar"))
        ref.kind = ControlKind::TrackBar;
    else if (take("checkbox"))
        ref.kind = ControlKind::CheckBox;
    else if (take("group"))
        ref.kind = ControlKind::Group;
    else if (take("combo"))
        ref.kind = ControlKind::Combo;
    else
        return fail("expected trackbar, checkbox, combo or group");
    if (!anyKind && ref.kind != only) return fail("this step cannot work that kind of control");
    if (ref.kind == ControlKind::Group) return word(&ref.group, "group text");
    if (!number(&ref.index, "control number")) return false;
    if (ref.index == 0) return fail("controls count from 1");
    return !take("in") || word(&ref.group, "group text");
}

// pos=V, pos=A..B, checked=0|1, enabled=0|1, visible=0|1; at least one.
bool LineParser::controlChecks() {
    ControlCheck& check = step_.check;
    bool any = false;
    while (!atEnd() && peek() != "within") {
        const std::string field = peek();
        const std::size_t equals = field.find('=');
        const std::string name = field.substr(0, equals);
        const std::string text = equals == std::string::npos ? "" : field.substr(equals + 1);
        unsigned long long low = 0;
        unsigned long long high = 0;
        if (name == "pos" && step_.control.kind == ControlKind::TrackBar) {
            const std::size_t dots = text.find("..");
            const bool range = dots != std::string::npos;
            const bool parsed = parseNumber(text.substr(0, dots), &low) &&
                                parseNumber(range ? text.substr(dots + 2) : text, &high);
            if (!parsed || low > high || high > 0x7FFFFFFF)
                return fail("bad position in '" + field + "'");
            check.posMin = static_cast<long>(low);
            check.posMax = static_cast<long>(high);
        } else if (name == "sel" && step_.control.kind == ControlKind::Combo) {
            if (!comboSelection(text, &check.sel)) return fail("bad selection in '" + field + "'");
        } else if ((name == "checked" && step_.control.kind == ControlKind::CheckBox) ||
                   name == "enabled" || name == "visible") {
            if (text != "0" && text != "1") return fail("expected 0 or 1 in '" + field + "'");
            (name == "checked"   ? check.checked
             : name == "enabled" ? check.enabled
                                 : check.visible) = text == "1" ? 1 : 0;
        } else {
            return fail("unknown condition '" + field + "' for this control");
        }
        any = true;
        ++next_;
    }
    return any || fail("expect control needs a condition");
}

// select combo N [in "GROUP"] ITEM: a user's choice of ITEM (from 0).
bool LineParser::selectCombo() {
    return controlRef(ControlKind::Combo, false) && number(&step_.number, "item") && end();
}

// click-button "TEXT" | select-list N ITEM | dblclick-list N (items from 0).
bool LineParser::listOrButtonStep(const std::string& op) {
    if (op == "click-button")
        return (step_.op = Op::ClickButton, word(&step_.text, "button text") && end());
    const bool select = op == "select-list";
    step_.op = select ? Op::SelectList : Op::DblClickList;
    if (!number(&step_.number, "list number")) return false;
    if (step_.number == 0) return fail("lists count from 1");
    return (!select || number(&step_.item, "item number")) && end();
}

// button "TEXT" enabled=0|1 | list N "A|B|C" [selected=K|none].
bool LineParser::listOrButtonExpectation() {
    if (step_.expectation == Expectation::Button) {
        if (!word(&step_.text, "button text")) return false;
        if (!take("enabled=0") && !take("enabled=1"))
            return fail("expected enabled=0 or enabled=1");
        step_.check.enabled = words_[next_ - 1] == "enabled=1" ? 1 : 0;
        return true;
    }
    if (!number(&step_.number, "list number") || !word(&step_.text, "items")) return false;
    if (!atEnd() && peek().compare(0, 9, "selected=") == 0) {
        const std::string selected = peek().substr(9);
        unsigned long long n = 0;
        if (selected == "none")
            step_.listSelected = -1;
        else if (parseNumber(selected, &n) && n < 0x10000)
            step_.listSelected = static_cast<int>(n);
        else
            return fail("bad selected item");
        ++next_;
    }
    return true;
}

// set-edit N "TEXT" | paste-edit N "TEXT" | click-link N | click-radio N
// (all from 1).
bool LineParser::webStep(const std::string& op) {
    step_.op = op == "set-edit"     ? Op::SetEdit
               : op == "paste-edit" ? Op::PasteEdit
               : op == "click-link" ? Op::ClickLink
                                    : Op::ClickRadio;
    if (!number(&step_.number, "control number")) return false;
    if (step_.number == 0) return fail("controls count from 1");
    const bool typed = step_.op == Op::SetEdit || step_.op == Op::PasteEdit;
    return (!typed || word(&step_.text, "text")) && end();
}

// link N "TEXT" [enabled=0|1] | tab N "TEXT" | browser "URL".
bool LineParser::webExpectation() {
    if (step_.expectation != Expectation::Browser) {
        if (!number(&step_.number, "number")) return false;
        if (step_.number == 0) return fail("links and tabs count from 1");
    }
    if (!word(&step_.text, "text")) return false;
    if (step_.expectation == Expectation::Link && (take("enabled=0") || take("enabled=1")))
        step_.check.enabled = words_[next_ - 1] == "enabled=1" ? 1 : 0;
    return true;
}

// progress pos=V max=M
bool LineParser::progressExpectation() {
    unsigned long long pos = 0, max = 0;
    if (atEnd() || peek().compare(0, 4, "pos=") != 0 || !parseNumber(peek().substr(4), &pos))
        return fail("expected pos=V");
    ++next_;
    if (atEnd() || peek().compare(0, 4, "max=") != 0 || !parseNumber(peek().substr(4), &max))
        return fail("expected max=M");
    ++next_;
    if (pos > max || max > 0x7FFFFFFF) return fail("pos must lie within 0..max");
    step_.number = static_cast<unsigned>(pos);
    step_.item = static_cast<unsigned>(max);
    return true;
}

bool LineParser::expect() {
    step_.negate = take("no");
    std::string kind;
    if (!word(&kind, "expectation")) return false;
    static const struct {
        const char* name;
        Expectation expectation;
    } kinds[] = {
        {"greeting", Expectation::Greeting},
        {"attach-ack", Expectation::AttachAck},
        {"leaving", Expectation::Leaving},
        {"attach", Expectation::Attach},
        {"command", Expectation::Command},
        {"command-prefix", Expectation::CommandPrefix},
        {"bad-frame", Expectation::BadFrame},
        {"panel", Expectation::Panel},
        {"panel-gone", Expectation::PanelGone},
        {"panel-visible", Expectation::PanelVisible},
        {"exit", Expectation::Exit},
        {"answer", Expectation::Answer},
        {"greeting-is-panel", Expectation::GreetingIsPanel},
        {"control", Expectation::Control},
        {"panel-title", Expectation::PanelTitle},
        {"tray-window", Expectation::TrayWindow},
        {"tray-icon", Expectation::TrayIcon},
        {"tray-colour", Expectation::TrayColour},
        {"menu-open", Expectation::MenuOpen},
        {"panel-hidden", Expectation::PanelHidden},
        {"button", Expectation::Button},
        {"list", Expectation::List},
        {"indicator", Expectation::IndicatorShown},
        {"link", Expectation::Link},
        {"tab", Expectation::Tab},
        {"browser", Expectation::Browser},
        {"active-tab", Expectation::ActiveTab},
        {"radio", Expectation::Radio},
        {"accepts-drops", Expectation::AcceptsDrops},
        {"progress", Expectation::Progress},
        {"panel-foreground", Expectation::PanelForeground},
        {"desktop", Expectation::Desktop},
    };
    bool known = false;
    for (const auto& k : kinds) {
        if (kind == k.name) {
            step_.expectation = k.expectation;
            known = true;
        }
    }
    if (!known) return fail("unknown expectation '" + kind + "'");
    switch (step_.expectation) {
        case Expectation::Command:
            if (!atEnd() && peek() != "within" && !word(&step_.text, "command text")) return false;
            break;
        case Expectation::CommandPrefix:
            if (!word(&step_.text, "command prefix")) return false;
            break;
        case Expectation::Exit:
            if (!word(&step_.text, "process name")) return false;
            if (!atEnd() && peek().compare(0, 5, "code=") == 0) {
                unsigned long long n = 0;
                if (!parseNumber(peek().substr(5), &n)) return fail("bad exit code");
                step_.hasCode = true;
                step_.code = static_cast<unsigned long>(n);
                ++next_;
            }
            break;
        case Expectation::Answer:
            if (take("timeout")) {
                step_.expectTimeout = true;
            } else {
                unsigned long long n = 0;
                if (!number(&n, "answer")) return false;
                step_.code = static_cast<unsigned long>(n);
            }
            return end();  // an answer is already known: no waiting
        case Expectation::GreetingIsPanel:
            return end();
        case Expectation::Control:
            if (!controlRef(ControlKind::TrackBar, true) || !controlChecks()) return false;
            break;
        case Expectation::PanelTitle:
            if (!word(&step_.text, "title (UTF-8)")) return false;
            break;
        case Expectation::TrayColour:
            if (!word(&step_.text, "colour (grey, green, white)")) return false;
            break;
        case Expectation::Button:
        case Expectation::List:
            if (!listOrButtonExpectation()) return false;
            break;
        case Expectation::IndicatorShown:
            if (take("hidden"))
                step_.expectation = Expectation::IndicatorHidden;
            else if (!take("shown"))
                return fail("expected shown or hidden");
            break;
        case Expectation::Link:
        case Expectation::Tab:
        case Expectation::Browser:
            if (!webExpectation()) return false;
            break;
        case Expectation::ActiveTab:
        case Expectation::AcceptsDrops:
            if (!number(&step_.number, "number")) return false;
            if (step_.number == 0) return fail("tabs and lists count from 1");
            break;
        case Expectation::Radio:
            if (!number(&step_.number, "radio number")) return false;
            if (step_.number == 0) return fail("radio buttons count from 1");
            if (take("checked=0") || take("checked=1"))
                step_.check.checked = words_[next_ - 1] == "checked=1" ? 1 : 0;
            else
                return fail("expected checked=0 or checked=1");
            break;
        case Expectation::Progress:
            if (!progressExpectation()) return false;
            break;
        case Expectation::Desktop:
            if (!word(&step_.text, "start of a desktop's name")) return false;
            break;
        default:
            break;
    }
    return within();
}

bool LineParser::parse() {
    const std::string& op = words_[0];
    Step& s = step_;
    if (op == "state" || op == "status") {
        s.op = op == "state" ? Op::State : Op::Status;
        s.hasState = !atEnd();
        return stateFields(&s.state) &&
               (s.op == Op::Status || s.hasState || fail("state needs fields"));
    }
    if (op == "key") {
        s.op = Op::Key;
        return number(&s.number, "key code") && (s.number <= 255 || fail("key code above 255")) &&
               end();
    }
    if (op == "heartbeat") {
        s.op = Op::Heartbeat;
        if (take("off")) return end();  // number 0
        return number(&s.number, "period") && (s.number > 0 || fail("period 0: use off")) && end();
    }
    if (op == "auto-discover") return (s.op = Op::AutoDiscover, onOff(&s.flag) && end());
    if (op == "reply-mode") {
        s.op = Op::ReplyMode;
        if (take("deferred"))
            s.flag = true;
        else if (!take("nested"))
            return fail("expected nested or deferred");
        return end();
    }
    if (op == "skype-out" || op == "skype-in") {
        s.op = op == "skype-out" ? Op::SkypeOut : Op::SkypeIn;
        return word(&s.text, "device name") && end();
    }
    if (op == "find-panel") return (s.op = Op::FindPanel, within());
    if (op == "discover") {
        s.op = Op::Discover;
        s.first.kind = Value::Self;
        return (atEnd() || value(&s.first, "wparam")) && end();
    }
    if (op == "send-handset-raw" || op == "send-attach") {
        s.op = op == "send-attach" ? Op::SendAttach : Op::SendHandsetRaw;
        return value(&s.first, "wparam") && value(&s.second, "lparam") && end();
    }
    if (op == "send-request") {
        s.op = Op::SendRequest;
        if (take("quit"))
            s.number = link::kWmInstanceQuit;
        else if (take("show"))
            s.number = link::kWmInstanceShow;
        else
            return fail("expected quit or show");
        return value(&s.first, "wparam") && value(&s.second, "lparam") && end();
    }
    if (op == "send-copydata-raw") return (s.op = Op::SendCopyData, copyData());
    if (op == "start") {
        s.op = Op::Start;
        if (!word(&s.text, "process name")) return false;
        s.commandLine.assign(words_.begin() + next_, words_.end());
        return !s.commandLine.empty() || fail("missing program");
    }
    if (op == "keep" || op == "kill") {
        s.op = op == "keep" ? Op::Keep : Op::Kill;
        return word(&s.text, "process name") && end();
    }
    if (op == "wait") return (s.op = Op::Wait, number(&s.number, "milliseconds") && end());
    if (op == "clear") return (s.op = Op::Clear, end());
    if (op == "roundtrip" || op == "roundtrip-bare") {
        s.op = op == "roundtrip" ? Op::RoundTrip : Op::RoundTripBare;
        return number(&s.number, "count") && (s.number > 0 || fail("count 0")) && end();
    }
    if (op == "print") {
        s.op = Op::Print;
        for (std::size_t i = 1; i < words_.size(); ++i) s.text += (i > 1 ? " " : "") + words_[i];
        return true;
    }
    if (op == "move") {
        s.op = Op::Move;
        return controlRef(ControlKind::TrackBar, false) && number(&s.number, "position") && end();
    }
    if (op == "click") return (s.op = Op::Click, controlRef(ControlKind::CheckBox, false) && end());
    if (op == "select") return (s.op = Op::SelectCombo, selectCombo());
    if (op == "list-controls") return (s.op = Op::ListControls, end());
    if (op == "select-tab") {
        s.op = Op::SelectTab;
        return number(&s.number, "tab number") && (s.number > 0 || fail("tabs count from 1")) &&
               end();
    }
    if (op == "tray-click") {
        s.op = Op::TrayClick;
        if (!word(&s.text, "click kind")) return false;
        if (s.text != "left" && s.text != "right" && s.text != "middle" && s.text != "double")
            return fail("a tray click is left, right, middle or double");
        return end();
    }
    if (op == "menu-key") {
        s.op = Op::MenuKey;
        while (!atEnd()) {
            std::string key;
            if (!word(&key, "key")) return false;
            if (key != "down" && key != "up" && key != "return" && key != "escape")
                return fail("a menu key is down, up, return or escape");
            s.commandLine.push_back(key);
        }
        return !s.commandLine.empty() || fail("menu-key needs a key");
    }
    if (op == "list-windows") return (s.op = Op::ListWindows, end());
    if (op == "close-panel") return (s.op = Op::ClosePanel, end());
    if (op == "cursor") {
        s.op = Op::Cursor;
        unsigned long long x = 0, y = 0;
        if (!number(&x, "x") || !number(&y, "y")) return false;
        s.first.number = x;
        s.second.number = y;
        return end();
    }
    if (op == "click-button" || op == "select-list" || op == "dblclick-list")
        return listOrButtonStep(op);
    if (op == "device-change") return (s.op = Op::DeviceChange, end());
    if (op == "setting-change") return (s.op = Op::SettingChange, end());
    if (op == "set-edit" || op == "paste-edit" || op == "click-link" || op == "click-radio")
        return webStep(op);
    if (op == "drop-files") {
        s.op = Op::DropFiles;
        if (!number(&s.number, "list number")) return false;
        if (s.number == 0) return fail("lists count from 1");
        while (!atEnd()) {
            std::string pattern;
            if (!word(&pattern, "path pattern")) return false;
            s.commandLine.push_back(pattern);
        }
        return !s.commandLine.empty() || fail("drop-files needs a path");
    }
    if (op == "hang") {
        s.op = Op::Hang;
        if (!number(&s.number, "milliseconds")) return false;
        if (take("under") && !number(&s.worstMs, "longest wait")) return false;
        s.hasState = !atEnd();
        return stateFields(&s.state);
    }
    if (op == "flood") {
        s.op = Op::Flood;
        if (!number(&s.number, "rate") || !number(&s.item, "seconds")) return false;
        if (s.number == 0 || s.item == 0) return fail("rate and seconds must not be 0");
        if (take("under") && !number(&s.worstMs, "longest wait")) return false;
        return end();
    }
    if (op == "device-changes") {
        s.op = Op::DeviceChanges;
        return number(&s.number, "count") && number(&s.item, "milliseconds") &&
               (s.number > 0 || fail("count 0")) && end();
    }
    if (op == "panel-usage") {
        s.op = Op::PanelUsage;
        for (std::size_t i = 1; i < words_.size(); ++i) s.text += (i > 1 ? " " : "") + words_[i];
        return true;
    }
    if (op == "expect") return (s.op = Op::Expect, expect());
    if (op == "quit") return (s.op = Op::Quit, end());
    return fail("unknown command '" + op + "'");
}

}  // namespace

bool parseScript(const std::string& text, std::vector<Step>* steps, std::string* error) {
    std::size_t start = 0;
    int lineNumber = 0;
    while (start <= text.size()) {
        std::size_t stop = text.find('\n', start);
        if (stop == std::string::npos) stop = text.size();
        const std::string line = text.substr(start, stop - start);
        start = stop + 1;
        ++lineNumber;
        std::vector<std::string> words;
        std::string problem;
        if (!splitWords(line, &words, &problem)) {
            *error = "line " + std::to_string(lineNumber) + ": " + problem;
            return false;
        }
        if (words.empty()) continue;
        Step step;
        step.line = lineNumber;
        step.source = line;
        while (!step.source.empty() && isBlank(step.source.back())) step.source.pop_back();
        if (!LineParser(words, &step, &problem).parse()) {
            *error = "line " + std::to_string(lineNumber) + ": " + problem;
            return false;
        }
        steps->push_back(step);
    }
    return true;
}
