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

// Only where the system's notices cannot be hooked.
constexpr DWORD ForegroundPollMs = 100;
// The running programs are listed at most once a second after a window came
// or went; a program that never shows a window is seen by a look every ten
// seconds.
constexpr DWORD ProgramsAfterWindowsMs = 1000;
constexpr DWORD ProgramsPollMs = 10000;
constexpr DWORD StopWaitMs = 2000;

HANDLE Thread = nullptr;
HANDLE StopEvent = nullptr;

// Touched on the watcher's thread only: the notices run there.
HWND Front = nullptr;
bool WindowsCameOrWent = false;

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

void LookAtFront() {
    HWND now = GetForegroundWindow();
    if (now && now != Front) {
        Front = now;
        TellPlayer(ProgramMessage::WindowActivated, WindowNumber(now));
    }
}

void CALLBACK Noticed(HWINEVENTHOOK, DWORD event, HWND, LONG object, LONG, DWORD, DWORD) {
    if (event == EVENT_OBJECT_CREATE || event == EVENT_OBJECT_DESTROY)
        WindowsCameOrWent = WindowsCameOrWent || object == OBJID_WINDOW;
    else
        LookAtFront();
}

// Out of context: the system queues its notices to this thread, and nothing
// is loaded into other processes.
HWINEVENTHOOK Notice(DWORD event, DWORD lastEvent) {
    return SetWinEventHook(event, lastEvent, nullptr, Noticed, 0, 0, WINEVENT_OUTOFCONTEXT);
}

// A new front window is told by the foreground notice, and by the focus
// notice that comes with every activation: Wine 8 sends only the latter.
struct Notices {
    HWINEVENTHOOK foreground = Notice(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND);
    HWINEVENTHOOK focus = Notice(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS);
    HWINEVENTHOOK windows = Notice(EVENT_OBJECT_CREATE, EVENT_OBJECT_DESTROY);

    Notices() = default;
    Notices(const Notices&) = delete;
    Notices& operator=(const Notices&) = delete;
    ~Notices() {
        for (HWINEVENTHOOK hook : {foreground, focus, windows})
            if (hook)
                UnhookWinEvent(hook);
    }
    bool TellFront() const { return foreground && focus; }
};

// The running programs, told to the player when their set changed.
class Programs {
  public:
    explicit Programs(bool windowsNoticed) : windowsNoticed_(windowsNoticed) {}

    DWORD DueInMs() const {
        const DWORD every =
            !windowsNoticed_ || WindowsCameOrWent ? ProgramsAfterWindowsMs : ProgramsPollMs;
        const DWORD since = GetTickCount() - listedAt_;
        return since >= every ? 0 : every - since;
    }

    void ListWhenDue() {
        if (DueInMs() != 0)
            return;
        listedAt_ = GetTickCount();
        WindowsCameOrWent = false;
        std::vector<DWORD> fresh = ProcessIds();
        if (fresh == ids_)
            return;
        ids_.swap(fresh);
        TellPlayer(ProgramMessage::ProgramsChanged, 0);
    }

  private:
    bool windowsNoticed_;
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
    const Notices notices;
    Front = GetForegroundWindow();
    Programs programs(notices.windows != nullptr);
    const bool polling = !notices.TellFront();
    while (WaitForNotices(polling ? std::min(ForegroundPollMs, programs.DueInMs())
                                  : programs.DueInMs())) {
        if (polling)
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
