#include "editor/shell/macro_import.h"

#include <gtest/gtest.h>

#include <numeric>

#include "common/files.h"
#include "common/hotkeys.h"
#include "common/script/writer.h"
#include "editor/shell/foreign_records.h"
#include "tests/editor/shell/memory_library.h"
#include "tests/support/scripted_message_boxes.h"

namespace orv::editor {
namespace {

using orv::testing::ScriptedMessageBoxes;
using testing::Macro;

const DateTime Now = EncodeDateTime(2026, 3, 4, 10, 30, 0);

class OwnFileImport : public ::testing::Test {
  protected:
    // Writes the records as an own macro file named name.
    std::string OwnFile(const std::string& name, const std::vector<MacroRecord>& records) {
        std::string path = folder / name;
        EXPECT_TRUE(ReplaceFileContents(path, testing::RecordFileBytes(records)));
        return path;
    }

    testing::TempFolder folder;
    testing::MemoryLibrary library;
    ScriptedMessageBoxes boxes;
};

TEST_F(OwnFileImport, SystemMacrosAreNotListedButKeepPositions) {
    MacroRecord menu = Macro("Menu", 5, MacroKind::PopupMenu);
    menu.CuewordText = "Y20";
    menu.SetPopupMembers({2, 4, 5});
    std::string path =
        OwnFile("other.orn", {Macro("Sys", 261, MacroKind::System), Macro("A", 1),
                              Macro("Sys2", 262, MacroKind::System), Macro("B", 2), menu});
    for (int k = 0; k < 10; ++k) library.Records.push_back(Macro("own", 30000));

    std::optional<ImportSource> source = OpenImportSource(path);

    ASSERT_TRUE(source);
    ASSERT_EQ(source->Entries.size(), 3u);
    EXPECT_EQ(source->Entries[0].Nickname, "A");
    EXPECT_EQ(source->Entries[0].Position, 1);
    EXPECT_EQ(source->Entries[2].Position, 4);
    // Its members A (record 2) and B (record 4) come in as 11 and 12, the menu
    // itself (record 5), chosen first, behind them as 13.
    ImportOutcome outcome = ImportChosen(*source, {2, 0, 1}, library, Now);
    EXPECT_EQ(outcome.Added, 3);
    EXPECT_TRUE(outcome.TrayMenu);
    ASSERT_EQ(library.Records.size(), 13u);
    EXPECT_EQ(library.Records[12].PopupMembers(), (std::vector<int>{11, 12, 13}));
    EXPECT_EQ(library.Records[10].Nickname, "A");
}

TEST_F(OwnFileImport, StopsWhenTheLibraryIsFullAndKeepsMembersUpToItsLastNumber) {
    MacroRecord menu = Macro("Menu", 5, MacroKind::PopupMenu);
    menu.SetPopupMembers({1, 2, 3});
    std::string path =
        OwnFile("other.ORN", {Macro("A", 1), Macro("B", 2), Macro("C", 3), Macro("D", 4), menu});
    for (int k = 0; k < 497; ++k) library.Records.push_back(Macro("own", 30000));
    std::optional<ImportSource> source = OpenImportSource(path);
    ASSERT_TRUE(source);

    ImportOutcome outcome = ImportChosen(*source, {4, 0, 1, 2, 3}, library, Now);

    EXPECT_EQ(outcome.Added, 3);
    EXPECT_FALSE(outcome.TrayMenu);
    // The first three chosen come in: A became 498 and B 499, the menu behind
    // them 500, the last number there is; C was not imported.
    ASSERT_EQ(library.Records.size(), 500u);
    EXPECT_EQ(library.Records[498].Nickname, "B");
    EXPECT_EQ(library.Records[499].PopupMembers(), (std::vector<int>{498, 499}));
}

// A menu's members are numbered as the library file numbers the records
// that land, whatever the tables count, a record left out, or another
// program's append on the way.
TEST_F(OwnFileImport, MenuMembersTakeTheNumbersTheFileGivesThem) {
    const struct Row {
        const char* what;
        std::optional<int> tablesCount;
        bool rewriteA;                // A changes in the import file after listing
        std::size_t interloperAfter;  // 0: none
        int added;
        std::optional<std::vector<int>> members;  // none: no menu written
        const char* said;
    } rows[] = {
        {"in step", {}, false, 0, 3, std::vector{11, 12}, nullptr},
        {"tables behind the file", 8, false, 0, 3, std::vector{11, 12}, nullptr},
        {"A left out", {}, true, 0, 2, std::vector{11}, ImportMessage::ChangedSinceListed},
        // The members land first: a menu is never written naming the other
        // program's macro.
        {"another append between the members",
         {},
         false,
         11,
         1,
         {},
         ImportMessage::LibraryChangedDuring},
        {"another append before the menu",
         {},
         false,
         12,
         2,
         {},
         ImportMessage::LibraryChangedDuring},
    };
    for (const Row& row : rows) {
        MacroRecord menu = Macro("Menu", 5, MacroKind::PopupMenu);
        menu.SetPopupMembers({1, 2});
        const std::string path = OwnFile("other.orn", {Macro("A", 1), Macro("B", 2), menu});
        std::optional<ImportSource> source = OpenImportSource(path);
        ASSERT_TRUE(source);
        if (row.rewriteA)
            OwnFile("other.orn", {Macro("A2", 1), Macro("B", 2), menu});
        library.Records.assign(10, Macro("own", 30000));
        library.Counted = row.tablesCount;
        if (row.interloperAfter > 0) {
            library.Interloper = Macro("other", 30000);
            library.InterloperAfter = row.interloperAfter;
        }
        if (row.said)
            boxes.Expect(row.said, MsgResult::Ok, "Error");

        const ImportOutcome outcome = ImportChosen(*source, {2, 0, 1}, library, Now);

        EXPECT_EQ(outcome.Added, row.added) << row.what;
        std::optional<std::vector<int>> members;
        for (const MacroRecord& r : library.Records)
            if (r.MacroKind == MacroKind::PopupMenu)
                members = r.PopupMembers();
        EXPECT_EQ(members, row.members) << row.what;
        EXPECT_EQ(library.Records.size(),
                  10u + static_cast<std::size_t>(row.added) + (row.interloperAfter > 0 ? 1u : 0u))
            << row.what;
    }
}

TEST_F(OwnFileImport, ChoiceChecksBeforeImporting) {
    std::string path =
        OwnFile("other.orn", {Macro("A", 1), Macro("B", 2), Macro("Window B", 2, MacroKind::Window),
                              Macro("C", 3), Macro("D", 4), Macro("E", 5)});
    std::optional<ImportSource> source = OpenImportSource(path);
    ASSERT_TRUE(source);

    const std::string clash =
        "A Global Hot Key for " + KeyName(2) + " already exists.  This macro will not be imported.";
    boxes.Expect(clash, MsgResult::Ok, "Warning");
    boxes.Expect(clash, MsgResult::Ok, "Warning");
    boxes.Expect(ImportMessage::ContinueWithExclusions, MsgResult::No, "Warning");
    ImportChoice choice = CheckImportChoice(*source, {1, 2}, {2, 30000, 2});
    EXPECT_EQ(choice.Chosen, (std::vector<int>{2}));  // a window macro's key does not clash
    EXPECT_FALSE(choice.Proceed);

    std::vector<std::uint16_t> full(498, 30000);
    boxes.Expect(
        "The maximum capacity of macros per file will be exceeded. The last 3 macros selected "
        "will not be imported.",
        MsgResult::Ok, "Warning");
    boxes.Expect(ImportMessage::ContinueWithExclusions, MsgResult::Yes, "Warning");
    choice = CheckImportChoice(*source, {0, 1, 3, 4, 5}, full);
    EXPECT_EQ(choice.Chosen.size(), 5u);
    EXPECT_TRUE(choice.Proceed);
    library.Records.assign(498, Macro("own", 30000));
    EXPECT_EQ(ImportChosen(*source, choice.Chosen, library, Now).Added, 2);
    EXPECT_EQ(library.Records.back().Nickname, "B");
    // The file already full while the tables count 498: nothing comes in, and
    // the user is told why.
    library.Records.assign(500, Macro("own", 30000));
    library.Counted = 498;
    boxes.Expect(LibraryMessage::LibraryFull, MsgResult::Ok, "Error");
    EXPECT_EQ(ImportChosen(*source, choice.Chosen, library, Now).Added, 0);
    EXPECT_EQ(library.Records.size(), 500u);
    library.Counted.reset();

    boxes.Expect(ImportMessage::NothingChosen, MsgResult::Ok, "Error");
    EXPECT_FALSE(CheckImportChoice(*source, {}, full).Proceed);

    // Two chosen global lines on one key: the later one is left out.
    source = OpenImportSource(OwnFile(
        "two.orn", {Macro("First", 7), Macro("Second", 7), Macro("Window", 7, MacroKind::Window)}));
    ASSERT_TRUE(source);
    boxes.Expect(
        "A Global Hot Key for " + KeyName(7) + " already exists.  This macro will not be imported.",
        MsgResult::Ok, "Warning");
    boxes.Expect(ImportMessage::ContinueWithExclusions, MsgResult::Yes, "Warning");
    choice = CheckImportChoice(*source, {0, 1, 2}, {30000});
    EXPECT_EQ(choice.Chosen, (std::vector<int>{0, 2}));

    // Another program put a global macro on that key after the check: the
    // import leaves the global one out, and says so.
    library.Records.assign(3, Macro("own", 30000));
    library.Records.push_back(Macro("meanwhile", 7));
    boxes.Expect(
        "A Global Hot Key for " + KeyName(7) + " already exists.  This macro will not be imported.",
        MsgResult::Ok, "Warning");
    EXPECT_EQ(ImportChosen(*source, choice.Chosen, library, Now).Added, 1);
    EXPECT_EQ(library.Records.back().Nickname, "Window");
}

// A foreign record image: a short string at at, and the activation and kind
// of a ".DR2" record.
std::string ForeignRecord(std::size_t size, std::size_t nameAt, std::string_view name,
                          std::uint16_t activation = 0, std::uint16_t kind = 0) {
    std::string bytes(size, '\0');
    bytes[nameAt] = static_cast<char>(name.size());
    bytes.replace(nameAt + 1, name.size(), name);
    if (size == 5141) {
        for (auto [at, value] : {std::pair{82, activation}, std::pair{84, kind}}) {
            bytes[static_cast<std::size_t>(at)] = static_cast<char>(value & 0xFF);
            bytes[static_cast<std::size_t>(at) + 1] = static_cast<char>(value >> 8);
        }
    }
    return bytes;
}
std::string Dravel(std::string_view name, std::uint16_t activation, std::uint16_t kind) {
    return ForeignRecord(5141, 0, name, activation, kind);
}
std::string Cueword(std::string_view cueword) {
    return ForeignRecord(3039, 3, cueword);
}
// A ".DR2" window-title macro.
std::string Titled(std::string_view name, std::string_view title) {
    std::string bytes = Dravel(name, ActivationCode::WindowTitle, MacroKind::Global);
    bytes[DravelMacroRecord::TitleAt] = static_cast<char>(title.size());
    bytes.replace(DravelMacroRecord::TitleAt + 1, title.size(), title);
    return bytes;
}
// A timed ".DR2" macro: its schedule kind, hour, minute, month, day, minutes
// past the hour, then its weekday and year.
std::string Timed(std::string_view name, std::uint16_t kind, std::array<int, 5> hmmdp,
                  int weekday = 1, int year = 2026) {
    std::string bytes = Dravel(name, ActivationCode::Scheduled, MacroKind::Global);
    auto put = [&](std::size_t at, int value) { bytes[at] = static_cast<char>(value & 0xFF); };
    put(DravelMacroRecord::ScheduleKindAt, kind);
    for (std::size_t k = 0; k < hmmdp.size(); ++k)
        put(DravelMacroRecord::ScheduleBytesAt + 7 + k, hmmdp[k]);
    put(DravelMacroRecord::WeekdayAt, weekday);
    put(DravelMacroRecord::YearAt, year);
    put(DravelMacroRecord::YearAt + 1, year >> 8);
    return bytes;
}

// Files with records the editor would not make itself: the good records of
// each file are listed and imported, the rest is said and left out.
TEST_F(OwnFileImport, RecordsTheEditorWouldRefuseAreLeftOutAndSaid) {
    const std::string good = Dravel("Good", 30000, MacroKind::Global);
    const std::string goodTimed = Timed("Daily", 3, {9, 30, 1, 1, 0});
    const std::string badCueword = std::string(": ") + BadCuewordNameMessage;
    const struct Row {
        std::string Name, Bytes, LeftOut;
        std::size_t Listed;
    } rows[] = {
        {"a.dr2", good + Dravel("Sys", 262, MacroKind::System),
         "Record 2 \"Sys\": its kind 5 is not one this file can give.", 1},
        {"a.dr2", good + Dravel("Menu", 5, MacroKind::PopupMenu),
         "Record 2 \"Menu\": its kind 4 is not one this file can give.", 1},
        {"a.dr2", Dravel("Odd", 5, 9) + good,
         "Record 1 \"Odd\": its kind 9 is not one this file can give.", 1},
        {"a.dr2", good + Dravel("Far", 721, MacroKind::Global),
         "Record 2 \"Far\": its activation 721 is not one this editor knows.", 1},
        {"a.dr2", good + Dravel("Cue", ActivationCode::Cueword, MacroKind::Global),
         "Record 2 \"Cue\": its activation 20000 is not one this editor knows.", 1},
        {"a.cuw", Cueword("ok") + Cueword("a b"), "Record 2 \"a b\"" + badCueword, 1},
        {"a.cuw", Cueword("ok") + Cueword("ab\x01"), "Record 2 \"ab\x01\"" + badCueword, 1},
        {"a.dr2", good + Titled("Blank", "   ") + Titled("Word", " Word "),
         "Record 2 \"Blank\": No Window title has been entered.", 2},
        {"a.dr2", good + goodTimed + Timed("Kind", 9, {9, 30, 1, 1, 0}),
         "Record 3 \"Kind\": its schedule kind 9 is not one this editor knows.", 2},
        {"a.dr2", goodTimed + Timed("Late", 3, {13, 0, 1, 1, 0}),
         "Record 2 \"Late\": its schedule: Invalid hour specified.", 1},
        {"a.dr2", goodTimed + Timed("Gone", 1, {9, 0, 1, 1, 0}, 1, 1999),
         "Record 2 \"Gone\": its schedule: Specified date has already elapsed.", 1},
        {"a.dr2", goodTimed + Timed("Idle", 7, {9, 0, 1, 1, 0}),
         "Record 2 \"Idle\": its schedule: Invalid minutes specified.  Must be between 1 and 90.",
         1},
        {"a.dr2", goodTimed + Timed("Noday", 4, {9, 0, 1, 1, 0}, 0),
         "Record 2 \"Noday\": its schedule: Invalid day of week specified.", 1},
        {"a.dr2", good + good.substr(0, 3000), "The last 3000 bytes: not a whole record.", 1},
        {"a.cuw", Cueword("abcdefghij") + "x", "The last 1 byte: not a whole record.", 1},
    };
    for (const Row& row : rows) {
        library.Records.assign(3, Macro("own", 30000));
        const std::string path = folder / row.Name;
        ASSERT_TRUE(ReplaceFileContents(path, row.Bytes));
        boxes.Expect("These parts of the import file are left out:\n\n" + row.LeftOut +
                         "\n\n1 record of the file will not be imported.",
                     MsgResult::Ok, "Warning");
        std::optional<ImportSource> source = OpenImportSource(path);
        ASSERT_TRUE(source) << row.LeftOut;
        ASSERT_EQ(source->Entries.size(), row.Listed) << row.LeftOut;
        std::vector<int> all(row.Listed);
        std::iota(all.begin(), all.end(), 0);
        EXPECT_EQ(ImportChosen(*source, all, library, Now).Added, static_cast<int>(row.Listed));
        EXPECT_EQ(library.Records.size(), 3 + row.Listed);
        EXPECT_EQ(ReadWholeFile(path), row.Bytes);
    }

    // A record rewritten by another program after the listing is not taken.
    const std::string path = folder / "b.dr2";
    ASSERT_TRUE(ReplaceFileContents(path, good));
    std::optional<ImportSource> source = OpenImportSource(path);
    ASSERT_TRUE(source);
    ASSERT_TRUE(ReplaceFileContents(path, Dravel("Good", 30000, MacroKind::System)));
    library.Records.assign(3, Macro("own", 30000));
    boxes.Expect(ImportMessage::ChangedSinceListed, MsgResult::Ok, "Error");
    EXPECT_EQ(ImportChosen(*source, {0}, library, Now).Added, 0);
    EXPECT_EQ(library.Records.size(), 3u);
}

TEST_F(OwnFileImport, KindsByTheFileNameEnding) {
    EXPECT_EQ(ImportKindOf("C:\\X\\a.orn"), ImportKind::Own);
    EXPECT_EQ(ImportKindOf("a.Dr2"), ImportKind::Dravel);
    EXPECT_EQ(ImportKindOf("a.CUW"), ImportKind::Cueword);
    EXPECT_EQ(ImportKindOf("ORN"), std::nullopt);
    boxes.Expect(ImportMessage::WrongType, MsgResult::Ok, "Error");
    EXPECT_FALSE(OpenImportSource(folder / "list.txt"));
    boxes.Expect(ImportMessage::OpenFailed, MsgResult::Ok, "Error");
    EXPECT_FALSE(OpenImportSource(folder / "missing.cuw"));
}

}  // namespace
}  // namespace orv::editor
