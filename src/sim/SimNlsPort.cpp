// NlsPort of a simulated process: the world's locale, and conversions done
// with iconv under the Windows code pages' names, so that cp932, cp949,
// cp737 or cp862 bytes are the real ones. As Windows without a default
// character: a character the code page lacks becomes '?', and bytes that
// are not valid in the source code page become U+FFFD (or fail with
// MB_ERR_INVALID_CHARS).
#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "platform/WinConst.h"
#include "sim/SimProcess.h"

namespace sim {

using namespace platform;

namespace {

constexpr DWord kMbErrInvalidChars = 0x8;
constexpr DWord kErrorNoUnicodeTranslation = 1113;

std::string IconvName(UInt codePage) {
    if (codePage == kCpUtf8) return "UTF-8";
    return "CP" + std::to_string(codePage);
}

class Converter {
public:
    Converter(const std::string& to, const std::string& from)
        : cd_(iconv_open(to.c_str(), from.c_str())) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts in whole; unit is the size of one source unit, skipped with
    // replacement appended when the input holds something untranslatable.
    bool Run(const char* in, std::size_t inBytes, std::size_t unit, const std::string& replacement,
             bool failOnInvalid, std::string& out) {
        char* src = const_cast<char*>(in);
        std::vector<char> buffer(inBytes * 4 + 16);
        while (true) {
            char* dst = buffer.data();
            std::size_t room = buffer.size();
            const std::size_t r = iconv(cd_, &src, &inBytes, &dst, &room);
            out.append(buffer.data(), dst);
            if (r != static_cast<std::size_t>(-1)) break;
            if (errno == E2BIG) continue;
            if (failOnInvalid) return false;
            // EILSEQ or EINVAL: one unit that does not convert.
            const std::size_t skip = std::min(unit, inBytes);
            src += skip;
            inBytes -= skip;
            out += replacement;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            if (inBytes == 0) break;
        }
        char* dst = buffer.data();
        std::size_t room = buffer.size();
        iconv(cd_, nullptr, nullptr, &dst, &room);
        out.append(buffer.data(), dst);
        return true;
    }

private:
    iconv_t cd_;
};

// Hands a converted text over as Windows does: a buffer length of 0 only
// measures, a buffer too small fails rather than cutting the text. The
// simulation runs little-endian, so UTF-16LE bytes are char16_t units.
int Deliver(const std::string& out, std::size_t unitSize, char* dst, int dstLen, DWord* error) {
    const int units = static_cast<int>(out.size() / unitSize);
    if (dstLen == 0) return units;
    if (units > dstLen) {
        *error = ERROR_INSUFFICIENT_BUFFER;
        return 0;
    }
    std::memcpy(dst, out.data(), out.size());
    return units;
}

}  // namespace

Word SimNlsPort::GetSystemDefaultLangID() {
    return World().locale.langId;
}

int SimNlsPort::WideCharToMultiByte(UInt codePage, DWord, const char16_t* src, int srcLen,
                                    char* dst, int dstLen) {
    SimCall call = Call(Api::WideCharToMultiByte, 0, codePage);
    if (codePage == kCpAcp) codePage = World().locale.ansiCodePage;
    if (src == nullptr || srcLen < -1 || dstLen < 0)
        return Done(std::move(call), 0, ERROR_INVALID_PARAMETER);
    std::size_t units = srcLen == -1 ? std::char_traits<char16_t>::length(src) + 1
                                     : static_cast<std::size_t>(srcLen);
    Converter converter(IconvName(codePage), "UTF-16LE");
    if (!converter.ok()) return Done(std::move(call), 0, ERROR_INVALID_PARAMETER);
    std::string out;
    converter.Run(reinterpret_cast<const char*>(src), units * 2, 2, "?", false, out);
    DWord error = 0;
    const int result = Deliver(out, 1, dst, dstLen, &error);
    return Done(std::move(call), result, error);
}

int SimNlsPort::MultiByteToWideChar(UInt codePage, DWord flags, const char* src, int srcLen,
                                    char16_t* dst, int dstLen) {
    SimCall call = Call(Api::MultiByteToWideChar, 0, codePage);
    if (codePage == kCpAcp) codePage = World().locale.ansiCodePage;
    if (src == nullptr || srcLen < -1 || dstLen < 0)
        return Done(std::move(call), 0, ERROR_INVALID_PARAMETER);
    std::size_t bytes =
        srcLen == -1 ? std::char_traits<char>::length(src) + 1 : static_cast<std::size_t>(srcLen);
    Converter converter("UTF-16LE", IconvName(codePage));
    if (!converter.ok()) return Done(std::move(call), 0, ERROR_INVALID_PARAMETER);
    std::string out;
    // One UTF-16LE unit: U+FFFD for UTF-8, '?' for the others.
    const std::string replacement =
        codePage == kCpUtf8 ? std::string("\xFD\xFF", 2) : std::string("?\0", 2);
    if (!converter.Run(src, bytes, 1, replacement, (flags & kMbErrInvalidChars) != 0, out))
        return Done(std::move(call), 0, kErrorNoUnicodeTranslation);
    DWord error = 0;
    const int result = Deliver(out, 2, reinterpret_cast<char*>(dst), dstLen, &error);
    return Done(std::move(call), result, error);
}

}  // namespace sim
