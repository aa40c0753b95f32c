#include "editor/shell/macro_list_print.h"

#include <gtest/gtest.h>

#include "common/hotkeys.h"
#include "editor/shell/pick_list.h"
#include "tests/editor/shell/memory_library.h"
#include "tests/support/scripted_message_boxes.h"

namespace orv::editor {
namespace {

using testing::Macro;

struct Printed {
    int X, Y;
    std::string Text;
    friend bool operator==(const Printed&, const Printed&) = default;
};

// Pages of what was printed; text measured at a fixed pitch.
class RecordingCanvas final : public PrintCanvas {
  public:
    static constexpr int CharWidth = 10, CharHeight = 20;
    int PageWidth() const override { return 1700; }
    int PageHeight() const override { return 440; }  // margins 100 and 20, rows below 400 end it
    int TextWidth(std::string_view text) override {
        return static_cast<int>(text.size()) * CharWidth;
    }
    int TextHeight(std::string_view) override { return CharHeight; }
    void PrintText(int x, int y, std::string_view text) override {
        Pages.back().push_back({x, y, std::string(text)});
    }
    void NewPage() override { Pages.emplace_back(); }

    std::vector<std::vector<Printed>> Pages{{}};
};

std::vector<PrintRow> Rows(int count) {
    std::vector<PrintRow> rows;
    for (int k = 0; k < count; ++k)
        rows.push_back({"Ctrl+" + std::to_string(k), "nick" + std::to_string(k), "GLOBAL"});
    return rows;
}

TEST(PrintedList, CopiesPagesAndColumns) {
    RecordingCanvas canvas;
    // 17 rows fit from line 2 (y 64) to the first top below 400 (line 18, y 416).
    PrintMacroList(canvas, "C:\\M\\ORVAN.ORN", Rows(20), 2);

    ASSERT_EQ(canvas.Pages.size(), 4u);
    for (int copy = 0; copy < 2; ++copy) {
        SCOPED_TRACE(copy);
        const auto& first = canvas.Pages[2 * copy];
        const auto& second = canvas.Pages[2 * copy + 1];
        EXPECT_EQ(first.front(), (Printed{100, 20, "Macro File: C:\\M\\ORVAN.ORN"}));
        ASSERT_EQ(first.size(), 1u + 17 * 3);
        // Line height 22, activation column 7 x 10 x 1.1 = 77, nickname 6 x 10 x 1.1 = 66.
        EXPECT_EQ(first[1], (Printed{100, 64, "Ctrl+0"}));
        EXPECT_EQ(first[2], (Printed{177, 64, "nick0"}));
        EXPECT_EQ(first[3], (Printed{243, 64, "GLOBAL"}));
        EXPECT_EQ(first.back().Y, 416);
        ASSERT_EQ(second.size(), 3u * 3);
        EXPECT_EQ(second.front(), (Printed{100, 20, "Ctrl+17"}));
    }
}

TEST(PrintedList, NoBlankPagesAndNoRowsForAnEmptyList) {
    RecordingCanvas full;
    PrintMacroList(full, "L", Rows(17), 2);  // each copy's last row ends its page
    EXPECT_EQ(full.Pages.size(), 2u);

    RecordingCanvas empty;
    PrintMacroList(empty, "L", {}, 1);
    EXPECT_EQ(empty.Pages, (std::vector<std::vector<Printed>>{{{100, 20, "Macro File: L"}}}));
}

TEST(PrintedList, RowsAreReadOrNothingIsPrinted) {
    testing::MemoryLibrary library;
    MacroRecord cue = Macro("Sig", ActivationCode::Cueword);
    cue.CuewordText = "sig";
    MacroRecord window = Macro("Pad", 1, MacroKind::Window);
    window.ScopeText = "Notepad";
    window.ScopeMatch = 0;
    library.Records = {cue, window};

    auto rows = ReadPrintRows({2, 1}, library);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ((*rows)[0].Scope, "Window: Notepad (If Running)");
    EXPECT_EQ((*rows)[1].Activation, "Cueword: sig");

    orv::testing::ScriptedMessageBoxes boxes;
    library.Unreadable = {1};
    boxes.Expect(PrintMessage::ReadFailed, MsgResult::Ok, "Error");
    EXPECT_FALSE(ReadPrintRows({2, 1}, library));
}

TEST(PickList, LinesAndColumns) {
    ListMacro cue{
        1, ActivationCode::Cueword, MacroKind::Window, "A window title of 27 chars", "Sig", "sig"};
    ListMacro menu{2, 3, MacroKind::PopupMenu, "", "Menu", ""};
    ListMacro system{3, 261, MacroKind::System, "T", "Stop", ""};
    EXPECT_EQ(PickLineOf(cue), (PickLine{"sig", "Sig", "A window title of 27"}));
    EXPECT_EQ(PickLineOf(menu), (PickLine{KeyName(3), "Menu", "POPUP MENU"}));
    ImportEntry entry{"", MacroKind::Global, ActivationCode::Cueword, "", "cw", 0};
    EXPECT_EQ(PickLineOf(entry), (PickLine{"cw", "", "GLOBAL"}));
    EXPECT_EQ(ExportableMacros({cue, system, menu}).size(), 2u);
    // w = 300 / 7 = 42: columns at 2, 105 and 231, the nickname within 126.
    EXPECT_EQ(PickColumnsFor(300), (PickColumns{2, 105, 126, 231}));
}

}  // namespace
}  // namespace orv::editor
