// The message window every warning and notice of the player is shown in.
#pragma once

#include <string>

#include "player/win32/forms/run_time_dialog.h"

namespace orv::player {

class TOnTopMessage final : public TRunTimeDialog {
  public:
    TOnTopMessage(std::string caption, std::string text);

    TLabel TheMessage{*this, nullptr, {3, 3, 229, 97}};
    TButton OkButton{*this, nullptr, {80, 102, 75, 25}, "&Ok", ButtonRole::Default};
};

}  // namespace orv::player
