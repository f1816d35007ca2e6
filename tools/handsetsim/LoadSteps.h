// Faults and load put on the panel: the driver's window that stops
// answering, a flood of handset messages, a burst of device notices; and
// what they cost the panel, read from outside: how long a WM_NULL waits for
// its answer meanwhile, the panel process's handles, working set and CPU.
#pragma once

#include <windows.h>

#include <string>

// What one process uses, as Task Manager shows it.
struct ProcessUsage {
    bool read = false;
    DWORD handles = 0;
    SIZE_T workingSetKb = 0;
    double cpuMs = 0;  // user and kernel time
};

// The usage of the process that owns the window.
ProcessUsage processUsageOf(HWND window);
std::string describeUsage(const ProcessUsage& usage);

// A second thread that sends WM_NULL to a window every intervalMs until
// stopped and keeps the longest wait for an answer; a send that is not
// answered within 10 s counts as failed.
class LatencyProbe {
public:
    LatencyProbe(HWND target, DWORD intervalMs);
    ~LatencyProbe();
    LatencyProbe(const LatencyProbe&) = delete;
    LatencyProbe& operator=(const LatencyProbe&) = delete;

    bool start();
    // Ends the thread; the figures are final afterwards.
    void stop();

    unsigned probes() const { return probes_; }
    unsigned failed() const { return failed_; }
    double worstUs() const { return worstUs_; }
    // When the longest wait began, in ms from the start.
    double worstAtMs() const { return worstAtMs_; }

    // Run on the probe's thread before each WM_NULL when set (the hang's
    // status messages, which must not come from the hung thread).
    void (*beforeProbe)(void* context, double elapsedMs) = nullptr;
    void* context = nullptr;

private:
    static DWORD WINAPI threadMain(void* self);
    void run();

    HWND target_;
    DWORD intervalMs_;
    HANDLE thread_ = nullptr;
    HANDLE stopEvent_ = nullptr;
    volatile LONG probes_ = 0;
    volatile LONG failed_ = 0;
    double worstUs_ = 0;
    double worstAtMs_ = 0;
};

// Microseconds from QueryPerformanceCounter.
double nowUs();
