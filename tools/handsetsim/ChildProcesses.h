// Programs a script starts by name (the panel, a second instance), so that
// it can wait for their end and read their exit codes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ChildProcess {
    std::string name;
    HANDLE process = nullptr;
    DWORD id = 0;
    bool keep = false;  // left running when the simulator ends
};

class ChildProcesses {
public:
    ChildProcesses() = default;
    ~ChildProcesses();
    ChildProcesses(const ChildProcesses&) = delete;
    ChildProcesses& operator=(const ChildProcesses&) = delete;

    // words[0] is the program, the rest its arguments (quoted as needed).
    // Returns the Windows error code, 0 on success.
    DWORD start(const std::string& name, const std::vector<std::string>& words);
    ChildProcess* find(const std::string& name);

    // Ends every child not marked keep; returns the names of those it ended.
    std::vector<std::string> endRemaining();

private:
    std::vector<ChildProcess> children_;
};

// true and the code once the process has ended.
bool processExitCode(HANDLE process, DWORD* code);
