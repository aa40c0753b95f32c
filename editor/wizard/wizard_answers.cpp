#include "editor/wizard/wizard_answers.h"

#include <stdexcept>

#include "common/string_routines.h"

namespace orv::editor {

WizardAnswers::Control& WizardAnswers::At(const std::string& name) {
    auto it = controls_.find(name);
    if (it == controls_.end())
        throw std::invalid_argument("no wizard control is named \"" + name + "\"");
    return it->second;
}

const WizardAnswers::Control& WizardAnswers::At(const std::string& name) const {
    return const_cast<WizardAnswers*>(this)->At(name);
}

bool WizardAnswers::Checked(const std::string& name) const {
    return At(name).Checked;
}

void WizardAnswers::Check(const std::string& name, bool on) {
    Control& control = At(name);
    if (on && control.Kind == ControlKind::Radio) {
        for (auto& [other, c] : controls_) {
            if (c.Kind == ControlKind::Radio && c.Group == control.Group)
                c.Checked = false;
        }
    }
    control.Checked = on;
}

const std::string& WizardAnswers::Text(const std::string& name) const {
    return At(name).Text;
}

std::string WizardAnswers::Trimmed(const std::string& name) const {
    return TrimStr(CutShort(Text(name)));
}

void WizardAnswers::SetText(const std::string& name, std::string text) {
    At(name).Text = std::move(text);
}

int WizardAnswers::Index(const std::string& name) const {
    return At(name).Index;
}

void WizardAnswers::Choose(const std::string& name, int index) {
    At(name).Index = index;
}

const std::vector<ListLine>& WizardAnswers::Lines(const std::string& name) const {
    return At(name).Lines;
}

void WizardAnswers::SetLines(const std::string& name, std::vector<ListLine> lines) {
    Control& control = At(name);
    control.Lines = std::move(lines);
    control.Index = -1;
}

void WizardAnswers::Select(const std::string& name, int line, bool on) {
    At(name).Lines.at(static_cast<std::size_t>(line)).Selected = on;
}

std::optional<ListLine> WizardAnswers::ChosenLine(const std::string& name) const {
    const Control& control = At(name);
    if (control.Index < 0 || control.Index >= static_cast<int>(control.Lines.size()))
        return std::nullopt;
    return control.Lines[static_cast<std::size_t>(control.Index)];
}

std::vector<ListLine> WizardAnswers::SelectedLines(const std::string& name) const {
    std::vector<ListLine> selected;
    for (const ListLine& line : Lines(name)) {
        if (line.Selected)
            selected.push_back(line);
    }
    return selected;
}

bool WizardAnswers::Enabled(const std::string& name) const {
    return At(name).Enabled;
}

void WizardAnswers::Enable(const std::string& name, bool on) {
    At(name).Enabled = on;
}

WizardAnswers DefaultAnswers() {
    WizardAnswers answers;
    for (const PanelDecl& panel : Panels()) {
        for (const ControlDecl& decl : panel.Controls) {
            if (decl.Name.empty())
                continue;
            WizardAnswers::Control c;
            c.Kind = decl.Kind;
            c.Group = std::to_string(panel.Number) + ":" + decl.Parent;
            c.Checked = (decl.Flags & ControlFlag::Checked) != 0;
            c.Enabled = (decl.Flags & ControlFlag::Disabled) == 0;
            if (decl.Kind == ControlKind::Edit)
                c.Text = decl.Caption;
            for (const std::string& item : decl.Items) c.Lines.push_back({item});
            if (decl.Kind == ControlKind::ComboBox)
                c.Index = 0;
            answers.controls_.emplace(decl.Name, std::move(c));
        }
    }
    return answers;
}

}  // namespace orv::editor
