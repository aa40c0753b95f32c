// The hook library with real input: keys and clicks come from the X server
// (xdotool) into a Wine window that has the X focus, or from this process
// with the player's tag. Every check waits for a closing plain key to reach
// the edit control, so whatever the library posted before it has arrived.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "common/capture_section.h"
#include "common/hotkey_encoder.h"
#include "common/injected_input.h"
#include "common/program_messages.h"
#include "common/settings.h"
#include "common/win32/kernel_objects.h"
#include "common/win32/system_routines.h"
#include "common/swap_keys.h"
#include "hook/client/hook_client.h"
#include "hook/ornhook.h"
#include "tests/support/win32/wait_for.h"
#include "tests/support/win32/process.h"
#include "common/win32/window_numbers.h"

namespace orv {
namespace {

using testing::WaitFor;

constexpr int CtrlQ = 16, CtrlW = 22, AltQ = 64, CtrlLMouse = 701;

struct Posted {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A window that only records what is posted to it (the player, a dialog).
struct Receiver {
    HWND window = nullptr;
    std::vector<Posted> posted;

    static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
        if (m >= WM_USER && m < WM_USER + 100) {
            auto* self = reinterpret_cast<Receiver*>(GetWindowLongPtrA(w, GWLP_USERDATA));
            self->posted.push_back({m, wp, lp});
            return 0;
        }
        return DefWindowProcA(w, m, wp, lp);
    }
    void Create() {
        window = CreateWindowA("OrvHookReceiver", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                               nullptr);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    std::vector<WPARAM> Of(UINT message) const {
        std::vector<WPARAM> w;
        for (const Posted& p : posted)
            if (p.message == message)
                w.push_back(p.wParam);
        return w;
    }
    // Each typed-character report of the message as "kind:character ", in
    // the order they came.
    std::string Typed(UINT message) const {
        std::string reports;
        for (const Posted& p : posted)
            if (p.message == message)
                reports += std::to_string(p.wParam) + ":" +
                           (p.lParam ? std::string(1, static_cast<char>(p.lParam)) : "") + " ";
        return reports;
    }
};

// The focused window: a top-level window with a menu and an edit control
// whose key presses and clicks are recorded.
struct Target {
    HWND top = nullptr;
    HWND edit = nullptr;
    std::vector<WPARAM> keysDown;
    int clicks = 0;
    WNDPROC editProc = nullptr;

    static Target* Self;
    static LRESULT CALLBACK EditProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
        if (m == WM_KEYDOWN || m == WM_SYSKEYDOWN)
            Self->keysDown.push_back(wp);
        if (m == WM_LBUTTONDOWN)
            ++Self->clicks;
        return CallWindowProcA(Self->editProc, w, m, wp, lp);
    }
    void Create() {
        Self = this;
        HMENU menu = CreateMenu();
        HMENU file = CreatePopupMenu();
        AppendMenuA(file, MF_STRING, 1, "&Open");
        AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
        top = CreateWindowA("OrvHookTarget", "Orvane hook target", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            40, 40, 400, 200, nullptr, menu, nullptr, nullptr);
        edit = CreateWindowA("EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 300, 30, top,
                             nullptr, nullptr, nullptr);
        editProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc)));
    }
    std::string Text() const {
        char text[256] = {};
        GetWindowTextA(edit, text, sizeof text);
        return text;
    }
    bool SawKey(WPARAM vk) const {
        return std::find(keysDown.begin(), keysDown.end(), vk) != keysDown.end();
    }
};
Target* Target::Self = nullptr;

