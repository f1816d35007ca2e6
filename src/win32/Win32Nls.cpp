// NlsPort: the system's language and code page, and the code-page
// conversions, straight from kernel32.
#include "Win32Api.h"
#include "Win32Platform.h"

namespace win32 {

using namespace platform;

Word Win32NlsPort::GetSystemDefaultLangID() {
    return ::GetSystemDefaultLangID();
}

int Win32NlsPort::WideCharToMultiByte(UInt codePage, DWord flags, const char16_t* src, int srcLen,
                                      char* dst, int dstLen) {
    static_assert(sizeof(char16_t) == sizeof(WCHAR), "UTF-16 units are WCHARs");
    return ::WideCharToMultiByte(codePage, flags, reinterpret_cast<LPCWCH>(src), srcLen, dst,
                                 dstLen, nullptr, nullptr);
}

int Win32NlsPort::MultiByteToWideChar(UInt codePage, DWord flags, const char* src, int srcLen,
                                      char16_t* dst, int dstLen) {
    return ::MultiByteToWideChar(codePage, flags, src, srcLen, reinterpret_cast<LPWSTR>(dst),
                                 dstLen);
}

}  // namespace win32
