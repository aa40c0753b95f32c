#include "tests/support/win32/process.h"

namespace orv::testing {
namespace {

// Wine starts a Linux program without a process handle: success is the
// call's answer, not the handle.
bool Launch(const std::string& commandLine, HANDLE& process) {
    std::string line = commandLine;  // the call may write into it
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return false;
    if (info.hThread)
        CloseHandle(info.hThread);
    process = info.hProcess;
    return true;
}

}  // namespace

HANDLE StartProcess(const std::string& commandLine) {
    HANDLE process = nullptr;
    Launch(commandLine, process);
    return process;
}

bool StartDetached(const std::string& commandLine) {
    HANDLE process = nullptr;
    if (!Launch(commandLine, process))
        return false;
    if (process)
        CloseHandle(process);
    return true;
}

}  // namespace orv::testing