LRESULT CALLBACK TargetProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_SETFOCUS && Target::Self) {
        SetFocus(Target::Self->edit);
        return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

// Runs xdotool against the target. Wine starts the Unix program but gives no
// handle to wait on; the tests wait for its effect instead.
bool Xdotool(HWND top, const std::string& commands) {
    const auto xid = reinterpret_cast<UINT_PTR>(GetPropA(top, "__wine_x11_whole_window"));
    std::string line =
        "/usr/bin/xdotool windowfocus --sync " + std::to_string(xid) + " " + commands;
    return testing::StartHostProgram(line);
}

void TypeTagged(WORD vk, bool up) {
    keybd_event(static_cast<BYTE>(vk), 0, up ? KEYEVENTF_KEYUP : 0, InjectedInputTag);
}

class HookInput : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Receiver::Proc;
        wc.lpszClassName = "OrvHookReceiver";
        RegisterClassA(&wc);
        wc.lpfnWndProc = TargetProc;
        wc.lpszClassName = "OrvHookTarget";
        RegisterClassA(&wc);
        player = new Receiver;
        dialog = new Receiver;
        target = new Target;
        player->Create();
        dialog->Create();
        target->Create();
        // The player's block, as the player makes it before hooking.
        remapBlock = new SharedBlock;
        remapBlock->Create(KernelName::PlayerHandleBlock, PlayerHandleBlockSize);
    }

    void SetUp() override {
        ClearSwaps();
        table->SetU32(HookAt::PlayerWindow, Handle(player->window));
        table->SetU32(HookAt::SecondWindow, Handle(dialog->window));
        table->SetU8(HookAt::CodeUsed + CtrlQ, 1);
        table->SetU8(HookAt::CodeUsed + AltQ, 1);
        table->SetU8(HookAt::CodeUsed + CtrlLMouse, 1);
        // No recording either, whatever an earlier test left in the table.
        for (HookSection s :
             {HookSection::InUse, HookSection::Window, HookSection::Window2, HookSection::Waits,
              HookSection::Keys, HookSection::Idle, HookSection::CaptureOn})
            library.HandOver(s, *table);
        keyboard = OrnHookKeyboard();
        mouse = OrnHookMouse();
        ASSERT_NE(keyboard, 0);
        ASSERT_NE(mouse, 0);
        SetWindowTextA(target->edit, "");
        target->keysDown.clear();
        target->clicks = 0;
        player->posted.clear();
        dialog->posted.clear();
    }
    void TearDown() override {
        OrnUnHook(keyboard);
        OrnUnHook(mouse);
        ClearSwaps();
    }

    static std::uint32_t Handle(HWND w) { return WindowNumber(w); }
    void Set(HookSection section, std::size_t at, std::uint8_t value) {
        table->SetU8(at, value);
        library.HandOver(section, *table);
    }
    static void ClearSwaps() { std::fill_n(remapBlock->View() + SwapTableAt, SwapTableSize, 0); }
    static void Remap(char from, char to) {
        const SwapKeyTable& identity = IdentitySwapTable();
        auto at = std::find(identity.begin(), identity.end(), from) - identity.begin();
        remapBlock->View()[SwapTableAt + at] = static_cast<std::uint8_t>(to);
    }

    // Sends the keys (xdotool commands), then a plain "x", and waits until
    // the edit shows what it should.
    void Keys(const std::string& keys, const std::string& expectedText = "x") {
        SetWindowTextA(target->edit, "");
        SetForegroundWindow(target->top);
        SetFocus(target->edit);
        ASSERT_TRUE(Xdotool(target->top, keys + " key x")) << "xdotool could not be started";
        ASSERT_TRUE(WaitFor([&] { return target->Text() == expectedText; }))
            << "the edit shows \"" << target->Text() << "\" after " << keys;
    }

    static Receiver* player;
    static Receiver* dialog;
    static Target* target;
    static SharedBlock* remapBlock;
    OrnHookLibrary library;
    std::unique_ptr<HookTable> table = std::make_unique<HookTable>();
    std::int32_t keyboard = 0;
    std::int32_t mouse = 0;
};
Receiver* HookInput::player = nullptr;
Receiver* HookInput::dialog = nullptr;
Target* HookInput::target = nullptr;
SharedBlock* HookInput::remapBlock = nullptr;

TEST_F(HookInput, AHotKeyInUseReachesThePlayerAndNoOneElse) {
    Keys("key ctrl+q ctrl+w");
    ASSERT_TRUE(WaitFor([&] { return !player->posted.empty(); }));
    ASSERT_EQ(player->posted.size(), 1u);
    EXPECT_EQ(player->posted[0].message, ProgramMessage::HotKey);
    EXPECT_EQ(player->posted[0].wParam, static_cast<WPARAM>(CtrlQ));
    EXPECT_EQ(player->posted[0].lParam, reinterpret_cast<LPARAM>(target->edit));
    EXPECT_FALSE(target->SawKey('Q')) << "the hot key reached the edit control";
    EXPECT_TRUE(target->SawKey('W')) << "a combination not in use must pass untouched";
    EXPECT_TRUE(dialog->posted.empty());
}

