#include "ringtones/ToneBrowser.h"

#include <algorithm>
#include <cctype>
#include <functional>

#include "platform/HandleOwners.h"
#include "platform/WinConst.h"
#include "ringtones/RingToneFiles.h"

namespace ringtones {

using namespace platform;

namespace {

bool LessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::vector<std::string> List(FilePort& files, const std::string& pattern,
                              const std::function<bool(const Win32FindDataA&)>& keep) {
    std::vector<std::string> names;
    Win32FindDataA data;
    const FindHandle find(files, files.FindFirstFileA(pattern, &data));
    if (!find) return names;
    do {
        if (keep(data)) names.emplace_back(data.cFileName);
    } while (files.FindNextFileA(find.get(), &data));
    std::stable_sort(names.begin(), names.end(), LessNoCase);
    return names;
}

}  // namespace

std::vector<std::string> ListToneFiles(FilePort& files, const std::string& folder,
                                       const std::string& mask) {
    constexpr DWord kLeftOut =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return List(files, JoinPath(folder, mask),
                [](const Win32FindDataA& d) { return (d.dwFileAttributes & kLeftOut) == 0; });
}

std::vector<std::string> ListSubfolders(FilePort& files, const std::string& folder) {
    return List(files, JoinPath(folder, "*"), [](const Win32FindDataA& d) {
        const std::string name = d.cFileName;
        return (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != ".." &&
               !(d.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    });
}

std::vector<char> ListDrives(FilePort& files) {
    const DWord mask = files.GetLogicalDrives();
    std::vector<char> drives;
    for (int i = 0; i < 26; ++i)
        if (mask & (1u << i)) drives.push_back(static_cast<char>('A' + i));
    return drives;
}

}  // namespace ringtones
