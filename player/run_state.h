// The player's state of the running macro, shared by the interpreter, the
// playback routines and the message handlers that abort or pause a run.
#pragma once

#include <cstdint>

#include "common/raised_flag.h"

namespace orv::player {

struct RunState {
    bool AbortFlag = false;
    bool Running = false;
    bool CapsLockWasOn = false;
    bool KeystrokeDelayOn = false;
    std::uint32_t KeystrokeDelay = 0;
    bool MouseDelayOn = false;
    std::uint32_t MouseDelay = 0;
    double PlaybackSpeed = 1.0;
    std::int32_t ScreenWidth = 1;
    std::int32_t ScreenHeight = 1;
};

}  // namespace orv::player
