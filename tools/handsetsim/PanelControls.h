// The panel's controls seen from outside, as a test reads them and as a user
// works them. The panel creates every control as a direct child of its main
// window (group boxes frame their controls only on screen), so a control "in"
// a group is one created right after the group box and lying inside it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ControlRef.h"

struct ControlState {
    bool found = false;
    long pos = 0;   // trackbars
    long sel = -1;  // combos
    bool checked = false;
    bool enabled = false;
    bool visible = false;
};

// The control's window, or nullptr.
HWND findControl(HWND form, const ControlRef& ref);

// What the window shows now (all by messages that work across processes).
ControlState readControl(HWND form, const ControlRef& ref);

// Whether the state meets every condition; *detail says what was seen.
bool meets(const ControlRef& ref, const ControlState& state, const ControlCheck& check,
           std::string* detail);

// As a user dragging the thumb: the position, then the scroll notification
// the form's window gets from its trackbar. Sent, so the panel has acted
// when it returns.
bool moveTrackBar(HWND form, const ControlRef& ref, long position);

// A mouse click on a check box (BM_CLICK), sent.
bool clickControl(HWND form, const ControlRef& ref);

// As a user choosing item `item` of a drop-down list: the selection (sent),
// then the CBN_SELCHANGE the form's window gets from its combo box (posted,
// so the panel acts outside this process's send).
bool selectComboItem(HWND form, const ControlRef& ref, long item);

// One line per control of the form, in creation order: id, class, text,
// place on the screen, enabled and visible; for writing tests.
std::vector<std::string> describeControls(HWND form);

// Selects tab N (from 1) of the window's first tab control as a click does.
// Posted: the panel takes the change only outside another process's send.
bool selectTab(HWND form, unsigned index);
