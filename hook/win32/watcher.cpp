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

// The system tells of a new front window and of windows made and destroyed.
// Until it has told of a new front window, the front window is looked at
// this often as well (Wine does not send that notice to this thread).
constexpr DWORD ForegroundPollMs = 100;
// The running programs are listed at most once a second, after a window came
// or went; programs without windows are only seen by a look every ten seconds.
constexpr DWORD ProgramsAfterNoticeMs = 1000;
constexpr DWORD ProgramsPollMs = 10000;
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

// Touched on the watcher's thread only.
HWND Front = nullptr;
bool ProgramsMayHaveChanged = false;
bool ForegroundNoticed = false;

void LookAtFront() {
    HWND now = GetForegroundWindow();
    if (now && now != Front) {
        Front = now;
        ProgramsMayHaveChanged = true;
        TellPlayer(HookMessage::WindowActivated, WindowNumber(now));
    }
}

void CALLBACK Noticed(HWINEVENTHOOK, DWORD event, HWND, LONG object, LONG, DWORD, DWORD) {
    if (event == EVENT_SYSTEM_FOREGROUND) {
        ForegroundNoticed = true;
        LookAtFront();
    } else if (object == OBJID_WINDOW)
        ProgramsMayHaveChanged = true;
}

// Out of context: the system queues its notices to this thread, and nothing
// is loaded into other processes.
HWINEVENTHOOK Notice(DWORD first, DWORD last) {
    return SetWinEventHook(first, last, nullptr, Noticed, 0, 0, WINEVENT_OUTOFCONTEXT);
}

// Runs the notices queued for this thread; false once the stop is asked for.
bool WaitForNotices(DWORD timeoutMs) {
    if (MsgWaitForMultipleObjects(1, &StopEvent, FALSE, timeoutMs, QS_ALLINPUT) == WAIT_OBJECT_0)
        return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    return true;
}

DWORD WINAPI WatcherMain(void* module) {
    HWINEVENTHOOK foreground = Notice(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND);
    HWINEVENTHOOK windows = Notice(EVENT_OBJECT_CREATE, EVENT_OBJECT_DESTROY);
    Front = GetForegroundWindow();
    std::vector<DWORD> processes = ProcessIds();
    DWORD listedAt = GetTickCount();
    // The time until the programs are due to be listed again.
    const auto programsDueIn = [&] {
        const DWORD every =
            !windows || ProgramsMayHaveChanged ? ProgramsAfterNoticeMs : ProgramsPollMs;
        const DWORD since = GetTickCount() - listedAt;
        return since >= every ? 0 : every - since;
    };
    const auto polling = [&] { return !foreground || !ForegroundNoticed; };
    while (
        WaitForNotices(polling() ? std::min(ForegroundPollMs, programsDueIn()) : programsDueIn())) {
        if (polling())
            LookAtFront();
        if (programsDueIn() != 0)
            continue;
        listedAt = GetTickCount();
        ProgramsMayHaveChanged = false;
        std::vector<DWORD> fresh = ProcessIds();
        if (fresh != processes) {
            processes.swap(fresh);
            TellPlayer(HookMessage::ProgramsChanged, 0);
        }
    }
    for (HWINEVENTHOOK hook : {foreground, windows})
        if (hook)
            UnhookWinEvent(hook);
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
