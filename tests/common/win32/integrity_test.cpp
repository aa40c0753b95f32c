#include "common/win32/integrity.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/win32/process_names.h"

namespace orv {
namespace {

std::string Beside(const char* file) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1) + file;
}

// What a standard user starts runs at its level: neither it nor a process
// that has ended is refused, so a missing level never stops a run.
TEST(Integrity, OurOwnLevelAndEndedProcessesAreNotAbove) {
    EXPECT_FALSE(RunsAboveUs(GetCurrentProcessId()));
    EXPECT_FALSE(RunsAboveUs(0));
    std::string command = "\"" + Beside("LOKARI.EXE") + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                               nullptr, nullptr, &startup, &child));
    EXPECT_FALSE(RunsAboveUs(child.dwProcessId));
    TerminateProcess(child.hProcess, 0);
    WaitForSingleObject(child.hProcess, 5000);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    EXPECT_FALSE(RunsAboveUs(child.dwProcessId));
}

TEST(Integrity, AWindowBelongsToItsThreadsProcess) {
    HWND window =
        CreateWindowA("STATIC", "Mine", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ProcessOfWindow(window), GetCurrentProcessId());
    DestroyWindow(window);
    EXPECT_EQ(ProcessOfWindow(window), 0u);
}

}  // namespace
}  // namespace orv
