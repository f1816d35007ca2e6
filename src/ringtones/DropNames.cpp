#include "ringtones/DropNames.h"

#include <cctype>

#include "ringtones/RingToneFiles.h"

namespace ringtones {

namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Names Windows maps to a device in every folder, with any extension.
bool IsDeviceName(const std::string& name) {
    std::string base = Lower(name.substr(0, name.find('.')));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    for (const char* device : {"con", "prn", "aux", "nul", "conin$", "conout$", "clock$"})
        if (base == device) return true;
    return base.size() == 4 && (base.compare(0, 3, "com") == 0 || base.compare(0, 3, "lpt") == 0) &&
           base[3] >= '1' && base[3] <= '9';
}

}  // namespace

std::string DroppedName(const std::string& dropped) {
    const std::size_t separator = dropped.find_last_of("\\/:");
    std::string name = separator == std::string::npos ? dropped : dropped.substr(separator + 1);
    // Windows drops trailing dots and blanks: ". ." and "..." name the
    // folder itself, ".. " its parent.
    const std::size_t kept = name.find_last_not_of(". ");
    if (kept == std::string::npos || IsDeviceName(name)) return std::string();
    return name;
}

std::string DropTarget(const std::string& folder, const std::string& dropped) {
    const std::string name = DroppedName(dropped);
    if (folder.empty() || name.empty()) return std::string();
    return JoinPath(folder, name);
}

}  // namespace ringtones
