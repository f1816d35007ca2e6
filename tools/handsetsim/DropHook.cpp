// The simulator's drop hook. The shell hands a window its dropped files as
// a memory handle of the window's own process, which another process cannot
// make; so the simulator hooks the message retrieval of the list's thread
// with this library, which Windows loads into the panel, and the hook turns
// the simulator's "drop now" message into the WM_DROPFILES the shell sends.
#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "DropProtocol.h"

namespace {

// A drop handle made from the shared block, or nullptr.
HGLOBAL dropFromBlock() {
    HANDLE block = OpenFileMappingA(FILE_MAP_READ, FALSE, drop::kDropBlock);
    if (block == nullptr) return nullptr;
    HGLOBAL made = nullptr;
    if (const auto* view =
            static_cast<const unsigned char*>(MapViewOfFile(block, FILE_MAP_READ, 0, 0, 0))) {
        DWORD size = 0;
        std::memcpy(&size, view, sizeof size);
        if (size >= sizeof(DROPFILES) && size <= drop::kDropBlockLimit) {
            made = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
            if (void* target = made ? GlobalLock(made) : nullptr) {
                std::memcpy(target, view + sizeof size, size);
                GlobalUnlock(made);
            }
        }
        UnmapViewOfFile(view);
    }
    CloseHandle(block);
    return made;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    DropHookProc(int code, WPARAM removal, LPARAM message) {
    static const UINT dropNow = RegisterWindowMessageA(drop::kDropNowMessage);
    auto* msg = reinterpret_cast<MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE && msg->message == dropNow) {
        // Without a handle the message stays the simulator's own, which the
        // panel ignores, and the simulator, not told, reports the failure.
        HGLOBAL files = dropFromBlock();
        HANDLE taken = files ? OpenEventA(EVENT_MODIFY_STATE, FALSE, drop::kDropTaken) : nullptr;
        if (taken) {
            msg->message = WM_DROPFILES;
            msg->wParam = reinterpret_cast<WPARAM>(files);
            msg->lParam = 0;
            SetEvent(taken);
            CloseHandle(taken);
        } else if (files) {
            GlobalFree(files);
        }
    }
    return CallNextHookEx(nullptr, code, removal, message);
}
