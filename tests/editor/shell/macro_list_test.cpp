#include "editor/shell/macro_list.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/hotkeys.h"
#include "common/macro_texts.h"
#include "common/macro_record.h"

namespace orv::editor {
namespace {

constexpr std::uint16_t CtrlA = 0, ShiftF1 = 300;

ListMacro Macro(int number, std::uint16_t activation, std::int16_t kind = MacroKind::Global,
                std::string nickname = "", std::string scope = "", std::string cueword = "",
                std::uint32_t category = 0) {
    return {number, activation, kind, scope, nickname, cueword, category, true};
}

std::vector<int> Order(const std::vector<ListMacro>& macros, const SortSettings& sort,
                       std::uint32_t filter = 0) {
    MacroListModel list;
    list.FillList(macros, filter, sort);
    std::vector<int> numbers;
    for (int row = 1; list.RowMacro(row); ++row) numbers.push_back(list.RowMacro(row)->Number);
    return numbers;
}

const std::vector<ListMacro> EveryActivation = {
    Macro(1, ActivationCode::Scheduled),
    Macro(2, ShiftF1),
    Macro(3, ActivationCode::Cueword, MacroKind::Global, "", "", "abc"),
    Macro(4, ActivationCode::None),
    Macro(5, ActivationCode::WindowTitle),
    Macro(6, CtrlA)};

// Differ in each sort key, so each primary order gives its own list.
const std::vector<ListMacro> ThreeKeys = {
    Macro(1, ActivationCode::Scheduled, MacroKind::Global, "Z"),
    Macro(2, ActivationCode::None, MacroKind::Global, "a"),
    Macro(3, CtrlA, MacroKind::Program, "M", "EDIT.EXE")};

struct OrderRow {
    const char* name;
    std::vector<ListMacro> macros;
    SortSettings sort;
    std::vector<int> expected;
};

TEST(MacroListOrder, FollowsTheThreeSortSettings) {
    const std::vector<OrderRow> rows = {
        {"hot keys by name, then the kinds in rank order", EveryActivation, {}, {6, 2, 3, 1, 4, 5}},
        {"21345 puts Cuewords first",
         EveryActivation,
         {"123", "21345", "12345"},
         {3, 6, 2, 1, 4, 5}},
        {"header order 132", ThreeKeys, {"132", "12345", "12345"}, {3, 1, 2}},
        {"header order 213, nicknames without case",
         ThreeKeys,
         {"213", "12345", "12345"},
         {2, 3, 1}},
        {"header order 321", ThreeKeys, {"321", "12345", "12345"}, {2, 1, 3}},
        // A later rank loses whatever its tail: "~" sorts after every letter.
        {"a rank beats any tail up to the cut",
         {Macro(1, ActivationCode::None, MacroKind::Program, "", "~~~~~~~~~~~~~~~~~~~~"),
          Macro(2, ActivationCode::None, MacroKind::Window, "", "~~~~~~~~~~~~~~~~~~~~"),
          Macro(3, ActivationCode::None, MacroKind::System),
          Macro(4, ActivationCode::None, MacroKind::PopupMenu)},
         {"312", "12345", "51234"},
         {3, 2, 1, 4}},
        {"a short first part never lets the next one decide",
         {Macro(1, ActivationCode::None, MacroKind::Global, "AB"),
          Macro(2, ActivationCode::None, MacroKind::Global, "A")},
         {"213", "12345", "12345"},
         {2, 1}},
        {"hand-edited orders read as the defaults",
         EveryActivation,
         {"9", "12", "1124"},
         {6, 2, 3, 1, 4, 5}},
    };
    for (const OrderRow& row : rows)
        EXPECT_EQ(Order(row.macros, row.sort), row.expected) << row.name;
}

TEST(MacroListOrder, EqualKeysKeepTheMacroNumbers) {
    std::vector<ListMacro> same;
    for (int i = 1; i <= 40; ++i) same.push_back(Macro(i, ActivationCode::None, 1, "Same"));
    std::vector<int> expected;
    for (int i = 1; i <= 40; ++i) expected.push_back(i);
    EXPECT_EQ(Order(same, {}), expected);
}

TEST(MacroListFill, FiltersByCategoryAndShowsOneBlankRowWhenEmpty) {
    std::vector<ListMacro> macros = {Macro(1, ActivationCode::None, 1, "b", "", "", 7),
                                     Macro(2, ActivationCode::None, 1, "c"),
                                     Macro(3, ActivationCode::None, 1, "a", "", "", 7)};
    EXPECT_EQ(Order(macros, {}, 7), (std::vector<int>{3, 1}));

    MacroListModel list;
    list.FillList(macros, 9, {});
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.RowCount(), 2);
    EXPECT_EQ(list.RowMacro(1), nullptr);
    EXPECT_EQ(list.ReverseSort(1), -1);

