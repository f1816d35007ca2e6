#include "DropSteps.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstring>

#include "DropProtocol.h"
#include "ListAndButtonSteps.h"
#include "PanelWindows.h"

namespace {

// The paths a pattern names, in the order FindFirstFile gives them.
bool expand(const std::string& pattern, std::vector<std::string>* paths) {
    const std::size_t cut = pattern.find_last_of("\\/");
    const std::string folder = cut == std::string::npos ? "" : pattern.substr(0, cut + 1);
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool any = false;
    do {
        if (std::strcmp(found.cFileName, ".") == 0 || std::strcmp(found.cFileName, "..") == 0)
            continue;
        paths->push_back(folder + found.cFileName);
        any = true;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return any;
}

// The shell's drop record: DROPFILES, then the names, each ended by a zero,
// and one more zero.
std::vector<unsigned char> dropRecord(const std::vector<std::string>& paths) {
    DROPFILES head = {};
    head.pFiles = sizeof head;
    head.pt.x = 10;
    head.pt.y = 10;
    std::vector<unsigned char> bytes(sizeof head);
    std::memcpy(bytes.data(), &head, sizeof head);
    for (const std::string& path : paths) {
        bytes.insert(bytes.end(), path.begin(), path.end());
        bytes.push_back(0);
    }
    bytes.push_back(0);
    return bytes;
}

std::string hookLibraryPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    const std::size_t cut = folder.find_last_of("\\/");
    return (cut == std::string::npos ? "" : folder.substr(0, cut + 1)) + drop::kHookLibrary;
}

// Lets this thread's messages run while it waits for the event.
bool waitPumping(HANDLE event, DWORD timeoutMs) {
    const DWORD until = GetTickCount() + timeoutMs;
    for (;;) {
        const DWORD now = GetTickCount();
        const DWORD left = static_cast<LONG>(until - now) > 0 ? until - now : 0;
        const DWORD woke = MsgWaitForMultipleObjects(1, &event, FALSE, left, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0) return true;
        if (woke != WAIT_OBJECT_0 + 1) return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (handle_) CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

bool listAccepts(HWND box, std::string* detail) {
    const bool accepts = box && (GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
    *detail = box ? (accepts ? "accepts files" : "does not accept files") : "no such list";
    return accepts;
}

bool fail(std::string* error, const std::string& why) {
    *error = why;
    return false;
}

}  // namespace

bool acceptsDrops(HWND form, unsigned list, std::string* detail) {
    return listAccepts(findList(form, list), detail);
}

bool dropFiles(HWND form, unsigned list, const std::vector<std::string>& patterns, DWORD timeoutMs,
               std::string* error) {
    std::vector<std::string> paths;
    for (const std::string& pattern : patterns)
        if (!expand(pattern, &paths)) return fail(error, "nothing matches " + pattern);
    const HWND box = findList(form, list);
    if (!listAccepts(box, error)) return false;

    const std::vector<unsigned char> record = dropRecord(paths);
    const DWORD size = static_cast<DWORD>(record.size());
    if (size > drop::kDropBlockLimit) return fail(error, "too many files for one drop");
    Handle block(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                    size + sizeof size, drop::kDropBlock));
    void* view = block.get() ? MapViewOfFile(block.get(), FILE_MAP_WRITE, 0, 0, 0) : nullptr;
    if (view == nullptr) return fail(error, "the drop's shared block could not be made");
    std::memcpy(view, &size, sizeof size);
    std::memcpy(static_cast<char*>(view) + sizeof size, record.data(), size);
    UnmapViewOfFile(view);

    Handle taken(CreateEventA(nullptr, TRUE, FALSE, drop::kDropTaken));
    HMODULE library = LoadLibraryA(hookLibraryPath().c_str());
    auto* proc = library ? reinterpret_cast<HOOKPROC>(
                               reinterpret_cast<void*>(GetProcAddress(library, drop::kHookProc)))
                         : nullptr;
    if (proc == nullptr || taken.get() == nullptr) {
        if (library) FreeLibrary(library);
        return fail(error, std::string("cannot load ") + drop::kHookLibrary);
    }
    HHOOK hook =
        SetWindowsHookExA(WH_GETMESSAGE, proc, library, GetWindowThreadProcessId(box, nullptr));
    bool done = false;
    if (hook == nullptr) {
        *error = "the hook could not be set on the panel's thread";
    } else {
        PostMessageA(box, RegisterWindowMessageA(drop::kDropNowMessage), 0, 0);
        done = waitPumping(taken.get(), timeoutMs);
        if (!done) *error = "the panel's thread did not take the drop";
        UnhookWindowsHookEx(hook);
    }
    FreeLibrary(library);
    return done;
}

bool progressMeets(HWND form, unsigned pos, unsigned max, std::string* detail) {
    const HWND bar = firstControlOfClass(form, PROGRESS_CLASSA);
    if (bar == nullptr) {
        *detail = "no progress bar";
        return false;
    }
    bool delivered = false;
    const auto seenPos = static_cast<unsigned>(sendTo(bar, PBM_GETPOS, 0, 0, &delivered));
    const auto seenMax = static_cast<unsigned>(sendTo(bar, PBM_GETRANGE, FALSE, 0, &delivered));
    *detail = "pos=" + std::to_string(seenPos) + " max=" + std::to_string(seenMax);
    return delivered && seenPos == pos && seenMax == max;
}
