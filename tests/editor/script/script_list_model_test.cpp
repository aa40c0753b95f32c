#include "editor/script/script_list_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/script/reader.h"

namespace orv::editor {
namespace {

ScriptListModel ModelOf(int lineCount, std::optional<int> selected) {
    ScriptListModel model;
    std::vector<CommandLine> lines;
    for (int i = 0; i < lineCount; ++i)
        lines.push_back(ReadScript("<REM:" + std::to_string(i) + ">")[0]);
    model.SetLines(lines);
    model.Select(selected);
    return model;
}

std::vector<std::string> Texts(const ScriptListModel& model) {
    std::vector<std::string> texts;
    for (const CommandLine& line : model.Lines()) texts.push_back(line.Text);
    return texts;
}

CommandLine NewLine() {
    return ReadScript("<REM:new>")[0];
}

struct AddCase {
    AddStyle Style;
    int Lines;
    std::optional<int> Selected;
    int Position;  // where the new line lands, and the line selected after
};

TEST(ScriptListModelTest, NewLinesLandWhereTheStyleSaysAndAreSelected) {
    using S = AddStyle;
    const AddCase cases[] = {
        {S::AtEnd, 0, {}, 0},  {S::AtEnd, 1, {}, 1}, {S::AtEnd, 3, {}, 3},  {S::AtEnd, 1, 0, 1},
        {S::AtEnd, 3, 0, 3},   {S::AtEnd, 3, 2, 3},  {S::Before, 0, {}, 0}, {S::Before, 1, {}, 0},
        {S::Before, 3, {}, 0}, {S::Before, 1, 0, 0}, {S::Before, 3, 0, 0},  {S::Before, 3, 2, 2},
        {S::After, 0, {}, 0},  {S::After, 1, {}, 1}, {S::After, 3, {}, 1},  {S::After, 1, 0, 1},
        {S::After, 3, 0, 1},   {S::After, 3, 2, 3},
    };
    for (const AddCase& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "style " << static_cast<int>(c.Style) << ", " << c.Lines
                     << " lines, selected " << c.Selected.value_or(-1));
        ScriptListModel model = ModelOf(c.Lines, c.Selected);
        model.BeginAdd(c.Style);
        EXPECT_EQ(model.InsertPosition(), c.Position);
        model.AddLine(NewLine());
        ASSERT_EQ(model.Count(), c.Lines + 1);
        EXPECT_EQ(model.Lines()[c.Position].Text, "Remark: new");
        EXPECT_EQ(model.Selected(), c.Position);
    }
}

TEST(ScriptListModelTest, DeletingKeepsTheSelectionInTheList) {
    ScriptListModel last = ModelOf(3, 2);
    EXPECT_TRUE(last.DeleteSelected());
    EXPECT_EQ(Texts(last), (std::vector<std::string>{"Remark: 0", "Remark: 1"}));
    EXPECT_EQ(last.Selected(), 1);

    ScriptListModel middle = ModelOf(3, 1);
    EXPECT_TRUE(middle.DeleteSelected());
    EXPECT_EQ(middle.Selected(), 1);
    EXPECT_EQ(middle.Lines()[1].Text, "Remark: 2");

    ScriptListModel only = ModelOf(1, 0);
    EXPECT_TRUE(only.DeleteSelected());
    EXPECT_EQ(only.Count(), 0);
    EXPECT_EQ(only.Selected(), std::nullopt);
    EXPECT_EQ(only.Buttons(), LineButtons{});

    ScriptListModel none = ModelOf(2, std::nullopt);
    EXPECT_FALSE(none.DeleteSelected());
    EXPECT_EQ(none.Count(), 2);
}

TEST(ScriptListModelTest, ButtonsAndMovesFollowTheSelection) {
    struct Case {
        int Lines;
        std::optional<int> Selected;
        LineButtons Buttons;
    };
    const Case cases[] = {
        {0, {}, {}},
        {3, {}, {}},
        {1, 0, {false, false, true, true, true}},
        {3, 0, {false, true, true, true, true}},
        {3, 1, {true, true, true, true, true}},
        {3, 2, {true, false, true, true, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.Lines << " lines, selected " << c.Selected.value_or(-1));
        ScriptListModel model = ModelOf(c.Lines, c.Selected);
        EXPECT_EQ(model.Buttons(), c.Buttons);
        EXPECT_EQ(model.MoveUp(), c.Buttons.Up);
        model.Select(c.Selected);
        EXPECT_EQ(model.MoveDown(), c.Buttons.Down);
    }

    ScriptListModel model = ModelOf(3, 0);
    EXPECT_TRUE(model.MoveDown());
    EXPECT_EQ(Texts(model), (std::vector<std::string>{"Remark: 1", "Remark: 0", "Remark: 2"}));
    EXPECT_EQ(model.Selected(), 1);
    EXPECT_TRUE(model.MoveUp());
    EXPECT_EQ(Texts(model), (std::vector<std::string>{"Remark: 0", "Remark: 1", "Remark: 2"}));
    EXPECT_EQ(model.Selected(), 0);
}

TEST(ScriptListModelTest, EditsReplaceTheLineInPlaceAndIndent) {
    ScriptListModel model;
    model.SetLines(ReadScript("<REP:0002:000001:000001><REM:a><ENDREP>"));
    EXPECT_EQ(model.Lines()[1].Text, "   Remark: a");
    model.Select(1);
    model.SelIndex = 1;
    model.ReplaceLine(NewLine());
    EXPECT_EQ(model.Lines()[1].Text, "   Remark: new");
    EXPECT_EQ(model.Count(), 3);
    EXPECT_EQ(model.Selected(), 1);

    // A copy goes above its source, which stays selected.
    EXPECT_TRUE(model.CopySelected());
    EXPECT_EQ(Texts(model),
              (std::vector<std::string>{"Repeat Start: 2 Times, Starting at 1 "
                                        "Stepping by 1",
                                        "   Remark: new", "   Remark: new", "Repeat End"}));
    EXPECT_EQ(model.Selected(), 2);
}

TEST(ScriptListModelTest, InsertMethodGivesTheMenuCommandsStyle) {
    EXPECT_EQ(AddStyleFromInsertMethod(1), AddStyle::Before);
    EXPECT_EQ(AddStyleFromInsertMethod(2), AddStyle::After);
    for (int other : {0, 3, 4, -1}) EXPECT_EQ(AddStyleFromInsertMethod(other), AddStyle::AtEnd);
}

TEST(ScriptListModelTest, CaptionNamesTheScope) {
    EXPECT_EQ(ScriptEditorCaption(ScopeChoice::Global, "x"), "Macro Scripting Editor  (GLOBAL)");
    EXPECT_EQ(ScriptEditorCaption(ScopeChoice::Specific, "Notepad"),
              "Macro Scripting Editor  (Window Title: Notepad)");
    EXPECT_EQ(ScriptEditorCaption(ScopeChoice::Program, "CALC.EXE"),
              "Macro Scripting Editor  (Program: CALC.EXE)");
}

}  // namespace
}  // namespace orv::editor
