// The shortcut files' paths, their lines, and the rule that turns a typed
// address into the one stored.
#pragma once

#include <string>
#include <vector>

#include "datafiles/DataFiles.h"

namespace web {

// "defaultWeb.jov" and "urlList.jov" in the program folder (which ends in a
// backslash).
std::string DefaultWebFile(const std::string& programFolder);
std::string UrlListFile(const std::string& programFolder);

// How a data file was found: read whole, not there, or there but not read
// (another program holds it, no permission, a failed read).
enum class FileRead { Read, Missing, Unreadable };

// The next count lines of the file, each at most kMaxTextLine characters
// (the rest of a longer one is dropped); every line past its end reads as "".
std::vector<std::string> ReadLines(datafiles::TextFileReader& file, int count);

// The first count lines of the file at path. Where the file could not be
// read every line is "", and read says whether it is missing or there but
// unreadable.
struct FileLines {
    FileRead read = FileRead::Read;
    std::vector<std::string> lines;
};
FileLines ReadFileLines(platform::Platform& os, const std::string& path, int count);

// The lines as a text file in text mode writes them, each ended by CR LF,
// and made storable: ReadLines gives each back as one line.
std::string FileText(const std::vector<std::string>& lines);

// The address stored for a typed one (not empty): "http://" in front of an
// address without a scheme or with another one; a typed "http://" or
// "https://", in any letter case, is kept and written in lower case.
std::string StoredWebAddress(const std::string& typed);

// The longest name and typed address the edits take: a stored line, with
// the "http://" that may go in front of an address, fits the line reader.
constexpr int kMaxWebName = static_cast<int>(datafiles::kMaxTextLine);
constexpr int kMaxTypedWebAddress = static_cast<int>(datafiles::kMaxTextLine) - 7;

}  // namespace web
