// The program's arguments from its command line.
#pragma once

#include <string>
#include <vector>

namespace app {

// Splits a command line as the runtime's parameter list does: arguments are
// separated by blanks and control characters, double quotes group blanks
// into an argument and are dropped, an argument that starts with an empty
// pair of quotes loses them, and there is no escape character. The first
// argument (the program) is left out.
std::vector<std::string> ProgramArguments(const char* commandLine);

}  // namespace app
