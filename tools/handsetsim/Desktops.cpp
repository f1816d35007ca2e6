#include "Desktops.h"

#include <windows.h>

#include <vector>

namespace {

BOOL CALLBACK collectDesktop(LPSTR name, LPARAM names) {
    reinterpret_cast<std::vector<std::string>*>(names)->push_back(name);
    return TRUE;
}

}  // namespace

bool desktopExists(const std::string& prefix, std::string* detail) {
    std::vector<std::string> names;
    EnumDesktopsA(GetProcessWindowStation(), collectDesktop, reinterpret_cast<LPARAM>(&names));
    bool found = false;
    *detail = "desktops:";
    for (const std::string& name : names) {
        *detail += " \"" + name + "\"";
        if (name.compare(0, prefix.size(), prefix) == 0) found = true;
    }
    return found;
}
