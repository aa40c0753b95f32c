// The keyboard as the system sees it, for the hooks' decisions.
#pragma once

#include "hook/input_decision.h"

namespace orv {

class SystemKeyState final : public RealKeyState {
  public:
    KeyCombination HeldModifiers() const override;
    bool CapsLockOn() const override;
};

}  // namespace orv