TEST_F(HookInput, ThePlayersTaggedKeysNeverPost) {
    Keys("");
    TypeTagged(VK_CONTROL, false);
    TypeTagged('Q', false);
    TypeTagged('Q', true);
    TypeTagged(VK_CONTROL, true);
    TypeTagged('Y', false);
    TypeTagged('Y', true);
    ASSERT_TRUE(WaitFor([&] { return target->Text() == "xy"; }));
    EXPECT_TRUE(target->SawKey('Q'));
    EXPECT_TRUE(player->posted.empty());
}

TEST_F(HookInput, TheSecondWindowTakesEveryCombinationWhileItsFlagIsOn) {
    Set(HookSection::Window2, HookAt::SecondWindowOn, 1);
    // Escape leaves the box: it goes on to the window, as F2 does not.
    Keys("key ctrl+q ctrl+w Escape F2");
    Set(HookSection::Window2, HookAt::SecondWindowOn, 0);
    ASSERT_TRUE(WaitFor([&] { return dialog->posted.size() >= 3; }));
    const auto f2 = static_cast<WPARAM>(EncodeHotKey({.vk = VK_F2}));
    EXPECT_EQ(dialog->Of(ProgramMessage::SecondWindowKey), (std::vector<WPARAM>{CtrlQ, CtrlW, f2}));
    // The player hears of Escape as of any without a run's in-use byte: an
    // abort, for a run that may be playing unattended; nothing else.
    EXPECT_EQ(player->posted.size(), player->Of(ProgramMessage::Abort).size());
    EXPECT_FALSE(target->SawKey('Q'));
    EXPECT_FALSE(target->SawKey('W'));
    EXPECT_TRUE(target->SawKey(VK_ESCAPE));
    EXPECT_FALSE(target->SawKey(VK_F2));

    // A click in the box that has the focus is a combination; one beside it
    // goes on to where it was aimed.
    RECT r;
    GetWindowRect(target->edit, &r);
    auto clickAt = [](LONG x, LONG y) {
        return "mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1";
    };
    dialog->posted.clear();
    Set(HookSection::Window2, HookAt::SecondWindowOn, 1);
    Keys(clickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    Keys(clickAt(r.left + 5, r.bottom + 40));
    Set(HookSection::Window2, HookAt::SecondWindowOn, 0);
    EXPECT_EQ(dialog->Of(ProgramMessage::SecondWindowKey),
              (std::vector<WPARAM>{static_cast<WPARAM>(EncodeHotKey({.mouse = 1}))}));
    EXPECT_EQ(target->clicks, 0);
}

TEST_F(HookInput, EscapeAbortsAPlayingMacroUnlessItWaitsForAKey) {
    Set(HookSection::InUse, HookAt::MacroPlaying, 1);
    Keys("key Escape ctrl+q");
    EXPECT_EQ(player->Of(ProgramMessage::Abort).size(), 1u);
    // Heard, not acted on: only "Terminate Orvane" acts during a run.
    EXPECT_EQ(player->Of(ProgramMessage::HotKey), (std::vector<WPARAM>{CtrlQ}));
    EXPECT_FALSE(target->SawKey(VK_ESCAPE));

    player->posted.clear();
    Set(HookSection::Waits, HookAt::WaitClick + 1, 1);
    Keys("key Escape");
    Set(HookSection::Waits, HookAt::WaitClick + 1, 0);
    Set(HookSection::InUse, HookAt::MacroPlaying, 0);
    EXPECT_TRUE(player->Of(ProgramMessage::Abort).empty());
    EXPECT_TRUE(target->SawKey(VK_ESCAPE));

    // A run without the in-use byte hears Escape too; the window still gets it.
    Keys("key Escape");
    EXPECT_EQ(player->Of(ProgramMessage::Abort).size(), 1u);
}

// AltGr as Windows delivers it: a left Ctrl of the system's making (its own
// scan code), then the right Alt. With it Q is "@" on a German keyboard, a
// character, though Ctrl+Alt+Q is a hot key in use; a real Ctrl+Alt+Q is
// still one.
// AltGr as Windows delivers it: a left Ctrl of the system's making (its own
// scan code), then the right Alt. With it Q is "@" on a German keyboard, a
// character, though Ctrl+Alt+Q is a hot key in use; a real Ctrl+Alt+Q is
// still one.
TEST_F(HookInput, AltGrTypesItsCharacterNotACtrlAltHotKey) {
    Set(HookSection::Keys, HookAt::CodeUsed + EncodeHotKey({.vk = 'Q', .alt = true, .ctrl = true}),
        1);
    Keys("");
    auto key = [](WORD vk, WORD scan, DWORD flags) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.wScan = scan;
        in.ki.dwFlags = flags;
        SendInput(1, &in, sizeof in);
    };
    key(VK_LCONTROL, 0x21D, 0);
    key(VK_RMENU, 0x38, KEYEVENTF_EXTENDEDKEY);
    key('Q', 0x10, 0);
    key('Q', 0x10, KEYEVENTF_KEYUP);
    key(VK_LCONTROL, 0x21D, KEYEVENTF_KEYUP);
    key(VK_RMENU, 0x38, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP);
    ASSERT_TRUE(WaitFor([&] { return target->SawKey('Q'); })) << "the character never arrived";
    EXPECT_TRUE(player->Of(ProgramMessage::HotKey).empty());

    Keys("key ctrl+alt+q");
    EXPECT_EQ(player->Of(ProgramMessage::HotKey).size(), 1u);
}

