#include "LoadSteps.h"

#include <psapi.h>

#include <cstdio>
#include <vector>

double nowUs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

namespace {

// The system's handle table (NtQuerySystemInformation, class 16), for a
// count where GetProcessHandleCount gives none (Wine answers it with 0).
struct HandleEntry {
    USHORT processId;
    USHORT creatorBackTraceIndex;
    UCHAR objectType;
    UCHAR attributes;
    USHORT handle;
    PVOID object;
    ULONG grantedAccess;
};
struct HandleTable {
    ULONG count;
    HandleEntry entries[1];
};

DWORD countHandlesInTable(DWORD processId) {
    using QueryFn = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    const auto query = reinterpret_cast<QueryFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(ntdll, "NtQuerySystemInformation")));
    if (!query) return 0;
    std::vector<unsigned char> buffer(1 << 20);
    for (int attempt = 0; attempt < 6; ++attempt) {
        ULONG needed = 0;
        const LONG status = query(16, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status == 0) {
            const auto* table = reinterpret_cast<const HandleTable*>(buffer.data());
            DWORD count = 0;
            for (ULONG i = 0; i < table->count; ++i)
                if (table->entries[i].processId == static_cast<USHORT>(processId)) ++count;
            return count;
        }
        buffer.resize(buffer.size() * 4);
    }
    return 0;
}

}  // namespace

ProcessUsage processUsageOf(HWND window) {
    ProcessUsage usage;
    DWORD processId = 0;
    if (window == nullptr || GetWindowThreadProcessId(window, &processId) == 0) return usage;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (process == nullptr) return usage;
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    FILETIME created, exited, kernel, user;
    if (GetProcessHandleCount(process, &usage.handles) &&
        GetProcessMemoryInfo(process, &memory, sizeof memory) &&
        GetProcessTimes(process, &created, &exited, &kernel, &user)) {
        auto ms = [](const FILETIME& t) {
            return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) |
                                       t.dwLowDateTime) /
                   10000.0;
        };
        if (usage.handles == 0) usage.handles = countHandlesInTable(processId);
        usage.workingSetKb = memory.WorkingSetSize / 1024;
        usage.cpuMs = ms(kernel) + ms(user);
        usage.read = true;
    }
    CloseHandle(process);
    return usage;
}

std::string describeUsage(const ProcessUsage& usage) {
    if (!usage.read) return "unreadable";
    char text[128];
    std::snprintf(text, sizeof text, "handles=%lu working_set_kb=%lu cpu_ms=%.0f",
                  static_cast<unsigned long>(usage.handles),
                  static_cast<unsigned long>(usage.workingSetKb), usage.cpuMs);
    return text;
}

LatencyProbe::LatencyProbe(HWND target, DWORD intervalMs)
    : target_(target), intervalMs_(intervalMs) {}

LatencyProbe::~LatencyProbe() {
    stop();
}

bool LatencyProbe::start() {
    // A probe started again measures afresh; the earlier thread ends first.
    stop();
    stopEvent_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (stopEvent_ == nullptr) return false;
    thread_ = CreateThread(nullptr, 0, threadMain, this, 0, nullptr);
    return thread_ != nullptr;
}

void LatencyProbe::stop() {
    if (thread_ != nullptr) {
        SetEvent(stopEvent_);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = nullptr;
    }
    if (stopEvent_ != nullptr) {
        CloseHandle(stopEvent_);
        stopEvent_ = nullptr;
    }
}

DWORD WINAPI LatencyProbe::threadMain(void* self) {
    static_cast<LatencyProbe*>(self)->run();
    return 0;
}

void LatencyProbe::run() {
    const double started = nowUs();
    do {
        if (beforeProbe) beforeProbe(context, (nowUs() - started) / 1000.0);
        DWORD_PTR answer = 0;
        const double before = nowUs();
        const LRESULT sent =
            SendMessageTimeoutA(target_, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer);
        const double waited = nowUs() - before;
        InterlockedIncrement(&probes_);
        if (sent == 0) InterlockedIncrement(&failed_);
        if (waited > worstUs_) {
            worstUs_ = waited;
            worstAtMs_ = (before - started) / 1000.0;
        }
    } while (WaitForSingleObject(stopEvent_, intervalMs_) == WAIT_TIMEOUT);
}
