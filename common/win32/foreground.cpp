#include "common/win32/foreground.h"

#include <string_view>

namespace orv {

namespace {

// Thread timers call back without a pointer of ours: the modal window is
// looked for among the thread's windows, the dialog among them that takes
// input (what it was shown over is disabled).
BOOL CALLBACK FindModalWindow(HWND window, LPARAM found) {
    char className[8] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string_view(className) != "#32770" || !IsWindowVisible(window) ||
        !IsWindowEnabled(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void CALLBACK BringModalForward(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND modal = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindModalWindow, reinterpret_cast<LPARAM>(&modal));
    if (!modal)
        return;
    KillTimer(nullptr, timer);
    TransferForeground(modal);
}

// The window a user would switch to that is highest on the screen, of
// another program: unowned, visible, not cloaked, not a tool window, not
// minimised.
BOOL CALLBACK FindTopUserWindow(HWND window, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    const auto extended = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
    if (process == GetCurrentProcessId() || !IsWindowVisible(window) || IsIconic(window) ||
        IsCloaked(window) || GetWindow(window, GW_OWNER) || (extended & WS_EX_TOOLWINDOW))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND TopUserWindow() {
    HWND found = nullptr;
    EnumWindows(FindTopUserWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

// Windows 8 and later hide the frames of suspended apps and of other virtual
// desktops by cloaking them: visible to every other test. Asked of the
// desktop window manager where it answers (loaded at run time: Windows 7
// knows no cloaking, Wine may have no such library).
bool IsCloaked(HWND window) {
    using GetAttribute = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);
    constexpr DWORD CloakedAttribute = 14;  // DWMWA_CLOAKED
    static const auto getAttribute = [] {
        HMODULE dwm = LoadLibraryA("dwmapi.dll");
        return dwm ? reinterpret_cast<GetAttribute>(
                         reinterpret_cast<void*>(GetProcAddress(dwm, "DwmGetWindowAttribute")))
                   : nullptr;
    }();
    DWORD cloaked = 0;
    return getAttribute &&
           SUCCEEDED(getAttribute(window, CloakedAttribute, &cloaked, sizeof cloaked)) &&
           cloaked != 0;
}

bool IsInFront(HWND target) {
    // A minimised window in front takes no typing.
    if (!target || IsIconic(target))
        return false;
    HWND front = GetForegroundWindow();
    for (int depth = 0; front && depth < 16; ++depth, front = GetWindow(front, GW_OWNER))
        if (front == target)
            return true;
    return false;
}

bool TransferForeground(HWND target) {
    if (!target || !IsWindow(target))
        return false;
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
    return IsInFront(target);
}

void ShowWithKeyboard(const std::function<void()>& show) {
    HWND before = GetForegroundWindow();
    // Soon after the window is up: the modal loop dispatches the timer.
    constexpr UINT LookMs = 10;
    const UINT_PTR timer = SetTimer(nullptr, 0, LookMs, BringModalForward);
    show();
    if (timer)
        KillTimer(nullptr, timer);
    HWND back = before && IsWindow(before) && IsWindowVisible(before) && !IsIconic(before)
                    ? before
                    : TopUserWindow();
    if (back)
        TransferForeground(back);
    else
        // Nothing to give it to: the next program to ask takes it from us.
        AllowSetForegroundWindow(ASFW_ANY);
}

void LetTakeForeground(HANDLE process) {
    LetProcessTakeForeground(process ? GetProcessId(process) : 0);
}

void LetProcessTakeForeground(DWORD process) {
    if (process)
        AllowSetForegroundWindow(process);
}

}  // namespace orv
