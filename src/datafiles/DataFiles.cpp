#include "datafiles/DataFiles.h"

#include "platform/WinConst.h"

namespace datafiles {

using namespace platform;

namespace {

constexpr DWord kPathRoom = 1024;
constexpr std::size_t kReadChunk = 4096;
constexpr int kCtrlZ = 0x1A;

}  // namespace

std::string ProgramFolder(FilePort& files) {
    std::string path(kPathRoom, '\0');
    const DWord n = files.GetModuleFileNameA(path.data(), kPathRoom);
    path.resize(n < kPathRoom ? n : 0);
    const std::size_t slash = path.find_last_of("\\:");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool FileExists(FilePort& files, const std::string& path) {
    const DWord attributes = files.GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TextFileReader::TextFileReader(Platform& os, const std::string& path)
    : files_(os.files),
      file_(os.sync, os.files.CreateFileA(path, GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL)) {}

int TextFileReader::Raw() {
    if (next_ == buffer_.size()) {
        if (ended_ || !IsOpen()) return -1;
        buffer_.resize(kReadChunk);
        DWord read = 0;
        const bool ok = files_.ReadFile(file_.get(), buffer_.data(), kReadChunk, &read);
        if (!ok || read == 0) {
            ended_ = true;
            readFailed_ = !ok;
            read = 0;
        }
        buffer_.resize(read);
        next_ = 0;
        if (read == 0) return -1;
    }
    return buffer_[next_++];
}

int TextFileReader::Get() {
    int c = Raw();
    if (c == kCtrlZ) {
        ended_ = true;
        next_ = buffer_.size();
        c = -1;
    } else if (c == '\r') {
        const int after = Raw();
        if (after == '\n') {
            c = '\n';
        } else if (after != -1) {
            --next_;  // the byte after a lone CR is read again next time
        }
    }
    return c;
}

std::string ReadTextLine(TextFileReader& file) {
    std::string line;
    while (line.size() < kMaxTextLine) {
        const int c = file.Get();
        if (c == -1 || c == '\n') return line;
        line += static_cast<char>(c);
    }
    return line;
}

std::string ReadWholeTextLine(TextFileReader& file) {
    std::string line = ReadTextLine(file);
    if (line.size() == kMaxTextLine) {
        int c = file.Get();
        while (c != -1 && c != '\n') c = file.Get();
    }
    return line;
}

std::string StorableTextLine(const std::string& text) {
    std::string line;
    for (const char c : text) {
        if (line.size() == kMaxTextLine) break;
        if (c != '\r' && c != '\n' && c != kCtrlZ) line += c;
    }
    return line;
}

bool WriteFileReplacing(Platform& os, const std::string& path, const std::string& bytes) {
    FilePort& files = os.files;
    const std::string fresh = path + ".new";
    FileHandle file(
        os.sync, files.CreateFileA(fresh, GENERIC_WRITE, 0, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL));
    if (!file) return false;
    DWord written = 0;
    const bool complete =
        files.WriteFile(file.get(), bytes.data(), static_cast<DWord>(bytes.size()), &written) &&
        written == bytes.size();
    // A close can fail too (the data was only buffered): it counts.
    const bool closed = file.reset();
    if (!complete || !closed ||
        !files.MoveFileExA(fresh, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        files.DeleteFileA(fresh);
        return false;
    }
    return true;
}

}  // namespace datafiles
