// The panels of the quick wizard as data: every control with its name,
// caption, place in the 573 x 344 client, the sub-panel it sits on, its
// length limit and its flags. The form is built from this table and the
// answers start from its defaults.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/ui/bounds.h"

namespace orv::editor {

constexpr int WizardClientWidth = 573;
constexpr int WizardClientHeight = 344;
constexpr int WizardLogoWidth = 125;
constexpr int WizardButtonBarHeight = 40;

enum class ControlKind {
    Label,
    Edit,
    Memo,
    CheckBox,
    Radio,
    Button,
    ListBox,
    ComboBox,
    Grid,
    SubPanel
};

namespace ControlFlag {
constexpr std::uint32_t ReadOnly = 1;
constexpr std::uint32_t Sorted = 2;
constexpr std::uint32_t OwnerDrawn = 4;
constexpr std::uint32_t MultiSelect = 8;
constexpr std::uint32_t Checked = 16;  // the radio or box starts checked
constexpr std::uint32_t Hidden = 32;
constexpr std::uint32_t Disabled = 64;
}  // namespace ControlFlag

struct ControlDecl {
    ControlKind Kind = ControlKind::Label;
    std::string Name;     // empty for a plain label nobody reads
    std::string Caption;  // for an edit box its starting text
    Bounds Box;
    std::string Parent;  // the sub-panel it sits on; empty for the panel itself
    int MaxLength = 0;
    std::uint32_t Flags = 0;
    std::vector<std::string> Items;  // the fixed lines of a combo or list
};

struct PanelDecl {
    int Number = 0;
    std::string Heading;
    std::vector<ControlDecl> Controls;
};

// Panels 1-78 and 81-83 in number order.
std::span<const PanelDecl> Panels();
// The panel of that number, or nullptr (79, 80 and numbers past 83).
const PanelDecl* FindPanel(int number);
// The control of that name on any panel, or nullptr; the panel it is on.
const ControlDecl* FindControl(const std::string& name, int* panel = nullptr);

}  // namespace orv::editor
