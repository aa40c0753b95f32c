#include "tests/support/win32/process.h"

namespace orv::testing {
namespace {

bool Launch(const std::string& commandLine, PROCESS_INFORMATION& info) {
    std::string line = commandLine;  // the call may write into it
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info) != FALSE;
}

}  // namespace

HANDLE StartProcess(const std::string& commandLine) {
    PROCESS_INFORMATION info{};
    if (!Launch(commandLine, info))
        return nullptr;
    CloseHandle(info.hThread);
    return info.hProcess;
}

bool StartHostProgram(const std::string& commandLine) {
    // Wine answers the start of a Linux program with success but leaves the
    // handles of the answer as whatever its own stack held: closing them
    // closes handles still in use in this process (a socket, once). They are
    // never touched.
    PROCESS_INFORMATION info{};
    return Launch(commandLine, info);
}

}  // namespace orv::testing
