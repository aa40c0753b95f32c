#include "editor/shell/text_import.h"

#include <gtest/gtest.h>

#include "common/hotkeys.h"
#include "tests/common/library_fixture.h"
#include "tests/editor/shell/memory_library.h"
#include "tests/support/scripted_message_boxes.h"

namespace orv::editor {
namespace {

using orv::testing::ScriptedMessageBoxes;

const DateTime Now = EncodeDateTime(2026, 3, 4, 10, 30, 0);

int CodeNamed(const std::string& name) {
    for (int code = 0; code < HotKeyCount; ++code)
        if (KeyName(code) == name)
            return code;
    return -1;
}

struct Made {
    int Activation;
    std::string Cueword;
    std::string Nickname;
    std::string Script;
};

struct ItemCase {
    const char* Name;
    std::string File;
    std::vector<Made> Macros;
    std::vector<std::string> Messages;
    std::vector<std::string> Warnings = {};
    std::vector<MacroRecord> Library = {};  // the library file before
};

std::string KeyTaken(const std::string& key) {
    return "A Global Hot Key for " + key + " already exists.  This macro will not be imported.";
}

const std::string LongLine = std::string(5000, 'a') + "bcX";

const std::vector<ItemCase> ItemCases = {
    {"hot key by its name in any case",
     "<ITEM NAME>ctrl+a\r\nSelect all\r\nline one\r\nline two\r\n",
     {{CodeNamed("Ctrl+A"), "", "Select all", "line one\r\nline two"}},
     {}},
    {"long keys keep ten characters",
     "<ITEM NAME>abcdefghijkl\r\nLong\r\nx\r\n",
     {{ActivationCode::Cueword, "abcdefghij", "Long", "x"}},
     {"The Original Keys \"abcdefghijkl\" is longer than the 10 character maximum. It will be "
      "truncated to 10 characters."}},
    {"invalid characters become #",
     "<ITEM NAME>a b\r\nBlank\r\nx\r\n",
     {{ActivationCode::Cueword, "a#b", "Blank", "x"}},
     {"The Original Keys \"a b\" has invalid characters in it.  Valid characters are A - Z, a - "
      "z, 0 - 9 and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +   Invalid characters will be "
      "replaced with \"#\"."}},
    {"empty keys give no activation",
     "<ITEM NAME>\r\nNo keys\r\nx\r\n",
     {{ActivationCode::None, "", "No keys", "x"}},
     {"An item has no Original Keys.  An empty Cueword would run with every typed key, so the "
      "macro is imported without activation."}},
    {"items without lines, the last without a line break",
     "<ITEM NAME>one\r\nFirst\r\n<ITEM NAME>two\r\nSecond\r\n<ITEM NAME>three\nThird\nlast",
     {{ActivationCode::Cueword, "one", "First", ""},
      {ActivationCode::Cueword, "two", "Second", ""},
      {ActivationCode::Cueword, "three", "Third", "last"}},
     {}},
    {"an over-long line keeps 5,000 characters and its last",
     "<ITEM NAME>long\r\nLong line\r\n" + LongLine + "\r\n",
     {{ActivationCode::Cueword, "long", "Long line", std::string(5000, 'a')}},
     {"The size of the macro contents \"" + std::string(51, 'a') +
      "...\" exceeds the 5000 character limit.  The macro contents keys will be truncated to "
      "5000 characters."}},
    {"a first line without header adds nothing",
     "Nickname\r\n<ITEM NAME>one\r\nFirst\r\n",
     {},
     {TextImportMessage::WrongFormat}},
    {"an empty file adds nothing", "", {}, {TextImportMessage::WrongFormat}},
    {"a hot key the library or an earlier item holds is left out",
     "<ITEM NAME>ctrl+a\r\nSecond\r\nx\r\n<ITEM NAME>ctrl+b\r\nB\r\ny\r\n"
     "<ITEM NAME>Ctrl+B\r\nThird\r\nz\r\n",
     {{CodeNamed("Ctrl+B"), "", "B", "y"}},
     {},
     {KeyTaken("Ctrl+A"), KeyTaken("Ctrl+B")},
     {testing::Macro("mine", static_cast<std::uint16_t>(CodeNamed("Ctrl+A")))}},
};

TEST(TextImport, ItemsBecomeMacros) {
    for (const ItemCase& c : ItemCases) {
        SCOPED_TRACE(c.Name);
        ScriptedMessageBoxes boxes;
        for (const std::string& m : c.Messages) boxes.Expect(m, MsgResult::Ok, "Error");
        for (const std::string& m : c.Warnings) boxes.Expect(m, MsgResult::Ok, "Warning");
        testing::MemoryLibrary library;
        library.Records = c.Library;
        EXPECT_EQ(ImportTextItems(c.File, library, Now), static_cast<int>(c.Macros.size()));
        ASSERT_EQ(library.Records.size(), c.Library.size() + c.Macros.size());
        for (std::size_t k = 0; k < c.Macros.size(); ++k) {
            const MacroRecord& r = library.Records[c.Library.size() + k];
            EXPECT_EQ(r.ActivationCode, c.Macros[k].Activation);
            EXPECT_EQ(r.CuewordText, c.Macros[k].Cueword);
            EXPECT_EQ(r.Nickname, c.Macros[k].Nickname);
            EXPECT_EQ(r.ScriptText(), c.Macros[k].Script);
        }
    }
}

TEST(TextImport, OverLongLineKeepsItsLastCharacter) {
    auto items = ReadTextItems("<ITEM NAME>k\r\nN\r\n" + LongLine);
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), 1u);
    EXPECT_EQ((*items)[0].Text, std::string(5000, 'a') + "X");
}

