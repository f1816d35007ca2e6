// The program's data files: where they lie, whether a file is there, text
// read line by line as the C runtime's text mode reads it, and files
// rewritten whole without ever leaving a half-written one behind.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/FilePort.h"
#include "platform/HandleOwners.h"
#include "platform/Platform.h"

namespace datafiles {

// The folder of the running program, ending in a backslash.
std::string ProgramFolder(platform::FilePort& files);

// True only for an existing file, never for a folder.
bool FileExists(platform::FilePort& files, const std::string& path);

// A file opened for reading, with the sharing a text editor that holds it
// open still allows; closed when the reader goes.
class TextFileReader {
public:
    TextFileReader(platform::Platform& os, const std::string& path);

    bool IsOpen() const { return static_cast<bool>(file_); }
    // Whether a read failed: what was read so far is not the whole file.
    bool ReadFailed() const { return readFailed_; }
    // The next character in text mode (CR LF read as LF, Ctrl-Z ends the
    // text); -1 at the end.
    int Get();

private:
    int Raw();

    platform::FilePort& files_;
    platform::FileHandle file_;
    std::vector<std::uint8_t> buffer_;
    std::size_t next_ = 0;
    bool ended_ = false;
    bool readFailed_ = false;
};

// The longest piece of a line one call returns.
constexpr std::size_t kMaxTextLine = 1022;

// The next line without its line end, at most kMaxTextLine characters; the
// rest of a longer line comes from the next call. "" at the end of the file
// and for an empty line.
std::string ReadTextLine(TextFileReader& file);

// The next line as ReadTextLine reads it, but the rest of a longer line is
// dropped: files of fields, where that rest must not shift the fields after.
std::string ReadWholeTextLine(TextFileReader& file);

// A line to be read back by ReadWholeTextLine as it stands: without CR, LF
// and Ctrl-Z (which would end it or the file early), and cut to
// kMaxTextLine characters.
std::string StorableTextLine(const std::string& text);

// Writes the bytes to a new file beside path and only then puts it in
// path's place, so that a failure at any step leaves the old file as it was
// (and no new file behind). True when path holds the bytes.
bool WriteFileReplacing(platform::Platform& os, const std::string& path, const std::string& bytes);

}  // namespace datafiles
