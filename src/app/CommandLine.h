// The program's arguments from its command line, and the switch they hold.
#pragma once

#include <string>
#include <vector>

namespace app {

constexpr const char* kSearchModeSwitch = "JovSearchMode";
constexpr const char* kDestroyModeSwitch = "JovDestroyMode";

// Splits a command line as the runtime's parameter list does: arguments are
// separated by blanks and control characters, double quotes group blanks
// into an argument and are dropped, an argument that starts with an empty
// pair of quotes loses them, and there is no escape character. The first
// argument (the program) is left out.
std::vector<std::string> ProgramArguments(const char* commandLine);

enum class StartSwitch { None, SearchMode, DestroyMode };

// A switch counts only as the one and only argument, written exactly so:
// anything else is an ordinary start (and, for a second start, a request to
// show the running window).
StartSwitch StartSwitchOf(const std::vector<std::string>& arguments);

}  // namespace app
