// Script text to the script editor's command list: one left-to-right pass
// with no look-back and no errors. Literal text and keystroke tokens gather
// into Text lines; every other token the editor knows becomes one line of its
// command; whatever is not a complete token stays text.
#pragma once

#include <string_view>
#include <vector>

#include "common/script/records.h"

namespace orv {

// Appends the lines of the script to the list, unindented.
void BuildTheScript(std::string_view script, std::vector<CommandLine>& lines);

// The lines of a script on their own.
std::vector<CommandLine> ReadScript(std::string_view script);

// The three choices an "<EMAIL:" token's parts make, as the player reads
// them: recipients (1 chosen now, 2 asked for), subject and text (1..4),
// attachments (1..3); a part that cannot be read keeps its first choice.
EmailRec ReadEmailToken(std::string_view token);

}  // namespace orv
