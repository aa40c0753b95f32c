// The master HookTable in the mapping every process of the system shares.
#pragma once

#include <cstdint>

#include "common/bytes.h"

namespace orv {

// Opened, or created zero-filled, on first use and kept for the life of the
// process; null when the mapping cannot be had.
std::uint8_t* MasterTable();

// The same as a span, empty without the mapping.
Bytes MasterTableImage();

}  // namespace orv
