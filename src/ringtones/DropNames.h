// Where a file dropped on the tone list may go: only into the folder the
// list shows, under the dropped file's own name.
#pragma once

#include <string>

namespace ringtones {

// The name a dropped file keeps: the part after its last backslash, slash
// or colon. "" when that part would not name a file inside a folder: empty,
// "." or ".." (also as Windows reads them, with trailing dots and blanks
// dropped), or a device name such as "NUL" or "com1.wav".
std::string DroppedName(const std::string& dropped);

// Where a dropped file goes: folder, a backslash unless it ends with one,
// and its DroppedName; "" when the list shows no folder or the name is not
// one to copy.
std::string DropTarget(const std::string& folder, const std::string& dropped);

}  // namespace ringtones
