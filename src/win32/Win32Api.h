// <windows.h> and <commctrl.h> for the adapter. Core headers that an adapter
// file includes after this one must not include platform/WinConst.h, whose
// names the SDK defines as macros.
#pragma once

#ifdef PANEL_WINCONST_INCLUDED
#error \
    "platform/WinConst.h came before <windows.h>: the SDK defines its names as macros. Only core .cpp files may include it, never app/Program.h or what it includes, nor a port header (docs/ARCHITECTURE.md, Win32 adapter)."
#endif

// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs <windows.h> first
// clang-format on

// The core's character set default is the SDK's.
static_assert(DEFAULT_CHARSET == 1, "DEFAULT_CHARSET");