TEST_F(HookInput, CapsLockIsReportedEachTime) {
    Keys("key Caps_Lock Caps_Lock");
    ASSERT_TRUE(WaitFor([&] { return player->Of(ProgramMessage::CapsLock).size() >= 2; }));
    std::vector<WPARAM> states = player->Of(ProgramMessage::CapsLock);
    ASSERT_EQ(states.size(), 2u);
    EXPECT_NE(states[0] != 0, states[1] != 0);
    EXPECT_EQ(states[1] != 0, (GetKeyState(VK_CAPITAL) & 1) != 0);
}

TEST_F(HookInput, KeysTheHooksNeverSawGoByAreReadFromTheSystemBeforeAHotKey) {
    SetForegroundWindow(target->top);
    SetFocus(target->edit);
    // Ctrl goes down while hooked (Ctrl+W, not in use, shows it has passed)...
    ASSERT_TRUE(Xdotool(target->top, "keydown ctrl key w"));
    ASSERT_TRUE(WaitFor([&] { return target->SawKey('W'); }));
    // ...and comes up, and Caps Lock is switched, while nothing is hooked.
    ASSERT_EQ(OrnUnHook(keyboard), 1);
    ASSERT_EQ(OrnUnHook(mouse), 1);
    ASSERT_TRUE(Xdotool(target->top, "keyup ctrl key Caps_Lock key y"));
    ASSERT_TRUE(WaitFor([&] { return target->Text().find_first_of("yY") != std::string::npos; }));
    keyboard = OrnHookKeyboard();
    mouse = OrnHookMouse();
    const WPARAM capsBit = (GetKeyState(VK_CAPITAL) & 1) ? 0x8000 : 0;
    // A plain Q is no Ctrl+Q...
    Keys("key q", capsBit ? "QX" : "qx");
    EXPECT_TRUE(player->posted.empty());
    // ...and a real one carries Caps Lock as it is; then Caps Lock goes back.
    Keys("key ctrl+q Caps_Lock", capsBit ? "x" : "X");
    EXPECT_EQ(player->Of(ProgramMessage::HotKey), (std::vector<WPARAM>{CtrlQ | capsBit}));
}

TEST_F(HookInput, ThePlayersClosingKeyEndsTheRun) {
    Keys("");
    TypeTagged(VK_EXECUTE, false);
    TypeTagged(VK_EXECUTE, true);
    Set(HookSection::InUse, HookAt::MacroPlaying, 1);
    TypeTagged(VK_EXECUTE, false);
    TypeTagged(VK_EXECUTE, true);
    EXPECT_TRUE(WaitFor([&] { return player->Of(ProgramMessage::MacroEnded).size() == 1; }));
    Set(HookSection::InUse, HookAt::MacroPlaying, 0);
}

bool MenuWasOpen = false;

// Should the target's menu bar have been entered, its modal loop would hold
// the test: this timer, run by that loop, notes it and leaves the menu.
void CALLBACK LeaveMenu(HWND, UINT, UINT_PTR, DWORD) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & GUI_INMENUMODE)) {
        MenuWasOpen = true;
        EndMenu();
    }
}

