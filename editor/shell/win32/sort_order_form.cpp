#include "editor/shell/win32/sort_order_form.h"

#include <string>

#include "editor/shell/sort_order.h"

namespace orv::editor {

SortList::SortList(TForm& form, Bounds list, const char* caption)
    : Caption(form, nullptr, {list.Left, list.Top - 18, list.Width, 16}, caption),
      Lines(form, nullptr, list),
      Up(form, nullptr, {list.Left + list.Width + 6, list.Top, 44, 22}, "Up"),
      Down(form, nullptr, {list.Left + list.Width + 6, list.Top + 26, 44, 22}, "Down") {
    // One rank number beside each line the list holds when shown.
    const int lines = list.Height >= 80 ? 5 : 3;
    for (int i = 0; i < lines; ++i)
        Ranks.push_back(std::make_unique<TLabel>(
            form, nullptr, Bounds{list.Left - 14, list.Top + 2 + i * 15, 12, 15},
            std::to_string(i + 1)));
    Lines.OnChange = [this] { EnableArrows(); };
    Up.OnClick = [this] { Move(-1); };
    Down.OnClick = [this] { Move(1); };
}

void SortList::Fill(const std::vector<std::string>& lines) {
    Lines.ClearItems();
    for (const std::string& line : lines) Lines.AddItem(line);
    EnableArrows();
}

std::vector<std::string> SortList::Shown() const {
    std::vector<std::string> lines;
    for (int i = 0; i < Lines.Count(); ++i) lines.push_back(Lines.Item(i));
    return lines;
}

void SortList::Move(int by) {
    const int from = Lines.ItemIndex();
    const int to = from + by;
    if (from < 0 || to < 0 || to >= Lines.Count())
        return;
    const std::string moved = Lines.Item(from);
    Lines.ReplaceItem(from, Lines.Item(to));
    Lines.ReplaceItem(to, moved);
    Lines.SetItemIndex(to);
    EnableArrows();
}

void SortList::EnableArrows() {
    const MoveArrows arrows = MoveArrowsFor(Lines.ItemIndex(), Lines.Count());
    Up.SetEnabled(arrows.Up);
    Down.SetEnabled(arrows.Down);
}

TSortOrder::TSortOrder(SettingsBlock& settings)
    : TForm("TSortOrder", "Sort Order", 372, 314), settings_(settings) {
    HelpKeyword = "Sort Order";
    CancelButton.ModalResult = IDCANCEL;
    OkButton.OnClick = [this] { OkButtonClick(); };
    HelpButton.OnClick = [this] { ShowHelp(); };
}

void TSortOrder::FormShow() {
    const SortSettings stored = CheckedSortSettings(
        settings_.PrimarySort.str(), settings_.ActivationSort.str(), settings_.ScopeSort.str());
    Primary.Fill(SortLines(stored.Primary, PrimarySortNames));
    Activation.Fill(SortLines(stored.Activation, ActivationSortNames));
    Scope.Fill(SortLines(stored.Scope, ScopeSortNames));
    SortHeader.SetChecked(settings_.SortHeader);
}

void TSortOrder::OkButtonClick() {
    settings_.PrimarySort = SortOrderOfLines(Primary.Shown(), PrimarySortNames);
    settings_.ActivationSort = SortOrderOfLines(Activation.Shown(), ActivationSortNames);
    settings_.ScopeSort = SortOrderOfLines(Scope.Shown(), ScopeSortNames);
    settings_.SortHeader = SortHeader.Checked();
    Close(IDOK);
}

}  // namespace orv::editor
