// How a macro being edited is activated, as the editors are told it: the
// script editor, the direct text editor and the script writer branch on it.
#pragma once

#include <cstdint>

namespace orv {

// The numbers are the editors' public field as callers set it.
enum class ActivationKind : std::int32_t {
    HotKey = 1,
    Timed = 2,
    Cueword = 3,
    None = 6,
    WindowTitle = 7,
};

}  // namespace orv
