// The box in which the user presses a hot key. While it has the focus the
// hook library sends every pressed combination's code to its form
// (ProgramMessage::SecondWindowKey)
// instead of acting on it.
#pragma once

#include <functional>

#include "common/program_messages.h"
#include "common/ui/win32/controls.h"

namespace orv {

// Names the window that receives the pressed combinations, switched on or off.
class SecondWindow {
  public:
    virtual ~SecondWindow() = default;
    virtual void SetSecondWindow(HWND window, bool on) = 0;
};

// A read-only edit box: on at focus-in (with its form's window), off at
// focus-out and whenever the form closes or hides.
class THotKeyEntry : public TEdit {
  public:
    THotKeyEntry(TForm& form, TControl* parent, Bounds bounds, SecondWindow& second);
    // The code of a combination pressed while it is on.
    std::function<void(int code)> OnHotKey;
    bool On() const { return on_; }

  protected:
    bool WindowMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;
    bool ParentMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;
    void FormClosing() override { Switch(false); }
    void WindowDestroyed() override { Switch(false); }

  private:
    void Switch(bool on);
    SecondWindow& second_;
    bool on_ = false;
};

}  // namespace orv
