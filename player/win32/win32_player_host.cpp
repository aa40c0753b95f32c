#include "player/win32/win32_player_host.h"

#include <mmsystem.h>

#include <array>
#include <fstream>

#include "common/win32/focused_keyboard.h"
#include "common/win32/foreground.h"
#include "common/win32/integrity.h"
#include "common/win32/kernel_objects.h"
#include "common/win32/message_pump.h"
#include "common/win32/process_names.h"
#include "common/injected_input.h"
#include "common/message_boxes.h"

namespace orv::player {

Win32PlayerHost::~Win32PlayerHost() {
    CloseWaitTimer();
    FineTimer(false);
}

void Win32PlayerHost::KeyEvent(std::uint8_t virtualKey, bool up, bool extended) {
    const UINT scan = MapVirtualKeyExA(virtualKey, MAPVK_VK_TO_VSC, FocusedKeyboardLayout());
    keybd_event(virtualKey, static_cast<BYTE>(scan),
                (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0),
                InjectedInputTag);
}

void Win32PlayerHost::MouseEvent(std::uint32_t flags, std::int32_t x, std::int32_t y,
                                 std::int32_t data) {
    mouse_event(flags, static_cast<DWORD>(x), static_cast<DWORD>(y), static_cast<DWORD>(data),
                InjectedInputTag);
}

namespace {

// The key, pressed in that shift state, only puts an accent over the next
// character. Asked so that the layout's state is left as it was: bit 2 keeps
// it on Windows 10 1607 and later; before, the Space asked next takes the
// accent away again.
bool IsDeadKey(BYTE vk, BYTE shiftState, HKL layout) {
    BYTE keys[256] = {};
    if (shiftState & 1)
        keys[VK_SHIFT] = 0x80;
    if (shiftState & 2)
        keys[VK_CONTROL] = 0x80;
    if (shiftState & 4)
        keys[VK_MENU] = 0x80;
    constexpr UINT KeepKeyboardState = 4;
    WCHAR out[8];
    if (ToUnicodeEx(vk, MapVirtualKeyExA(vk, MAPVK_VK_TO_VSC, layout), keys, out, 8,
                    KeepKeyboardState, layout) >= 0)
        return false;
    const BYTE none[256] = {};
    ToUnicodeEx(VK_SPACE, MapVirtualKeyExA(VK_SPACE, MAPVK_VK_TO_VSC, layout), none, out, 8,
                KeepKeyboardState, layout);
    return true;
}

}  // namespace

std::optional<std::uint16_t> Win32PlayerHost::KeyForChar(unsigned char c) {
    const HKL layout = FocusedKeyboardLayout();
    const SHORT key = VkKeyScanExA(static_cast<CHAR>(c), layout);
    // No key: both bytes are -1.
    if (LOBYTE(key) == 0xFF && HIBYTE(key) == 0xFF)
        return std::nullopt;
    // A dead key's character goes as the character itself, alone.
    if (IsDeadKey(LOBYTE(key), HIBYTE(key), layout))
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

VirtualScreenArea Win32PlayerHost::VirtualScreen() {
    return {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
            GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
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

namespace {

// Windows 11 ignores the period a process asks for while none of its
// windows is seen, as the player's mostly are not, unless the process opts
// out; looked up, since Windows 7 lacks the call and earlier systems refuse
// the flag (they honour the period anyway).
void KeepTimerResolutionWhileHidden() {
    using SetInformation = BOOL(WINAPI*)(HANDLE, PROCESS_INFORMATION_CLASS, LPVOID, DWORD);
    const auto set = reinterpret_cast<SetInformation>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetProcessInformation")));
    if (!set)
        return;
    PROCESS_POWER_THROTTLING_STATE state{};
    state.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
    state.ControlMask = PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION;
    state.StateMask = 0;  // controlled and off: the period is honoured
    set(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof state);
}

}  // namespace

void Win32PlayerHost::FineTimer(bool on) {
    if (on == fineTimer_)
        return;
    // Each begin has its end with the same period, as the system requires.
    if (on) {
        KeepTimerResolutionWhileHidden();
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
    // In front of the foreground window and staying there, with the keyboard:
    // the player has no window of its own to show it over.
    ShowWithKeyboard([&] {
        CurrentMessageBoxes().Show(caption, text,
                                   MsgStyle::Ok | MsgStyle::IconWarning | MB_TOPMOST);
    });
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
    // This thread never has the keyboard focus, and its key state follows
    // only the key messages it reads: the hooks' word comes first.
    if (hookCapsLock_)
        return *hookCapsLock_;
    return (GetKeyState(VK_CAPITAL) & 1) != 0;
}

ModifierKeySet Win32PlayerHost::ModifierKeysDown() {
    ModifierKeySet down = 0;
    for (std::uint8_t vk : ModifierKeys)
        if (GetAsyncKeyState(vk) & 0x8000)
            down |= ModifierKeyBit(vk);
    return down;
}

ModifierKeySet Win32PlayerHost::ModifierKeysStillHeld(ModifierKeySet lifted) {
    // The system's key state shows the player's release; the hook library
    // sees the keyboard itself and says, key by key, when the user let go.
    static const std::array<HANDLE, ModifierKeys.size()> hookSawItUp = [] {
        std::array<HANDLE, ModifierKeys.size()> events{};
        for (std::size_t i = 0; i < ModifierKeys.size(); ++i)
            events[i] = CreateEventA(nullptr, TRUE, FALSE,
                                     KernelName::ModifierKeyUp(ModifierKeys[i]).c_str());
        return events;
    }();
    ModifierKeySet held = lifted;
    for (std::size_t i = 0; i < ModifierKeys.size(); ++i)
        if (hookSawItUp[i] && WaitForSingleObject(hookSawItUp[i], 0) == WAIT_OBJECT_0)
            held &= static_cast<ModifierKeySet>(~(1u << i));
    return held;
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

// Asked again only when another window comes to the front: the check opens
// the window's process.
std::optional<std::string> Win32PlayerHost::ElevatedForeground() {
    HWND front = GetForegroundWindow();
    if (front != elevationAsked_) {
        elevationAsked_ = front;
        elevated_ = front && RunsAboveUs(ProcessOfWindow(front));
    }
    if (!elevated_)
        return std::nullopt;
    char title[256] = {};
    GetWindowTextA(front, title, sizeof title);
    return std::string(title);
}

}  // namespace orv::player
