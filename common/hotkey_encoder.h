// The way back from a pressed combination to its hot-key code: the inverse of
// DecipherKey, which the hook library runs on every key and button press.
#pragma once

#include "common/hotkeys.h"

namespace orv {

constexpr int NoHotKey = -1;

// The combination a user presses for a code. The same as DecipherKey, except
// that "Win+Space" (which decodes to nothing, so that no replay presses it) is
// the Space bar with Win held.
KeyCombination PressedCombination(int code);

// The code of a pressed combination (a virtual key or a mouse button with the
// modifiers held), or NoHotKey when no code names it. A key together with a
// button is no combination. Left and right modifier keys are not told apart,
// and AltGr arrives from the system as Ctrl+Alt.
int EncodeHotKey(const KeyCombination& keys);

}  // namespace orv
