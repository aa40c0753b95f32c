// The lists the user edits on the wizard's panels: the combined macro of
// panel 64 built from the available macros, the attachments of panel 77, the
// recipient lists reloaded after the list editor, and the columns a macro of
// panel 50 shows.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "editor/wizard/wizard_answers.h"
#include "editor/wizard/wizard_env.h"
#include "editor/wizard/wizard_script.h"

namespace orv::editor {

// Where an added macro goes in the combined macro: at its end, or before or
// after its chosen line (the first when none is chosen).
enum class InsertMode { Append = 1, Before = 2, After = 3 };

// Panel 64: the available list's chosen macro into the combined macro, the
// new line chosen; a refusal when no macro is chosen.
std::optional<WizardRefusal> AddCombinedLine(WizardAnswers& answers, InsertMode mode);
// Swaps the chosen line with its neighbour (by -1 up, +1 down); it stays chosen.
void MoveCombinedLine(WizardAnswers& answers, int by);
// Up, Down and Remove enabled as the chosen line allows.
void EnableCombinedButtons(WizardAnswers& answers);

// Removes the chosen line of a list, choosing the line now at its place or
// the last; a refusal when none is chosen.
std::optional<WizardRefusal> RemoveChosenLine(WizardAnswers& answers, const std::string& list);

// A line added at the end of a list and chosen.
void AppendLine(WizardAnswers& answers, const std::string& list, const std::string& text);

// The three recipient lists from the recipient file's lines; a recipient
// chosen before stays chosen while its line is still there.
void ReloadRecipients(WizardAnswers& answers, const std::vector<std::string>& fileLines);

// Panel 50's columns of a macro: activation, nickname, scope.
std::array<std::string, 3> MenuMemberColumns(const LibraryEntry& macro);

}  // namespace orv::editor
