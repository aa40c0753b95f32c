// Window handles cross process boundaries (shared blocks, posted messages,
// the editor's command line) as 32-bit numbers: only their low 32 bits count,
// on 32-bit and 64-bit Windows alike, and a 64-bit program sign-extends them
// back.
#pragma once

#include <windows.h>

#include <cstdint>

namespace orv {

inline std::uint32_t WindowNumber(HWND window) {
    return static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(window));
}

inline HWND WindowFromNumber(std::uint32_t number) {
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(static_cast<std::int32_t>(number)));
}

}  // namespace orv
