// Files dropped on the panel's tone list as the shell drops them, and the
// copy's progress bar read back.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Drops the files and folders the patterns name (FindFirstFile patterns,
// "C:\dir\*.wav"; a plain path names itself) on list box N (from 1): a
// WM_DROPFILES whose drop handle is made in the panel's process by the
// simulator's hook library. Fails, saying why in *error, when a pattern
// names nothing, the list is missing or does not accept files, or the
// panel's thread did not take the drop within timeoutMs.
bool dropFiles(HWND form, unsigned list, const std::vector<std::string>& patterns, DWORD timeoutMs,
               std::string* error);

// Whether list box N has registered as a drop target (WS_EX_ACCEPTFILES).
bool acceptsDrops(HWND form, unsigned list, std::string* detail);

// Whether the panel's progress bar stands at pos (within 0..max).
bool progressMeets(HWND form, unsigned pos, unsigned max, std::string* detail);
