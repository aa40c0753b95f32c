// The single-command kind's choice: each radio of panels 54 to 57 names the
// command whose dialog composes the macro's one command, opened as the script
// editor opens a new line of it. The dial-up radio stays disabled without
// dial-up networking.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "common/script/catalogue.h"
#include "editor/commands/command_context.h"
#include "editor/wizard/wizard_answers.h"

namespace orv {

class TForm;

struct WizardCommandRow {
    int Panel = 0;
    std::string_view Radio;
    // The command whose dialog opens; its choice is the dialog's preset.
    CommandCode Code = CommandCode::None;
};

std::span<const WizardCommandRow> WizardCommandRows();

// The row of the radio checked on the panel that panel 53's group chose.
const WizardCommandRow* ChosenCommandRow(const WizardAnswers& answers);

// Disables the radios whose dialog cannot open here, moving a default off them.
void DisableMissingCommands(WizardAnswers& answers, const CommandContext& commands);

// The command text the chosen radio's dialog composed; empty when it was
// cancelled.
std::string ChooseCommandText(TForm& owner, CommandContext& commands, const WizardAnswers& answers);

}  // namespace orv
