// The one-line text of a timed macro's schedule, as the list, the listing,
// the quick info and the wizard show it.
#pragma once

#include <string>

#include "common/macro_record.h"

namespace orv::editor {

std::string GetSched(const MacroRecord& macro);

}  // namespace orv::editor
