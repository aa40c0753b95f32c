// Decisions behind the small routines both programs' main windows share.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace orv {

struct MacroActivationState {
    std::uint16_t activationCode = 0;
    bool enabled = false;
};

// The screen saver is refused while it is set to be and an enabled timed macro
// waits for its time.
bool RefusesScreenSaver(bool disableScreenSaver, std::span<const MacroActivationState> macros);

// True for an installed browser version of 4 or later ("5.00.2614.3500");
// a version whose major part is not a number counts as 0.
bool IsBrowserVersion4OrLater(std::string_view version);

}  // namespace orv
