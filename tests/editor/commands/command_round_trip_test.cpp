// Every dialog's commands, round the whole road: the dialog's input composes
// the golden text; the script reader reads that text as exactly the line the
// dialog made (code, record and wording); and the input the dialog shows for
// that line composes the same text again.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/script/display.h"
#include "common/script/reader.h"
#include "editor/commands/flow_commands.h"
#include "editor/commands/window_commands.h"
#include "tests/editor/commands/fake_file_checks.h"

namespace orv {
namespace {

struct RoundTripRow {
    std::string Golden;
    std::function<ComposedCommand()> Compose;
    std::function<ComposedCommand(CommandCode, const CommandRecord&)> Recompose;
};

// A row of a dialog whose compose function takes its input alone.
template <class Input, class ComposeFn>
RoundTripRow Row(std::string golden, Input input, ComposeFn compose) {
    return {std::move(golden), [=] { return ComposedCommand(compose(input)); },
            [=](CommandCode code, const CommandRecord& record) {
                return ComposedCommand(compose(InputFromRecord<Input>(code, record)));
            }};
}

const testing::FakeFileChecks& Files() {
    static const testing::FakeFileChecks files = [] {
        testing::FakeFileChecks f;
        f.AddFile("C:\\My Macros\\Office Work.ORN", "C:\\MYMACR~1\\OFFICE~1.ORN");
        f.AddFile("C:\\Tools\\Calc.exe", "C:\\TOOLS\\CALC.EXE");
        return f;
    }();
    return files;
}

std::vector<RoundTripRow> FlowRows() {
    auto delay = [](const DelayInput& in) { return ComposeDelay(in); };
    auto pause = [](const PauseInput& in) { return ComposePause(in); };
    auto repeat = [](const RepeatInput& in) { return ComposeRepeat(in); };
    auto speed = [](const SpeedInput& in) { return ComposeSpeed(in); };
    auto swap = [](const SwapInput& in) { return ComposeSwap(in, Files()); };
    auto remark = [](const RemarkInput& in) { return ComposeRemark(in); };
    auto alt = [](const AltKeypadInput& in) { return ComposeAltKeypad(in); };
    return {
        Row("<DELAY:01.50>", DelayInput{DelayChoice::Seconds, "1.5"}, delay),
        Row("<MSD:0075>", DelayInput{DelayChoice::Milliseconds, "75"}, delay),
        Row("<TDELAY:05>", DelayInput{DelayChoice::Timed, "5"}, delay),
        Row("<PAUSE>", PauseInput{true}, pause),
        Row("<PAUSE:005,040Hi>", PauseInput{false, "5", "40", "Hi"}, pause),
        Row("<REP:0003:000001:000001>", RepeatInput{RepeatChoice::Start, "3", "1", "1"}, repeat),
        Row("<PROMPTREP>", RepeatInput{RepeatChoice::Prompt}, repeat),
        Row("<ENDREP>", RepeatInput{RepeatChoice::End}, repeat),
        Row("<II>", RepeatInput{RepeatChoice::Counter, "2"}, repeat),
        Row("<SPKEY:0025>", SpeedInput{SpeedChoice::Keyboard, "25"}, speed),
        Row("<SPMSE:0000>", SpeedInput{SpeedChoice::Mouse, "0"}, speed),
        Row("<SPEED:00.50>", SpeedInput{SpeedChoice::Macro, "0.5"}, speed),
        Row("<SWAP:C:\\MYMACR~1\\OFFICE~1.ORN>", SwapInput{"C:\\My Macros\\Office Work.ORN"}, swap),
        Row("<REM:totals>", RemarkInput{" totals "}, remark),
        Row("<ALT:065>", AltKeypadInput{"65"}, alt),
        Row("<ALT4:0169>", AltKeypadInput{"0169"}, alt),
    };
}

std::vector<RoundTripRow> WindowRows() {
    auto active = [](const ActiveInput& in) { return ComposeActive(in, Files()); };
    auto sizeIt = [](const SizeItInput& in) { return ComposeSizeIt(in); };
    auto control = [](const SystemCommandInput& in) { return ComposeSystemCommand(in); };
    const std::string calc = "C:\\Tools\\Calc.exe";
    return {
        Row("<ACTIVATE:Calc>", ActiveInput{ActiveChoice::ActivateOnly, "Calc"}, active),
        Row("<LAUNCHDEL:03C:\\TOOLS\\CALC.EXE<PARAM>/x>",
            ActiveInput{ActiveChoice::LaunchOnly, "", calc, "/x", "3"}, active),
        Row("<LAUNCHNO2:0000Calc<LAUNCH:C:\\TOOLS\\CALC.EXE>",
            ActiveInput{ActiveChoice::LaunchAndActivate, "Calc", calc, "", "0", "0"}, active),
        Row("<LAUNCHYES2:0512Calc<LAUNCH:C:\\TOOLS\\CALC.EXE>",
            ActiveInput{ActiveChoice::ActivateOrLaunch, "Calc", calc, "", "5", "12"}, active),
        Row("<WSIZE:0640,0480\"CURRENT\">", SizeItInput{{true, ""}, true, "640", "480"}, sizeIt),
        Row("<WPOS2:-0005,00000Calc>", SizeItInput{{false, "Calc"}, false, "-5", "0"}, sizeIt),
        Row("<WPOS:0010,0020Calc>", SizeItInput{{false, "Calc"}, false, "10", "20"}, sizeIt),
        Row("<WMAX:Notepad>", SystemCommandInput{WindowControl::Maximize, {false, "Notepad"}},
            control),
        Row("<WSHUT:\"CURRENT\">", SystemCommandInput{WindowControl::ShutDown, {true, "x"}},
            control),
    };
}

// Later dialog families add their rows here.
std::vector<RoundTripRow> AllRows() {
    std::vector<std::vector<RoundTripRow>> families{FlowRows(), WindowRows()};
    std::vector<RoundTripRow> rows;
    for (auto& family : families) rows.insert(rows.end(), family.begin(), family.end());
    return rows;
}

TEST(CommandRoundTrip, EveryDialogsCommandReadsBackAndComposesAgain) {
    for (const RoundTripRow& row : AllRows()) {
        SCOPED_TRACE(row.Golden);
        ComposedCommand made = row.Compose();
        EXPECT_EQ(made.CommandText, row.Golden);

        std::vector<CommandLine> lines = ReadScript(made.CommandText);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].Code, made.Code);
        EXPECT_EQ(lines[0].Record, made.Record);
        EXPECT_EQ(lines[0].Text, DisplayLine(made.Code, made.Record));

        EXPECT_EQ(row.Recompose(lines[0].Code, lines[0].Record).CommandText, row.Golden);
    }
}

TEST(CommandRoundTrip, ACommandBeyond255CharactersIsRefused) {
    const std::string message = "The command is longer than 255 characters.  Please correct.";
    // "<REM:" and ">" around 249 characters make 255.
    EXPECT_EQ(ComposeRemark({std::string(249, 'r')}).CommandText.size(), 255u);
    RemarkOutcome longer = ComposeRemark({std::string(250, 'r')});
    ASSERT_TRUE(longer.Refused);
    EXPECT_EQ(longer.Refused->Message, message);
    EXPECT_EQ(longer.Refused->Focus, RemarkField::Comments);
    EXPECT_EQ(longer.CommandText, "");
    EXPECT_EQ(longer.Code, CommandCode::None);
    // A box without a limit is cut to 255 before anything is composed: the cut
    // text still makes too long a command.
    EXPECT_EQ(ComposeRemark({std::string(400, 'r')}).Refused->Message, message);
}

}  // namespace
}  // namespace orv
