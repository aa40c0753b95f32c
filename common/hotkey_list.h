// The list of hot keys the dialogs that choose one show: one line per code
// with how many macros use it, and which codes a global, pop-up menu or system
// macro already holds.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/hotkeys.h"

namespace orv {

// What the list needs of one macro of the library.
struct HotKeyUser {
    std::uint16_t ActivationCode = 0;
    std::int16_t MacroKind = 0;
};

struct HotKeyListing {
    std::vector<std::string> Lines;                // one per code 0..720
    std::array<std::uint8_t, HotKeyCount> Used{};  // 1: a global, menu or system macro has it
};

HotKeyListing HotKeyListLines(std::span<const HotKeyUser> macros);

}  // namespace orv
