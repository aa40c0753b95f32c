#include "editor/wizard/wizard_lists.h"

#include <gtest/gtest.h>

#include <functional>

namespace orv::editor {
namespace {

// The combined macro's nicknames in order, the chosen line, and which of Up,
// Down and Remove are enabled.
struct Combined {
    std::vector<std::string> Lines;
    int Chosen;
    std::array<bool, 3> Buttons;
    bool operator==(const Combined&) const = default;
};

Combined CombinedOf(const WizardAnswers& a) {
    Combined c{{}, a.Index("P64NewBox"), {}};
    for (const ListLine& line : a.Lines("P64NewBox")) c.Lines.push_back(line.Text);
    c.Buttons = {a.Enabled("P64DoUp"), a.Enabled("P64DoDown"), a.Enabled("P64DoDelete")};
    return c;
}

// Available: Hello (2), Notes (4); combined: A, B, C with line `chosen`.
WizardAnswers Start(int chosen, int available) {
    WizardAnswers a = DefaultAnswers();
    a.SetLines("P64AvailBox", {{"Hello", 2}, {"Notes", 4}});
    a.Choose("P64AvailBox", available);
    a.SetLines("P64NewBox", {{"A", 7}, {"B", 8}, {"C", 9}});
    a.Choose("P64NewBox", chosen);
    return a;
}

TEST(WizardLists, TheCombinedMacroIsEditedAtItsChosenLine) {
    using Edit = std::function<std::optional<WizardRefusal>(WizardAnswers&)>;
    auto add = [](InsertMode mode) -> Edit {
        return [mode](WizardAnswers& a) { return AddCombinedLine(a, mode); };
    };
    auto move = [](int by) -> Edit {
        return [by](WizardAnswers& a) {
            MoveCombinedLine(a, by);
            return std::nullopt;
        };
    };
    Edit remove = [](WizardAnswers& a) { return RemoveChosenLine(a, "P64NewBox"); };
    struct Row {
        const char* Name;
        int Chosen, Available;
        Edit Change;
        Combined Expected;
        std::string Refusal = {};
    };
    using M = InsertMode;
    const std::string noMacro = "No macro selected.  Please select one.";
    const std::string noLine = "No line selected.  Please select one.";
    const Row rows[] = {
        {"end", 0, 1, add(M::Append), {{"A", "B", "C", "Notes"}, 3, {true, false, true}}},
        {"before", 1, 0, add(M::Before), {{"A", "Hello", "B", "C"}, 1, {true, true, true}}},
        {"after", 2, 0, add(M::After), {{"A", "B", "C", "Hello"}, 3, {true, false, true}}},
        {"first", -1, 0, add(M::Before), {{"Hello", "A", "B", "C"}, 0, {false, true, true}}},
        {"no macro", 1, -1, add(M::Append), {{"A", "B", "C"}, 1, {true, true, true}}, noMacro},
        {"up", 1, 0, move(-1), {{"B", "A", "C"}, 0, {false, true, true}}},
        {"down", 1, 0, move(1), {{"A", "C", "B"}, 2, {true, false, true}}},
        {"remove", 1, 0, remove, {{"A", "C"}, 1, {true, false, true}}},
        {"no line", -1, 0, remove, {{"A", "B", "C"}, -1, {false, false, false}}, noLine},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        WizardAnswers a = Start(row.Chosen, row.Available);
        std::optional<WizardRefusal> refused = row.Change(a);
        EnableCombinedButtons(a);
        EXPECT_EQ(CombinedOf(a), row.Expected);
        EXPECT_EQ(refused ? refused->Message : "", row.Refusal);
    }
    // Each new line keeps the number of the macro it runs.
    WizardAnswers a = Start(0, 1);
    AddCombinedLine(a, InsertMode::Before);
    EXPECT_EQ(a.Lines("P64NewBox")[0], (ListLine{"Notes", 4}));
}

}  // namespace
}  // namespace orv::editor
