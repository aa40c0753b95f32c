#include "editor/script/edited_macro.h"

#include <gtest/gtest.h>

#include <functional>

namespace orv::editor {
namespace {

// The dialogs behind the editors' buttons change the record itself: each of
// their fields, changed alone, counts as an edit; nothing else does.
TEST(EditedState, EveryFieldTheEditorsDialogsSetCountsAsAnEdit) {
    struct Row {
        const char* What;
        std::function<void(MacroRecord&)> Change;
    } rows[] = {
        {"window or program", [](MacroRecord& m) { m.ScopeText = "Beta"; }},
        {"title match", [](MacroRecord& m) { m.ScopeMatch = 2; }},
        {"schedule kind", [](MacroRecord& m) { m.ScheduleKind = 3; }},
        {"day flag", [](MacroRecord& m) { m.DayFlags[6] = 1; }},
        {"hour", [](MacroRecord& m) { m.Hour = 7; }},
        {"minute", [](MacroRecord& m) { m.Minute = 30; }},
        {"afternoon", [](MacroRecord& m) { m.Pm = 1; }},
        {"date", [](MacroRecord& m) { m.Year = 2027; }},
        {"weekday", [](MacroRecord& m) { m.Weekday = 3; }},
        {"minutes", [](MacroRecord& m) { m.Minutes = 90; }},
        {"minute past the hour", [](MacroRecord& m) { m.MinutePastHour = 15; }},
        {"Cueword case", [](MacroRecord& m) { m.CuewordCase = 3; }},
        {"Cueword removal", [](MacroRecord& m) { m.CuewordRemove = 2; }},
    };
    ScriptEditorFields fields;
    fields.NickName = "TYPING";
    MacroRecord opened;
    opened.ScopeText = "Alpha";
    opened.ScopeMatch = 1;
    opened.CuewordRemove = 1;
    const std::string shown = EditedState(fields, {"<BEEP>"}, opened);
    EXPECT_EQ(EditedState(fields, {"<BEEP>"}, opened), shown);
    EXPECT_NE(EditedState(fields, {"<BEEP>", ""}, opened), shown);
    for (const Row& row : rows) {
        MacroRecord now = opened;
        row.Change(now);
        EXPECT_NE(EditedState(fields, {"<BEEP>"}, now), shown) << row.What;
    }
}

}  // namespace
}  // namespace orv::editor
