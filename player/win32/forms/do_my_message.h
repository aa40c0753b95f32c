// The scrolling text box: a long text a macro or an error shows whole.
#pragma once

#include <string>
#include <string_view>

#include "player/win32/forms/run_time_dialog.h"

namespace orv::player {

class TDoMyMessage final : public TRunTimeDialog {
  public:
    // The text's line breaks stay.
    TDoMyMessage(std::string caption, std::string_view text);

    TMemo TheMessage{*this, nullptr, {2, 2, 265, 141}};
    TButton OkButton{*this, nullptr, {97, 146, 75, 24}, "&Ok", ButtonRole::Default};
};

}  // namespace orv::player
