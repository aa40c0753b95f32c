#include "editor/commands/flow_commands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

#include "common/script/reader.h"
#include "tests/editor/commands/fake_file_checks.h"
#include "tests/editor/commands/outcome_testing.h"

namespace orv::editor {
namespace {

// Every accepted command must read back as the command the dialog meant.
void ExpectReadsBackAs(const std::string& text, CommandCode code, const CommandRecord& record) {
    std::vector<CommandLine> lines = ReadScript(text);
    ASSERT_EQ(lines.size(), 1u) << text;
    EXPECT_EQ(lines[0].Code, code) << text;
    EXPECT_EQ(lines[0].Record, record) << text;
}

using testing::ExpectRefused;

TEST(EditTextTest, CutsTo255AndTrimsBlanks) {
    EXPECT_EQ(EditText("  12  "), "12");
    EXPECT_EQ(EditText(std::string(300, 'a')).size(), 255u);
    EXPECT_EQ(EditText(std::string(254, ' ') + "ab"), "a");  // cut before the trim
}

TEST(ParseRealNumberTest, TakesDecimalNotationOnly) {
    EXPECT_EQ(ParseRealNumber("1.5"), 1.5);
    EXPECT_EQ(ParseRealNumber("-2"), -2.0);
    EXPECT_EQ(ParseRealNumber("+.5"), 0.5);
    EXPECT_EQ(ParseRealNumber("1e1"), 10.0);
    EXPECT_FALSE(std::signbit(*ParseRealNumber("-0")));
    for (const char* bad : {"", "-", ".", "1.2.3", "1,5", "abc", "inf", "nan", "--1", "0x10", "1 "})
        EXPECT_FALSE(ParseRealNumber(bad)) << bad;
}

TEST(DelayTest, SecondsFrom0To60WithTwoDecimals) {
    struct Row {
        const char* typed;
        const char* text;
        double value;
    };
    for (Row r : {Row{"1.5", "<DELAY:01.50>", 1.5}, Row{"12", "<DELAY:12.00>", 12},
                  Row{"60", "<DELAY:60.00>", 60}, Row{" 0.01 ", "<DELAY:00.01>", 0.01}}) {
        DelayOutcome out = ComposeDelay({DelayChoice::Seconds, r.typed});
        EXPECT_EQ(out.CommandText, r.text);
        EXPECT_EQ(out.OptionCode, 1);
        EXPECT_EQ(out.Raw.RawValue, r.value);
        ExpectReadsBackAs(out.CommandText, CommandCode::Delay, DelayRec{1, r.value});
    }
    // 0.004 would be written 00.00, a delay of nothing.
    for (const char* bad : {"0", "60.01", "-1", "abc", "", "0.004"})
        ExpectRefused(ComposeDelay({DelayChoice::Seconds, bad}),
                      "Value must be greater than zero and no larger than 60.",
                      DelayField::Seconds);
}

TEST(DelayTest, MillisecondsFrom1To9999) {
    DelayOutcome out = ComposeDelay({DelayChoice::Milliseconds, "75"});
    EXPECT_EQ(out.CommandText, "<MSD:0075>");
    EXPECT_EQ(out.OptionCode, 2);
    ExpectReadsBackAs(out.CommandText, CommandCode::Delay, DelayRec{2, 75});
    EXPECT_EQ(ComposeDelay({DelayChoice::Milliseconds, "9999"}).CommandText, "<MSD:9999>");
    for (const char* bad : {"0", "-3", "x", "1.5"})
        ExpectRefused(ComposeDelay({DelayChoice::Milliseconds, bad}),
                      "Value must be greater than zero.", DelayField::Seconds);
    ExpectRefused(ComposeDelay({DelayChoice::Milliseconds, "10000"}),
                  "Value must be less than 9999.", DelayField::Seconds);
}

TEST(DelayTest, TimedDelayInWholeSeconds) {
    DelayOutcome out = ComposeDelay({DelayChoice::Timed, "5"});
    EXPECT_EQ(out.CommandText, "<TDELAY:05>");
    EXPECT_EQ(out.OptionCode, 3);
    EXPECT_EQ(out.Raw.RawValue, 5);
    ExpectReadsBackAs(out.CommandText, CommandCode::WaitTimeDelay, DelayRec{3, 5});
    EXPECT_EQ(ComposeDelay({DelayChoice::Timed, "60"}).CommandText, "<TDELAY:60>");
    for (const char* bad : {"0", "61", "1.5", "q"})
        ExpectRefused(ComposeDelay({DelayChoice::Timed, bad}),
                      "Value must be greater than zero and no larger than 60.",
                      DelayField::Seconds);
}

TEST(DelayTest, BoxLimitFollowsTheChoice) {
    EXPECT_EQ(DelayMaxLength(DelayChoice::Timed), 2);
    EXPECT_EQ(DelayMaxLength(DelayChoice::Seconds), 5);
    EXPECT_EQ(DelayMaxLength(DelayChoice::Milliseconds), 4);
}

TEST(PauseTest, BasicAndComplexPauses) {
    PauseOutcome basic = ComposePause({true, "x", "y", "ignored"});
    EXPECT_EQ(basic.CommandText, "<PAUSE>");
    EXPECT_EQ(basic.OptionCode, 1);

    PauseOutcome out = ComposePause({false, "5", "40", " Hi "});
    EXPECT_EQ(out.CommandText, "<PAUSE:005,040Hi>");
    EXPECT_EQ(out.OptionCode, 2);
    EXPECT_EQ(out.Raw.RawTop, 5);
    EXPECT_EQ(out.Raw.RawLeft, 40);
    EXPECT_EQ(out.Raw.RawMessage, "Hi");
    PauseRec read{2, 5, 40, {}};
    read.Message = "Hi";
    ExpectReadsBackAs(out.CommandText, CommandCode::Pause, read);
    EXPECT_EQ(ComposePause({false, "999", "0", ""}).CommandText, "<PAUSE:999,000>");
}

TEST(PauseTest, RefusesCoordinatesInOrderAndAMessageThatWouldEndTheToken) {
    const std::string top = "Invalid Top Window Coordinate entered.  Please correct.";
    const std::string left = "Invalid Left Window Coordinate entered.  Please correct.";
    ExpectRefused(ComposePause({false, "-1", "-1", ""}), top, PauseField::TopCoord);
    ExpectRefused(ComposePause({false, "a", "0", ""}), top, PauseField::TopCoord);
    ExpectRefused(ComposePause({false, "1000", "0", ""}), top, PauseField::TopCoord);
    ExpectRefused(ComposePause({false, "0", "-5", ""}), left, PauseField::LeftCoord);
    PauseOutcome arrow = ComposePause({false, "0", "0", "a>b"});
    ASSERT_TRUE(arrow.Refused);
    EXPECT_EQ(arrow.Refused->Focus, PauseField::PauseMessage);
    EXPECT_NE(arrow.Refused->Message.find('>'), std::string::npos);
}

TEST(RepeatTest, StartRepeatWithCounter) {
    RepeatOutcome out = ComposeRepeat({RepeatChoice::Start, "3", "1", "1"});
    EXPECT_EQ(out.CommandText, "<REP:0003:000001:000001>");
    EXPECT_EQ(out.OptionCode, 1);
    EXPECT_EQ(out.Raw.RawCount, 3);
    ExpectReadsBackAs(out.CommandText, CommandCode::RepeatStart, RepeatRec{1, 3, 1, 1});
    out = ComposeRepeat({RepeatChoice::Start, "9999", "65535", "0"});
    EXPECT_EQ(out.CommandText, "<REP:9999:065535:000000>");
    ExpectReadsBackAs(out.CommandText, CommandCode::RepeatStart, RepeatRec{1, 9999, 65535, 0});
}

TEST(RepeatTest, RefusesCountsAndCountersInOrder) {
    ExpectRefused(ComposeRepeat({RepeatChoice::Start, "0", "x", "x"}),
                  "Value must be greater than zero.", RepeatField::Count);
    ExpectRefused(ComposeRepeat({RepeatChoice::Start, "ten", "1", "1"}),
                  "Value must be greater than zero.", RepeatField::Count);
    ExpectRefused(ComposeRepeat({RepeatChoice::Start, "10000", "1", "1"}),
                  "Value must be no larger than 9999.", RepeatField::Count);
    ExpectRefused(ComposeRepeat({RepeatChoice::Start, "2", "1.5", "x"}),
                  "Invalid start counter specified.  Please Correct.", RepeatField::CStart);
    ExpectRefused(ComposeRepeat({RepeatChoice::Start, "2", "1", ""}),
                  "Invalid step counter specified.  Please Correct.", RepeatField::CStep);
    // Written as typed, -5 would give the field "0000-5", which reads as 0.
    const std::string start = "The counter start must be between 0 and 65535.  Please Correct.";
    const std::string step = "The counter step must be between 0 and 65535.  Please Correct.";
    ExpectRefused(ComposeRepeat({RepeatChoice::Start, "2", "-5", "1"}), start, RepeatField::CStart);
    ExpectRefused(ComposeRepeat({RepeatChoice::Start, "2", "1", "-1"}), step, RepeatField::CStep);
    // The player keeps both as 16-bit values: 70000 would play as 4464.
    ExpectRefused(ComposeRepeat({RepeatChoice::Start, "2", "65536", "1"}), start,
                  RepeatField::CStart);
    ExpectRefused(ComposeRepeat({RepeatChoice::Start, "2", "1", "65536"}), step,
                  RepeatField::CStep);
}

TEST(RepeatTest, CounterWidthPromptAndEnd) {
    RepeatOutcome out = ComposeRepeat({RepeatChoice::Counter, "2", "", ""});
    EXPECT_EQ(out.CommandText, "<II>");
    EXPECT_EQ(out.OptionCode, 4);
    EXPECT_EQ(out.Raw.RawCount, 2);
    EXPECT_EQ(out.Raw.RawStart, 1);
    ExpectReadsBackAs(out.CommandText, CommandCode::RepeatCounter, RepeatRec{4, 2, 1, 1});
    EXPECT_EQ(ComposeRepeat({RepeatChoice::Counter, "1", "", ""}).CommandText, "<I>");
    EXPECT_EQ(ComposeRepeat({RepeatChoice::Counter, "4", "", ""}).CommandText, "<IIII>");
    for (const char* bad : {"5", "0", "w"})
        ExpectRefused(ComposeRepeat({RepeatChoice::Counter, bad, "", ""}),
                      "Width must be between 1 and 4.", RepeatField::Count);

    RepeatOutcome prompt = ComposeRepeat({RepeatChoice::Prompt, "bad", "bad", "bad"});
    EXPECT_EQ(prompt.CommandText, "<PROMPTREP>");
    EXPECT_EQ(prompt.OptionCode, 2);
    ExpectReadsBackAs(prompt.CommandText, CommandCode::RepeatPromptStart, RepeatRec{2, 0, 1, 1});
    RepeatOutcome end = ComposeRepeat({RepeatChoice::End, "", "", ""});
    EXPECT_EQ(end.CommandText, "<ENDREP>");
    EXPECT_EQ(end.OptionCode, 3);
    ExpectReadsBackAs(end.CommandText, CommandCode::RepeatEnd, RepeatRec{3, 0, 1, 1});
}

TEST(RepeatTest, LayoutByChoice) {
    EXPECT_EQ(RepeatLayoutFor(RepeatChoice::Start).CountLabel, "Repeat Count");
    EXPECT_TRUE(RepeatLayoutFor(RepeatChoice::Start).ShowCounter);
    EXPECT_EQ(RepeatLayoutFor(RepeatChoice::Counter).CountLabel, "Counter Width");
    EXPECT_FALSE(RepeatLayoutFor(RepeatChoice::Counter).ShowCounter);
    EXPECT_FALSE(RepeatLayoutFor(RepeatChoice::End).ShowCount);
    EXPECT_FALSE(RepeatLayoutFor(RepeatChoice::Prompt).ShowCount);
}

TEST(SpeedTest, KeystrokeAndMouseMilliseconds) {
    SpeedOutcome key = ComposeSpeed({SpeedChoice::Keyboard, "25"});
    EXPECT_EQ(key.CommandText, "<SPKEY:0025>");
    EXPECT_EQ(key.OptionCode, 1);
    EXPECT_EQ(key.Raw.RawCount, 25);
    EXPECT_EQ(key.Raw.RawFactor, 1.0);
    ExpectReadsBackAs(key.CommandText, CommandCode::KeystrokeSpeed, SpeedRec{1, 25, 1.0});
    SpeedOutcome mouse = ComposeSpeed({SpeedChoice::Mouse, "0"});
    EXPECT_EQ(mouse.CommandText, "<SPMSE:0000>");
    EXPECT_EQ(mouse.OptionCode, 2);
    ExpectReadsBackAs(mouse.CommandText, CommandCode::MouseSpeed, SpeedRec{2, 0, 1.0});
    ExpectRefused(ComposeSpeed({SpeedChoice::Mouse, "-1"}), "Value must be zero or greater.",
                  SpeedField::Count);
    ExpectRefused(ComposeSpeed({SpeedChoice::Keyboard, "fast"}), "Value must be zero or greater.",
                  SpeedField::Count);
    ExpectRefused(ComposeSpeed({SpeedChoice::Keyboard, "10000"}), "Value must be less than 10000.",
                  SpeedField::Count);
}

TEST(SpeedTest, PlaybackFactorWithTwoDecimals) {
    struct Row {
        const char* typed;
        const char* text;
        double factor;
    };
    for (Row r : {Row{"0.5", "<SPEED:00.50>", 0.5}, Row{"2", "<SPEED:02.00>", 2},
                  Row{"0", "<SPEED:00.00>", 0}, Row{"99.99", "<SPEED:99.99>", 99.99},
                  Row{"-0", "<SPEED:00.00>", 0}}) {
        SpeedOutcome out = ComposeSpeed({SpeedChoice::Macro, r.typed});
        EXPECT_EQ(out.CommandText, r.text);
        EXPECT_EQ(out.OptionCode, 3);
        EXPECT_EQ(out.Raw.RawCount, 0);
        EXPECT_EQ(out.Raw.RawFactor, r.factor);
        ExpectReadsBackAs(out.CommandText, CommandCode::MacroPlaybackSpeed,
                          SpeedRec{3, 0, r.factor});
    }
    ExpectRefused(ComposeSpeed({SpeedChoice::Macro, "-0.5"}), "Value must be zero or greater.",
                  SpeedField::Count);
    // 99.996 rounds to 100.00, one character too many for the token.
    ExpectRefused(ComposeSpeed({SpeedChoice::Macro, "99.996"}), "Value must be less than 100.",
                  SpeedField::Count);
    EXPECT_EQ(SpeedLabel(SpeedChoice::Macro), "Playback Factor");
    EXPECT_EQ(SpeedLabel(SpeedChoice::Mouse), "Delay in Milliseconds");
}

TEST(SwapTest, TheExistingFilesShortPath) {
    testing::FakeFileChecks files;
    files.AddFile("C:\\My Macros\\Office Work.ORN", "C:\\MYMACR~1\\OFFICE~1.ORN");
    files.AddFolder("C:\\My Macros", "C:\\MYMACR~1");
    SwapOutcome out = ComposeSwap({"  C:\\My Macros\\Office Work.ORN "}, files);
    EXPECT_EQ(out.CommandText, "<SWAP:C:\\MYMACR~1\\OFFICE~1.ORN>");
    EXPECT_EQ(out.Raw.FilePath, "C:\\MYMACR~1\\OFFICE~1.ORN");
    StringRec read;
    read.Text = out.Raw.FilePath;
    ExpectReadsBackAs(out.CommandText, CommandCode::LoadNewMacroFile, read);
    for (const char* missing : {"C:\\none.ORN", "", "C:\\My Macros"})
        ExpectRefused(ComposeSwap({missing}, files),
                      "Specified Macro File does not exist.  Please correct.", SwapField::ProgPath);
}

TEST(RemarkTest, AnyTextButOneThatWouldEndTheToken) {
    RemarkOutcome out = ComposeRemark({"  check the totals "});
    EXPECT_EQ(out.CommandText, "<REM:check the totals>");
    StringRec read;
    read.Text = "check the totals";
    ExpectReadsBackAs(out.CommandText, CommandCode::Remark, read);
    EXPECT_EQ(ComposeRemark({""}).CommandText, "<REM:>");
    RemarkOutcome arrow = ComposeRemark({"a > b, then type this"});
    ASSERT_TRUE(arrow.Refused);
    EXPECT_EQ(arrow.Refused->Focus, RemarkField::Comments);
    EXPECT_NE(arrow.Refused->Message.find(">"), std::string::npos);
}

TEST(NumberDialogTest, AltKeypadDigitsAsTyped) {
    EXPECT_EQ(ComposeAltKeypad({"7"}).CommandText, "<ALT:007>");
    EXPECT_EQ(ComposeAltKeypad({"65"}).CommandText, "<ALT:065>");
    EXPECT_EQ(ComposeAltKeypad({"169"}).CommandText, "<ALT:169>");
    EXPECT_EQ(ComposeAltKeypad({"0169"}).CommandText, "<ALT4:0169>");
    EXPECT_EQ(ComposeAltKeypad({"0065"}).CommandText, "<ALT4:0065>");
    // A sign or a hexadecimal form would be written into the token as typed.
    for (const char* bad : {"", "x", "-5", "+5", "$41", "12345", "1 2"})
        ExpectRefused(ComposeAltKeypad({bad}), "Value must be numeric.", NumberField::Seconds);
    // The sequence stays inside a Text line when read back.
    std::vector<CommandLine> lines = ReadScript("<ALT4:0169>");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Code, CommandCode::Text);
}

TEST(NumberDialogTest, SchedulerFrequencyFrom1To60) {
    EXPECT_EQ(ReadSchedulerFrequency(" 15 ").Seconds, 15);
    EXPECT_FALSE(ReadSchedulerFrequency("60").Refused);
    for (const char* bad : {"0", "61", "", "ten"})
        EXPECT_EQ(ReadSchedulerFrequency(bad).Refused, "Value must be between 1 and 60.") << bad;
}

TEST(NumberDialogTest, LayoutByMode) {
    DelayModeLayout alt = DelayModeLayoutFor(DelayMode::AltKeypad);
    EXPECT_EQ(alt.Caption, "Alt Keypad Sequence");
    EXPECT_EQ(alt.Label, "Keypad Numbers");
    EXPECT_EQ(alt.MaxLength, 4);
    EXPECT_FALSE(alt.ShowSecondsLabel);
    DelayModeLayout scheduler = DelayModeLayoutFor(DelayMode::SchedulerFrequency);
    EXPECT_EQ(scheduler.Caption, "Scheduler Frequency");
    EXPECT_EQ(scheduler.Label, "Check Every");
    EXPECT_EQ(scheduler.MaxLength, 2);
    EXPECT_TRUE(scheduler.ShowSecondsLabel);
}

}  // namespace
}  // namespace orv::editor
