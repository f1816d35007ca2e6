// The desktops of the simulator's window station, which the panel shares:
// what is left of the private desktops the panel's worker makes.
#pragma once

#include <string>

// Whether a desktop whose name starts with prefix exists; *detail lists the
// desktops seen.
bool desktopExists(const std::string& prefix, std::string* detail);
