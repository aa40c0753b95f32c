#include "hook/win32/input_thread.h"

#include <windows.h>

#include <array>
#include <span>

#include "common/injected_input.h"
#include "common/win32/focused_keyboard.h"
#include "common/win32/kernel_objects.h"
#include "common/win32/window_numbers.h"
#include "hook/hook_watch.h"
#include "hook/input_decision.h"
#include "hook/win32/layout_learning.h"
#include "hook/win32/master_table.h"
#include "hook/win32/posting.h"
#include "hook/win32/system_key_state.h"
#include "hook/win32/watcher.h"

namespace orv {
namespace {

constexpr UINT WM_INSTALL_HOOK = WM_APP + 1;  // wParam the role; answers the handle
constexpr UINT WM_REMOVE_HOOK = WM_APP + 2;   // wParam the handle; answers 1 or 0
constexpr UINT WM_IN_USE_CHANGED = WM_APP + 3;
constexpr UINT WM_LEARN_LAYOUT = WM_APP + 4;  // lParam the layout
constexpr UINT_PTR HookWatchTimer = 1;
constexpr UINT CallerWaitMs = 5000;
constexpr int RoleCount = 4;
constexpr const char* ControlClass = "OrnHookInputThread";

// Everything below is touched on the input thread only.
struct InputThread {
    SystemKeyState keyState;
    InputDecider decider;
    HHOOK keyboard = nullptr;
    HHOOK mouse = nullptr;
    std::array<std::int32_t, RoleCount> handles{};
    std::uint32_t generation = 0;
    HANDLE swapMapping = nullptr;
    const std::uint8_t* swaps = nullptr;  // the remap table in the player's block
    std::array<wchar_t, 256> wide{};      // each ANSI character as typed
    LearnedLayouts layouts;
    HKL layout = nullptr;  // the one the decider reads keys with
    HKL layoutAsked = nullptr;
    HANDLE modifiersUp = nullptr;  // KernelName::ModifiersUp
    bool modifiersUpShown = false;
    std::array<HANDLE, ModifierKeys.size()> keyUp{};  // KernelName::ModifierKeyUp
    ModifierKeySet keysUpShown = 0;
    HookWatch watch;
};

InputThread* Input = nullptr;
HWND Control = nullptr;  // the input thread's message-only window

HINSTANCE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&ThisModule), &module);
    return module;
}

