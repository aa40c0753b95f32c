// The script text each ordinary kind makes from its answers, composed through
// the script language's own writer so that a wizard's macro reads back as the
// commands it meant; a value no token can carry is refused with the control
// that holds it.
#pragma once

#include <optional>
#include <string>

#include "editor/commands/command_dialogs.h"
#include "editor/wizard/wizard_answers.h"
#include "editor/wizard/wizard_env.h"

namespace orv::editor {

using WizardRefusal = Refusal<std::string>;  // the message and the control to focus

struct KindScript {
    std::string Text;
    std::optional<WizardRefusal> Refused;
};

// The script of every kind but capture (7), sweepstakes (18), pop-up menu (25)
// and first-time setup (28), from the answers of the panels on the path shown.
KindScript ComposeKindScript(int kind, const WizardAnswers& answers, const WizardEnv& env);

// Whether the e-mail kind sends copies and blind copies: the box is checked
// and a recipient is typed or chosen.
bool HasCopyRecipients(const WizardAnswers& answers);
bool HasBlindRecipients(const WizardAnswers& answers);

// The control that holds most of a kind's script, where a script too long to
// store is refused.
std::string MainTextControl(int kind);

// The text after the first ".LNK" (found without regard to case) of a line of
// the installed-program lists: the program's path.
std::string ProgramOfLine(const std::string& line);

// The file name of a path, as the player matches a program scope.
std::string FileNameOf(const std::string& path);

}  // namespace orv::editor
