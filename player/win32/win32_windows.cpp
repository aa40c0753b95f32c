#include "player/win32/win32_windows.h"

#include <shellapi.h>

#include "common/win32/foreground.h"
#include "common/win32/process_names.h"
#include "common/win32/window_numbers.h"
#include "player/launch_path.h"

namespace orv::player {

namespace {

// A window that does not answer never holds the run longer than this.
constexpr UINT SysCommandTimeoutMs = 5000;

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<WindowId>*>(list)->push_back(WindowNumber(window));
    return TRUE;
}

// A 32-bit player on 64-bit Windows sees SysWOW64 where a path names
// System32; a program only the 64-bit System32 has is started through
// Sysnative.
std::string PathToStart(std::string_view file) {
    BOOL wow64 = FALSE;
    if (!IsWow64Process(GetCurrentProcess(), &wow64) || !wow64)
        return std::string(file);
    char windows[MAX_PATH] = {};
    const UINT length = GetSystemWindowsDirectoryA(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string(file);
    return ThroughSysnative(file, windows, [](const std::string& path) {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    });
}

}  // namespace

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

WindowLook Win32Windows::Look(WindowId window) {
    HWND w = WindowFromNumber(window);
    const auto extended = static_cast<DWORD>(GetWindowLongPtrA(w, GWL_EXSTYLE));
    WindowLook look;
    look.Visible = IsWindowVisible(w) != 0;
    look.Cloaked = look.Visible && IsCloaked(w);
    look.ToolWindow = (extended & WS_EX_TOOLWINDOW) != 0;
    look.RootOwner = WindowNumber(GetAncestor(w, GA_ROOTOWNER));
    look.LastActivePopup = WindowNumber(GetLastActivePopup(w));
    return look;
}

WindowId Win32Windows::Foreground() {
    return WindowNumber(GetForegroundWindow());
}

std::uint32_t Win32Windows::ProcessOf(WindowId window) {
    return ProcessOfWindow(WindowFromNumber(window));
}

std::uint32_t Win32Windows::FindProcess(std::string_view namePart) {
    return FindProcessByName(namePart);
}

bool Win32Windows::InFront(WindowId window) {
    return IsInFront(WindowFromNumber(window));
}

bool Win32Windows::BringToFront(WindowId window) {
    HWND w = WindowFromNumber(window);
    if (IsIconic(w))
        ShowWindow(w, SW_RESTORE);
    return TransferForeground(w);
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
    const std::string path = PathToStart(file);
    const std::string arguments(parameters);
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    // The process, where one starts, so that it may bring its window forward.
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = owner_;
    info.lpVerb = "open";
    info.lpFile = path.c_str();
    info.lpParameters = arguments.c_str();
    info.lpDirectory = "";
    info.nShow = SW_SHOWNORMAL;
    const bool started = ShellExecuteExA(&info) != 0;
    if (info.hProcess) {
        LetTakeForeground(info.hProcess);
        CloseHandle(info.hProcess);
    }
    // Above 32 for success, the shell's error number up to 32 otherwise, as
    // the plain call answers.
    const auto result = static_cast<std::int64_t>(reinterpret_cast<INT_PTR>(info.hInstApp));
    if (started)
        return result > 32 ? result : 33;
    return result >= 0 && result <= 32 ? result : 0;
}

void Win32Windows::SetSecondWindow(WindowId window, bool on) {
    SetSecWind(table_, hooks_, notices_, window, on);
}

}  // namespace orv::player
