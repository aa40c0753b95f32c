// A pop-up menu lists its members by macro number; when macros move to another
// file their numbers change, and members that do not move with them are dropped.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "common/macro_record.h"

namespace orv::editor {

// Gives a member's number in the other file, or nothing when it does not go.
using MemberNumbering = std::function<std::optional<int>(int member)>;

// The record's members renumbered, in their order; the count is rewritten.
void RenumberPopupMembers(MacroRecord& record, const MemberNumbering& numbering);

}  // namespace orv::editor
