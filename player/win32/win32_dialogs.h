// The dialogs of a running macro on the desktop: the pause window, the text
// box, the message window and the repeat prompt. One message window and one
// text box at a time: a request while one shows is dropped.
#pragma once

#include <windows.h>

#include <functional>

#include "player/dialog_commands.h"
#include "player/run_dispatch.h"

namespace orv {
class TForm;
}  // namespace orv

namespace orv::player {

class TPauseMacro;

class Win32Dialogs final : public PauseControl {
  public:
    bool ShowPauseWindow(std::optional<ScreenPoint> topLeft, std::string_view message) override;
    void MyMessage(std::string_view caption, std::string_view text) override;
    void DoAMessage(std::string_view caption, std::string_view text);
    std::uint16_t DoRepPrompt();
    // Shows a modal run-time dialog; the window that was in front before
    // gets the foreground back after it.
    int ShowInFront(TForm& form);
    // Closes the open pause window (none open: nothing), as its Resume or
    // its Abort button would.
    void ClosePause(bool resume);

    // What the main window supplies: the owner of the dialogs, the dispatch
    // that knows the running macro and is told of the pause, the window the
    // user works in during a pause, and the wait for typed input.
    HWND Owner = nullptr;
    RunDispatch* Dispatch = nullptr;
    std::function<HWND()> WorkWindow;
    // Waits until the input a running macro typed has reached its window:
    // a dialog that came to the front sooner would take the last keys.
    std::function<void()> SettleInput;

  private:
    TPauseMacro* pause_ = nullptr;
    bool messageShowing_ = false;
    bool textShowing_ = false;
};

}  // namespace orv::player
