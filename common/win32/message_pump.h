// Letting the program's windows work while a long operation waits.
#pragma once

namespace orv {

// Dispatches every message waiting for this thread. A WM_QUIT ends the
// pumping and is posted again for the program's own loop: false then.
bool PumpPendingMessages();

}  // namespace orv