TEST(TextImport, RecordTakesTheDefaultsOfANewMacro) {
    MacroRecord r = TextItemRecord({"ab", "Name", "abc"}, Now);
    EXPECT_EQ(r.MacroKind, MacroKind::Global);
    EXPECT_EQ(r.Enabled, 1);
    EXPECT_EQ(r.TextLength, 4);
    EXPECT_EQ(r.IconName, "MAIN");
    EXPECT_EQ(r.ScheduleKind, 1);
    EXPECT_EQ(r.DayFlags, (std::array<std::uint8_t, 7>{}));
    EXPECT_EQ((std::array{r.Hour, r.Minute, r.Month, r.Day, r.MinutePastHour}),
              (std::array<std::uint8_t, 5>{0, 0, 1, 1, 15}));
    EXPECT_EQ(r.Minutes, 15);
    EXPECT_EQ(r.Weekday, 1);
    EXPECT_EQ(r.Year, 1998);
    EXPECT_EQ(r.Pm, 1);
    EXPECT_EQ(r.ScopeMatch, 1);
    EXPECT_EQ(r.Changed, Now);
    EXPECT_EQ(r.CategoryId, 0u);
    EXPECT_EQ(r.CuewordCase, 3);
    EXPECT_EQ(r.CuewordRemove, 1);
}

class TextImportIntoLibrary : public orv::testing::LibraryTest {};

TEST_F(TextImportIntoLibrary, StopsAtTheLimitKeepingWhatWasAdded) {
    std::vector<MacroRecord> full;
    for (const SystemMacro& m : SystemMacros(LibraryOwner::Editor))
        full.push_back(System(m.action, m.nickname, static_cast<std::uint16_t>(m.firstHotKey)));
    while (full.size() < 498) full.push_back(Ordinary("m" + std::to_string(full.size()), 30000));
    WriteLibrary(full);
    ASSERT_TRUE(library.LoadMacroFile(LibraryPath(), false));
    boxes.Expect(LibraryMessage::LibraryFull, MsgResult::Ok, "Error");
    OpenLibraryView view(library, *table, *settings);

    int added = ImportTextItems(
        "<ITEM NAME>aa\r\nA\r\n<ITEM NAME>bb\r\nB\r\n<ITEM NAME>cc\r\nC\r\n", view, Now);

    EXPECT_EQ(added, 2);
    std::vector<std::string> names = FileNicknames();
    ASSERT_EQ(names.size(), 500u);
    EXPECT_EQ(names[498], "A");
    EXPECT_EQ(names[499], "B");
}

}  // namespace
}  // namespace orv::editor
