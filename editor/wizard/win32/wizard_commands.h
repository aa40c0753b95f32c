// The single-command kind's choice: each radio of panels 54 to 57 names the
// command whose dialog composes the macro's one command, opened as the script
// editor opens a new line of it. The dial-up radio stays disabled without
// dial-up networking.
#pragma once

#include <string>

#include "editor/commands/command_context.h"
#include "editor/wizard/wizard_answers.h"

namespace orv {
class TForm;
}  // namespace orv

namespace orv::editor {

// Disables the radios whose dialog cannot open here, moving a default off them.
void DisableMissingCommands(WizardAnswers& answers, const CommandContext& commands);

// The command text the chosen radio's dialog composed; empty when it was
// cancelled.
std::string ChooseCommandText(TForm& owner, CommandContext& commands, const WizardAnswers& answers);

}  // namespace orv::editor
