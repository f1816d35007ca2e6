#include "audio/VolumeLevels.h"

#include <algorithm>
#include <limits>

namespace audio {

using platform::DWord;

int LevelOf(DWord value) {
    constexpr DWord kMax = static_cast<DWord>(std::numeric_limits<int>::max());
    return static_cast<int>(std::min(value, kMax));
}

int LouderChannel(int left, int right) {
    return std::max(left, right);
}

int ClampLevel(int level, int min, int max) {
    return std::clamp(level, min, std::max(min, max));
}

bool LevelsDiffer(const LineLevels& a, const LineLevels& b) {
    const auto rightOf = [](const LineLevels& l) { return l.right == -1 ? l.left : l.right; };
    return a.left != b.left || rightOf(a) != rightOf(b) || a.mute != b.mute;
}

std::vector<DWord> VolumeValues(int left, int right) {
    const DWord l = static_cast<DWord>(left);
    return {l, right < 0 ? l : static_cast<DWord>(right)};
}

int SelectionStateAt(const std::vector<DWord>& values, DWord items, int position) {
    // A source past the list's items has no state: reading it would run
    // into the next channel or past the values.
    if (position < 0 || static_cast<DWord>(position) >= std::max<DWord>(items, 1) ||
        static_cast<std::size_t>(position) >= values.size())
        return -1;
    return values[static_cast<std::size_t>(position)] != 0 ? 1 : 0;
}

bool SetSelectionAt(std::vector<DWord>& values, DWord items, int position, int state,
                    bool exclusive) {
    const std::size_t perChannel = std::max<DWord>(items, 1);
    if (position < 0 || static_cast<std::size_t>(position) >= perChannel ||
        static_cast<std::size_t>(position) >= values.size())
        return false;
    for (std::size_t first = 0; first + static_cast<std::size_t>(position) < values.size();
         first += perChannel) {
        if (exclusive)
            std::fill(values.begin() + static_cast<std::ptrdiff_t>(first),
                      values.begin() +
                          static_cast<std::ptrdiff_t>(std::min(first + perChannel, values.size())),
                      DWord{0});
        values[first + static_cast<std::size_t>(position)] = static_cast<DWord>(state);
    }
    return true;
}

}  // namespace audio
