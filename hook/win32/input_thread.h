// The library's input thread: it owns the low-level keyboard and mouse hooks
// (nothing is injected into other processes), keeps the picture of the
// keyboard the decisions need, and carries them out.
#pragma once

#include <cstdint>

namespace orv {

enum class HookRole : int { Keyboard = 0, Mouse = 1, Watcher = 2, Swap = 3 };

// Puts the role's hook in place (again, on top of any hook installed since)
// and returns its handle; 0 when it could not be installed.
std::int32_t InstallHook(HookRole role);

// A run gave the in-use byte back: keys held while a Cueword's text was typed
// go now, not at the user's next key.
void InUseHandedOver();

// Takes the hook of a handle InstallHook gave away; false for anything else,
// including a handle a later install of the same role replaced.
bool RemoveHook(std::int32_t handle);

}  // namespace orv
