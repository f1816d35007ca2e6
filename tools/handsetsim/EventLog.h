// One line per event, stamped with the time since start-up, written to
// standard output (when it is a file or pipe), to an optional log file and
// to the window's log list.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

class EventLog {
public:
    using LineSink = void (*)(void* context, const char* line);

    EventLog();
    ~EventLog();
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    bool openFile(const char* path);
    void setLineSink(LineSink sink, void* context);

    // printf-style; the timestamp and the line end are added here.
    void line(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // Milliseconds since the log was created.
    double elapsedMs() const;

private:
    void write(HANDLE handle, const char* text, std::size_t length);

    HANDLE stdout_ = INVALID_HANDLE_VALUE;
    HANDLE file_ = INVALID_HANDLE_VALUE;
    LineSink sink_ = nullptr;
    void* sinkContext_ = nullptr;
    LARGE_INTEGER start_{};
    LARGE_INTEGER frequency_{};
};

// "21 47 45 54 00" for the first maxBytes bytes, "..." after a longer block.
std::string hexBytes(const void* data, std::size_t size, std::size_t maxBytes = 48);

// Text with control and non-ASCII bytes escaped as \xHH, for log lines.
std::string printable(const std::string& text);

// "0x1A2B" for window handles and message parameters.
std::string hexValue(unsigned long long value);
