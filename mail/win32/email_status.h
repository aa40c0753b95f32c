// The one-line status window shown while a message is sent or a dial-up
// connection is made. It is modeless: the caller shows it, writes its text
// as the work goes on and closes it.
#pragma once

#include <string>
#include <string_view>

#include "common/ui/win32/form.h"
#include "common/ui/win32/status_bar.h"

namespace orv::player {

class TEMailStatus final : public TForm {
  public:
    TEMailStatus();

    // Shows it centred and on top of every window, with that caption and no
    // text. It leaves the focus where it is: the macro that sends goes on
    // typing into the window it typed in.
    void Open(std::string_view caption, HWND owner = nullptr);
    // Drawn at once: the work that follows may keep the message queue waiting.
    void SetStatusText(std::string_view text);
    // Close() of the form takes it down.

    TStatusBar MyStatus{*this, nullptr, {0, 0, 367, 34}};

  protected:
    void FormActivate() override;
};

}  // namespace orv::player
