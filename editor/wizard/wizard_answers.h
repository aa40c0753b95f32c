// What the user has answered on the wizard's panels, by control name: whether
// a radio or box is checked, the text of an edit box, the chosen item of a
// list and the lines it holds, plus the three answers that are no control's
// (the symbol, the composed command and the icon). A name no panel declares
// is a programming error and throws.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "editor/wizard/wizard_panels.h"

namespace orv::editor {

// A list line and the number it carries (a macro number, a mode index).
struct ListLine {
    std::string Text;
    int Number = 0;
    bool Selected = false;  // in lists that allow several
    bool operator==(const ListLine&) const = default;
};

class WizardAnswers {
  public:
    bool Checked(const std::string& name) const;
    // Checking a radio unchecks the others of its group.
    void Check(const std::string& name, bool on = true);

    const std::string& Text(const std::string& name) const;
    std::string Trimmed(const std::string& name) const;
    void SetText(const std::string& name, std::string text);

    // The chosen item, -1 for none.
    int Index(const std::string& name) const;
    void Choose(const std::string& name, int index);

    const std::vector<ListLine>& Lines(const std::string& name) const;
    void SetLines(const std::string& name, std::vector<ListLine> lines);
    // Marks line i of a multiple-choice list.
    void Select(const std::string& name, int line, bool on = true);
    // The line at the chosen index, if any.
    std::optional<ListLine> ChosenLine(const std::string& name) const;
    std::vector<ListLine> SelectedLines(const std::string& name) const;

    bool Enabled(const std::string& name) const;
    void Enable(const std::string& name, bool on);

    int SymbolIndex = 75;
    std::string CommandText;  // the command the single-command kind chose
    std::string MacroIcon = "MAIN";

  private:
    struct Control {
        ControlKind Kind = ControlKind::Label;
        std::string Group;  // radios of one group share it
        bool Checked = false;
        bool Enabled = true;
        std::string Text;
        int Index = -1;
        std::vector<ListLine> Lines;
    };
    Control& At(const std::string& name);
    const Control& At(const std::string& name) const;

    std::map<std::string, Control> controls_;
    friend WizardAnswers DefaultAnswers();
};

// The answers before the user changes anything: the declared defaults.
WizardAnswers DefaultAnswers();

}  // namespace orv::editor
