// ole32 and oleaut32, loaded the first time the browser pane or the default
// endpoint's name needs them rather than by the loader at start-up: nothing
// the window needs before it is published uses them (on Vista and later the
// endpoint's name is read before, and loads ole32 then; oleaut32 waits for
// the browser). Loaded once and kept; each function is null where its DLL
// or the function itself is missing.
#pragma once

// clang-format off
#include "Win32Api.h"
#include <objbase.h>  // needs <windows.h> first
#include <propidl.h>
// clang-format on

namespace win32 {

struct Ole32 {
    using CreateInstanceFn = HRESULT(WINAPI*)(REFCLSID clsid, LPUNKNOWN outer, DWORD context,
                                              REFIID iid, LPVOID* object);
    HRESULT(WINAPI* coInitializeEx)(LPVOID reserved, DWORD model) = nullptr;
    void(WINAPI* coUninitialize)() = nullptr;
    CreateInstanceFn coCreateInstance = nullptr;
    HRESULT(WINAPI* oleInitialize)(LPVOID reserved) = nullptr;
    HRESULT(WINAPI* propVariantClear)(PROPVARIANT* value) = nullptr;
};

struct OleAut32 {
    BSTR(WINAPI* sysAllocString)(const OLECHAR* text) = nullptr;
    void(WINAPI* sysFreeString)(BSTR text) = nullptr;
    void(WINAPI* variantInit)(VARIANTARG* value) = nullptr;
};

const Ole32& Ole32Functions();
const OleAut32& OleAut32Functions();

}  // namespace win32
