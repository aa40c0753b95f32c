#include "hook/input_decision.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "common/hook_table.h"
#include "common/hotkey_encoder.h"
#include "common/macro_record.h"
#include "common/system_macro_action.h"

namespace orv {
namespace {

constexpr std::uint32_t Player = 0x1010;
constexpr std::uint32_t Dialog = 0x2020;
constexpr std::uint32_t Focus = 0x3030;
constexpr int CtrlQ = 16, CtrlW = 22, AltQ = 64, CtrlLMouse = 701;
constexpr std::uint16_t Q = 'Q', W = 'W', A = 'A';

class HookDecisions : public ::testing::Test {
  protected:
    HookDecisions() {
        table->SetU32(HookAt::PlayerWindow, Player);
        table->SetU8(HookAt::CodeUsed + CtrlQ, 1);
        table->SetU8(HookAt::CodeUsed + AltQ, 1);
        table->SetU8(HookAt::CodeUsed + CtrlLMouse, 1);
        decider.roles = {.hotKeys = true, .mouse = true, .remap = false};
        for (int c = 0; c < 26; ++c) {
            decider.layout.plain[A + c] = static_cast<std::uint8_t>('a' + c);
            decider.layout.shifted[A + c] = static_cast<std::uint8_t>('A' + c);
        }
    }

    InputDecision Key(std::uint16_t vk, bool up = false, bool tagged = false) {
        return decider.OnKey({vk, up, tagged, Focus}, table->Bytes,
                             swaps ? swaps->data() : nullptr);
    }
    InputDecision Press(std::uint16_t vk, bool tagged = false) {
        InputDecision down = Key(vk, false, tagged);
        EXPECT_EQ(Key(vk, true, tagged).swallow, down.swallow) << "the release goes with the press";
        return down;
    }
    InputDecision With(std::uint16_t modifier, std::uint16_t vk, bool tagged = false) {
        EXPECT_FALSE(Key(modifier, false, tagged).swallow);
        InputDecision d = Press(vk, tagged);
        EXPECT_FALSE(Key(modifier, true, tagged).swallow);
        return d;
    }
    InputDecision Button(std::uint8_t b, bool up = false, bool tagged = false,
                         bool overFocus = false) {
        return decider.OnButton(
            {.button = b, .up = up, .injectedByPlayer = tagged, .overFocus = overFocus},
            table->Bytes);
    }

    static void ExpectPost(const InputDecision& d, std::uint32_t window, std::uint32_t message,
                           std::uint32_t wParam = 0) {
        EXPECT_TRUE(d.swallow);
        ASSERT_EQ(d.postCount, 1);
        EXPECT_EQ(d.posts[0].window, window);
        EXPECT_EQ(d.posts[0].message, message);
        EXPECT_EQ(d.posts[0].wParam, wParam);
    }
    // Every post of a decision as "message-0x400:wParam:lParam", or "-".
    static std::string post(const InputDecision& d) {
        std::string all;
        for (std::size_t i = 0; i < d.postCount; ++i) {
            const HookPost& p = d.posts[i];
            all += (all.empty() ? "" : " ") + std::to_string(p.message - 0x400) + ":" +
                   std::to_string(p.wParam) + ":" + std::to_string(p.lParam);
        }
        return all.empty() ? "-" : all;
    }
    // The keys held back, as the hook types them again: "d65 u65".
    std::string TakeHeld() {
        std::string keys;
        for (const HeldKey& k : decider.TakeHeldKeys())
            keys += std::string(keys.empty() ? "" : " ") + (k.up ? "u" : "d") +
                    std::to_string(k.vk) + (k.scanCode == AltGrControlScanCode ? "g" : "");
        return keys;
    }
    // Plays a script of events and tells what became of each.
    //   hold, run, free: the in-use byte at 2 (a Cueword's text), 1, 0;
    //   end, mid: the player's closing marker, and its marker for input
    //   processed inside a run;
    //   d65, u65: the user presses or lets go of a key ("g": the left Ctrl
    //   AltGr presses); r65, R65: the hook types a held key again;
    //   mods?: whether the user holds a modifier, as the hook tells it.
    // Each key answers its name, "/s" when swallowed, "=" and its posts, and
    // "> " and the held keys when it sends them.
    std::string Play(std::string_view script) {
        std::string out;
        for (std::size_t at = 0; at < script.size();) {
            std::size_t space = script.find(' ', at);
            if (space == std::string_view::npos)
                space = script.size();
            const std::string token(script.substr(at, space - at));
            at = space + 1;
            if (token == "hold" || token == "run" || token == "free") {
                table->SetU8(HookAt::MacroPlaying,
                             token == "hold" ? HookAt::PlayingHoldsTyping : token == "run");
                decider.InUseHandedOver();
                continue;
            }
            out += (out.empty() ? "" : " ") + token;
            if (token == "mods?") {
                out += decider.AnyModifierHeld() ? "yes" : "no";
                continue;
            }
            KeyEvent e{.focus = Focus};
            if (token == "end" || token == "mid") {
                table->SetU8(HookAt::WaitClick + 3, token == "mid");
                e = {.vk = VirtualKey::Execute, .injectedByPlayer = true, .focus = Focus};
            } else {
                e.up = token[0] == 'u' || token[0] == 'R';
                e.replayed = token[0] == 'r' || token[0] == 'R';
                e.vk = static_cast<std::uint16_t>(std::stoi(token.substr(1)));
                e.scanCode = token.back() == 'g' ? AltGrControlScanCode : 0;
            }
            const InputDecision d = decider.OnKey(e, table->Bytes, nullptr);
            if (e.injectedByPlayer) {
                e.up = true;
                decider.OnKey(e, table->Bytes, nullptr);
                table->SetU8(HookAt::WaitClick + 3, 0);
            } else {
                out += std::string(d.swallow ? "/s" : "") + (d.postCount ? "=" + post(d) : "");
            }
            if (d.replayHeld)
                out += " > " + TakeHeld();
        }
        return out;
    }

