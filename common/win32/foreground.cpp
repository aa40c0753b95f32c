#include "common/win32/foreground.h"

namespace orv {

namespace {

// The target, or a window it owns (a dialog it shows), is in front.
bool InFront(HWND target) {
    HWND front = GetForegroundWindow();
    for (int depth = 0; front && depth < 16; ++depth, front = GetWindow(front, GW_OWNER))
        if (front == target)
            return true;
    return false;
}

}  // namespace

bool TransferForeground(HWND target) {
    if (!target || !IsWindow(target))
        return false;
    if (IsIconic(target))
        ShowWindow(target, SW_RESTORE);
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
    return InFront(target);
}

void LetTakeForeground(HANDLE process) {
    if (const DWORD id = process ? GetProcessId(process) : 0)
        AllowSetForegroundWindow(id);
}

}  // namespace orv
