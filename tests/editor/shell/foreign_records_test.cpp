#include "editor/shell/foreign_records.h"

#include <gtest/gtest.h>

#include <cstring>

#include "common/hotkeys.h"
#include "tests/support/scripted_message_boxes.h"

namespace orv::editor {
namespace {

using orv::testing::ScriptedMessageBoxes;

const DateTime Now = EncodeDateTime(2026, 3, 4, 10, 30, 0);

// Record images written at the offsets of the file formats, spelled out here
// rather than taken from the codecs.
template <std::size_t Size>
struct Image {
    std::array<std::uint8_t, Size> Bytes{};

    void Text(std::size_t at, std::string_view s) { std::memcpy(&Bytes[at], s.data(), s.size()); }
    void Short(std::size_t at, std::string_view s) {
        Bytes[at] = static_cast<std::uint8_t>(s.size());
        Text(at + 1, s);
    }
    void U16(std::size_t at, std::uint16_t v) {
        Bytes[at] = static_cast<std::uint8_t>(v);
        Bytes[at + 1] = static_cast<std::uint8_t>(v >> 8);
    }
};

using DravelImage = Image<5141>;
using CuewordImage = Image<3039>;

DravelImage DravelWithText(std::string_view script, std::uint8_t clipboard = 0) {
    DravelImage image;
    image.Short(0, "Start app");
    image.U16(82, 30000);
    image.U16(84, 1);
    image.Bytes[86] = 1;
    image.Bytes[87] = clipboard;
    image.U16(88, static_cast<std::uint16_t>(script.size() + 1));
    image.Text(90, script);
    return image;
}

MacroRecord ImportDravel(const DravelImage& image) {
    auto record = ImportedFromDravel(DravelMacroRecord::Decode(image.Bytes), Now);
    EXPECT_TRUE(record);
    return record.value_or(MacroRecord{});
}

TEST(DravelRecord, EveryFieldDecodesAndIsCarriedOver) {
    DravelImage image;
    image.Short(0, "Daily report");
    image.Short(51, "Untitled - Notepad");
    image.U16(82, 10000);
    image.U16(84, 2);
    image.Bytes[86] = 1;
    image.Bytes[87] = 0;
    image.U16(88, 1234);
    image.Text(90, "hello");
    image.U16(5091, 3);
    for (int k = 0; k < 12; ++k) image.Bytes[5093 + k] = static_cast<std::uint8_t>(20 + k);
    image.U16(5105, 0x1234);
    image.Bytes[5107] = 6;
    image.U16(5108, 2003);
    image.Bytes[5110] = 1;
    image.Bytes[5111] = 0;
    std::fill(image.Bytes.begin() + 5112, image.Bytes.end(), 0xEE);  // never read

    MacroRecord r = ImportDravel(image);

    EXPECT_EQ(r.Nickname, "Daily report");
    EXPECT_EQ(r.ScopeText, "Untitled - Notepad");
    EXPECT_EQ(r.CuewordText, "");
    EXPECT_EQ(r.ActivationCode, 10000);
    EXPECT_EQ(r.MacroKind, 2);
    EXPECT_EQ(r.Enabled, 1);
    EXPECT_EQ(r.TextLength, 1234);  // as stored when the text is not rewritten
    EXPECT_EQ(r.ScriptText(), "hello");
    EXPECT_EQ(r.ScheduleKind, 3);
    EXPECT_EQ(r.DayFlags, (std::array<std::uint8_t, 7>{20, 21, 22, 23, 24, 25, 26}));
    EXPECT_EQ((std::array{r.Hour, r.Minute, r.Month, r.Day, r.MinutePastHour}),
              (std::array<std::uint8_t, 5>{27, 28, 29, 30, 31}));
    EXPECT_EQ(r.Minutes, 0x1234);
    EXPECT_EQ(r.Weekday, 6);
    EXPECT_EQ(r.Year, 2003);
    EXPECT_EQ(r.Pm, 1);
    EXPECT_EQ(r.ScopeMatch, 0);
    EXPECT_EQ(r.IconName, "MAIN");
    EXPECT_EQ(r.Changed, Now);
    EXPECT_EQ(r.CategoryId, 0u);
    EXPECT_EQ(r.CuewordCase, 3);
    EXPECT_EQ(r.CuewordRemove, 1);
}

struct LaunchCase {
    const char* Name;
    std::string Text;
    std::string Script;
};

TEST(DravelRecord, ProgramStartsBecomeCommands) {
    const std::vector<LaunchCase> cases = {
        {"program and folder", "<LAUNCH>xC:\\APP\\X.EXE<PARAM>C:\\WORK",
         "<CHDIR:C:\\WORK><LAUNCH:C:\\APP\\X.EXE>"},
        {"program alone", "<LAUNCH>xC:\\APP\\X.EXE", "<LAUNCH:C:\\APP\\X.EXE>"},
        {"folder before any program", "<LAUNCH><PARAM>C:\\WORK", "<CHDIR:C:\\WORK><LAUNCH:>"},
        {"marker alone", "<LAUNCH>", "<LAUNCH:>"},
        {"launch inside a text is text", "type <LAUNCH>x", "type <LAUNCH>x"},
    };
    for (const LaunchCase& c : cases) {
        SCOPED_TRACE(c.Name);
        MacroRecord r = ImportDravel(DravelWithText(c.Text, 1));
        bool rewritten = c.Text.starts_with("<LAUNCH>");
        // A program start is typed, never pasted; other texts keep the paste.
        EXPECT_EQ(r.ScriptText(),
                  rewritten ? c.Script : "<BEGCLIP>" + c.Script + "<ENDCLIP><CLIPP>");
        EXPECT_EQ(r.TextLength, r.ScriptText().size() + 1);
    }
}

TEST(DravelRecord, ProgramStartOverACommandsLengthIsNotImported) {
    ScriptedMessageBoxes boxes;
    boxes.Expect(
        "The program start of the macro \"Start app\" is longer than the 255 character limit of a "
        "command.  The macro will not be imported.",
        MsgResult::Ok, "Error");
    const std::string text = "<LAUNCH>x" + std::string(247, 'p');  // 256 with the brackets
    EXPECT_FALSE(ImportedFromDravel(DravelMacroRecord::Decode(DravelWithText(text).Bytes), Now));
    EXPECT_EQ(RewriteLaunch("<LAUNCH>x" + std::string(246, 'p'))->size(), 255u);
}

TEST(DravelRecord, PastedTextIsCutToKeepItsWrapping) {
    ScriptedMessageBoxes boxes;
    const std::string text(4990, 't');
    boxes.Expect("The size of the macro contents \"" + std::string(51, 't') +
                     "...\" exceeds the 5000 character limit.  The macro contents keys will be "
                     "truncated to 5000 characters.",
                 MsgResult::Ok, "Error");
    MacroRecord r = ImportDravel(DravelWithText(text, 1));
    const std::string script = r.ScriptText();
    EXPECT_EQ(script.size(), 5000u);
    EXPECT_TRUE(script.starts_with("<BEGCLIP>ttt"));
    EXPECT_TRUE(script.ends_with("tt<ENDCLIP><CLIPP>"));
    EXPECT_EQ(r.TextLength, 5000);
}

TEST(CuewordRecord, DecodesAndBecomesAGlobalCuewordMacro) {
    CuewordImage image;
    std::fill(image.Bytes.begin(), image.Bytes.begin() + 3, 0xEE);  // never read
    image.Short(3, "sig");
    image.Bytes[14] = 1;
    image.U16(15, 777);
    image.Text(17, "Best regards");
    image.Bytes[3018] = 0;
    std::fill(image.Bytes.begin() + 3019, image.Bytes.end(), 0xEE);

    MacroRecord r = ImportedFromCueword(CuewordImportRecord::Decode(image.Bytes), Now);

    EXPECT_EQ(r.Nickname, "");
    EXPECT_EQ(r.CuewordText, "sig");
    EXPECT_EQ(r.ActivationCode, 20000);
    EXPECT_EQ(r.Enabled, 1);
    EXPECT_EQ(r.TextLength, 777);
    EXPECT_EQ(r.ScriptText(), "Best regards");
    EXPECT_EQ(r.Year, 1998);  // the defaults of every imported macro
}

TEST(CuewordRecord, PastedAndEmptyCuewords) {
    CuewordImage image;
    image.Short(3, "");
    image.Text(17, std::string(3005, 'w'));  // runs over its NUL into the flag
    image.Bytes[3018] = 1;
    ScriptedMessageBoxes boxes;
    boxes.Expect(
        "A Cueword of the import file is empty.  An empty Cueword would run with every typed key, "
        "so the macro is imported without activation.",
        MsgResult::Ok, "Error");

    MacroRecord r = ImportedFromCueword(CuewordImportRecord::Decode(image.Bytes), Now);

    EXPECT_EQ(r.ActivationCode, ActivationCode::None);
    EXPECT_EQ(r.CuewordText, "");
    EXPECT_EQ(r.ScriptText(), "<BEGCLIP>" + std::string(3000, 'w') + "<ENDCLIP><CLIPP>");
}

}  // namespace
}  // namespace orv::editor
