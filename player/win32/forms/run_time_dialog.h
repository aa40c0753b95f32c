// What every dialog a running macro shows has in common: it stays on top of
// every other window and comes to the front of the foreground window,
// although the player itself has no visible window.
#pragma once

#include <string>

#include "common/ui/win32/form.h"

namespace orv {

class TRunTimeDialog : public TForm {
  public:
    TRunTimeDialog(std::string name, std::string caption, int clientWidth, int clientHeight);

  protected:
    void FormShow() override;
    void FormActivate() override;
    bool UserMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;
};

}  // namespace orv
