#include "app/CommandLine.h"

namespace app {

namespace {

bool IsSeparator(char c) {
    return c != '\0' && static_cast<unsigned char>(c) <= ' ';
}

// Reads the argument at p; returns false when none is left. Advances p.
bool NextArgument(const char*& p, std::string& argument) {
    for (;;) {
        while (IsSeparator(*p)) ++p;
        if (p[0] == '"' && p[1] == '"')
            p += 2;
        else
            break;
    }
    if (*p == '\0') return false;
    argument.clear();
    while (static_cast<unsigned char>(*p) > ' ') {
        if (*p == '"') {
            ++p;
            while (*p != '\0' && *p != '"') argument += *p++;
            if (*p != '\0') ++p;
        } else {
            argument += *p++;
        }
    }
    return true;
}

}  // namespace

std::vector<std::string> ProgramArguments(const char* commandLine) {
    std::vector<std::string> arguments;
    if (!commandLine) return arguments;
    const char* p = commandLine;
    std::string argument;
    if (!NextArgument(p, argument)) return arguments;  // the program itself
    while (NextArgument(p, argument)) arguments.push_back(argument);
    return arguments;
}

StartSwitch StartSwitchOf(const std::vector<std::string>& arguments) {
    if (arguments.size() != 1) return StartSwitch::None;
    if (arguments[0] == kSearchModeSwitch) return StartSwitch::SearchMode;
    if (arguments[0] == kDestroyModeSwitch) return StartSwitch::DestroyMode;
    return StartSwitch::None;
}

}  // namespace app
