// National language support: the system's language and ANSI code page, and
// conversions between UTF-16 and 8-bit code pages.
#pragma once

#include "platform/WinTypes.h"

namespace platform {

constexpr UInt kCpAcp = 0;       // CP_ACP: the system's ANSI code page
constexpr UInt kCpUtf8 = 65001;  // CP_UTF8

class NlsPort {
public:
    virtual ~NlsPort() = default;
    virtual Word GetSystemDefaultLangID() = 0;
    // As Windows: srcLen -1 takes src up to and including its terminating
    // zero; dstLen 0 measures. Returns the units written (or needed), 0 on
    // failure (an unknown code page, a too-small buffer, invalid input with
    // MB_ERR_INVALID_CHARS). No default character is passed.
    virtual int WideCharToMultiByte(UInt codePage, DWord flags, const char16_t* src, int srcLen,
                                    char* dst, int dstLen) = 0;
    virtual int MultiByteToWideChar(UInt codePage, DWord flags, const char* src, int srcLen,
                                    char16_t* dst, int dstLen) = 0;
};

}  // namespace platform
