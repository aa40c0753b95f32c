// Wave files played by the player: the alarm of a scheduled macro and the
// sound commands.
#pragma once

#include <string>

namespace orv::player {

// Plays the wave file, never the system's default sound in its place; with
// wait, returns when it ended. False when it cannot be played.
bool DoWave(const std::string& file, bool wait);

}  // namespace orv::player
