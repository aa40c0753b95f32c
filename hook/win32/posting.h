// The message of a decision, posted from a hook procedure.
#pragma once

#include <windows.h>

#include "hook/input_decision.h"

namespace orv {

// The window that has the focus now, else the active one: one question to
// the system, as a hook procedure asks it for every key.
HWND FocusedWindow();

// Posts each of its messages to its window, with the window that has the
// focus in lParam when the message asks for it. Never waits.
void PostDecision(const InputDecision& decision);

}  // namespace orv