    static void ExpectUntouched(const InputDecision& d, const char* why = "") {
        SCOPED_TRACE(why);
        EXPECT_FALSE(d.swallow);
        EXPECT_EQ(d.postCount, 0);
        EXPECT_EQ(d.typeInstead, 0);
    }

    std::unique_ptr<HookTable> table = std::make_unique<HookTable>();
    std::unique_ptr<SwapKeyTable> swaps;
    InputDecider decider;
};

TEST_F(HookDecisions, ACombinationInUseGoesToThePlayerOnly) {
    InputDecision d = With(VirtualKey::LeftControl, Q);
    ExpectPost(d, Player, ProgramMessage::HotKey, CtrlQ);
    EXPECT_TRUE(d.posts[0].focusInLParam);
    EXPECT_FALSE(d.maskModifiers);

    ExpectUntouched(With(VirtualKey::RightControl, W));
    ExpectUntouched(Press(Q));
    ExpectUntouched(With(VirtualKey::LeftShift, Q));
}

TEST_F(HookDecisions, CapsLockOnIsAddedToTheCode) {
    Press(VirtualKey::Capital);
    ExpectPost(With(VirtualKey::LeftControl, Q), Player, ProgramMessage::HotKey,
               CtrlQ | CapsLockOnBit);
}

TEST_F(HookDecisions, AHeldHotKeyIsReportedOnce) {
    Key(VirtualKey::LeftControl);
    ExpectPost(Key(Q), Player, ProgramMessage::HotKey, CtrlQ);
    for (int repeat = 0; repeat < 3; ++repeat) {
        InputDecision d = Key(Q);
        EXPECT_TRUE(d.swallow);
        EXPECT_EQ(d.postCount, 0);
    }
    EXPECT_TRUE(Key(Q, true).swallow);
    ExpectPost(Key(Q), Player, ProgramMessage::HotKey, CtrlQ);
}

TEST_F(HookDecisions, ThePlayersOwnInputNeverCounts) {
    ExpectUntouched(With(VirtualKey::LeftControl, Q, true));
    table->SetU8(HookAt::MacroPlaying, 1);
    ExpectUntouched(Press(VirtualKey::Escape, true));
    table->SetU8(HookAt::SecondWindowOn, 1);
    table->SetU32(HookAt::SecondWindow, Dialog);
    ExpectUntouched(With(VirtualKey::LeftControl, W, true));
    Button(1, false, true);
    ExpectUntouched(Button(1, true, true));
}

TEST_F(HookDecisions, TheSecondWindowGetsEveryCombinationWithACode) {
    table->SetU8(HookAt::SecondWindowOn, 1);
    table->SetU32(HookAt::SecondWindow, Dialog);
    ExpectPost(With(VirtualKey::LeftControl, Q), Dialog, ProgramMessage::SecondWindowKey, CtrlQ);
    ExpectPost(With(VirtualKey::LeftControl, W), Dialog, ProgramMessage::SecondWindowKey, CtrlW);
    ExpectUntouched(Press(Q));
    // The keys that leave the box go on to the dialog; their neighbours are
    // combinations like any other.
    // Escape reaches the dialog; the player hears of it as of any Escape
    // (it aborts a run, if one runs without the in-use byte).
    const InputDecision escape = Press(VirtualKey::Escape);
    EXPECT_FALSE(escape.swallow);
    EXPECT_EQ(post(escape), std::to_string(ProgramMessage::Abort - 0x400) + ":0:0");
    ExpectUntouched(Press(VirtualKey::Tab), "Tab");
    ExpectUntouched(With(VirtualKey::LeftShift, VirtualKey::Tab), "Shift+Tab");
    ExpectUntouched(Press(VirtualKey::Return), "Enter");
    auto altWith = [this](std::uint16_t vk, bool dialogLetter) {
        Key(VirtualKey::LeftMenu);
        InputDecision d =
            decider.OnKey({vk, false, false, Focus, 0, dialogLetter}, table->Bytes, nullptr);
        Key(vk, true);
        Key(VirtualKey::LeftMenu, true);
        return d;
    };
    ExpectUntouched(altWith(Q, true), "Alt and the dialog's letter");
    ExpectPost(altWith(Q, false), Dialog, ProgramMessage::SecondWindowKey, AltQ);
    EXPECT_TRUE(With(VirtualKey::LeftControl, VirtualKey::Tab).swallow);
    EXPECT_TRUE(With(VirtualKey::LeftControl, VirtualKey::Return).swallow);
    ExpectUntouched(decider.OnKey({Q, false, false, Focus, 0, true}, table->Bytes, nullptr),
                    "a letter alone");
    Key(Q, true);
    ExpectUntouched(Press(VirtualKey::LeftShift));
    // A click in the box is a combination; one beside it leaves the box.
    ExpectPost(Button(2, false, false, true), Dialog, ProgramMessage::SecondWindowKey,
               static_cast<std::uint32_t>(EncodeHotKey({.mouse = 2})));
    EXPECT_TRUE(Button(2, true).swallow);
    ExpectUntouched(Button(1));
    ExpectUntouched(Button(1, true));
    EXPECT_TRUE(InputDecider::AsksForCombination(table->Bytes));

    table->SetU8(HookAt::SecondWindowOn, 0);
    EXPECT_FALSE(InputDecider::AsksForCombination(table->Bytes));
    ExpectPost(With(VirtualKey::LeftControl, Q), Player, ProgramMessage::HotKey, CtrlQ);
    ExpectPost(altWith(Q, true), Player, ProgramMessage::HotKey, AltQ);
}

TEST_F(HookDecisions, EscapeAbortsARunThatWaitsForNoKey) {
    table->SetU8(HookAt::MacroPlaying, 1);
    ExpectPost(Press(VirtualKey::Escape), Player, ProgramMessage::Abort);
    // A hot key reaches no window: the player hears it, to start nothing but
    // a close; a combination not in use passes.
    ExpectPost(With(VirtualKey::LeftControl, Q), Player, ProgramMessage::HotKey, CtrlQ);
    ExpectUntouched(With(VirtualKey::LeftControl, W));

    // A run waiting for a key is told of Escape instead, and the key goes on.
    table->SetU8(HookAt::WaitClick + 1, 1);
    InputDecision waited = Press(VirtualKey::Escape);
    EXPECT_FALSE(waited.swallow);
    EXPECT_EQ(waited.posts[0].message, ProgramMessage::KeySeen);
    EXPECT_EQ(waited.posts[0].wParam, VirtualKey::Escape);
    table->SetU8(HookAt::MacroPlaying, 0);
    table->SetU8(HookAt::WaitClick + 1, 0);
    // A run without the in-use byte (a timed one) is told too; the key goes on.
    InputDecision unattended = Press(VirtualKey::Escape);
    EXPECT_FALSE(unattended.swallow);
    ASSERT_EQ(unattended.postCount, 1);
    EXPECT_EQ(unattended.posts[0].window, Player);
    EXPECT_EQ(unattended.posts[0].message, ProgramMessage::Abort);

    // Plain Escape a macro's hot key: every run stops on it all the same.
    // Without the in-use byte the abort comes before the hot key, which the
    // player starts only when nothing runs.
    constexpr int PlainEscape = 698;
    table->SetU8(HookAt::CodeUsed + PlainEscape, 1);
    const std::string abort = std::to_string(ProgramMessage::Abort - 0x400) + ":0:0";
    const std::string hotKey = std::to_string(ProgramMessage::HotKey - 0x400) + ":698:0";
    for (const std::uint8_t inUse : {0, 1}) {
        table->SetU8(HookAt::MacroPlaying, inUse);
        InputDecision d = Press(VirtualKey::Escape);
        EXPECT_TRUE(d.swallow);
        EXPECT_EQ(post(d), inUse ? abort : abort + " " + hotKey);
    }
}

// Keys typed while a Cueword's text is typed wait, and come after it once,
// in their order; Escape still stops the run.
TEST_F(HookDecisions, KeysTypedDuringACuewordsTextAreHeldAndReplayedAfterIt) {
    auto held = [&] {
        std::string keys;
        for (const HeldKey& k : decider.TakeHeldKeys())
            keys += (k.up ? "u" : "d") + std::to_string(k.vk) + (k.extended ? "e " : " ");
        return keys;
    };
    // A Shift pressed before the hold goes up through it: nothing stays down.
    EXPECT_FALSE(Key(VirtualKey::LeftShift).swallow);
    table->SetU8(HookAt::MacroPlaying, HookAt::PlayingHoldsTyping);
    EXPECT_FALSE(Key(VirtualKey::LeftShift, true).swallow);
    for (std::uint16_t vk : {A, W}) {
        InputDecision d = Press(vk);
        EXPECT_TRUE(d.swallow);
        EXPECT_FALSE(d.replayHeld);
    }
    EXPECT_TRUE(decider.OnKey({.vk = 0x25, .extended = true}, table->Bytes, nullptr).swallow);
    ExpectPost(Press(VirtualKey::Escape), Player, ProgramMessage::Abort);
    // The macro's own keys pass; its closing marker sends the held ones.
    ExpectUntouched(Press(Q, true));
    EXPECT_TRUE(Key(VirtualKey::Execute, false, true).replayHeld);
    Key(VirtualKey::Execute, true, true);
    EXPECT_EQ(held(), "d65 u65 d87 u87 d37e ");
    // Keys after the marker go straight on, the key up left held goes after it.
    ExpectUntouched(Press(Q));
    InputDecision late = Key(0x25, true);
    EXPECT_FALSE(late.swallow);

    // A run that ends without its marker: the next key sends the held ones
    // and itself after them.
    table->SetU8(HookAt::MacroPlaying, 0);
    ExpectUntouched(Press(Q));
    table->SetU8(HookAt::MacroPlaying, HookAt::PlayingHoldsTyping);
    EXPECT_TRUE(Key(A).swallow);
    table->SetU8(HookAt::MacroPlaying, 0);
    InputDecision next = Key(A, true);
    EXPECT_TRUE(next.swallow);
    EXPECT_TRUE(next.replayHeld);
    EXPECT_EQ(held(), "d65 u65 ");

    // A hot key in use waits whole, never to come back as a bare Alt.
    table->SetU8(HookAt::MacroPlaying, 0);
    ExpectUntouched(Press(Q));
    table->SetU8(HookAt::MacroPlaying, HookAt::PlayingHoldsTyping);
    EXPECT_TRUE(Key(VirtualKey::LeftMenu).swallow);
    EXPECT_TRUE(Press(Q).swallow);
    EXPECT_TRUE(Key(VirtualKey::LeftMenu, true).swallow);
    EXPECT_TRUE(Key(VirtualKey::Execute, false, true).replayHeld);
    Key(VirtualKey::Execute, true, true);
    EXPECT_EQ(held(), "d164 d81 u81 u164 ");

    // A click waits behind the keys typed before it: they go first, then the
    // press again, which is not held; its release goes on.
    table->SetU8(HookAt::MacroPlaying, HookAt::PlayingHoldsTyping);
    decider.InUseHandedOver();
    EXPECT_TRUE(Press(A).swallow);
    InputDecision click = Button(1);
    EXPECT_TRUE(click.swallow);
    EXPECT_TRUE(click.replayHeld);
    EXPECT_EQ(click.replayButton, 1);
    EXPECT_EQ(held(), "d65 u65 ");
    EXPECT_FALSE(decider.OnButton({.button = 1, .replayed = true}, table->Bytes).swallow);
    EXPECT_FALSE(Button(1, true).swallow);
    EXPECT_FALSE(Button(2).swallow) << "no key waits: a click goes on";
    Button(2, true);
    table->SetU8(HookAt::MacroPlaying, 0);

    // A Cueword macro that waits for the user's keys gets them.
    table->SetU8(HookAt::MacroPlaying, HookAt::PlayingHoldsTyping);
    table->SetU8(HookAt::WaitClick + 2, 1);
    EXPECT_FALSE(Press(A).swallow);
    table->SetU8(HookAt::WaitClick + 2, 0);
    table->SetU8(HookAt::MacroPlaying, 0);

    // What is typed again types what was typed, in its order, once.
    std::string full = "hold", fullSeen, fullHeld;
    for (int i = 0; i < 64; ++i) {
        full += " d65 u65";
        fullSeen += " d65/s u65/s";
        fullHeld += " d65 u65";
    }
    // Ctrl+W ends the player.
    const int terminate = EncodeHotKey({.vk = W, .ctrl = true});
    table->SetU8(HookAt::CodeUsed + terminate, 1);
    table->SetEntry(1, {.Kind = MacroKind::System,
                        .ScopeText = ScopeTextOf(SystemMacroAction::TerminatePlayer),
                        .Enabled = true,
                        .Activation = static_cast<std::uint16_t>(terminate)});
    std::string edge = "hold", edgeSeen, edgeHeld;
    for (int i = 0; i < 63; ++i) {
        edge += " d65 u65";
        edgeSeen += " d65/s u65/s";
        edgeHeld += " d65 u65";
    }
    struct Row {
        const char* what;
        std::string script, seen;
        bool cuewords = false;
    } rows[] = {
        {"Shift held before the hold and let go in it goes up after the letter it shifted",
         "d160 hold d65 u160 u65 end", "d160 d65/s u160/s u65/s end > d160 d65 u160 u65"},
        {"a modifier let go while nothing waits goes up at once", "d160 hold u160 d65 u65 end",
         "d160 u160 d65/s u65/s end > d65 u65"},
        {"Caps Lock waits behind the letters typed before it", "hold d65 u65 d20 u20 d66 u66 end",
         "d65/s u65/s d20/s u20/s d66/s u66/s end > d65 u65 d20 u20 d66 u66"},
        {"AltGr held before the hold goes first, as the system pressed it",
         "d162g d165 hold d81 u81 u165 u162g end",
         "d162g d165 d81/s u81/s u165/s u162g/s end > d162g d165 d81 u81 u165 u162g"},
        {"a hot key waits whole and is a hot key when typed again, once",
         "hold d162 d81 u81 u162 end r162 r81 R81 R162",
         "d162/s d81/s u81/s u162/s end > d162 d81 u81 u162 r162 r81/s=2:16:0 R81/s R162"},
        {"keys typed again count for the next Cueword, and their modifiers as held",
         "hold d160 d66 u66 end r160 r66 R66 mods? u160 R160 mods?",
         "d160/s d66/s u66/s end > d160 d66 u66 r160 r66=6:0:66 R66 mods?yes u160 R160 mods?no",
         true},
        {"a marker for input processed inside the run holds on", "hold d65 mid u65 end",
         "d65/s mid u65/s end > d65 u65"},
        {"the key that ends the player reaches it at once; its Ctrl waits with the typing",
         "hold d65 u65 d162 d87 u87 u162 end",
         "d65/s u65/s d162/s d87/s=2:" + std::to_string(terminate) +
             ":0 u87/s u162/s end > d65 u65 d162 u162"},
        {"a run that ends without its marker: the next key sends them, itself last",
         "hold d65 free u65 d66", "d65/s u65/s > d65 u65 d66"},
        {"the key past the room sends them all, itself last; later keys go straight on",
         full + " d66 u66 d67 end",
         fullSeen.substr(1) + " d66/s >" + fullHeld + " d66 u66 d67 end"},
        {"Alt pressed as the room runs out comes back with its key, and goes up",
         edge + " d164 d81 u81 r164 r81 R81 u164 end",
         edgeSeen.substr(1) + " d164/s d81/s u81/s >" + edgeHeld +
             " d164 d81 u81 r164 r81/s=2:64:0 R81/s u164 end"},
    };
    for (const Row& row : rows) {
        table->SetU8(HookAt::CuewordsExist, row.cuewords);
        table->SetMacroCount(row.cuewords ? 3 : 1);
        EXPECT_EQ(Play(row.script), row.seen) << row.what;
        Play("free");
        decider.SetCapsLock(false);
    }
}

// AltGr is the system's left Ctrl with the right Alt: a character, whatever
// other Ctrl comes and goes around it; a real Ctrl+Alt chord is a hot key.
TEST_F(HookDecisions, AltGrChordsTypeWhateverCtrlComesAndGoesAroundThem) {
    const int ctrlAltQ = EncodeHotKey({.vk = Q, .alt = true, .ctrl = true});
    table->SetU8(HookAt::CodeUsed + ctrlAltQ, 1);
    const std::string fires = "=2:" + std::to_string(ctrlAltQ) + ":0";
    struct Row {
        const char* what;
        const char* script;
        std::string seen;
    } rows[] = {
        {"a right Ctrl pressed and let go inside AltGr", "d162g d165 d163 u163 d81 u81 u165 u162g",
         "d162g d165 d163 u163 d81 u81 u165 u162g"},
        {"AltGr repeating, then a real Ctrl+Alt+Q",
         "d162g d165 d162g d165 d81 d162g d165 d81 u81 u165 u162g d162 d164 d81 u81 u164 u162",
         "d162g d165 d162g d165 d81 d162g d165 d81 u81 u165 u162g d162 d164 d81/s" + fires +
             " u81/s u164 u162"},
        {"a right Ctrl held through AltGr, then Q without AltGr",
         "d163 d162g d165 d81 u81 u165 u162g d81 u81 u163",
         "d163 d162g d165 d81 u81 u165 u162g d81/s=2:16:0 u81/s u163"},
        {"AltGr let go as keys with no side: a right Alt alone is Alt again",
         "d162g d165 u17 u18 d165 d81 u81 u165", "d162g d165 u17 u18 d165 d81/s=2:64:0 u81/s u165"},
    };
    for (const Row& row : rows) EXPECT_EQ(Play(row.script), row.seen) << row.what;
}

TEST_F(HookDecisions, WaitsHearOfTheUsersClicksKeysAndTextWhileTheirByteIsSet) {
    constexpr std::uint16_t F1 = 112;
    table->SetU8(HookAt::MacroPlaying, 1);
    // A remap table in place changes nothing of it.
    decider.roles.remap = true;
    swaps = std::make_unique<SwapKeyTable>(IdentitySwapTable());
    // Nothing while no byte asks.
    EXPECT_EQ(post(Press(F1)), "-");
    EXPECT_EQ(post(Button(1)), "-");

    table->SetU8(HookAt::WaitClick, 1);
    EXPECT_EQ(post(Button(2)), "14:2:0");
    EXPECT_EQ(post(Button(2, false, true)), "-");  // the macro's own click
    table->SetU8(HookAt::WaitClick, 0);

    table->SetU8(HookAt::WaitClick + 1, 1);
    EXPECT_EQ(post(Press(F1)), "15:112:0");
    EXPECT_EQ(post(Press(F1, true)), "-");
    table->SetU8(HookAt::WaitClick + 1, 0);

    table->SetU8(HookAt::WaitClick + 2, 1);
    EXPECT_EQ(post(Press(A)), "16:0:97");
    EXPECT_EQ(post(With(VirtualKey::LeftShift, A)), "16:0:65");
    EXPECT_EQ(post(Press(VirtualKey::Backspace)), "16:0:8");
    EXPECT_EQ(post(With(VirtualKey::LeftControl, A)), "16:1:0");
    EXPECT_EQ(post(Press(0x65)), "16:0:53");  // keypad 5
    EXPECT_EQ(post(Press(F1)), "16:1:0");     // a key that types nothing
    EXPECT_EQ(post(Press(A, true)), "-");
    // Caps Lock turns letters round; the same key in another window starts afresh.
    Press(VirtualKey::Capital);
    EXPECT_EQ(post(Press(A)), "16:0:65");
    EXPECT_EQ(post(decider.OnKey({A, false, false, Focus + 1}, table->Bytes, nullptr)),
              "16:1:0 16:0:65");
}

TEST_F(HookDecisions, TypingIsReportedToTheCuewordBufferWhileNoRunHasTheInput) {
    constexpr std::uint16_t One = '1', Left = 0x25, X = 'X';
    decider.layout.plain[One] = '1';
    decider.layout.plain[' '] = ' ';
    table->SetU8(HookAt::CuewordsExist, 1);
    table->SetMacroCount(3);
    auto typed = [&](std::uint16_t vk, std::uint32_t focus = Focus) {
        InputDecision d = decider.OnKey({vk, false, false, focus}, table->Bytes, nullptr);
        decider.OnKey({vk, true, false, focus}, table->Bytes, nullptr);
        return post(d);
    };
    struct Case {
        const char* what;
        std::function<std::string()> act;
        const char* posts;
    } cases[] = {
        {"a", [&] { return typed(A); }, "6:0:97"},
        {"B", [&] { return post(With(VirtualKey::LeftShift, 'B')); }, "6:0:66"},
        {"1", [&] { return typed(One); }, "6:0:49"},
        {"blank", [&] { return typed(' '); }, "6:0:32"},
        {"Enter, Tab, Backspace pass as characters",
         [&] {
             return typed(VirtualKey::Return) + " " + typed(VirtualKey::Tab) + " " +
                    typed(VirtualKey::Backspace);
         },
         "6:0:13 6:0:9 6:0:8"},
        {"Caps Lock",
         [&] {
             Press(VirtualKey::Capital);
             std::string p = typed('B');
             Press(VirtualKey::Capital);
             return p;
         },
         "6:2:66"},
        {"the reset comes before the first character in another window",
         [&] { return typed(A, Focus + 1); }, "6:1:0 6:0:97"},
        {"a modifier alone in another window still resets",
         [&] { return typed(VirtualKey::LeftShift, Focus); }, "6:1:0"},
        {"a key while nothing has the focus, then one where the focus was",
         [&] {
             const std::string nowhere = typed(A, 0);
             return nowhere + " " + typed(A, Focus);
         },
         "6:1:0 6:0:97 6:1:0 6:0:97"},
        {"an arrow", [&] { return typed(Left, Focus); }, "6:1:0"},
        {"keypad 5 and the keypad's signs with Num Lock on",
         [&] { return typed(0x65) + " " + typed(0x6E) + " " + typed(0x6B); },
         "6:0:53 6:0:46 6:0:43"},
        {"keypad 5 with Num Lock off (Clear)", [&] { return typed(0x0C); }, "6:1:0"},
        // A run without the in-use byte hears it too.
        {"Escape", [&] { return typed(VirtualKey::Escape); }, "6:1:0 5:0:0"},
        {"a function key", [&] { return typed(0x70); }, "6:1:0"},
        {"Num Lock", [&] { return post(Press(VirtualKey::NumLock)); }, "-"},
        {"Ctrl+X", [&] { return post(With(VirtualKey::LeftControl, X)); }, "6:1:0"},
        {"a click",
         [&] {
             std::string p = post(Button(1));
             Button(1, true);
             return p;
         },
         "6:1:0"},
        // Its macro's text comes between the letters typed before and after it.
        {"a hot key", [&] { return post(With(VirtualKey::LeftControl, Q)); }, "6:1:0 2:16:0"},
        {"a mouse hot key",
         [&] {
             Key(VirtualKey::LeftControl);
             std::string p = post(Button(1));
             Button(1, true);
             Key(VirtualKey::LeftControl, true);
             return p;
         },
         "6:1:0 2:701:0"},
        {"\"bt\", a hot key, \"w\": no word \"btw\" for the player",
         [&] {
             return typed('B') + " " + typed('T') + " " + post(With(VirtualKey::LeftControl, Q)) +
                    " " + typed(W);
         },
         "6:0:98 6:0:116 6:1:0 2:16:0 6:0:119"},
        {"the player's own typing", [&] { return post(Press(A, true)); }, "-"},
        {"during a run",
         [&] {
             table->SetU8(HookAt::MacroPlaying, 1);
             std::string p = typed(A);
             table->SetU8(HookAt::MacroPlaying, 0);
             return p;
         },
         "-"},
        {"no Cueword",
         [&] {
             table->SetU8(HookAt::CuewordsExist, 0);
             std::string p = typed(A);
             table->SetU8(HookAt::CuewordsExist, 1);
             return p;
         },
         "-"},
        {"no macros",
         [&] {
             table->SetMacroCount(0);
             std::string p = typed(A);
             table->SetMacroCount(3);
             return p;
         },
         "-"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.act(), c.posts) << c.what;
}

TEST_F(HookDecisions, TheFirstInputAfterAnIdlePeriodIsReportedOnce) {
    table->SetU8(HookAt::IdleMacroExists, 1);
    auto idle = [&](std::int32_t seconds) { PutI32(table->Bytes, HookAt::IdleSeconds, seconds); };
    idle(7);
    EXPECT_EQ(post(decider.OnPointerMoved({.injectedByPlayer = true}, table->Bytes)), "-")
        << "the player's own move";
    EXPECT_EQ(post(decider.OnPointerMoved({}, table->Bytes)), "18:0:0");
    EXPECT_EQ(table->U32(HookAt::IdleSeconds), 0u);
    EXPECT_EQ(post(decider.OnPointerMoved({}, table->Bytes)), "-");
    idle(3);
    EXPECT_EQ(post(Press(A)), "18:0:0");
    EXPECT_EQ(post(Press(A)), "-");
    idle(3);
    EXPECT_EQ(post(Button(2)), "18:0:0");
    Button(2, true);
    idle(3);
    table->SetU8(HookAt::IdleMacroExists, 0);
    EXPECT_EQ(post(Press(A)), "-") << "no idle macro";
}

TEST_F(HookDecisions, CapsLockReportsTheStateItLeaves) {
    decider.SetCapsLock(false);
    InputDecision on = Key(VirtualKey::Capital);
    EXPECT_FALSE(on.swallow);
    EXPECT_EQ(on.posts[0].window, Player);
    EXPECT_EQ(on.posts[0].message, ProgramMessage::CapsLock);
    EXPECT_EQ(on.posts[0].wParam, 1u);
    EXPECT_EQ(Key(VirtualKey::Capital).postCount, 0) << "a repeat toggles nothing";
    Key(VirtualKey::Capital, true);
    // The player's own press (switching Caps Lock off for a run) is followed.
    InputDecision off = Press(VirtualKey::Capital, true);
    EXPECT_EQ(off.posts[0].wParam, 0u);
    EXPECT_FALSE(decider.CapsLock());
}

TEST_F(HookDecisions, TheClosingKeyEndsTheRun) {
    ExpectUntouched(Press(VirtualKey::Execute, true), "no run: nothing to end");
    table->SetU8(HookAt::MacroPlaying, 1);
    ExpectUntouched(Press(VirtualKey::Execute), "only the player's own press");
    ExpectPost(Press(VirtualKey::Execute, true), Player, ProgramMessage::MacroEnded);
    // Inside a run, the same key marks the end of input the run waits on.
    table->SetU8(HookAt::WaitClick + 3, 1);
    ExpectPost(Press(VirtualKey::Execute, true), Player, ProgramMessage::InputProcessed);
}

TEST_F(HookDecisions, AltOrWinOverASwallowedKeyIsMasked) {
    EXPECT_TRUE(With(VirtualKey::LeftMenu, Q).maskModifiers);
    table->SetU8(HookAt::CodeUsed + 554 + 16, 1);  // Win+Q
    EXPECT_TRUE(With(VirtualKey::RightWin, Q).maskModifiers);
    EXPECT_FALSE(With(VirtualKey::LeftMenu, W).maskModifiers) << "an unused key needs no mask";
}

TEST_F(HookDecisions, MouseButtonsWithModifiers) {
    Key(VirtualKey::LeftControl);
    ExpectPost(Button(1), Player, ProgramMessage::HotKey, CtrlLMouse);
    EXPECT_TRUE(Button(1, true).swallow);
    ExpectUntouched(Button(2));
    ExpectUntouched(Button(2, true));
    Key(VirtualKey::LeftControl, true);
    ExpectUntouched(Button(1));
    ExpectUntouched(Button(1, true));

    decider.roles.mouse = false;
    Key(VirtualKey::LeftControl);
    ExpectUntouched(Button(1));
}

TEST_F(HookDecisions, NoPlayerWindowNoTableNoHook) {
    table->SetU32(HookAt::PlayerWindow, 0);
    ExpectUntouched(With(VirtualKey::LeftControl, Q));
    table->SetU32(HookAt::PlayerWindow, Player);
    decider.roles.hotKeys = false;
    ExpectUntouched(With(VirtualKey::LeftControl, Q));
    decider.roles.hotKeys = true;
    Key(VirtualKey::LeftControl);
    ExpectUntouched(decider.OnKey({Q, false, false}, Bytes(table->Bytes).first(100), nullptr));
    decider.OnKey({Q, true, false}, {}, nullptr);
    Key(VirtualKey::LeftControl, true);
}

TEST_F(HookDecisions, ModifiersAreHeldUntilEitherSideIsReleased) {
    Key(VirtualKey::LeftControl);
    Key(VirtualKey::RightControl, true);
    ExpectUntouched(Press(Q));
    Key(VirtualKey::Control);
    ExpectPost(Press(Q), Player, ProgramMessage::HotKey, CtrlQ);
}

// The keyboard as the system has it, and how often it was asked.
struct FakeKeyState final : RealKeyState {
    KeyCombination HeldModifiers() const override {
        ++asked;
        return held;
    }
    bool CapsLockOn() const override { return capsLock; }
    KeyCombination held;
    bool capsLock = false;
    mutable int asked = 0;
};

TEST_F(HookDecisions, AModifierReleaseTheHooksNeverSawIsCorrectedBeforeAHotKey) {
    FakeKeyState system;
    decider.realKeys = &system;
    Key(VirtualKey::LeftControl);
    // Ctrl was let go where the hooks could not see it.
    ExpectUntouched(Press(Q), "a plain Q taken for Ctrl+Q");
    ExpectUntouched(Press(Q));
    ExpectUntouched(Press(W));
    EXPECT_EQ(system.asked, 1) << "only a key that would act asks the system";
    // Caps Lock, switched where the hooks could not see it, travels with the
    // hot key as it is.
    system.held.ctrl = true;
    system.capsLock = true;
    ExpectPost(With(VirtualKey::LeftControl, Q), Player, ProgramMessage::HotKey,
               CtrlQ | CapsLockOnBit);
    EXPECT_TRUE(decider.CapsLock());

    // A run holds Shift (as the system says too): the user's Ctrl+Q is
    // still Ctrl+Q, during a run with or without the in-use byte.
    system.capsLock = false;
    Key(VirtualKey::LeftShift, false, true);
    system.held.shift = true;
    for (const std::uint8_t inUse : {0, 1}) {
        table->SetU8(HookAt::MacroPlaying, inUse);
        ExpectPost(With(VirtualKey::LeftControl, Q), Player, ProgramMessage::HotKey, CtrlQ);
        Key(VirtualKey::LeftControl);
        ExpectPost(Button(1), Player, ProgramMessage::HotKey, CtrlLMouse);
        Button(1, true);
        Key(VirtualKey::LeftControl, true);
    }

    // The player lifts the user's Ctrl for a keystroke: a key that acts in
    // that gap finds Ctrl up in the system, though the user holds it still,
    // and the player puts it back.
    Key(VirtualKey::LeftShift, true, true);
    system.held.shift = false;
    table->SetU8(HookAt::MacroPlaying, 1);
    Key(VirtualKey::LeftControl);
    Key(VirtualKey::LeftControl, true, true);
    system.held.ctrl = false;
    ExpectPost(Press(VirtualKey::Escape), Player, ProgramMessage::Abort);
    EXPECT_EQ(decider.UserModifierKeys(), ModifierKeyBit(VirtualKey::LeftControl));
    Key(VirtualKey::LeftControl, false, true);
    system.held.ctrl = true;
    table->SetU8(HookAt::MacroPlaying, 0);
    ExpectPost(Press(Q), Player, ProgramMessage::HotKey, CtrlQ);
    Key(VirtualKey::LeftControl, true);
}

class RemapDecisions : public HookDecisions {
  protected:
    RemapDecisions() {
        decider.roles.remap = true;
        swaps = std::make_unique<SwapKeyTable>();
    }
    void Remap(char from, char to) {
        (*swaps)[std::find(IdentitySwapTable().begin(), IdentitySwapTable().end(), from) -
                 IdentitySwapTable().begin()] = static_cast<std::uint8_t>(to);
    }
};

TEST_F(RemapDecisions, AnEmptyOrIdentityTableChangesNothing) {
    for (std::uint16_t vk = A; vk <= 'Z'; ++vk) ExpectUntouched(Press(vk));
    InitSwapKeys(*swaps);
    for (std::uint16_t vk = A; vk <= 'Z'; ++vk) ExpectUntouched(Press(vk));
}

TEST_F(RemapDecisions, ARemappedCharacterIsTypedInstead) {
    Remap('a', 'b');
    InputDecision d = Press(A);
    EXPECT_TRUE(d.swallow);
    EXPECT_EQ(d.typeInstead, 'b');
    ExpectUntouched(With(VirtualKey::LeftShift, A), "'A' is a key of its own");
    ExpectUntouched(With(VirtualKey::LeftControl, A), "commands are not typing");
    ExpectUntouched(Press(A, true), "the player's typing is never remapped");
    Press(VirtualKey::Capital);
    ExpectUntouched(Press(A), "with Caps Lock the key types 'A'");
    EXPECT_EQ(With(VirtualKey::LeftShift, A).typeInstead, 'b');
}

// With AltGr the key types another character, and a dead key none yet.
TEST_F(RemapDecisions, AltGrAndDeadKeysRemapWhatTheyType) {
    decider.layout.altGr[Q] = '@';
    decider.layout.plain[W] = '^';
    decider.layout.deadKeys[0][W] = true;
    Remap('q', 'z');
    Remap('@', 'x');
    Remap('^', 'y');
    decider.OnKey({.vk = VirtualKey::LeftControl, .scanCode = AltGrControlScanCode}, table->Bytes,
                  swaps->data());
    decider.OnKey({.vk = VirtualKey::RightMenu, .extended = true}, table->Bytes, swaps->data());
    EXPECT_EQ(Press(Q).typeInstead, 'x');
    decider.OnKey({.vk = VirtualKey::LeftControl, .up = true, .scanCode = AltGrControlScanCode},
                  table->Bytes, swaps->data());
    decider.OnKey({.vk = VirtualKey::RightMenu, .up = true, .extended = true}, table->Bytes,
                  swaps->data());
    EXPECT_EQ(Press(Q).typeInstead, 'z');
    ExpectUntouched(Press(W), "a dead key waits for its letter");
}

TEST_F(RemapDecisions, HotKeysComeFirstAndNoTableNoRemap) {
    Remap('q', 'z');
    ExpectPost(With(VirtualKey::LeftControl, Q), Player, ProgramMessage::HotKey, CtrlQ);
    EXPECT_EQ(Press(Q).typeInstead, 'z');
    ExpectUntouched(decider.OnKey({Q, false, false}, table->Bytes, nullptr));
}

}  // namespace
}  // namespace orv
