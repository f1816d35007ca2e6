// How a script names one of the panel's controls and what it expects of it.
// Plain data: the parser fills it, PanelControls finds and reads the window.
#pragma once

#include <string>

enum class ControlKind { TrackBar, CheckBox, Group, Combo };

// "trackbar N [in "GROUP"]", "checkbox N [in "GROUP"]", "combo N [in
// "GROUP"]" or "group "TEXT"".
// N counts from 1 in the order the panel created its controls.
struct ControlRef {
    ControlKind kind = ControlKind::TrackBar;
    unsigned index = 1;
    std::string group;  // the group box's text; empty: the whole window
};

// The conditions of "expect control"; a negative value is not checked.
struct ControlCheck {
    long posMin = -1;  // pos=V gives V..V, pos=A..B the range
    long posMax = -1;
    int checked = -1;
    int enabled = -1;
    int visible = -1;
    long sel = -2;  // combos: the selected item, -1 for none; -2 not checked
};
