// The code-page conversions of captions and commands with any code page
// and any bytes: a round trip through UTF-16 never reads or writes past a
// buffer, and UTF-8 that came from UTF-16 converts back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzInput.h"
#include "platform/NlsPort.h"
#include "sim/SimProcess.h"
#include "widgets/CodePages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const platform::UInt kPages[] = {platform::kCpAcp,
                                            platform::kCpUtf8,
                                            874,
                                            932,
                                            936,
                                            949,
                                            950,
                                            1250,
                                            1251,
                                            1252,
                                            1253,
                                            1254,
                                            1257};
    fuzz::FuzzInput in(data, size);
    sim::SimWorld world;
    sim::SimProcess process(world, "panel");
    world.locale.ansiCodePage = in.Byte() % 2 ? 932 : 1252;
    platform::NlsPort& nls = process.Platform().nls;
    const platform::UInt from = kPages[in.Byte() % 13];
    const platform::UInt to = kPages[in.Byte() % 13];
    const std::string bytes = in.Rest();
    const std::u16string wide = vcl::ToUtf16(nls, from, bytes);
    const std::string recoded = vcl::Recode(nls, from, to, bytes);
    const std::string utf8 = vcl::FromUtf16(nls, platform::kCpUtf8, wide);
    if (vcl::ToUtf16(nls, platform::kCpUtf8, utf8) != wide) std::abort();
    (void)recoded;
    return 0;
}
