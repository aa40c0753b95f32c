// The script editor's list of command lines with its selection: where a new
// line goes, which line is selected after a change, and which line buttons
// may be pressed. The form only shows what this decides.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/script/records.h"
#include "common/script/writer.h"

namespace orv::editor {

// Where a new line goes.
enum class AddStyle { AtEnd = 1, Before = 2, After = 3 };

// The style a menu command uses for the settings' Insert Method (1 before,
// 2 after, 3 at the end).
AddStyle AddStyleFromInsertMethod(int insertMethod);

struct LineButtons {
    bool Up = false;
    bool Down = false;
    bool Delete = false;
    bool Copy = false;
    bool Edit = false;
    bool operator==(const LineButtons&) const = default;
};

class ScriptListModel {
  public:
    std::vector<CommandLine>& Lines() { return lines_; }
    const std::vector<CommandLine>& Lines() const { return lines_; }
    int Count() const { return static_cast<int>(lines_.size()); }

    std::optional<int> Selected() const { return selected_; }
    // Out-of-range or negative selects nothing.
    void Select(std::optional<int> index);

    // The insertion point or the line being edited: the selection when the
    // last add or edit began, 0 when nothing was selected.
    int SelIndex = 0;
    AddStyle Style = AddStyle::AtEnd;

    // Takes the selection as SelIndex before an add.
    void BeginAdd(AddStyle style);
    // Where a new line goes for Style and SelIndex.
    int InsertPosition() const;
    // Puts a new line at InsertPosition, selects it and re-indents.
    void AddLine(CommandLine line);
    // Puts a new line at InsertPosition as it was composed, leaving the
    // indents and the selection to the next change (the palette's add).
    void InsertLine(CommandLine line);
    // Replaces the line at SelIndex (an edit), reselects it and re-indents.
    void ReplaceLine(CommandLine line);

    // Removes the selected line; the same place, or the new last line, stays
    // selected. False without a selection.
    bool DeleteSelected();
    // Exchanges the selected line with its neighbour; false where it cannot move.
    bool MoveUp();
    bool MoveDown();
    // Copies the selected line above itself (CopyLine); false without a selection.
    bool CopySelected();

    LineButtons Buttons() const;

    // Replaces every line, unindented, with nothing selected.
    void SetLines(std::vector<CommandLine> lines);

  private:
    std::vector<CommandLine> lines_;
    std::optional<int> selected_;
};

// The form's caption for the scope shown.
std::string ScriptEditorCaption(ScopeChoice scope, const std::string& scopeText,
                                std::string_view title = "Macro Scripting Editor");

}  // namespace orv::editor
