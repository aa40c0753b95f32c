// The interpreter typing into a real multi-line edit control under Wine. The
// X keyboard layout is US for these tests (set before they start).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "common/injected_input.h"
#include "player/interpreter.h"
#include "player/win32/win32_player_host.h"
#include "tests/player/win32/typing_window.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/win32/wait_for.h"

namespace orv::player {
namespace {

using testing::EditHolds;
using testing::WaitFor;

RunState* abortingRun = nullptr;
bool ctrlDownAtAbort = false;

void CALLBACK AbortTheRun(HWND, UINT, UINT_PTR, DWORD) {
    ctrlDownAtAbort = (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
    abortingRun->AbortFlag = true;
}

// What a low-level hook of the test's own sees of the player's keys.
struct SeenKey {
    DWORD vk = 0, scanCode = 0;
    bool extended = false;
};
std::vector<SeenKey> seenKeys;

LRESULT CALLBACK SeeKey(int code, WPARAM wParam, LPARAM lParam) {
    const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (code == HC_ACTION && IsInjectedByPlayer(k->dwExtraInfo) && !(k->flags & LLKHF_UP))
        seenKeys.push_back({k->vkCode, k->scanCode, (k->flags & LLKHF_EXTENDED) != 0});
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class PlaybackTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(target.Focus()); }

    void Play(std::string_view script) {
        ASSERT_TRUE(interpreter.RunMacro(script, RunOrigin::Unattended));
    }

    static bool NoModifierDown() {
        for (int vk : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LWIN}) {
            if (GetAsyncKeyState(vk) & 0x8000)
                return false;
        }
        return true;
    }

    testing::TypingWindow target;
    Win32PlayerHost host;
    RunState state;
    Interpreter interpreter{host, state};
};

TEST_F(PlaybackTest, LiteralTextAndKeystrokeTokens) {
    Play("Hello, World! 1+1=2 (a_b) \"q\" ~x|y\r\nsecond line<ENTER>tab<TAB>end");
    EXPECT_TRUE(
        EditHolds(target, "Hello, World! 1+1=2 (a_b) \"q\" ~x|y\r\nsecond line\r\ntab\tend"));
    target.Clear();
    Play("abcdef<LEFT ARROW><LEFT ARROW><BACKSPACE><END>!<HOME><DELETE>");
    EXPECT_TRUE(EditHolds(target, "bcef!"));
}

TEST_F(PlaybackTest, ShiftAndCtrlCombinations) {
    Play("one two<SHIFT><HOME><CTRL>x<END>[<CTRL>v]");
    EXPECT_TRUE(EditHolds(target, "[one two]"));
    target.Clear();
    Play("abc<SHFD><LEFT ARROW><LEFT ARROW><SHFU>X");
    EXPECT_TRUE(EditHolds(target, "aX"));
}

TEST_F(PlaybackTest, AltAndKeypadCharacters) {
    Play("caf\xE9 <ALT:065><ALT4:0066>.");
    // Windows composes the characters itself; Wine passes the keys on only.
    EXPECT_TRUE(EditHolds(target, "caf .") || EditHolds(target, "caf\xE9 AB.", 100));
    EXPECT_EQ(target.AltKeypadCharacters(),
              "\xE9"
              "AB");
}

TEST_F(PlaybackTest, RepeatsAndCounters) {
    Play("<REP:0003:000010:000005><I>,<ENDREP>");
    EXPECT_TRUE(EditHolds(target, "10,15,20,"));
    target.Clear();
    Play("<REPEAT:0002>[<REP:0003:000001:000001><II><ENDREP>]<ENDREP><IIII>");
    EXPECT_TRUE(EditHolds(target, "[010203][010203]0001"));
}

TEST_F(PlaybackTest, UnknownTokensAreTypedLiterally) {
    Play("<XYZ>a<b<REPEAT:1>c<ENDREP>");
    EXPECT_TRUE(EditHolds(target, "<XYZ>a<b<REPEAT:1>c"));
}

TEST_F(PlaybackTest, NoModifierStaysDownAfterATrailingModifierOrAnAbort) {
    Play("x<CTRL>");
    EXPECT_TRUE(EditHolds(target, "x"));
    EXPECT_TRUE(WaitFor(NoModifierDown));

    // The abort arrives as a timer message while the run waits, as the hook
    // library's message would.
    target.Clear();
    abortingRun = &state;
    orv::testing::ScriptedMessageBoxes boxes;
    boxes.Expect("Orvane 99 macro has been aborted.", MsgResult::Ok, "Macro Abort");
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, AbortTheRun);
    const DWORD started = GetTickCount();
    Play("<CTLD><SHFD><ALTD>ab<DELAY:20.00>never");
    EXPECT_LT(GetTickCount() - started, 10000u);
    EXPECT_TRUE(ctrlDownAtAbort);
    EXPECT_TRUE(WaitFor(NoModifierDown));
    KillTimer(nullptr, timer);
    EXPECT_EQ(target.Text().find("never"), std::string::npos);
}

