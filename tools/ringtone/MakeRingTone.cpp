// make_ring_tone FILE: writes the default ring tone (the packages'
// "ring\ring_in.wav") to FILE, whole or not at all.
#include <cstdio>
#include <string>
#include <vector>

#include "ringtones/DefaultToneWave.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_ring_tone FILE\n");
        return 2;
    }
    const std::vector<std::uint8_t> wave = ringtones::DefaultToneWaveBytes();
    const std::string path = argv[1];
    const std::string fresh = path + ".new";
    std::FILE* file = std::fopen(fresh.c_str(), "wb");
    if (!file) {
        std::perror(fresh.c_str());
        return 1;
    }
    const bool written = std::fwrite(wave.data(), 1, wave.size(), file) == wave.size();
    if (std::fclose(file) != 0 || !written || std::rename(fresh.c_str(), path.c_str()) != 0) {
        std::perror(path.c_str());
        std::remove(fresh.c_str());
        return 1;
    }
    return 0;
}
