// Decisions behind the small routines both programs' main windows share.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "common/hook_table.h"
#include "common/settings.h"

namespace orv {

struct MacroActivationState {
    std::uint16_t activationCode = 0;
    bool enabled = false;
};

// The screen saver is refused while it is set to be and an enabled timed macro
// waits for its time.
bool RefusesScreenSaver(bool disableScreenSaver, std::span<const MacroActivationState> macros);

// The same for the macros a program's own image holds.
bool ScreenSaverRefused(const SettingsBlock& settings, const HookTable& table);

// True for an installed browser version of 4 or later ("5.00.2614.3500");
// a version whose major part is not a number counts as 0.
bool IsBrowserVersion4OrLater(std::string_view version);

}  // namespace orv
