// The soak's events chosen by the fuzzer instead of a seeded generator:
// every kind of event the panel meets (driver, user, shell, other programs,
// disk), in whatever order the coverage leads to, with the soak's checks
// after each one and after the exit. A failed check prints the events
// before it and aborts.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "FuzzInput.h"
#include "soak/Soak.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    // Two bytes per choice on average: the run ends about where the input does.
    soak::Soak run([&in] { return std::uint64_t{in.Byte()} << 8 | in.Byte(); },
                   "fuzz_soak on this input");
    const soak::SoakResult result = run.Run(size / 4 < 400 ? size / 4 : 400);
    if (!result.passed) {
        std::fputs(result.failure.c_str(), stderr);
        std::abort();
    }
    return 0;
}
