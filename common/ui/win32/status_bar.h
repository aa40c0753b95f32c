// A status bar that shows one text, placed where its bounds say rather than
// docked to the bottom of its form.
#pragma once

#include "common/ui/win32/controls.h"

namespace orv {

class TStatusBar : public TControl {
  public:
    using TControl::TControl;

  protected:
    const char* WindowClass() const override;
    DWORD WindowStyle() const override;
};

}  // namespace orv
