// The message of a decision, posted from a hook procedure.
#pragma once

#include "hook/input_decision.h"

namespace orv {

// Posts each of its messages to its window, with the window that has the
// focus in lParam when the message asks for it. Never waits.
void PostDecision(const InputDecision& decision);

}  // namespace orv