    list.FillList(macros, 0, {});
    EXPECT_EQ(list.RowCount(), 4);
    EXPECT_EQ(list.ReverseSort(1), 2);
    EXPECT_EQ(list.RowMacro(0), nullptr);
    EXPECT_EQ(list.RowMacro(4), nullptr);
}

// A refill after a reload: the row that shows the macro a row showed before,
// whatever its number has become.
TEST(MacroListFill, ARefillFindsTheRowOfTheMacroShownBefore) {
    const ListMacro alpha = Macro(1, CtrlA, MacroKind::Global, "ALPHA");
    const ListMacro bravo = Macro(2, ShiftF1, MacroKind::Global, "BRAVO");
    const ListMacro twin = Macro(3, ActivationCode::None, MacroKind::Global, "TWIN");
    const ListMacro dup = Macro(7, ActivationCode::None, MacroKind::Global, "DUP");
    const ListMacro echo = Macro(9, ActivationCode::None, MacroKind::Global, "ECHO");
    struct Row {
        const char* name;
        std::vector<ListMacro> after;
        ListMacro shown;
        int formerRow;
        int expected;
        // The numbers whose records are the very macro shown (as read before).
        std::vector<int> itself = {};
    };
    auto renumbered = [](ListMacro m, int number) {
        m.Number = number;
        return m;
    };
    auto disabled = [](ListMacro m) {
        m.Enabled = false;
        return m;
    };
    auto withCueword = [](ListMacro m, std::string cueword) {
        m.CuewordText = std::move(cueword);
        return m;
    };
    const std::vector<Row> rows = {
        {"a macro before it deleted: found at its new number",
         {renumbered(bravo, 1), renumbered(twin, 2)},
         bravo,
         2,
         1},
        {"deactivated, it is the same macro", {alpha, disabled(bravo)}, bravo, 2, 2},
        {"of two alike, the one at its number",
         {twin, renumbered(twin, 4), renumbered(twin, 5)},
         renumbered(twin, 5),
         1,
         3},
        {"of two alike, renumbered: the nearest to where it was",
         {renumbered(twin, 1), renumbered(twin, 2), renumbered(twin, 3)},
         renumbered(twin, 9),
         3,
         3},
        {"its namesake of another Cueword is another macro",
         {alpha, withCueword(bravo, "twin"), twin},
         bravo,
         3,
         3},
        {"gone: the nearest row", {alpha}, bravo, 2, 1},
        {"gone, nothing left: the blank row", {}, bravo, 2, 1},
        {"a system macro is known without its nickname",
         {twin, Macro(6, CtrlA, MacroKind::System, "Another Name")},
         Macro(7, CtrlA, MacroKind::System, "Its Name"),
         2,
         1},
        // Two copies without an activation, of other scripts: ALPHA, DUP 7,
        // DUP 8, ECHO; the first DUP shown, ALPHA deleted.
        {"of two alike, a macro below deleted: the one whose record it is",
         {renumbered(dup, 6), renumbered(dup, 7), renumbered(echo, 8)},
         renumbered(dup, 7),
         2,
         1,
         {6}},
        {"of identical copies, the nearest to where it was",
         {renumbered(dup, 6), renumbered(dup, 7), renumbered(echo, 8)},
         renumbered(dup, 8),
         3,
         2,
         {6, 7}},
        {"its record gone: the one alike at its number",
         {renumbered(dup, 6), renumbered(dup, 7), renumbered(echo, 8)},
         renumbered(dup, 7),
         1,
         2},
    };
    for (const Row& row : rows) {
        MacroListModel list;
        list.FillList(row.after, 0, {});
        auto isShown = [&row](const ListMacro& line) {
            return std::ranges::find(row.itself, line.Number) != row.itself.end();
        };
        EXPECT_EQ(list.RowShowing(row.shown, row.formerRow, isShown), row.expected) << row.name;
    }
}

TEST(MacroListTexts, ActivationAndScopeColumns) {
    EXPECT_EQ(ActivationText(Macro(1, ShiftF1)), KeyName(ShiftF1));
    EXPECT_EQ(ActivationText(Macro(1, ActivationCode::Scheduled)), "Timed Macro");
    EXPECT_EQ(ActivationText(Macro(1, ActivationCode::Cueword, 1, "", "", "hello")), "hello");
    EXPECT_EQ(ActivationText(Macro(1, ActivationCode::None)), "None");
    EXPECT_EQ(ActivationText(Macro(1, ActivationCode::WindowTitle)), "Window Title");
    EXPECT_EQ(ActivationText(Macro(1, 9999)), "");

    EXPECT_EQ(ScopeText(MacroKind::Global, "x", ScopeWording::MacroList), "GLOBAL");
    EXPECT_EQ(ScopeText(MacroKind::Window, "Untitled - Notes", ScopeWording::MacroList),
              "Window: Untitled - Notes");
    EXPECT_EQ(ScopeText(MacroKind::Program, "EDIT.EXE", ScopeWording::MacroList),
              "Program: EDIT.EXE");
    EXPECT_EQ(ScopeText(MacroKind::PopupMenu, "", ScopeWording::MacroList), "Popup Menu");
    EXPECT_EQ(ScopeText(MacroKind::System, "", ScopeWording::MacroList), "SYSTEM");
    EXPECT_EQ(ScopeText(0, "x", ScopeWording::MacroList), "");
}

int TypeAndSearch(const MacroListModel& list, TypeAhead& typed, std::string_view keys) {
    int row = -1;
    for (char c : keys) row = list.DoSearchIt(typed.Type(c));
    return row;
}

TEST(MacroListTypeAhead, SelectsTheFirstRowWhoseActivationStartsWithTheTypedText) {
    std::vector<ListMacro> macros = EveryActivation;
    MacroListModel list;
    list.FillList(macros, 0, {});
    TypeAhead typed;
    EXPECT_EQ(TypeAndSearch(list, typed, "ti"), list.ReverseSort(1)) << "the timed macro";
    EXPECT_EQ(TypeAndSearch(list, typed, "x"), -1) << "TIX starts no row";
    EXPECT_EQ(TypeAndSearch(list, typed, "\b\bn"), -1) << "TN starts no row";
    EXPECT_EQ(TypeAndSearch(list, typed, "\x1bno"), list.ReverseSort(4)) << "Escape starts over";
    EXPECT_EQ(TypeAndSearch(list, typed, "\t"), -1) << "an empty search selects nothing";

    macros.push_back(Macro(7, ActivationCode::Cueword, 1, "", "", "tidy"));
    list.FillList(macros, 0, {});
    typed.Clear();
    EXPECT_EQ(TypeAndSearch(list, typed, "TI"), list.ReverseSort(7)) << "a Cueword listed first";
}

}  // namespace
}  // namespace orv::editor
