#include "player/win32/win32_windows.h"

#include <shellapi.h>

#include "common/win32/process_names.h"
#include "common/win32/window_numbers.h"

namespace orv::player {

namespace {

// A window that does not answer never holds the run longer than this.
constexpr UINT SysCommandTimeoutMs = 5000;

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<WindowId>*>(list)->push_back(WindowNumber(window));
    return TRUE;
}

}  // namespace

void TransferForeground(HWND target) {
    const DWORD own = GetCurrentThreadId();
    HWND foreground = GetForegroundWindow();
    const DWORD foregroundThread = foreground ? GetWindowThreadProcessId(foreground, nullptr) : own;
    const DWORD targetThread = GetWindowThreadProcessId(target, nullptr);
    const bool withForeground =
        foregroundThread != own && AttachThreadInput(own, foregroundThread, TRUE);
    // While the player's own window is in front (a dialog of its own has just
    // closed) it may hand the foreground on as it is; a target joined to its
    // input would take the foreground away with it when they part again.
    const bool withTarget = withForeground && targetThread != own &&
                            targetThread != foregroundThread &&
                            AttachThreadInput(targetThread, own, TRUE);
    SetForegroundWindow(target);
    BringWindowToTop(target);
    // A control inside the window keeps its focus.
    HWND focus = GetFocus();
    if (focus != target && !IsChild(target, focus))
        SetFocus(target);
    if (withTarget)
        AttachThreadInput(targetThread, own, FALSE);
    if (withForeground)
        AttachThreadInput(own, foregroundThread, FALSE);
    // Parting can leave the foreground with the input the target has left
    // (Wine does so): no window then takes the keys that follow.
    if (withTarget && GetForegroundWindow() != target)
        SetForegroundWindow(target);
}

WindowId Win32Windows::FindExactTitle(std::string_view title) {
    return WindowNumber(FindWindowA(nullptr, std::string(title).c_str()));
}

std::vector<WindowId> Win32Windows::TopLevelWindows() {
    std::vector<WindowId> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string Win32Windows::Title(WindowId window) {
    char title[256] = {};
    GetWindowTextA(WindowFromNumber(window), title, sizeof title);
    return title;
}

WindowId Win32Windows::Foreground() {
    return WindowNumber(GetForegroundWindow());
}

std::uint32_t Win32Windows::ProcessOf(WindowId window) {
    DWORD process = 0;
    GetWindowThreadProcessId(WindowFromNumber(window), &process);
    return process;
}

std::uint32_t Win32Windows::FindProcess(std::string_view namePart) {
    return FindProcessByName(namePart);
}

void Win32Windows::BringToFront(WindowId window) {
    HWND w = WindowFromNumber(window);
    if (IsIconic(w))
        ShowWindow(w, SW_RESTORE);
    TransferForeground(w);
}

void Win32Windows::PostQuit(WindowId window) {
    PostMessageA(WindowFromNumber(window), WM_QUIT, 0, 0);
}

void Win32Windows::Show(WindowId window, bool visible) {
    ShowWindow(WindowFromNumber(window), visible ? SW_SHOW : SW_HIDE);
}

void Win32Windows::Resize(WindowId window, std::int32_t width, std::int32_t height) {
    SetWindowPos(WindowFromNumber(window), nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Windows::Move(WindowId window, std::int32_t x, std::int32_t y) {
    SetWindowPos(WindowFromNumber(window), nullptr, x, y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Windows::SendSysCommand(WindowId window, std::uint16_t code) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(WindowFromNumber(window), WM_SYSCOMMAND, code, 0, SMTO_ABORTIFHUNG,
                        SysCommandTimeoutMs, &result);
}

std::int64_t Win32Windows::ShellOpen(std::string_view file, std::string_view parameters) {
    const HINSTANCE result = ShellExecuteA(owner_, "open", std::string(file).c_str(),
                                           std::string(parameters).c_str(), "", SW_SHOWNORMAL);
    return static_cast<std::int64_t>(reinterpret_cast<INT_PTR>(result));
}

void Win32Windows::SetSecondWindow(WindowId window, bool on) {
    SetSecWind(table_, hooks_, notices_, window, on);
}

}  // namespace orv::player
