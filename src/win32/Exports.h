// A function of a DLL looked up at run time rather than imported, so that
// the program loads on every Windows it runs on (the function may be
// missing) and a DLL is loaded only when first needed.
#pragma once

#include "Win32Api.h"

namespace win32 {

// Null where the module (null too) or the function is missing.
template <class Fn>
Fn Export(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)))
                  : nullptr;
}

}  // namespace win32
