#include "ringtones/DefaultToneWave.h"

#include <algorithm>
#include <cmath>

#include "ringtones/RingToneFiles.h"

namespace ringtones {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kLowHz = 400;
constexpr double kHighHz = 450;
// Well below full scale: the speaker is turned up while a tone plays.
constexpr double kAmplitude = 0.3 * 32767;
constexpr double kFadeMs = 10;

struct Burst {
    double startMs;
    double lengthMs;
};
constexpr Burst kBursts[] = {{0, 400}, {600, 400}};

}  // namespace

std::vector<std::uint8_t> DefaultToneWaveBytes() {
    const std::uint32_t count = kDefaultToneRate * kDefaultToneMs / 1000;
    std::vector<std::int16_t> samples(count, 0);
    for (const Burst& burst : kBursts) {
        const auto first = static_cast<std::uint32_t>(burst.startMs * kDefaultToneRate / 1000);
        const auto length = static_cast<std::uint32_t>(burst.lengthMs * kDefaultToneRate / 1000);
        const double fade = kFadeMs * kDefaultToneRate / 1000;
        for (std::uint32_t i = 0; i <= length && first + i < count; ++i) {
            const double t = static_cast<double>(i) / kDefaultToneRate;
            const double envelope =
                std::min({1.0, i / fade, static_cast<double>(length - i) / fade});
            const double wave =
                0.5 * (std::sin(2 * kPi * kLowHz * t) + std::sin(2 * kPi * kHighHz * t));
            samples[first + i] =
                static_cast<std::int16_t>(std::lround(kAmplitude * envelope * wave));
        }
    }
    return PcmWaveBytes(samples, kDefaultToneRate);
}

}  // namespace ringtones
