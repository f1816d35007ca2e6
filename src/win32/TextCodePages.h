// The core's 8-bit texts on Unicode windows: each text decoded with the code
// page its bytes are in, and drawn with a font whose character set holds
// that code page's script.
#pragma once

#include <string>

#include "Win32Api.h"

namespace win32 {

// The bytes as UTF-16; codePage 0 is the system's ANSI code page.
std::wstring WideOf(const std::string& bytes, UINT codePage);

// The character set of fonts that show the script of codePage (0: the
// system's ANSI code page); fallback for a code page of no known script.
BYTE CharsetOfCodePage(UINT codePage, BYTE fallback);

// A window's text as UTF-16.
std::wstring WindowTextW(HWND hwnd);

}  // namespace win32
