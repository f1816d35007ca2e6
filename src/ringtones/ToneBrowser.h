// What the tone browser's drive, folder and file lists show, read from the
// file system.
#pragma once

#include <string>
#include <vector>

#include "platform/FilePort.h"

namespace ringtones {

// The plain files of folder matching mask, without folders, hidden or system
// files, sorted by name without regard to case.
std::vector<std::string> ListToneFiles(platform::FilePort& files, const std::string& folder,
                                       const std::string& mask);
// The folders directly inside folder, sorted the same way.
std::vector<std::string> ListSubfolders(platform::FilePort& files, const std::string& folder);
// The letters of the drives that exist, from A.
std::vector<char> ListDrives(platform::FilePort& files);

}  // namespace ringtones
