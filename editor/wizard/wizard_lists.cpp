#include "editor/wizard/wizard_lists.h"

#include <algorithm>
#include <set>

#include "common/macro_texts.h"
#include "common/string_routines.h"

namespace orv::editor {
namespace {

constexpr const char* AvailBox = "P64AvailBox";
constexpr const char* NewBox = "P64NewBox";
constexpr const char* RecipientBoxes[] = {"P76AddressBox", "P81AddressBox", "P82AddressBox"};

int LineCount(const WizardAnswers& a, const std::string& list) {
    return static_cast<int>(a.Lines(list).size());
}

}  // namespace

std::optional<WizardRefusal> AddCombinedLine(WizardAnswers& a, InsertMode mode) {
    std::optional<ListLine> macro = a.ChosenLine(AvailBox);
    if (!macro)
        return WizardRefusal{"No macro selected.  Please select one.", AvailBox};
    std::vector<ListLine> lines = a.Lines(NewBox);
    int chosen = std::max(a.Index(NewBox), 0);
    int at = mode == InsertMode::Append   ? LineCount(a, NewBox)
             : mode == InsertMode::Before ? chosen
                                          : std::min(chosen + 1, LineCount(a, NewBox));
    lines.insert(lines.begin() + at, ListLine{macro->Text, macro->Number});
    a.SetLines(NewBox, std::move(lines));
    a.Choose(NewBox, at);
    EnableCombinedButtons(a);
    return std::nullopt;
}

void MoveCombinedLine(WizardAnswers& a, int by) {
    int from = a.Index(NewBox);
    int to = from + by;
    if (from < 0 || to < 0 || to >= LineCount(a, NewBox))
        return;
    std::vector<ListLine> lines = a.Lines(NewBox);
    std::swap(lines[static_cast<std::size_t>(from)], lines[static_cast<std::size_t>(to)]);
    a.SetLines(NewBox, std::move(lines));
    a.Choose(NewBox, to);
    EnableCombinedButtons(a);
}

void EnableCombinedButtons(WizardAnswers& a) {
    int chosen = a.Index(NewBox);
    int count = LineCount(a, NewBox);
    bool any = chosen >= 0 && chosen < count;
    a.Enable("P64DoUp", any && chosen > 0);
    a.Enable("P64DoDown", any && chosen < count - 1);
    a.Enable("P64DoDelete", any);
}

std::optional<WizardRefusal> RemoveChosenLine(WizardAnswers& a, const std::string& list) {
    int chosen = a.Index(list);
    if (chosen < 0 || chosen >= LineCount(a, list))
        return WizardRefusal{"No line selected.  Please select one.", list};
    std::vector<ListLine> lines = a.Lines(list);
    lines.erase(lines.begin() + chosen);
    int count = static_cast<int>(lines.size());
    a.SetLines(list, std::move(lines));
    a.Choose(list, std::min(chosen, count - 1));
    return std::nullopt;
}

void AppendLine(WizardAnswers& a, const std::string& list, const std::string& text) {
    std::vector<ListLine> lines = a.Lines(list);
    lines.push_back({text});
    a.SetLines(list, std::move(lines));
    a.Choose(list, LineCount(a, list) - 1);
}

void ReloadRecipients(WizardAnswers& a, const std::vector<std::string>& fileLines) {
    for (const char* box : RecipientBoxes) {
        std::set<std::string> chosen;
        for (const ListLine& line : a.SelectedLines(box)) chosen.insert(line.Text);
        std::vector<ListLine> lines;
        for (const std::string& text : fileLines)
            lines.push_back({text, 0, chosen.count(text) != 0});
        a.SetLines(box, std::move(lines));
    }
}

std::array<std::string, 3> MenuMemberColumns(const LibraryEntry& m) {
    return {ActivationText(m.Activation, m.CuewordText, ActivationStyle::PickList),
            TrimStr(m.Nickname), ScopeText(m.Kind, m.ScopeText, ScopeWording::Menu)};
}

}  // namespace orv::editor
