// Integrity levels: Windows drops keys, clicks and window messages sent from
// a process into one of a higher level (a program run as administrator)
// without an error, so the player asks before it plays.
#pragma once

#include <cstdint>

namespace orv {

// The process runs at a higher integrity level than ours. A process whose
// level cannot be read (its token is closed to us, as an elevated process's
// is to a standard user) counts as higher; one that has ended does not.
bool RunsAboveUs(std::uint32_t processId);

}  // namespace orv
