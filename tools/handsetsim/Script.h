// The line-based test language of the simulator: one step per line, parsed
// and checked as a whole before anything runs.
#pragma once

#include <string>
#include <vector>

#include "ControlRef.h"
#include "HandsetState.h"

enum class Op {
    State,
    Status,
    Key,
    Heartbeat,
    AutoDiscover,
    ReplyMode,
    SkypeOut,
    SkypeIn,
    FindPanel,
    Discover,
    SendHandsetRaw,
    SendAttach,
    SendRequest,
    SendCopyData,
    Start,
    Keep,
    Kill,
    Wait,
    Clear,
    RoundTrip,
    RoundTripBare,
    Print,
    Expect,
    Quit,
    Move,
    Click,
    SelectTab,
    ListControls,
    SelectCombo,
    TrayClick,
    MenuKey,
    ListWindows,
    ClosePanel,
    Cursor,
    // Buttons and lists.
    ClickButton,
    SelectList,
    DblClickList,
    // Device notices and settings broadcasts.
    DeviceChange,
    SettingChange,
    // The shortcut page.
    SetEdit,
    PasteEdit,
    ClickLink,
    ClickRadio,
    // Files dropped on a list.
    DropFiles,
    // Faults and load: the driver hangs, a flood, a burst of notices, and
    // what the panel process uses.
    Hang,
    Flood,
    DeviceChanges,
    PanelUsage,
};

enum class Expectation {
    Greeting,
    AttachAck,
    Leaving,
    Attach,
    Command,
    CommandPrefix,
    BadFrame,
    Panel,
    PanelGone,
    PanelVisible,
    Exit,
    Answer,
    GreetingIsPanel,
    Control,
    PanelTitle,
    TrayWindow,
    TrayIcon,
    TrayColour,
    MenuOpen,
    PanelHidden,
    // Buttons and lists.
    Button,
    List,
    // The keyboard-blocked indicator.
    IndicatorShown,
    IndicatorHidden,
    // The shortcut page and the browser tab.
    Link,
    Tab,
    Browser,
    ActiveTab,
    Radio,
    // Dropped files.
    AcceptsDrops,
    Progress,
    // The panel's window is the foreground window.
    PanelForeground,
    // A desktop of the window station by the start of its name.
    Desktop,
};

// A message argument: a number, our own link window, or the panel's window.
struct Value {
    enum Kind { Number, Self, Panel } kind = Number;
    unsigned long long number = 0;
};

struct Step {
    int line = 0;
    std::string source;  // the line as written, for messages
    Op op = Op::Quit;

    HandsetState state;     // State, Status (with fields)
    bool hasState = false;  // Status: fields were given
    unsigned number = 0;    // key code, milliseconds, count, request message, position, tab
    bool flag = false;      // on/off, nested/deferred
    Value first;            // wParam
    Value second;           // lParam
    std::string text;       // device name, command text, print text, process name
    std::vector<std::string> commandLine;  // Start; MenuKey's keys; DropFiles' patterns
    ControlRef control;                    // Move, Click, expect control
    ControlCheck check;                    // expect control

    // SendCopyData
    unsigned long long dwData = 0;
    bool hasWParam = false;
    std::vector<unsigned char> bytes;
    bool nullData = false;
    unsigned cbData = 0;

    // Expect
    Expectation expectation = Expectation::Greeting;
    bool negate = false;
    unsigned withinMs = 0;
    bool hasCode = false;
    unsigned long code = 0;      // exit code or answer
    bool expectTimeout = false;  // answer timeout

    // Buttons and lists: list number in number, button text or items in text.
    unsigned item = 0;      // SelectList; Flood's seconds; DeviceChanges' milliseconds
    unsigned worstMs = 0;   // Hang, Flood: the longest a WM_NULL may wait (0: no bound)
    int listSelected = -2;  // expect list: the selected item (-1 none; -2 not checked)
};

// Parses a whole script; on failure *error names the line and the problem.
bool parseScript(const std::string& text, std::vector<Step>* steps, std::string* error);
