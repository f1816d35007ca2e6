#include "ChildProcesses.h"

namespace {

std::string quoted(const std::string& word) {
    if (!word.empty() && word.find_first_of(" \t\"") == std::string::npos) return word;
    std::string out = "\"";
    for (char c : word) {
        if (c == '"') out += '\\';
        out += c;
    }
    return out + "\"";
}

}  // namespace

ChildProcesses::~ChildProcesses() {
    for (const ChildProcess& child : children_) CloseHandle(child.process);
}

DWORD ChildProcesses::start(const std::string& name, const std::vector<std::string>& words) {
    std::string commandLine;
    for (const std::string& word : words) {
        if (!commandLine.empty()) commandLine += ' ';
        commandLine += quoted(word);
    }
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return GetLastError();
    }
    CloseHandle(info.hThread);
    ChildProcess child;
    child.name = name;
    child.process = info.hProcess;
    child.id = info.dwProcessId;
    // A later start under the same name replaces the earlier one in lookups.
    children_.insert(children_.begin(), child);
    return 0;
}

ChildProcess* ChildProcesses::find(const std::string& name) {
    for (ChildProcess& child : children_) {
        if (child.name == name) return &child;
    }
    return nullptr;
}

std::vector<std::string> ChildProcesses::endRemaining() {
    std::vector<std::string> ended;
    for (ChildProcess& child : children_) {
        DWORD code = 0;
        if (child.keep || processExitCode(child.process, &code)) continue;
        TerminateProcess(child.process, 1);
        WaitForSingleObject(child.process, 2000);
        ended.push_back(child.name);
    }
    return ended;
}

bool processExitCode(HANDLE process, DWORD* code) {
    if (WaitForSingleObject(process, 0) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(process, code) != 0;
}
