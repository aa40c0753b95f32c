// Letting the program's windows work while a long operation waits.
#pragma once

#include <windows.h>

namespace orv {

// Dispatches every message waiting for this thread, each first offered to
// the forms layer (so the keys of a modeless form keep their dialog
// handling during a wait). A WM_QUIT ends the pumping and is posted again for
// the program's own loop: false then.
bool PumpPendingMessages();

// What every message loop offers each message to before dispatching it: true
// when it was handled. The forms layer installs its IsFormMessage here, as it
// builds on this library rather than under it.
using MessageFilter = bool (*)(MSG& msg);
void SetFormMessageFilter(MessageFilter filter);
bool FilterFormMessage(MSG& msg);

}  // namespace orv
