// The main window's side of the player's own recording: the tray's record
// icon and "Capture Complete".
#include "common/win32/window_numbers.h"
#include "player/win32/forms/cap_complete.h"
#include "player/win32/main_window.h"

namespace orv::player {
namespace {

// "Capture Complete" asks the hook library for pressed combinations through
// the player's second-window fields.
class PlayerSecondWindow final : public SecondWindow {
  public:
    explicit PlayerSecondWindow(Win32Windows& windows) : windows_(windows) {}
    void SetSecondWindow(HWND window, bool on) override {
        windows_.SetSecondWindow(WindowNumber(window), on);
    }

  private:
    Win32Windows& windows_;
};

}  // namespace

void TMainWin::EndCapture() {
    capture_->CaptureEnded();
}

void TMainWin::ShowRecording(bool on) {
    tray_.ShowRecording(on);
}

bool TMainWin::CompleteCapture(MacroRecord& record, const std::string& programName) {
    PlayerSecondWindow second(windows_);
    TCapComplete dialog(record, programName, *hookData_, *settings_, second);
    const RaisedFlag shown(dispatch_->CaptureDialogShown);
    return dialog.ShowModal(window_) == IDOK;
}

}  // namespace orv::player
