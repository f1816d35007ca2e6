// <windows.h> and <commctrl.h> for the adapter, with the few SDK macros that
// would rewrite names of the core's headers taken back. Include this, never
// <windows.h> directly, in any file that also sees the core.
#pragma once

// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs <windows.h> first
// clang-format on

// vcl::DEFAULT_CHARSET (widgets/Control.h) has the SDK's value, 1.
#ifdef DEFAULT_CHARSET
static_assert(DEFAULT_CHARSET == 1, "DEFAULT_CHARSET");
#undef DEFAULT_CHARSET
#endif
