#include "hook/win32/watcher.h"

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "common/hook_table.h"
#include "common/win32/window_numbers.h"
#include "hook/input_decision.h"
#include "hook/win32/master_table.h"

namespace orv {
namespace {

constexpr DWORD ForegroundPollMs = 100;
constexpr int PollsPerSnapshot = 10;  // the running programs about every second
constexpr DWORD StopWaitMs = 2000;

HANDLE Thread = nullptr;
HANDLE StopEvent = nullptr;

// The IDs of the running processes, sorted: a program that ended and one
// that started in the same second change the set, not the count.
std::vector<DWORD> ProcessIds() {
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return ids;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        ids.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    std::sort(ids.begin(), ids.end());
    return ids;
}

void TellPlayer(std::uint32_t message, std::uint32_t wParam) {
    const ConstBytes table = MasterTableImage();
    const std::uint32_t player = table.empty() ? 0 : GetU32(table, HookAt::PlayerWindow);
    if (player != 0)
        PostMessageA(WindowFromNumber(player), message, wParam, 0);
}

DWORD WINAPI WatcherMain(void* module) {
    HWND front = GetForegroundWindow();
    std::vector<DWORD> processes = ProcessIds();
    for (int poll = 1; WaitForSingleObject(StopEvent, ForegroundPollMs) == WAIT_TIMEOUT; ++poll) {
        HWND now = GetForegroundWindow();
        if (now && now != front) {
            front = now;
            TellPlayer(ProgramMessage::WindowActivated, WindowNumber(now));
        }
        if (poll % PollsPerSnapshot != 0)
            continue;
        std::vector<DWORD> fresh = ProcessIds();
        if (fresh != processes) {
            processes.swap(fresh);
            TellPlayer(ProgramMessage::ProgramsChanged, 0);
        }
    }
    // The thread holds the library loaded until it has left its code.
    FreeLibraryAndExitThread(static_cast<HMODULE>(module), 0);
}

}  // namespace

bool StartWatcher() {
    if (Thread)
        return true;
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                            reinterpret_cast<LPCSTR>(&WatcherMain), &module))
        return false;
    StopEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    Thread = StopEvent ? CreateThread(nullptr, 0, WatcherMain, module, 0, nullptr) : nullptr;
    if (Thread)
        return true;
    if (StopEvent)
        CloseHandle(StopEvent);
    StopEvent = nullptr;
    FreeLibrary(module);
    return false;
}

void StopWatcher() {
    if (!Thread)
        return;
    SetEvent(StopEvent);
    WaitForSingleObject(Thread, StopWaitMs);
    CloseHandle(Thread);
    CloseHandle(StopEvent);
    Thread = nullptr;
    StopEvent = nullptr;
}

}  // namespace orv
