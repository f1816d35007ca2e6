// The default ring tone made from code: a WAV file MCI plays, of the length
// it claims, two bursts where the ring has them and silence between, never
// clipped, and without a click at either end of a burst.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "ringtones/DefaultToneWave.h"
#include "ringtones/RingToneFiles.h"
#include "sim/SimMedia.h"

namespace {

std::int16_t Sample(const std::vector<std::uint8_t>& wave, std::uint32_t index) {
    const std::size_t at = 44 + 2 * static_cast<std::size_t>(index);
    return static_cast<std::int16_t>(wave[at] | (wave[at + 1] << 8));
}

double Rms(const std::vector<std::uint8_t>& wave, double fromMs, double toMs) {
    const auto first = static_cast<std::uint32_t>(fromMs * 8);
    const auto last = static_cast<std::uint32_t>(toMs * 8);
    double sum = 0;
    for (std::uint32_t i = first; i < last; ++i) sum += std::pow(Sample(wave, i), 2);
    return std::sqrt(sum / (last - first));
}

std::uint32_t Read32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

}  // namespace

TEST(DefaultToneWave, IsAThreeSecondPcmRingOfTwoBurstsWithoutClicksOrClipping) {
    const std::vector<std::uint8_t> wave = ringtones::DefaultToneWaveBytes();
    ASSERT_EQ(wave.size(), 44u + 2 * 8000 * 3);
    EXPECT_EQ(std::string(wave.begin(), wave.begin() + 4), "RIFF");
    EXPECT_EQ(Read32(wave, 4), wave.size() - 8);
    EXPECT_EQ(std::string(wave.begin() + 8, wave.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(wave[20] | (wave[21] << 8), 1);  // PCM
    EXPECT_EQ(wave[22] | (wave[23] << 8), 1);  // mono
    EXPECT_EQ(Read32(wave, 24), 8000u);
    EXPECT_EQ(wave[34] | (wave[35] << 8), 16);  // bits per sample
    platform::DWord lengthMs = 0;
    ASSERT_TRUE(sim::WaveLengthMs(wave, &lengthMs));
    EXPECT_EQ(lengthMs, 3000u);

    // Sound in the two bursts, silence in the gap and after.
    EXPECT_GT(Rms(wave, 20, 380), 3000);
    EXPECT_GT(Rms(wave, 620, 980), 3000);
    EXPECT_EQ(Rms(wave, 405, 595), 0);
    EXPECT_EQ(Rms(wave, 1005, 3000), 0);

    // Never near full scale, and each burst starts and ends at zero.
    int peak = 0;
    for (std::uint32_t i = 0; i < 24000; ++i) peak = std::max(peak, std::abs(int{Sample(wave, i)}));
    EXPECT_GT(peak, 5000);
    EXPECT_LT(peak, 16000);
    for (const std::uint32_t edge : {0u, 3200u, 4800u, 8000u})
        EXPECT_EQ(Sample(wave, edge), 0) << edge;
    EXPECT_LT(std::abs(int{Sample(wave, 1)}), 400);
}

TEST(DefaultToneWave, TheSilentFileKeepsItsBytes) {
    const std::vector<std::uint8_t> mute = ringtones::MuteWaveBytes();
    ASSERT_EQ(mute.size(), 44u + 2 * 16000 * 3);
    EXPECT_EQ(Read32(mute, 24), 16000u);
    EXPECT_EQ(Read32(mute, 40), 96000u);
    for (std::size_t i = 44; i < mute.size(); ++i) ASSERT_EQ(mute[i], 0) << i;
}
