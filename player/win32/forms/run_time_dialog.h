// What every dialog a running macro shows has in common: it stays on top of
// every other window and the player hands it the foreground, although the
// player itself has no visible window.
#pragma once

#include <string>

#include "common/ui/win32/front_form.h"

namespace orv::player {

class TRunTimeDialog : public TFrontForm {
  public:
    TRunTimeDialog(std::string name, std::string caption, int clientWidth, int clientHeight);
};

}  // namespace orv::player
