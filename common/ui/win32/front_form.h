// A form that stays on top of every other window and comes to the front of
// the foreground window when shown, although its program may have no
// visible window (the player's run-time dialogs, the e-mail prompt).
#pragma once

#include <string>

#include "common/ui/win32/form.h"

namespace orv {

class TFrontForm : public TForm {
  public:
    TFrontForm(std::string name, std::string caption, int clientWidth, int clientHeight);

  protected:
    void FormShow() override;
    void FormActivate() override;
    bool UserMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;
};

}  // namespace orv
