#include "hook/win32/watcher.h"

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "common/hook_table.h"
#include "common/program_messages.h"
#include "common/win32/window_numbers.h"
#include "hook/input_decision.h"
#include "hook/win32/master_table.h"

namespace orv {
namespace {

// Until the system has told of a new front window, the front window is
// looked at this often: Wine 8 tells of none.
constexpr DWORD ForegroundPollMs = 100;
// A program that comes to the front is listed by the player at once; the
// ones that start or end behind it are seen by a look every two seconds
// (under Wine each look takes a millisecond of the player's time).
constexpr DWORD ProgramsPollMs = 2000;
constexpr DWORD StopWaitMs = 2000;

HANDLE Thread = nullptr;
HANDLE StopEvent = nullptr;

// Touched on the watcher's thread only: the notice runs there.
HWND Front = nullptr;
bool ForegroundNoticed = false;

// The IDs of the running processes, sorted: a program that ended and one
// that started between two looks change the set, not the count.
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

void LookAtFront() {
    HWND now = GetForegroundWindow();
    if (now && now != Front) {
        Front = now;
        TellPlayer(ProgramMessage::WindowActivated, WindowNumber(now));
    }
}

void CALLBACK ForegroundChanged(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
    ForegroundNoticed = true;
    LookAtFront();
}

// Out of context: the system queues its notice to this thread, and nothing
// is loaded into other processes. Windows made and destroyed are not asked
// for: with that notice on, under Wine a Ctrl pressed just after the tray
// menu was far more often read back from the system as released, and the hot
// key it began went by as a plain key.
class ForegroundNotice {
  public:
    ForegroundNotice()
        : hook_(SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                                ForegroundChanged, 0, 0, WINEVENT_OUTOFCONTEXT)) {}
    ForegroundNotice(const ForegroundNotice&) = delete;
    ForegroundNotice& operator=(const ForegroundNotice&) = delete;
    ~ForegroundNotice() {
        if (hook_)
            UnhookWinEvent(hook_);
    }

  private:
    HWINEVENTHOOK hook_;
};

// The running programs, told to the player when their set changed.
class Programs {
  public:
    DWORD DueInMs() const {
        const DWORD since = GetTickCount() - listedAt_;
        return since >= ProgramsPollMs ? 0 : ProgramsPollMs - since;
    }

    void ListWhenDue() {
        if (DueInMs() != 0)
            return;
        listedAt_ = GetTickCount();
        std::vector<DWORD> fresh = ProcessIds();
        if (fresh == ids_)
            return;
        ids_.swap(fresh);
        TellPlayer(ProgramMessage::ProgramsChanged, 0);
    }

  private:
    std::vector<DWORD> ids_ = ProcessIds();
    DWORD listedAt_ = GetTickCount();
};

// Runs the notices queued for this thread; false once the stop is asked for.
bool WaitForNotices(DWORD timeoutMs) {
    if (MsgWaitForMultipleObjects(1, &StopEvent, FALSE, timeoutMs, QS_ALLINPUT) == WAIT_OBJECT_0)
        return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    return true;
}

void Watch() {
    const ForegroundNotice notice;
    Front = GetForegroundWindow();
    Programs programs;
    const auto nextLookMs = [&] {
        return ForegroundNoticed ? programs.DueInMs()
                                 : std::min(ForegroundPollMs, programs.DueInMs());
    };
    while (WaitForNotices(nextLookMs())) {
        if (!ForegroundNoticed)
            LookAtFront();
        programs.ListWhenDue();
    }
}

DWORD WINAPI WatcherMain(void* module) {
    Watch();
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
