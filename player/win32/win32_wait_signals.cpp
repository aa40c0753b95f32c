#include "player/win32/win32_wait_signals.h"

#include "common/win32/process_names.h"
#include "common/win32/window_numbers.h"

namespace orv::player {

namespace {

constexpr UINT ClearWaitTimerMs = 30000;
constexpr UINT ProgTermTimerMs = 2000;

}  // namespace

void Win32WaitSignals::SetWaitByte(WaitByte which, bool on) {
    table_.SetWaitByte(which, on);
    hooks_.HandOver(HookSection::Waits, table_);
}

bool Win32WaitSignals::WaitByteSet(WaitByte which) {
    return table_.WaitByteSet(which);
}

WindowId Win32WaitSignals::ForegroundWindow() {
    return WindowNumber(GetForegroundWindow());
}

std::string Win32WaitSignals::Title(WindowId window) {
    char title[256] = {};
    GetWindowTextA(WindowFromNumber(window), title, sizeof title);
    return title;
}

bool Win32WaitSignals::ProgramRunning(std::string_view name) {
    // Asked of the system each time: the hook library's list keeps only the
    // first characters of each name.
    return FindProcessByName(name) != 0;
}

void Win32WaitSignals::SetProgTermTimer(bool on) {
    if (on)
        SetTimer(owner_, ProgTermTimerId, ProgTermTimerMs, nullptr);
    else
        KillTimer(owner_, ProgTermTimerId);
}

void Win32WaitSignals::StartClearWaitTimer() {
    SetTimer(owner_, ClearWaitTimerId, ClearWaitTimerMs, nullptr);
}

void Win32WaitSignals::ClearWaitFlag() {
    KillTimer(owner_, ClearWaitTimerId);
    SetWaitByte(WaitByte::InputProcessed, false);
}

bool Win32WaitSignals::OnTimer(UINT_PTR id) {
    if (id == ClearWaitTimerId) {
        ClearWaitFlag();
        return true;
    }
    if (id == ProgTermTimerId) {
        if (ProgTermTimerTick)
            ProgTermTimerTick();
        return true;
    }
    return false;
}

}  // namespace orv::player