TEST_F(HookInput, AnAltHotKeyLeavesNoMenuOpen) {
    MenuWasOpen = false;
    const UINT_PTR timer = SetTimer(target->top, 1, 500, LeaveMenu);
    Keys("key alt+q");
    KillTimer(target->top, timer);
    EXPECT_EQ(player->Of(ProgramMessage::HotKey), (std::vector<WPARAM>{AltQ}));
    EXPECT_FALSE(MenuWasOpen) << "the lone Alt release opened the menu bar";
}

TEST_F(HookInput, AMouseButtonWithModifiers) {
    RECT r;
    GetWindowRect(target->edit, &r);
    const std::string at = "mousemove " + std::to_string((r.left + r.right) / 2) + " " +
                           std::to_string((r.top + r.bottom) / 2);
    Keys(at + " keydown ctrl click 1 keyup ctrl");
    EXPECT_EQ(player->Of(ProgramMessage::HotKey), (std::vector<WPARAM>{CtrlLMouse}));
    EXPECT_EQ(target->clicks, 0);
    player->posted.clear();
    Keys(at + " click 1");
    EXPECT_TRUE(player->posted.empty());
    EXPECT_EQ(target->clicks, 1);
}

TEST_F(HookInput, ARemapTypesItsCharacterOnce) {
    Keys("key a", "ax");  // the block is all zero: nothing is remapped
    const std::int32_t swap = OrnHookSwap();
    ASSERT_NE(swap, 0);
    Keys("key a", "ax");
    Remap('a', 'b');
    Keys("key a", "bx");
    Keys("key shift+a", "Ax");
    OrnUnHook(swap);
    Keys("key a", "ax");
}

TEST_F(HookInput, TypingReachesTheCuewordBuffer) {
    table->SetU8(HookAt::CuewordsExist, 1);
    table->SetMacroCount(1);
    library.HandOver(HookSection::Keys, *table);
    library.HandOver(HookSection::NumKeys, *table);
    // The keypad's signs type; Escape types nothing and starts afresh.
    Keys("key a B 1 KP_Add Escape c", "aB1+cx");
    ASSERT_TRUE(WaitFor([&] {
        return player->Typed(ProgramMessage::CuewordChar).find("0:a 0:B 0:1 0:+ 1: 0:c 0:x ") !=
               std::string::npos;
    })) << player->Typed(ProgramMessage::CuewordChar);
}

// The player, waiting for the user to let go of a hot key's modifiers, is
// told of the last release; without the keyboard hook, of nothing.
TEST_F(HookInput, TheLastModifierReleaseIsSignalled) {
    const HANDLE up = OpenEventA(SYNCHRONIZE, FALSE, KernelName::ModifiersUp);
    ASSERT_NE(up, nullptr);
    const auto signalled = [&] { return WaitForSingleObject(up, 0) == WAIT_OBJECT_0; };
    SetForegroundWindow(target->top);
    SetFocus(target->edit);
    // Each modifier key on its own too, for the player that let go of it.
    const HANDLE leftShiftUp =
        OpenEventA(SYNCHRONIZE, FALSE, KernelName::ModifierKeyUp(VK_LSHIFT).c_str());
    const HANDLE leftCtrlUp =
        OpenEventA(SYNCHRONIZE, FALSE, KernelName::ModifierKeyUp(VK_LCONTROL).c_str());
    ASSERT_NE(leftShiftUp, nullptr);
    ASSERT_NE(leftCtrlUp, nullptr);
    const auto set = [](HANDLE event) { return WaitForSingleObject(event, 0) == WAIT_OBJECT_0; };
    ASSERT_TRUE(Xdotool(target->top, "keydown ctrl keydown shift keyup ctrl key w"));
    ASSERT_TRUE(WaitFor([&] { return target->SawKey('W'); }));
    EXPECT_FALSE(signalled()) << "Shift is still down";
    EXPECT_FALSE(set(leftShiftUp));
    EXPECT_TRUE(set(leftCtrlUp));
    ASSERT_TRUE(Xdotool(target->top, "keyup shift"));
    EXPECT_TRUE(WaitFor(signalled));
    EXPECT_TRUE(set(leftShiftUp));
    CloseHandle(leftShiftUp);
    CloseHandle(leftCtrlUp);
    ASSERT_EQ(OrnUnHook(keyboard), 1);
    ASSERT_EQ(OrnUnHook(mouse), 1);
    EXPECT_FALSE(signalled());
    keyboard = OrnHookKeyboard();
    mouse = OrnHookMouse();
    EXPECT_TRUE(signalled());
    CloseHandle(up);
}

