// Composing command text from a command's record: the token of each command
// in the forms of the token table, its numbers padded to their fields. The
// language has no escape, so a value that would break its token (a ">" in a
// free-text field, a number wider than its field) is refused with a message
// the dialogs and the writer show.
#pragma once

#include <string>
#include <string_view>

#include "common/script/records.h"

namespace orv {

struct ComposeResult {
    std::string Text;   // the command text when Error is empty
    std::string Error;  // why the values cannot be written
    bool Ok() const { return Error.empty(); }
};

ComposeResult ComposeCommand(CommandCode code, const CommandRecord& record);

// Why a free-text value cannot stand in a token: a ">" or one of the further
// stop characters ends the field early. Empty when it can; what names the value.
std::string FreeTextProblem(std::string_view value, std::string_view stop = "",
                            std::string_view what = "text");

}  // namespace orv
