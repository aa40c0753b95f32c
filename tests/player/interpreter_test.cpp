#include "player/interpreter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/cipher.h"
#include "player/date_time_text.h"
#include "tests/player/recording_host.h"
#include "tests/player/sample_token.h"
#include "tests/support/fake_clock.h"

namespace orv::player {
namespace {

using testing::RecordingHost;
using Trace = std::vector<std::string>;

class InterpreterTest : public ::testing::Test {
  protected:
    void Run(std::string_view script, RunOrigin origin = RunOrigin::Unattended) {
        ASSERT_TRUE(interpreter.RunMacro(script, origin));
    }

    RecordingHost host;
    RunState state;
    Interpreter interpreter{host, state};
};

TEST_F(InterpreterTest, PlainTextTypesThroughTheLayout) {
    Run("Hi there, 42!");
    EXPECT_EQ(host.Typed(), "Hi there, 42!");
    // A capital: Shift down, key down, key up, Shift up.
    const Trace keys = host.Keys();
    EXPECT_EQ(Trace(keys.begin(), keys.begin() + 4), (Trace{"d16", "d72", "u72", "u16"}));
}

TEST_F(InterpreterTest, CharactersOutsideTheLayoutGoThroughAltAndKeypad) {
    Run("\xE9");
    EXPECT_EQ(host.Keys(),
              (Trace{"d18", "d96", "u96", "d98", "u98", "d99", "u99", "d99", "u99", "u18"}));
    host.Trace.clear();
    Run("\x01");  // below 128 but no key: the character itself
    EXPECT_EQ(host.Trace, (Trace{"running", "char \x01", "stopped"}));
}

// Scripts and what they type, each in a run of its own.
TEST_F(InterpreterTest, TypedTexts) {
    struct Row {
        std::string_view script;
        std::string_view typed;
    };
    const Row rows[] = {
        // A lone line feed is a character: Ctrl+Enter on this layout.
        {"a\r\nb\nc", "a\nb^\nc"},
        // Unknown tokens are typed literally.
        {"<XYZ>a<b<TAB", "<XYZ>a<b<TAB"},
        // The widths decide between token and text.
        {"<REPEAT:1>x<ENDREP>", "<REPEAT:1>x"},
        {"<ALT:65>", "<ALT:65>"},
        // Repeats with counters.
        {"<REP:0003:000010:000005><I>,<ENDREP>", "10,15,20,"},
        {"<IIII>", "0001"},
        {"<REP:0012:000001:000001><ENDREP><REP:0001:000012:000001><II><ENDREP>", "12"},
        // Nested repeats multiply; each level counts its own passes.
        {"<REPEAT:0002><REPEAT:0003>x<ENDREP><ENDREP>y", "xxxxxxy"},
        {"a<REPEAT:0000>x<ENDREP>b", "ab"},
        {"<REP:0002:000001:000001><REP:0002:000005:000005><I><ENDREP>-<I>;<ENDREP>",
         "510-1;510-2;"},
        // Commands of other routines are passed over whole.
        {"a<REM:note>b<WMAX:\"CURRENT\">c<TBOX:<HEAD:Title>Text>d<BEGCLIP>xyz<ENDCLIP>e"
         "<SCREEN:001>f<PAUSE>g",
         "abcdefg"},
        // Tokens cut short at the end of the text are text: no field is read
        // beyond it.
        {"<WAITTIME:0", "<WAITTIME:0"},
        {"<DD{Y", "<DD{Y"},
        {"<REP:0002:0", "<REP:0002:0"},
        {"<MACRUN:nobody", "<MACRUN:nobody"},
        {"<MMS:00001,0>", "<MMS:00001,0>"},
    };
    for (const Row& row : rows) {
        host.Trace.clear();
        Run(row.script);
        EXPECT_EQ(host.Typed(), row.typed) << row.script;
    }
}

// Scripts and how long they wait, each in a run of its own.
TEST_F(InterpreterTest, WaitedTimes) {
    struct Row {
        std::string_view script;
        std::uint64_t idleMs;
    };
    const Row rows[] = {
        // Delays follow the playback speed.
        {"<DELAY:01.50><MSD:0200><SPEED:00.50><DELAY:01.00><TDELAY:02>", 1500 + 200 + 500 + 1000},
        {"<SPEED:00.00><DELAY:09.00><MSD:9000><TDELAY:09><SPKEY:0100>ab", 0},
        // Keystroke and mouse delays come before each action.
        {"<SPKEY:0040>ab<ENTER><SPMSE:0010><LCLK><MMS:00001,00001>", 3 * 40 + 2 * 10},
        {"<SPKEY:0040><SPKEY:0000>ab", 0},
        // Not a number, negative, or hours per keystroke: the factor stays.
        {"<SPEED:02.00><SPEED:ab.cd><MSD:0010><SPEED:-1.00><MSD:0010><SPEED:99999><MSD:0010>", 60},
        {"<SPEED:00003><MSD:0010>", 30},
    };
    for (const Row& row : rows) {
        host.IdleMs = 0;
        Run(row.script);
        EXPECT_EQ(host.IdleMs, row.idleMs) << row.script;
    }
}

TEST_F(InterpreterTest, HeldModifiersApplyToTheNextKeyOnly) {
    Run("<CTRL>vx<SHIFT><HOME>y");
    EXPECT_EQ(host.Typed(), "^Vx[36]y");
    EXPECT_EQ(host.Keys(), (Trace{"d17", "d86", "u86", "u17", "d88", "u88", "d16", "d36", "u36",
                                  "u16", "d89", "u89"}));
    host.Trace.clear();
    Run("<ALT><ALT>");
    EXPECT_EQ(host.Keys(), (Trace{"d18", "u18"}));
    // The user's own Ctrl goes for each key, the macro's Shift stays.
    host.Trace.clear();
    host.UserModifiers = ModifierKeyBit(VKey::LeftControl);
    Run("<SHIFT><HOME>");
    EXPECT_EQ(host.Keys(), (Trace{"d16", "u162", "d36", "u36", "u16", "d162"}));
}

// "<ALT>" toggles Alt, "<ALT:" and "<ALT4:" type a code on the keypad.
TEST_F(InterpreterTest, AltCodesAndTheAltToggle) {
    Run("<ALT:065><ALT4:0066><ALT>");
    EXPECT_EQ(host.Keys(),
              (Trace{"d18", "d96", "u96", "d102", "u102", "d101", "u101", "u18", "d18", "d96",
                     "u96", "d96", "u96", "d102", "u102", "d102", "u102", "u18", "d18", "u18"}));
}
TEST_F(InterpreterTest, RepeatWithoutEndAbortsTheRun) {
    Run("a<REPEAT:0002>bc");
    EXPECT_EQ(host.Typed(), "a");
    EXPECT_EQ(host.Notices(),
              (Trace{"Repeat Error: No \"End Repeat\" that matches the initial repeat specified in "
                     "the macro. Macro will abort.",
                     "Macro Abort: Orvane 99 macro has been aborted."}));
}

TEST_F(InterpreterTest, PromptedRepeatAsksForItsCount) {
    host.PromptCount = 3;
    Run("<PROMPTREP><I><ENDREP>");
    EXPECT_EQ(host.Typed(), "123");
}

TEST_F(InterpreterTest, LongRepeatBodyPlaysWhole) {
    const std::string body(6000, 'k');
    Run("<REPEAT:0002>" + body + "<ENDREP>");
    EXPECT_EQ(host.Typed(), body + body);
}

TEST_F(InterpreterTest, AbortInTheMiddleOfARepeat) {
    host.OnPump = [&] {
        if (host.Typed() == "ABA")
            state.AbortFlag = true;
    };
    Run("<REPEAT:0010><SHFD>ab<ENDREP>never");
    // The body returns at the abort; the repeat returns without a notice of
    // its own; the notice comes once from the body's call.
    EXPECT_EQ(host.Typed(), "ABA");
    EXPECT_EQ(host.Notices(), (Trace{"Macro Abort: Orvane 99 macro has been aborted."}));
    EXPECT_TRUE(host.StillDown().empty());
}

TEST_F(InterpreterTest, NoKeyOrButtonStaysDownAfterARun) {
    Run("<CTRL>");
    EXPECT_EQ(host.Keys(), (Trace{"d17", "u17"}));
    host.Trace.clear();
    Run("<CTLD><SHFD><WIND>a<LDN><RDN><MDN>");
    EXPECT_TRUE(host.StillDown().empty());
    host.Trace.clear();
    Run("<SHIFT><SHIFT><CTLD><CTLU>");
    EXPECT_TRUE(host.StillDown().empty());
}

TEST_F(InterpreterTest, CapsLockIsGivenBackExactlyOnce) {
    host.CapsLock = true;
    Run("a");
    EXPECT_EQ(host.Keys(), (Trace{"d20", "u20", "d65", "u65", "d20", "u20"}));
    host.Trace.clear();
    Run("a<REPEAT:0001>");  // ends through the abort path
    EXPECT_EQ(host.Keys(), (Trace{"d20", "u20", "d65", "u65", "d20", "u20"}));
    host.Trace.clear();
    Run("<REPEAT:0000><ENDREP>");
    EXPECT_EQ(host.Keys(), (Trace{"d20", "u20", "d20", "u20"}));
}

TEST_F(InterpreterTest, UserRunsAreMarkedAndEndWithTheEndMarker) {
    Run("<CTLD>", RunOrigin::User);
    EXPECT_EQ(host.Trace,
              (Trace{"in use", "running", "d17", "u17", "stopped", "d43", "u43", "clear timer"}));
    host.Trace.clear();
    Run("a", RunOrigin::Unattended);
    EXPECT_EQ(host.Trace, (Trace{"running", "d65", "u65", "stopped"}));
}

TEST_F(InterpreterTest, ASecondRunWhileOneIsUnderWayIsRefused) {
    bool refused = false;
    host.Macros["x"] = "y";
    host.OnPump = [&] {
        if (state.Running && !refused)
            refused = !interpreter.RunMacro("z", RunOrigin::User);
    };
    Run("ab");
    EXPECT_TRUE(refused);
    EXPECT_EQ(host.Typed(), "ab");
}

TEST_F(InterpreterTest, RunStartResetsSpeedsAndAbort) {
    state.AbortFlag = true;
    state.PlaybackSpeed = 0;
    state.KeystrokeDelayOn = true;
    state.KeystrokeDelay = 500;
    Run("a");
    EXPECT_EQ(host.Typed(), "a");
    EXPECT_EQ(host.IdleMs, 0u);
    EXPECT_EQ(state.PlaybackSpeed, 1.0);
}

TEST_F(InterpreterTest, TheTimedWaitWaitsOnTheNamedTimer) {
    Run("<WAITTIME:00000002>.");
    EXPECT_EQ(host.IdleMs, 2000u);
    EXPECT_EQ(host.Trace,
              (Trace{"running", "timer open", "timer close", "d190", "u190", "stopped"}));
}
TEST_F(InterpreterTest, ARunThatWaitsHoldsTheFineTimerUntilItEnds) {
    int heldWhileWaiting = 0;
    host.OnPump = [&] { heldWhileWaiting = std::max(heldWhileWaiting, host.FineTimerHeld); };
    Run("a<WAITTIME:00000002>b<WAITTIME:00000001>c");
    EXPECT_EQ(heldWhileWaiting, 1);
    EXPECT_EQ(host.FineTimerAsks, 1);  // once a run, however many waits
    EXPECT_EQ(host.FineTimerHeld, 0);
    Run("abc");
    EXPECT_EQ(host.FineTimerAsks, 1);  // a run that never waits never asks
}

TEST_F(InterpreterTest, WaitsAreAbortable) {
    host.OnPump = [&] {
        if (host.NowMs > 10000)
            state.AbortFlag = true;
    };
    Run("<WAITTIME:99999999>a");
    EXPECT_LT(host.IdleMs, 6000u);
    EXPECT_EQ(host.Typed(), "");
}

TEST_F(InterpreterTest, DateTokensOnAFixedClock) {
    orv::testing::FakeClock clock(EncodeDateTime(2024, 3, 5, 13, 45, 9));
    Run("<DD MMM YYYY{N}><MM/DD/YY{Y}>|<DD/MM/YY{NP007}>|<YYYYMMDD{YF030}>|<Day of Week 4{N}>");
    EXPECT_EQ(host.Typed(), "5 MAR 202403/05/24|27/2/24|20240404|TUESDAY");
    host.Trace.clear();
    Run("<hh:mma{N}> <hh:mm:ss{Y}> <hh{N}><mm{N}>");
    EXPECT_EQ(host.Typed(), "1:45p 13:45:09 1345");
}

TEST_F(InterpreterTest, EveryDateAndTimeTokenTypesItsFormat) {
    orv::testing::FakeClock clock(EncodeDateTime(2009, 7, 4, 21, 8, 5));
    const DateTimeParts now = DecodeDateTime(clock.Now());
    const DateTimeParts weekAgo = DecodeDateTime(clock.Now() - 7);
    for (int f = 1; f <= DateFormatCount; ++f) {
        const std::string name(DateFormatTable[f - 1].Name);
        host.Trace.clear();
        Run("<" + name + "{N}>|<" + name + "{YP007}>");
        EXPECT_EQ(host.Typed(), DateText(f, false, now) + "|" + DateText(f, true, weekAgo)) << name;
    }
    for (int f = 1; f <= TimeFormatCount; ++f) {
        const std::string name(TimeFormatTable[f - 1].Name);
        host.Trace.clear();
        Run("<" + name + "{N}>|<" + name + "{Y}>");
        EXPECT_EQ(host.Typed(), TimeText(f, false, now) + "|" + TimeText(f, true, now)) << name;
    }
}

TEST_F(InterpreterTest, DateNamesAreToldApartFromMouseAndCounterTokens) {
    orv::testing::FakeClock clock(EncodeDateTime(2024, 3, 5, 8, 0, 0));
    // "<MMC>" and "<MMS:" are mouse rows; "<MM{" and "<MMM YYYY{" are dates;
    // "<MMDDYY{" is no mouse row either.
    host.Caret = ScreenPoint{7, 8};
    Run("<MM{N}><MMM YYYY{N}><MMDDYY{Y}><MMC><MMS:00010,00020><DD{N}><Mmm{N}>");
    EXPECT_EQ(host.Typed(), "3MAR 20240305245Mar");
    EXPECT_NE(std::find(host.Trace.begin(), host.Trace.end(), "caret 7,8"), host.Trace.end());
    host.Trace.clear();
    // A time name without its closing is no token.
    Run("<hh:mm{X}>");
    EXPECT_EQ(host.Typed(), "<hh:mm{X}>");
}

TEST_F(InterpreterTest, MouseTokens) {
    host.Screen = {1000, 500};
    host.Cursor = {100, 100};
    host.Foreground = {300, 50};
    Run("<LCLK><RDCLK><MDN><MUP><WFW:003><WBW:002><MMS:00000,00000><MMS:00999,00499>"
        "<MMP:-0050,00010><MMW:00010,-0010><MMS:-0005,99999>");
    EXPECT_EQ(host.Trace, (Trace{"running", "mouse 2", "mouse 4", "mouse 8", "mouse 16", "mouse 8",
                                 "mouse 16", "mouse 32", "mouse 64", "wheel 360", "wheel -240",
                                 "move 16,32", "move 65486,65437", "move 3293,14450",
                                 "move 20332,5275", "move 16,65437", "stopped"}));
    host.Trace.clear();
    Run("<MMC>");
    EXPECT_EQ(host.Notices(),
              (Trace{"Error: Could not move the mouse to the location of the caret."}));
}

TEST_F(InterpreterTest, NestedTexts) {
    host.Macros["Sign"] = "Bye<REPEAT:0002>!<ENDREP>";
    host.Files["note.txt"] = std::string("file<TAB>") + '\x1a';
    Run("<MACRUN:Sign>-<MACRUN:sign>-<TFILE:note.txt>-<TFILE:missing.txt>-");
    EXPECT_EQ(host.Typed(), "Bye!!--file\t--");
    host.Trace.clear();
    Run("<ETEXT:" + EncryptText("se<ENTER>cret", "DRUNBOLTqiv", 77) + ">.");
    EXPECT_EQ(host.Typed(), "se\ncret.");
}

TEST_F(InterpreterTest, ATextFileBeyondTheBoundIsRefusedWithANotice) {
    host.Files["huge.txt"] = std::string(Interpreter::MaxTextFileBytes + 1, 'x');
    Run("a<TFILE:huge.txt>b");
    EXPECT_EQ(host.Typed(), "a");
    ASSERT_EQ(host.Notices().size(), 2u);
    EXPECT_TRUE(
        host.Notices()[0].starts_with("Text File Error: The text file huge.txt is larger "
                                      "than 1048576 bytes"))
        << host.Notices()[0];
}

TEST_F(InterpreterTest, AbortInsideANestedRunIsNoticedAtEachLevelWithTextLeft) {
    host.Macros["inner"] = "ab<CTLD>cd";
    host.OnPump = [&] {
        if (host.Typed() == "ab")
            state.AbortFlag = true;
    };
    Run("<MACRUN:inner>rest");
    EXPECT_EQ(host.Notices().size(), 2u);
    EXPECT_TRUE(host.StillDown().empty());
}

TEST_F(InterpreterTest, AMacroRunningItselfEndsWithANotice) {
    host.Macros["loop"] = "x<MACRUN:loop>";
    Run("<MACRUN:loop>");
    EXPECT_EQ(host.Typed(), std::string(Interpreter::MaxNesting, 'x'));
    ASSERT_EQ(host.Notices().size(), 1u);
    EXPECT_TRUE(host.Notices()[0].starts_with("Macro Nesting Error: "));
}

// The forms the interpreter plays itself: each one types, clicks, waits,
// tells or changes a speed, with zeros in its fields or with ones.
TEST_F(InterpreterTest, EveryFormItPlaysItselfActs) {
    host.Macros["x"] = "m";
    host.Files["x"] = "f";
    host.PromptCount = 1;
    bool acted = false;
    const auto play = [&](std::string token) {
        host.Trace.clear();
        host.IdleMs = 0;
        if (token.starts_with("<ETEXT:"))
            token = "<ETEXT:" + EncryptText("m", EncryptedTextKey, 77) + ">";
        Run(token);
        const bool pointer = std::any_of(host.Trace.begin(), host.Trace.end(), [](auto& line) {
            return line.starts_with("move ") || line.starts_with("wheel ");
        });
        acted = pointer || !host.Keys().empty() || !host.Notices().empty() || host.IdleMs > 0 ||
                state.PlaybackSpeed != 1.0 || state.KeystrokeDelayOn || state.MouseDelayOn;
    };
    const auto idle = testing::FormsThatDidNothing(
        FamilyId::Interpreter,
        [&](const std::string& token) {
            play(token);
            if (acted)
                return;
            std::string ones = token;
            for (std::size_t at = 1; at < ones.size() && ones[at] != 'x'; ++at) {
                if (ones[at] == '0')
                    ones[at] = '1';
            }
            play(ones);
        },
        [&] { return acted; });
    EXPECT_TRUE(idle.empty()) << ::testing::PrintToString(idle);
}

}  // namespace
}  // namespace orv::player
