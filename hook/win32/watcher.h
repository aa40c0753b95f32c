// The window-activation watcher: a thread of its own that tells the player
// which window came to the front and when the set of running programs
// changed. It learns of a new front window from the system's notice where
// one comes and by looking where none does, on a thread apart from the input
// hooks so that it never delays them.
#pragma once

namespace orv {

// Started at most once; false when the thread could not be made.
bool StartWatcher();
// Stops it and waits for its end; nothing when it does not run.
void StopWatcher();

}  // namespace orv
