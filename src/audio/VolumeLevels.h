// The arithmetic between mixer values and the window's volume rows: channel
// levels as ints (-1 standing for none), the louder of two channels, the
// range of a slider, and the state of one source in a selection list.
#pragma once

#include <vector>

#include "platform/WinTypes.h"

namespace audio {

// A mixer value as a level. Values past the int range saturate, so that no
// value can read as -1, which means "no control".
int LevelOf(platform::DWord value);

// The level a row shows for a line: the louder channel (right is -1 for a
// single channel).
int LouderChannel(int left, int right);

int ClampLevel(int level, int min, int max);

// What GetVolume reports of a line.
struct LineLevels {
    int left = -1, right = -1, mute = -1;
};

// Whether two lines' volume or mute differ. A single channel stands for
// both, so a mono line matches a stereo one whose channels equal it: the
// copy between such lines comes to rest instead of writing back and forth.
bool LevelsDiffer(const LineLevels& a, const LineLevels& b);

// The channel values written for a volume: left, and right, or left again
// when right is -1. Channels past the second get the last of these.
std::vector<platform::DWord> VolumeValues(int left, int right);

// The state of item `position` in a selection list's values (channels ×
// items, the items of the first channel first): 1 when non-zero, else 0;
// -1 when the list has no such item.
int SelectionStateAt(const std::vector<platform::DWord>& values, platform::DWord items,
                     int position);

// Sets item `position` to `state` in every channel; `exclusive` (a MUX,
// where one source is selected at a time) clears the other items first.
// False, with the values untouched, when the list has no such item.
bool SetSelectionAt(std::vector<platform::DWord>& values, platform::DWord items, int position,
                    int state, bool exclusive);

}  // namespace audio
