#include "web/WebFiles.h"

#include <cstddef>

#include "widgets/WebAddress.h"

namespace web {

std::string DefaultWebFile(const std::string& programFolder) {
    return programFolder + "defaultWeb.jov";
}

std::string UrlListFile(const std::string& programFolder) {
    return programFolder + "urlList.jov";
}

FileLines ReadFileLines(platform::Platform& os, const std::string& path, int count) {
    datafiles::TextFileReader reader(os, path);
    FileLines result;
    result.lines = ReadLines(reader, count);
    if (!reader.IsOpen() || reader.ReadFailed()) {
        result.read =
            datafiles::FileExists(os.files, path) ? FileRead::Unreadable : FileRead::Missing;
        result.lines.assign(result.lines.size(), std::string());
    }
    return result;
}

std::vector<std::string> ReadLines(datafiles::TextFileReader& file, int count) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) lines.push_back(datafiles::ReadWholeTextLine(file));
    return lines;
}

std::string FileText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += datafiles::StorableTextLine(line) + "\r\n";
    return text;
}

std::string StoredWebAddress(const std::string& typed) {
    // A secure address stays secure: "http://" in front of it would make
    // an address no browser opens.
    for (const char* scheme : {"http://", "https://"}) {
        if (vcl::StartsWithAsciiIgnoringCase<char>(typed, scheme)) {
            const std::size_t length = std::char_traits<char>::length(scheme);
            return scheme + typed.substr(length);
        }
    }
    return "http://" + typed;
}

}  // namespace web
