// The display line of a command: the wording the script editor shows for a
// line, made in this one place for the script reader and for the editor's
// command bridges alike.
#pragma once

#include <string>

#include "common/script/records.h"

namespace orv {

// The command's name followed by its details, at most 255 characters, with no
// indentation.
std::string DisplayLine(CommandCode code, const CommandRecord& record);

// The shorter wording of the older repeat form that has a count only.
std::string LegacyRepeatDisplayLine(int count);

}  // namespace orv
