// Runs a parsed script against the link, one step at a time, pumping
// messages while it waits so that the panel's sends are answered.
#pragma once

#include <vector>

#include "ChildProcesses.h"
#include "DriverLink.h"
#include "EventLog.h"
#include "Script.h"

class ScriptRunner {
public:
    ScriptRunner(DriverLink& link, EventLog& log);

    // 0 when every step succeeded, 1 at the first failed step.
    int run(const std::vector<Step>& steps);

private:
    bool execute(const Step& step);
    bool expect(const Step& step);
    bool sendCopyData(const Step& step);
    bool roundTrip(const Step& step);
    // hang, flood, device-changes, panel-usage (LoadRunner.cpp).
    bool hang(const Step& step);
    bool flood(const Step& step);
    bool deviceChanges(const Step& step);
    // click-button, select-list, dblclick-list.
    bool listOrButtonStep(const Step& step);
    // set-edit, paste-edit, click-link, click-radio.
    bool webStep(const Step& step);
    bool needPanel(const Step& step);
    // A user's choice in one of the panel's drop-down lists.
    bool selectCombo(const Step& step);
    bool fail(const Step& step, const char* why);
    bool recordSend(const SendResult& result);
    WPARAM resolve(const Value& value) const;

    // Finds an unconsumed event the step expects; marks it consumed if asked.
    bool matchEvent(const Step& step, bool consume);
    // For a condition, whether it holds now; *broken is set when it can never
    // hold (a process ended with another code).
    bool holds(const Step& step, bool* broken, std::string* detail);

    void pump(double milliseconds);

    DriverLink& link_;
    EventLog& log_;
    ChildProcesses children_;
    SendResult last_;
    bool haveLast_ = false;
};
