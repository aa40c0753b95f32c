// The window-activation watcher: a thread of its own that tells the player
// which window came to the front and when the set of running programs
// changed. It sleeps until the system tells of a change, on a thread apart
// from the input hooks so that it never delays them.
#pragma once

namespace orv {

// Started at most once; false when the thread could not be made.
bool StartWatcher();
// Stops it and waits for its end; nothing when it does not run.
void StopWatcher();

}  // namespace orv
