// Every dialog's commands, round the whole road: the dialog's input composes
// the golden text; the script reader reads that text as exactly the line the
// dialog made (code, record and wording); and the input the dialog shows for
// that line composes the same text again.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/script/catalogue.h"
#include "common/script/display.h"
#include "common/script/reader.h"
#include "editor/commands/date_time_commands.h"
#include "editor/commands/flow_commands.h"
#include "editor/commands/keystroke_text.h"
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

// Every date and time format, with and without zeros, future and past.
std::vector<RoundTripRow> DateTimeRows() {
    auto dateOrTime = [](const DateTimeInput& in) { return ComposeDateOrTime(in); };
    std::vector<RoundTripRow> rows;
    for (bool isTime : {false, true}) {
        for (int row = 0; row < DateTimeLayoutFor(isTime).RowCount; ++row) {
            std::string name(isTime ? TimeFormatTable[row].Name : DateFormatTable[row].Name);
            for (bool suppress : {false, true}) {
                for (bool future : {false, true}) {
                    std::string options = suppress ? "N" : "Y";
                    if (!isTime)
                        options += future ? "F012" : "P012";
                    rows.push_back(Row("<" + name + "{" + options + "}>",
                                       DateTimeInput{isTime, row, suppress, future, "12"},
                                       dateOrTime));
                }
            }
        }
    }
    rows.push_back(Row("<" + std::string(DateFormatTable[0].Name) + "{YF005}>",
                       DateTimeInput{false, 0, false, true, "5"}, dateOrTime));
    return rows;
}

std::vector<RoundTripRow> TextRows() {
    auto text = [](const TextInput& in) { return ComposeText(in); };
    auto symbol = [](int col, int row) {
        return RoundTripRow{
            std::string(1, static_cast<char>(SymbolCode(col, row))),
            [=] { return ComposedCommand(ComposeSymbol(col, row)); },
            [](CommandCode code, const CommandRecord& record) {
                return ComposedCommand(ComposeText(InputFromRecord<TextInput>(code, record)));
            }};
    };
    return {
        Row("Dear <SHIFT>sir<ENTER>", TextInput{"Dear <SHIFT>sir<ENTER>"}, text),
        Row("a<TAB>b<NUMLOCK>", TextInput{"a\tb<NUMLOCK>"}, text),
        symbol(0, 0),
        symbol(15, 7),
    };
}

// Later dialog families add their rows here.
std::vector<RoundTripRow> AllRows() {
    std::vector<std::vector<RoundTripRow>> families{FlowRows(), DateTimeRows(), TextRows()};
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
