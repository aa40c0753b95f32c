// The message of a decision, posted from a hook procedure.
#pragma once

#include "hook/input_decision.h"

namespace orv {

// Posts it to its window, with the window that has the focus in lParam when
// the message asks for it; nothing when it names no window. Never waits.
void PostDecision(const HookPost& post);

}  // namespace orv
