#include "EventLog.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

EventLog::EventLog() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
    // A GUI program has no console; standard output is usable only when the
    // caller redirected it to a file or a pipe.
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out != nullptr && out != INVALID_HANDLE_VALUE && GetFileType(out) != FILE_TYPE_UNKNOWN) {
        stdout_ = out;
    }
}

EventLog::~EventLog() {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

bool EventLog::openFile(const char* path) {
    // A second log file replaces the first.
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    file_ = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    return file_ != INVALID_HANDLE_VALUE;
}

void EventLog::setLineSink(LineSink sink, void* context) {
    sink_ = sink;
    sinkContext_ = context;
}

double EventLog::elapsedMs() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - start_.QuadPart) * 1000.0 /
           static_cast<double>(frequency_.QuadPart);
}

void EventLog::line(const char* format, ...) {
    char text[1024];
    const unsigned long ms = static_cast<unsigned long>(elapsedMs());
    int used = std::snprintf(text, sizeof text, "%6lu.%03lu ", ms / 1000, ms % 1000);
    va_list args;
    va_start(args, format);
    const int body = std::vsnprintf(text + used, sizeof text - used - 2, format, args);
    va_end(args);
    if (body > 0) used += body;
    if (used > static_cast<int>(sizeof text) - 3) used = sizeof text - 3;
    if (sink_ != nullptr) {
        text[used] = 0;
        sink_(sinkContext_, text);
    }
    text[used++] = '\r';
    text[used++] = '\n';
    write(stdout_, text, used);
    write(file_, text, used);
}

void EventLog::write(HANDLE handle, const char* text, std::size_t length) {
    if (handle == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(handle, text, static_cast<DWORD>(length), &written, nullptr);
}

std::string hexBytes(const void* data, std::size_t size, std::size_t maxBytes) {
    static const char digits[] = "0123456789ABCDEF";
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::string out;
    const std::size_t shown = std::min(size, maxBytes);
    for (std::size_t i = 0; i < shown; ++i) {
        if (i != 0) out += ' ';
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 15];
    }
    if (shown < size) out += " ...";
    return out;
}

std::string printable(const std::string& text) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\' && c != '"') {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += digits[c >> 4];
            out += digits[c & 15];
        }
    }
    return out;
}

std::string hexValue(unsigned long long value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", value);
    return text;
}