TEST_F(PlaybackTest, ExtendedKeysArriveMarkedWithTheirScanCodes) {
    seenKeys.clear();
    HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, SeeKey, GetModuleHandleA(nullptr), 0);
    ASSERT_NE(hook, nullptr);
    Play(
        "ab<HOME><END><LEFT ARROW><RIGHT ARROW><UP ARROW><DOWN ARROW><PAGE UP><PAGE DOWN>"
        "<INSERT><INSERT><DELETE><KEYP/><NUMLOCK><NUMLOCK>x");
    const std::vector<DWORD> extended = {VK_HOME,   VK_END,    VK_LEFT,   VK_RIGHT,
                                         VK_UP,     VK_DOWN,   VK_PRIOR,  VK_NEXT,
                                         VK_INSERT, VK_DELETE, VK_DIVIDE, VK_NUMLOCK};
    EXPECT_TRUE(WaitFor([&] { return !seenKeys.empty() && seenKeys.back().vk == 'X'; }))
        << seenKeys.size() << " keys seen";
    UnhookWindowsHookEx(hook);
    int extendedSeen = 0;
    for (const SeenKey& k : seenKeys) {
        const bool shouldBe = std::find(extended.begin(), extended.end(), k.vk) != extended.end();
        EXPECT_EQ(k.extended, shouldBe) << "key " << k.vk;
        EXPECT_NE(k.scanCode, 0u) << "key " << k.vk;
        extendedSeen += shouldBe;
    }
    EXPECT_EQ(extendedSeen, 14);
}

TEST_F(PlaybackTest, MouseMovesLandOnTheIntendedPixel) {
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    const POINT points[] = {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}, {w / 2, h / 2}, {1, 1}};
    for (const POINT p : points) {
        char script[40];
        std::snprintf(script, sizeof script, "<MMS:%05d,%05d>", static_cast<int>(p.x),
                      static_cast<int>(p.y));
        Play(script);
        POINT at{};
        EXPECT_TRUE(WaitFor([&] { return GetCursorPos(&at) && at.x == p.x && at.y == p.y; }))
            << "aimed at " << p.x << "," << p.y << ", landed on " << at.x << "," << at.y;
    }
}

TEST_F(PlaybackTest, PointerGoesToTheCaret) {
    Play("some text");
    ASSERT_TRUE(EditHolds(target, "some text"));
    POINT caret{};
    ASSERT_TRUE(GetCaretPos(&caret) && ClientToScreen(target.Edit(), &caret));
    Play("<MMS:00000,00000><MMC>");
    POINT at{};
    EXPECT_TRUE(WaitFor([&] { return GetCursorPos(&at) && at.x == caret.x && at.y == caret.y; }))
        << "caret at " << caret.x << "," << caret.y << ", pointer at " << at.x << "," << at.y;
}

}  // namespace
}  // namespace orv::player
