// The player's state of the running macro, shared by the interpreter, the
// playback routines and the message handlers that abort or pause a run.
#pragma once

#include <cstdint>

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

// A flag of the player's state set for a scope, however the scope is left
// (a step that handles messages may throw).
class RaisedFlag {
  public:
    explicit RaisedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    RaisedFlag(const RaisedFlag&) = delete;
    RaisedFlag& operator=(const RaisedFlag&) = delete;
    ~RaisedFlag() { flag_ = false; }

  private:
    bool& flag_;
};

}  // namespace orv::player
