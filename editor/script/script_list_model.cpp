#include "editor/script/script_list_model.h"

#include <algorithm>
#include <utility>

#include "common/script/script_list.h"

namespace orv::editor {

AddStyle AddStyleFromInsertMethod(int insertMethod) {
    switch (insertMethod) {
        case 1:
            return AddStyle::Before;
        case 2:
            return AddStyle::After;
        default:
            return AddStyle::AtEnd;
    }
}

void ScriptListModel::Select(std::optional<int> index) {
    if (index && (*index < 0 || *index >= Count()))
        index.reset();
    selected_ = index;
}

void ScriptListModel::BeginAdd(AddStyle style) {
    Style = style;
    SelIndex = selected_.value_or(0);
}

int ScriptListModel::InsertPosition() const {
    int position = SelIndex;
    if (Style == AddStyle::AtEnd)
        position = Count();
    else if (Style == AddStyle::After && !lines_.empty())
        position = SelIndex + 1;
    return std::clamp(position, 0, Count());
}

void ScriptListModel::AddLine(CommandLine line) {
    int position = InsertPosition();
    InsertLine(std::move(line));
    SetIndents(lines_);
    Select(position);
}

void ScriptListModel::InsertLine(CommandLine line) {
    lines_.insert(lines_.begin() + InsertPosition(), std::move(line));
}

void ScriptListModel::ReplaceLine(CommandLine line) {
    if (SelIndex < 0 || SelIndex >= Count())
        return;
    lines_[SelIndex] = std::move(line);
    SetIndents(lines_);
    Select(SelIndex);
}

bool ScriptListModel::DeleteSelected() {
    if (!selected_)
        return false;
    int index = *selected_;
    lines_.erase(lines_.begin() + index);
    SetIndents(lines_);
    Select(lines_.empty() ? std::nullopt : std::optional<int>(std::min(index, Count() - 1)));
    return true;
}

bool ScriptListModel::MoveUp() {
    if (!Buttons().Up)
        return false;
    int index = *selected_;
    std::swap(lines_[index], lines_[index - 1]);
    SetIndents(lines_);
    Select(index - 1);
    return true;
}

bool ScriptListModel::MoveDown() {
    if (!Buttons().Down)
        return false;
    int index = *selected_;
    std::swap(lines_[index], lines_[index + 1]);
    SetIndents(lines_);
    Select(index + 1);
    return true;
}

bool ScriptListModel::CopySelected() {
    std::optional<int> next = CopyLine(lines_, selected_);
    if (next)
        Select(next);
    return next.has_value();
}

LineButtons ScriptListModel::Buttons() const {
    if (!selected_)
        return {};
    int index = *selected_;
    return {index > 0, index < Count() - 1, true, true, true};
}

void ScriptListModel::SetLines(std::vector<CommandLine> lines) {
    lines_ = std::move(lines);
    SetIndents(lines_);
    selected_.reset();
}

std::string ScriptEditorCaption(ScopeChoice scope, const std::string& scopeText,
                                std::string_view title) {
    std::string head(title);
    switch (scope) {
        case ScopeChoice::Program:
            return head + "  (Program: " + scopeText + ")";
        case ScopeChoice::Specific:
            return head + "  (Window Title: " + scopeText + ")";
        default:
            return head + "  (GLOBAL)";
    }
}

}  // namespace orv::editor
