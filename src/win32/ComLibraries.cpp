#include "ComLibraries.h"

#include "Exports.h"

namespace win32 {

namespace {

template <class Fn>
void Find(HMODULE module, const char* name, Fn& function) {
    function = Export<Fn>(module, name);
}

}  // namespace

const Ole32& Ole32Functions() {
    static const Ole32 functions = [] {
        Ole32 found;
        const HMODULE ole32 = LoadLibraryA("ole32.dll");
        Find(ole32, "CoInitializeEx", found.coInitializeEx);
        Find(ole32, "CoUninitialize", found.coUninitialize);
        Find(ole32, "CoCreateInstance", found.coCreateInstance);
        Find(ole32, "OleInitialize", found.oleInitialize);
        Find(ole32, "PropVariantClear", found.propVariantClear);
        return found;
    }();
    return functions;
}

const OleAut32& OleAut32Functions() {
    static const OleAut32 functions = [] {
        OleAut32 found;
        const HMODULE oleaut32 = LoadLibraryA("oleaut32.dll");
        Find(oleaut32, "SysAllocString", found.sysAllocString);
        Find(oleaut32, "SysFreeString", found.sysFreeString);
        Find(oleaut32, "VariantInit", found.variantInit);
        return found;
    }();
    return functions;
}

}  // namespace win32
