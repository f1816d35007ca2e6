// panel_soak [--events N] [--seed S] [--trace]: runs the soak and reports the time it
// took; exits non-zero, with the failing events and their seed, when a
// check fails. Without --seed a seed is drawn and printed, so that any run
// replays.
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <random>
#include <string>

#include "soak/Soak.h"

namespace {

bool ParseNumber(const char* text, std::uint64_t& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && end != text && *end == '\0' && text[0] != '-';
}

int Usage() {
    std::cerr << "usage: panel_soak [--events N] [--seed S] [--trace]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::uint64_t events = 1000000;
    std::uint64_t seed = std::random_device{}();
    bool trace = false;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(argv[i], "--events") && hasValue) {
            if (!ParseNumber(argv[++i], events)) return Usage();
        } else if (!std::strcmp(argv[i], "--trace")) {
            trace = true;
        } else if (!std::strcmp(argv[i], "--seed") && hasValue) {
            if (!ParseNumber(argv[++i], seed)) return Usage();
        } else {
            return Usage();
        }
    }
    std::cout << "soak: " << events << " events, seed " << seed << std::endl;
    const auto start = std::chrono::steady_clock::now();
    soak::Soak run(seed);
    run.trace = trace;
    run.progress = [start](std::uint64_t done) {
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::cout << "  " << done << " events, " << elapsed << " s" << std::endl;
    };
    const soak::SoakResult result = run.Run(events);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "soak: " << result.events << " events in " << seconds << " s ("
              << static_cast<std::uint64_t>(result.events / (seconds > 0 ? seconds : 1))
              << " per second), " << result.virtualMs / 1000 << " s of virtual time\n  ";
    for (const auto& [kind, count] : result.eventCounts) std::cout << " " << kind << " " << count;
    std::cout << "\n";
    if (!result.passed) {
        std::cout << "SOAK FAILED: " << result.failure;
        return 1;
    }
    std::cout << "soak: every check held\n";
    return 0;
}