// A recording: what is typed comes to the player one character at a time as
// script text, and the stop key ends it without being recorded.
TEST_F(HookInput, ARecordingSpellsTheKeysUntilTheStopKey) {
    SettingsBlock settings;
    settings.CaptureKeys = true;
    settings.CaptureMouse = false;
    settings.CaptureTime = false;
    SetCaptureSection(*table, settings, 9, {.vk = 'X', .shift = true, .alt = true, .ctrl = true});
    library.HandOver(HookSection::Capture, *table);
    Set(HookSection::CaptureOn, HookAt::CaptureRunning, 1);
    Keys("key shift+h i Return ctrl+alt+shift+x", "Hix");
    Set(HookSection::CaptureOn, HookAt::CaptureRunning, 0);
    ASSERT_TRUE(WaitFor([&] { return !player->Of(ProgramMessage::CaptureEnded).empty(); }));
    std::string spelled;
    for (const Posted& p : player->posted) {
        if (p.message == ProgramMessage::CaptureEnded)
            break;
        if (p.message == ProgramMessage::CaptureChar) {
            EXPECT_EQ(p.wParam, 9u);
            spelled += static_cast<char>(p.lParam);
        }
    }
    EXPECT_EQ(spelled, "Hi<ENTER>");
    EXPECT_EQ(player->Of(ProgramMessage::CaptureEnded), (std::vector<WPARAM>{9}));
    EXPECT_TRUE(player->Of(ProgramMessage::HotKey).empty()) << "the stop key is no hot key";
}

// The watcher tells the player of the window that came to the front and of
// programs coming and going; the first key there resets the typed text.
TEST_F(HookInput, TheWatcherReportsTheFrontWindowAndTheRunningPrograms) {
    table->SetU8(HookAt::CuewordsExist, 1);
    table->SetMacroCount(1);
    library.HandOver(HookSection::Keys, *table);
    library.HandOver(HookSection::NumKeys, *table);
    const std::int32_t watcher = OrnHookCBT();
    ASSERT_NE(watcher, 0);
    Keys("key a", "ax");
    HWND other = CreateWindowA("EDIT", "Orvane hook other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40,
                               300, 400, 100, nullptr, nullptr, nullptr, nullptr);
    player->posted.clear();
    SetForegroundWindow(other);
    ASSERT_TRUE(Xdotool(other, "key b"));
    ASSERT_TRUE(WaitFor([&] { return player->Typed(ProgramMessage::CuewordChar) == "1: 0:b "; }))
        << player->Typed(ProgramMessage::CuewordChar);
    EXPECT_TRUE(WaitFor([&] {
        const std::vector<WPARAM> front = player->Of(ProgramMessage::WindowActivated);
        return !front.empty() && front.back() == WindowNumber(other);
    }));

    player->posted.clear();
    HANDLE peer = testing::StartProcess("\"" + ProgramDir() + "\\ornhook_peer.exe\" stay 3000");
    ASSERT_TRUE(peer);
    EXPECT_TRUE(WaitFor([&] { return player->Of(ProgramMessage::ProgramsChanged).size() >= 1; }))
        << "its start";
    EXPECT_EQ(WaitForSingleObject(peer, 20000), WAIT_OBJECT_0);
    CloseHandle(peer);
    EXPECT_TRUE(WaitFor([&] { return player->Of(ProgramMessage::ProgramsChanged).size() >= 2; }))
        << "its end";
    EXPECT_EQ(OrnUnHook(watcher), 1);
    DestroyWindow(other);
}

TEST_F(HookInput, UnhookingRestoresNormalInput) {
    EXPECT_EQ(OrnUnHook(keyboard), 1);
    EXPECT_EQ(OrnUnHook(keyboard), 0) << "a handle unhooks once";
    Keys("key ctrl+q");
    EXPECT_TRUE(target->SawKey('Q'));
    EXPECT_TRUE(player->posted.empty());
    // A re-hook: the old handle no longer names the new hook.
    const std::int32_t old = keyboard;
    keyboard = OrnHookKeyboard();
    EXPECT_NE(keyboard, old);
    EXPECT_EQ(OrnUnHook(old), 0);
    Keys("key ctrl+q");
    EXPECT_EQ(player->Of(ProgramMessage::HotKey), (std::vector<WPARAM>{CtrlQ}));
}

}  // namespace
}  // namespace orv
