#include "player/win32/win32_player_host.h"

#include <mmsystem.h>

#include <fstream>

#include "common/win32/message_pump.h"
#include "common/injected_input.h"
#include "common/message_boxes.h"

namespace orv::player {

Win32PlayerHost::~Win32PlayerHost() {
    CloseWaitTimer();
    FineTimer(false);
}

void Win32PlayerHost::KeyEvent(std::uint8_t virtualKey, bool up) {
    keybd_event(virtualKey, static_cast<BYTE>(MapVirtualKeyA(virtualKey, 0)),
                up ? KEYEVENTF_KEYUP : 0, InjectedInputTag);
}

void Win32PlayerHost::MouseEvent(std::uint32_t flags, std::int32_t x, std::int32_t y,
                                 std::int32_t data) {
    mouse_event(flags, static_cast<DWORD>(x), static_cast<DWORD>(y), static_cast<DWORD>(data),
                InjectedInputTag);
}

std::optional<std::uint16_t> Win32PlayerHost::KeyForChar(unsigned char c) {
    const SHORT key = VkKeyScanA(static_cast<CHAR>(c));
    // No key: both bytes are -1.
    if (LOBYTE(key) == 0xFF && HIBYTE(key) == 0xFF)
        return std::nullopt;
    return static_cast<std::uint16_t>(key);
}

void Win32PlayerHost::CharEvent(unsigned char c) {
    const char ansi = static_cast<char>(c);
    WCHAR wide = 0;
    if (MultiByteToWideChar(CP_ACP, 0, &ansi, 1, &wide, 1) != 1)
        return;
    INPUT inputs[2]{};
    for (int i = 0; i < 2; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wScan = wide;
        inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i == 1 ? KEYEVENTF_KEYUP : 0);
        inputs[i].ki.dwExtraInfo = InjectedInputTag;
    }
    SendInput(2, inputs, sizeof(INPUT));
}

ScreenPoint Win32PlayerHost::ScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

ScreenPoint Win32PlayerHost::CursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

ScreenPoint Win32PlayerHost::ForegroundOrigin() {
    RECT r{};
    if (HWND foreground = GetForegroundWindow())
        GetWindowRect(foreground, &r);
    return {r.left, r.top};
}

bool Win32PlayerHost::MovePointerToCaret() {
    HWND foreground = GetForegroundWindow();
    const DWORD own = GetCurrentThreadId();
    const DWORD target = foreground ? GetWindowThreadProcessId(foreground, nullptr) : own;
    // The caret and the focus belong to the foreground thread's input state.
    const bool attached = target != own && AttachThreadInput(own, target, TRUE);
    POINT caret{};
    HWND focus = GetFocus();
    const bool found = focus && GetCaretPos(&caret) && ClientToScreen(focus, &caret);
    if (found)
        SetCursorPos(caret.x, caret.y);
    if (attached)
        AttachThreadInput(own, target, FALSE);
    return found;
}

std::uint64_t Win32PlayerHost::MonotonicMs() {
    // The performance counter, not the tick count: the tick moves in steps of
    // 15.6 ms on Windows, longer than the shortest delays a macro asks for.
    // It never goes back and cannot fail on Windows XP and later.
    static const LONGLONG perSecond = [] {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        return frequency.QuadPart;
    }();
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    const auto count = static_cast<std::uint64_t>(now.QuadPart);
    const auto frequency = static_cast<std::uint64_t>(perSecond);
    return count / frequency * 1000 + count % frequency * 1000 / frequency;
}

void Win32PlayerHost::PumpMessages() {
    // A quit is left for the program's own loop once the run is over.
    PumpPendingMessages();
}

void Win32PlayerHost::Idle(std::uint32_t ms) {
    MsgWaitForMultipleObjects(waitTimer_ ? 1 : 0, waitTimer_ ? &waitTimer_ : nullptr, FALSE, ms,
                              QS_ALLINPUT);
}

void Win32PlayerHost::FineTimer(bool on) {
    if (on == fineTimer_)
        return;
    // Each begin has its end with the same period, as the system requires.
    if (on) {
        fineTimer_ = timeBeginPeriod(1) == TIMERR_NOERROR;
    } else {
        timeEndPeriod(1);
        fineTimer_ = false;
    }
}

void Win32PlayerHost::OpenWaitTimer() {
    CloseWaitTimer();
    // Nothing ever releases it: a wait on it lasts exactly its time-out.
    waitTimer_ = CreateSemaphoreA(nullptr, 0, 10, "TavrolWaitTimer");
}

void Win32PlayerHost::CloseWaitTimer() {
    if (waitTimer_)
        CloseHandle(waitTimer_);
    waitTimer_ = nullptr;
}

void Win32PlayerHost::DoAMessage(std::string_view caption, std::string_view text) {
    if (OnMessage) {
        OnMessage(caption, text);
        return;
    }
    // In front of the foreground window and staying there: the player has no
    // window of its own to show it over.
    CurrentMessageBoxes().Show(
        caption, text, MsgStyle::Ok | MsgStyle::IconWarning | MB_TOPMOST | MB_SETFOREGROUND);
}

std::uint16_t Win32PlayerHost::DoRepPrompt() {
    return OnRepeatPrompt ? OnRepeatPrompt() : 0;
}

std::optional<std::string> Win32PlayerHost::MacroScript(std::string_view nickname) {
    if (!Shared)
        return std::nullopt;
    return Shared->MacroScript(nickname);
}

std::optional<std::string> Win32PlayerHost::ReadTextFile(std::string_view path,
                                                         std::size_t maxBytes) {
    std::ifstream file{std::string(path), std::ios::binary};
    if (!file)
        return std::nullopt;
    std::string text(maxBytes + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (file.bad())
        return std::nullopt;
    text.resize(static_cast<std::size_t>(file.gcount()));
    return text;
}

bool Win32PlayerHost::CapsLockOn() {
    // The player's window never has the keyboard focus: its thread's key
    // state follows the desktop's.
    return (GetKeyState(VK_CAPITAL) & 1) != 0;
}

void Win32PlayerHost::MarkMacroInUse(bool inUse) {
    if (Shared)
        Shared->SetMacroInUse(inUse);
}

void Win32PlayerHost::ShowRunning(bool running) {
    if (OnShowRunning)
        OnShowRunning(running);
}

void Win32PlayerHost::StartClearTimer() {
    if (OnStartClearTimer)
        OnStartClearTimer();
}

}  // namespace orv::player
