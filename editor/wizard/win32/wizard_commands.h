// The single-command kind's choice: each radio of panels 54 to 57 names the
// command dialog that composes the macro's one command, with what is set on
// the dialog before it shows. A dialog the editor does not have yet has no
// maker, and its radio stays disabled.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string_view>

#include "editor/commands/command_context.h"
#include "editor/commands/win32/command_dialog.h"
#include "editor/wizard/wizard_answers.h"

namespace orv {

struct WizardCommandRow {
    int Panel = 0;
    std::string_view Radio;
    // The dialog, preset for a new command; null while it is not built.
    std::function<std::unique_ptr<TCommandDialog>(CommandContext&)> Make;
};

std::span<const WizardCommandRow> WizardCommandRows();

// The row of the radio checked on the panel that panel 53's group chose.
const WizardCommandRow* ChosenCommandRow(const WizardAnswers& answers);

// Disables the radios without a dialog, moving a default off them.
void DisableMissingCommands(WizardAnswers& answers);

}  // namespace orv
