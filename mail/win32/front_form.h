// The mail windows of the player: they stay on top of every other window and
// come to the front of whatever program has the focus, although the player
// itself has no visible window.
#pragma once

#include <functional>
#include <string>

#include "common/ui/win32/form.h"

namespace orv {

class TFrontForm : public TForm {
  public:
    TFrontForm(std::string name, std::string caption, int clientWidth, int clientHeight);

    // The player's foreground transfer; without one the window only asks to
    // be the foreground window.
    std::function<void(HWND)> BringToFront;

  protected:
    void FormShow() override;
    void FormActivate() override;
    bool UserMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;
};

}  // namespace orv