// A key down and up, marked so that these hooks let it pass.
void Type(WORD vk, wchar_t character) {
    INPUT input[2] = {};
    for (INPUT& in : input) {
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.wScan = character;
        in.ki.dwFlags = character ? KEYEVENTF_UNICODE : 0;
        in.ki.dwExtraInfo = InjectedInputTag;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

// The user's keys held back, as they came, then the button press that waited
// behind them, marked so that these hooks take them for the user's own and
// never hold them again.
void Replay(std::span<const HeldKey> keys, std::uint8_t button) {
    std::array<INPUT, InputDecider::HeldKeyRoom + 1> input{};
    std::size_t n = 0;
    for (const HeldKey& key : keys) {
        if (n == InputDecider::HeldKeyRoom)
            break;
        INPUT& in = input[n++];
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key.vk;
        in.ki.wScan = key.scanCode;
        in.ki.dwFlags = (key.up ? KEYEVENTF_KEYUP : 0) | (key.extended ? KEYEVENTF_EXTENDEDKEY : 0);
        in.ki.dwExtraInfo = ReplayedInputTag;
    }
    if (button >= 1 && button <= 3) {
        // Where the pointer is: the press it stands for was there a moment ago.
        constexpr DWORD presses[] = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTDOWN,
                                     MOUSEEVENTF_MIDDLEDOWN};
        INPUT& in = input[n++];
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = presses[button - 1];
        in.mi.dwExtraInfo = ReplayedInputTag;
    }
    if (n > 0)
        SendInput(static_cast<UINT>(n), input.data(), sizeof(INPUT));
}

// The injections come last: the system may run these hooks again for them
// before SendInput returns, and the decision is complete by then.
void CarryOut(const InputDecision& d) {
    PostDecision(d);
    if (d.maskModifiers)
        Type(VirtualKey::Unassigned, 0);
    if (d.typeInstead != 0)
        Type(0, Input->wide[d.typeInstead]);
    if (d.replayHeld)
        Replay(Input->decider.TakeHeldKeys(), d.replayButton);
}

void Show(HANDLE event, bool on) {
    if (!event)
        return;
    if (on)
        SetEvent(event);
    else
        ResetEvent(event);
}

// The player, waiting to start a hot key's macro until the user lets go of
// the modifiers, wakes at the release itself rather than at its next look at
// the keyboard; typing, it puts back each modifier key it let go of only
// while the user still holds it. Only a change is told; without the keyboard
// hook nothing is known, and the player looks for itself.
void ShowModifiersUp() {
    const ModifierKeySet up =
        Input->keyboard ? static_cast<ModifierKeySet>(~Input->decider.UserModifierKeys()) : 0;
    for (std::size_t i = 0; i < ModifierKeys.size(); ++i) {
        const auto bit = static_cast<ModifierKeySet>(1u << i);
        if ((up ^ Input->keysUpShown) & bit)
            Show(Input->keyUp[i], (up & bit) != 0);
    }
    Input->keysUpShown = up;
    const bool allUp = Input->keyboard && !Input->decider.AnyModifierHeld();
    if (allUp != Input->modifiersUpShown)
        Show(Input->modifiersUp, allUp);
    Input->modifiersUpShown = allUp;
}

struct LetterSearch {
    wchar_t letter;
    bool found = false;
};

// Only a label's or a button's caption has "&" letters; an edit box's text is
// what the user typed. Class and style are the window's own, never asked of
// its thread.
bool CaptionHasLetters(HWND control) {
    std::array<char, 32> name{};
    if (GetClassNameA(control, name.data(), static_cast<int>(name.size())) == 0)
        return false;
    if (lstrcmpiA(name.data(), "Static") == 0)
        return (GetWindowLongPtrA(control, GWL_STYLE) & SS_NOPREFIX) == 0;
    return lstrcmpiA(name.data(), "Button") == 0;
}

// A control the dialog manager would choose by its "&" letter: shown,
// enabled, a label or button with the letter after a single "&". The text is
// read from the window itself, never asked of its thread, which may be busy.
BOOL CALLBACK FindLetter(HWND control, LPARAM search) {
    auto& s = *reinterpret_cast<LetterSearch*>(search);
    if (!IsWindowVisible(control) || !IsWindowEnabled(control) || !CaptionHasLetters(control))
        return TRUE;
    std::array<wchar_t, 256> text{};
    const int length = InternalGetWindowText(control, text.data(), static_cast<int>(text.size()));
    for (int i = 0; i + 1 < length; ++i) {
        if (text[i] != L'&')
            continue;
        ++i;
        if (text[i] == s.letter || (text[i] >= L'a' && text[i] <= L'z' && text[i] - 32 == s.letter))
            s.found = true;
    }
    return s.found ? FALSE : TRUE;
}

// Whether the key is one of the "&" letters of the dialog that holds the
// focus: asked of the system only while a dialog asks for a combination.
bool DialogLetter(std::uint16_t vk, bool up, HWND focus) {
    const bool letter = (vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9');
    if (up || !letter || !focus || !InputDecider::AsksForCombination(MasterTableImage()))
        return false;
    LetterSearch search{static_cast<wchar_t>(vk)};
    EnumChildWindows(GetAncestor(focus, GA_ROOT), FindLetter, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void UseLayout(HKL handle, const KeyLayout& layout) {
    Input->layout = handle;
    Input->decider.layout = layout;
}

// A layout not learned yet is learned between events, not inside one: the
// system gives a hook procedure only so long. Until then keys are read with
// the layout before.
void FollowFocusedLayout() {
    const HKL focused = FocusedKeyboardLayout();
    if (focused == Input->layout)
        return;
    if (const KeyLayout* known = Input->layouts.Find(focused))
        return UseLayout(focused, *known);
    if (focused != Input->layoutAsked && Control)
        PostMessageA(Control, WM_LEARN_LAYOUT, 0, reinterpret_cast<LPARAM>(focused));
    Input->layoutAsked = focused;
}

void LearnAskedLayout(HKL handle) {
    if (!Input->layouts.Find(handle))
        UseLayout(handle, Input->layouts.Learn(handle));
    Input->layoutAsked = nullptr;
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
    Input->watch.Seen(GetTickCount());
    if (code == HC_ACTION) {
        const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const HWND focus = FocusedWindow();
        const auto vk = static_cast<std::uint16_t>(k->vkCode);
        const bool up = (k->flags & LLKHF_UP) != 0;
        KeyEvent event{vk,
                       up,
                       IsInjectedByPlayer(k->dwExtraInfo),
                       WindowNumber(focus),
                       k->time,
                       DialogLetter(vk, up, focus),
                       static_cast<std::uint32_t>(k->scanCode),
                       (k->flags & LLKHF_EXTENDED) != 0,
                       IsReplayedByHook(k->dwExtraInfo)};
        // Keys are read as the window they go to reads them.
        if (!event.injectedByPlayer)
            FollowFocusedLayout();
        InputDecision d = Input->decider.OnKey(event, MasterTableImage(), Input->swaps);
        ShowModifiersUp();
        CarryOut(d);
        if (d.swallow)
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

ButtonEvent ButtonOf(WPARAM message) {
    switch (message) {
        case WM_LBUTTONDOWN:
            return {1, false};
        case WM_LBUTTONUP:
            return {1, true};
        case WM_RBUTTONDOWN:
            return {2, false};
        case WM_RBUTTONUP:
            return {2, true};
        case WM_MBUTTONDOWN:
            return {3, false};
        case WM_MBUTTONUP:
            return {3, true};
        default:
            return {};
    }
}

// Calls of user32 that Windows 7 lacks, looked up once.
template <typename Call>
Call User32Call(const char* name) {
    return reinterpret_cast<Call>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

// The window under a point of the mouse hook, which is physical; where the
// lookup of a physical point is missing, the two spaces agree.
HWND WindowAt(POINT physical) {
    using Lookup = HWND(WINAPI*)(POINT);
    static const auto lookup = User32Call<Lookup>("WindowFromPhysicalPoint");
    return lookup ? lookup(physical) : WindowFromPoint(physical);
}

// Windows 8.1 and later hand a system-DPI-aware program logical coordinates
// on a monitor whose DPI differs from the system's. The conversion is
// looked up: Windows 7 and 8 lack it (their DPI aware programs see one
// space), and the point is kept.
using PhysicalToLogical = BOOL(WINAPI*)(HWND, POINT*);

PhysicalToLogical PhysicalToLogicalCall() {
    static const auto convert =
        User32Call<PhysicalToLogical>("PhysicalToLogicalPointForPerMonitorDPI");
    return convert;
}

class SystemScreenSpace final : public WindowScreenSpace {
  protected:
    std::uintptr_t WindowUnder(std::int32_t x, std::int32_t y) const override {
        return PhysicalToLogicalCall() ? reinterpret_cast<std::uintptr_t>(WindowAt(POINT{x, y}))
                                       : 0;
    }
    bool Convert(std::uintptr_t window, std::int32_t& x, std::int32_t& y) const override {
        POINT point{x, y};
        if (!PhysicalToLogicalCall()(reinterpret_cast<HWND>(window), &point))
            return false;
        x = point.x;
        y = point.y;
        return true;
    }
};

// The pointer and the foreground window's frame, in the program's
// coordinates: asked of the system only while a recording takes the mouse.
PointerPlace PlaceOf(const MSLLHOOKSTRUCT& m) {
    if (!InputDecider::WantsPointerPlace(MasterTableImage()))
        return {m.pt.x, m.pt.y};
    static const SystemScreenSpace space;
    PointerPlace place = PlaceOfHookPoint(m.pt.x, m.pt.y, space);
    RECT frame{};
    if (HWND front = GetForegroundWindow(); front && GetWindowRect(front, &frame)) {
        place.windowLeft = frame.left;
        place.windowTop = frame.top;
        place.windowWidth = frame.right - frame.left;
        place.windowHeight = frame.bottom - frame.top;
    }
    return place;
}

// Whether a press lands in the box that has the focus: asked of the system
// only while a dialog asks for a combination.
bool OverFocus(const ButtonEvent& event, const MSLLHOOKSTRUCT& m) {
    return event.button != 0 && !event.up && InputDecider::AsksForCombination(MasterTableImage()) &&
           WindowAt(m.pt) == FocusedWindow();
}

LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
    Input->watch.Seen(GetTickCount());
    if (code == HC_ACTION) {
        const auto* m = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        ButtonEvent event = ButtonOf(wParam);
        event.injectedByPlayer = IsInjectedByPlayer(m->dwExtraInfo);
        event.replayed = IsReplayedByHook(m->dwExtraInfo);
        event.time = m->time;
        event.place = PlaceOf(*m);
        event.overFocus = OverFocus(event, *m);
        InputDecision d = event.button != 0 ? Input->decider.OnButton(event, MasterTableImage())
                                            : Input->decider.OnPointerMoved(
                                                  {event.injectedByPlayer, event.time, event.place},
                                                  MasterTableImage());
        CarryOut(d);
        if (d.swallow)
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Installed anew, so that it runs before any hook installed since; the old
// one goes only once the new one is in place, so no input passes unhooked
// (and none reaches both: both run on this thread, which is busy here). A
// failed install keeps the old one.
void Reinstall(HHOOK& hook, int kind, HOOKPROC proc) {
    HHOOK installed = SetWindowsHookExA(kind, proc, ThisModule(), 0);
    if (!installed && hook)
        return;
    if (hook)
        UnhookWindowsHookEx(hook);
    hook = installed;
    Input->watch.Seen(GetTickCount());
}

void Uninstall(HHOOK& hook) {
    if (hook)
        UnhookWindowsHookEx(hook);
    hook = nullptr;
}

void OpenSwapTable() {
    if (Input->swaps)
        return;
    Input->swapMapping = OpenFileMappingA(FILE_MAP_READ, FALSE, KernelName::PlayerHandleBlock);
    if (!Input->swapMapping)
        return;
    const void* view =
        MapViewOfFile(Input->swapMapping, FILE_MAP_READ, 0, 0, PlayerHandleBlockSize);
    if (view) {
        Input->swaps = static_cast<const std::uint8_t*>(view) + SwapTableAt;
    } else {
        CloseHandle(Input->swapMapping);
        Input->swapMapping = nullptr;
    }
}

// The keyboard hook also serves the mouse: buttons are combined with the
// modifiers it has seen.
void FitHooks(HookRole installed) {
    HookRoles& r = Input->decider.roles;
    const bool keyboardNeeded = r.hotKeys || r.mouse || r.remap;
    if (!keyboardNeeded)
        Uninstall(Input->keyboard);
    else if (!Input->keyboard || installed == HookRole::Keyboard || installed == HookRole::Swap)
        Reinstall(Input->keyboard, WH_KEYBOARD_LL, KeyboardProc);
    if (!r.mouse)
        Uninstall(Input->mouse);
    else if (!Input->mouse || installed == HookRole::Mouse)
        Reinstall(Input->mouse, WH_MOUSE_LL, MouseProc);
    ShowModifiersUp();
}

void SetRole(HookRole role, bool on) {
    HookRoles& r = Input->decider.roles;
    switch (role) {
        case HookRole::Keyboard:
            r.hotKeys = on;
            break;
        case HookRole::Mouse:
            r.mouse = on;
            break;
        case HookRole::Swap:
            r.remap = on;
            break;
        case HookRole::Watcher:
            if (on)
                StartWatcher();
            else
                StopWatcher();
            break;
    }
}

// A handle names its role in the low bits and its install in the rest, so a
// handle replaced by a later install of its role no longer unhooks anything.
std::int32_t Install(HookRole role) {
    SetRole(role, true);
    if (role == HookRole::Swap)
        OpenSwapTable();
    FitHooks(role);
    const bool inPlace = role == HookRole::Mouse     ? Input->mouse != nullptr
                         : role == HookRole::Watcher ? true
                                                     : Input->keyboard != nullptr;
    const int index = static_cast<int>(role);
    if (!inPlace) {
        SetRole(role, false);
        FitHooks(role);
        Input->handles[index] = 0;
        return 0;
    }
    Input->generation = (Input->generation + 1) & 0x3FFFFF;
    Input->handles[index] =
        static_cast<std::int32_t>(0x4F000000u | (Input->generation << 2) | index);
    return Input->handles[index];
}

bool Remove(std::int32_t handle) {
    const int index = handle & 3;
    if (handle == 0 || Input->handles[index] != handle)
        return false;
    Input->handles[index] = 0;
    SetRole(static_cast<HookRole>(index), false);
    FitHooks(static_cast<HookRole>(index));
    return true;
}

// The system's key input, from every keyboard and in the background, for the
// hook watch: the system's own last-input clock moves with the mouse too,
// which the keyboard hook alone does not see.
void HearKeyInput(HWND window) {
    RAWINPUTDEVICE keyboard{};
    keyboard.usUsagePage = 0x01;  // generic desktop controls
    keyboard.usUsage = 0x06;      // keyboard
    keyboard.dwFlags = RIDEV_INPUTSINK;
    keyboard.hwndTarget = window;
    RegisterRawInputDevices(&keyboard, 1, sizeof keyboard);
}

// Hooks the system removed without a word are installed again, quietly.
void WatchHooks() {
    if (!Input->keyboard && !Input->mouse)
        return;
    LASTINPUTINFO last{sizeof last, 0};
    const HookedInput hooked = Input->mouse ? HookedInput::KeysAndMouse : HookedInput::Keys;
    if (!GetLastInputInfo(&last) || !Input->watch.HooksLost(hooked, last.dwTime, GetTickCount()))
        return;
    if (Input->keyboard)
        Reinstall(Input->keyboard, WH_KEYBOARD_LL, KeyboardProc);
    if (Input->mouse)
        Reinstall(Input->mouse, WH_MOUSE_LL, MouseProc);
}

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_TIMER:
            if (wParam == HookWatchTimer)
                WatchHooks();
            return 0;
        case WM_INPUT:
            // Key input as the system had it, whether or not the keyboard
            // hook sees it; stamped with the input's own time.
            Input->watch.KeyInput(static_cast<std::uint32_t>(GetMessageTime()));
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_INSTALL_HOOK:
            return Install(static_cast<HookRole>(wParam & 3));
        case WM_REMOVE_HOOK:
            return Remove(static_cast<std::int32_t>(wParam)) ? 1 : 0;
        case WM_LEARN_LAYOUT:
            LearnAskedLayout(reinterpret_cast<HKL>(lParam));
            return 0;
        case WM_IN_USE_CHANGED:
            Input->decider.InUseHandedOver();
            if (Input->decider.HoldOver(MasterTableImage()))
                Replay(Input->decider.TakeHeldKeys(), 0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Each ANSI character as a character to type, and the keys as the focused
// window reads them: looked up here once, and again only for a new layout.
void LearnKeyboard() {
    for (int c = 1; c < 256; ++c) {
        const CHAR ansi = static_cast<CHAR>(c);
        if (MultiByteToWideChar(CP_ACP, 0, &ansi, 1, &Input->wide[c], 1) != 1)
            Input->wide[c] = static_cast<wchar_t>(c);
    }
    const HKL focused = FocusedKeyboardLayout();
    UseLayout(focused, Input->layouts.Learn(focused));
    Input->decider.SetCapsLock(Input->keyState.CapsLockOn());
}

DWORD WINAPI InputThreadMain(void* ready) {
    static InputThread state;
    Input = &state;
    state.decider.realKeys = &state.keyState;
    state.modifiersUp = CreateEventA(nullptr, TRUE, FALSE, KernelName::ModifiersUp);
    for (std::size_t i = 0; i < ModifierKeys.size(); ++i)
        state.keyUp[i] =
            CreateEventA(nullptr, TRUE, FALSE, KernelName::ModifierKeyUp(ModifierKeys[i]).c_str());
    LearnKeyboard();
    WNDCLASSA wc{};
    wc.lpfnWndProc = ControlProc;
    wc.hInstance = ThisModule();
    wc.lpszClassName = ControlClass;
    RegisterClassA(&wc);
    Control = CreateWindowA(ControlClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ThisModule(),
                            nullptr);
    SetEvent(static_cast<HANDLE>(ready));
    if (!Control)
        return 1;
    SetTimer(Control, HookWatchTimer, HookWatch::CheckIntervalMs, nullptr);
    HearKeyInput(Control);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}

// Started by the first hook call, once, and kept for the life of the process.
HWND ControlWindow() {
    static const HWND control = [] {
        HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        HANDLE thread =
            ready ? CreateThread(nullptr, 0, InputThreadMain, ready, 0, nullptr) : nullptr;
        if (!thread)
            return HWND{};
        // The event stays open: a thread slower than this wait still sets it.
        WaitForSingleObject(ready, CallerWaitMs);
        CloseHandle(thread);
        return Control;
    }();
    return control;
}

LRESULT AskInputThread(UINT message, WPARAM wParam) {
    HWND control = ControlWindow();
    DWORD_PTR answer = 0;
    if (!control ||
        !SendMessageTimeoutA(control, message, wParam, 0, SMTO_NORMAL, CallerWaitMs, &answer))
        return 0;
    return static_cast<LRESULT>(answer);
}

}  // namespace

std::int32_t InstallHook(HookRole role) {
    return static_cast<std::int32_t>(AskInputThread(WM_INSTALL_HOOK, static_cast<WPARAM>(role)));
}

void InUseHandedOver() {
    // Only where the input thread runs: the player's process. Answered before
    // the hand-over returns, so that the keys a hold gives back are typed
    // ahead of whatever the run does next.
    DWORD_PTR answer = 0;
    if (Control)
        SendMessageTimeoutA(Control, WM_IN_USE_CHANGED, 0, 0, SMTO_NORMAL, CallerWaitMs, &answer);
}

bool RemoveHook(std::int32_t handle) {
    return handle != 0 && AskInputThread(WM_REMOVE_HOOK, static_cast<WPARAM>(handle)) != 0;
}

}  // namespace orv
