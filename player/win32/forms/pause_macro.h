// The pause window of a running macro: Resume goes on with the run, Abort or
// closing the window ends it. It stays on top but leaves the keyboard to the
// window the user works in.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "player/player_host.h"
#include "player/win32/forms/run_time_dialog.h"

namespace orv::player {

// A label whose lines are centred.
class TCentredLabel final : public TLabel {
  public:
    using TLabel::TLabel;

  protected:
    DWORD WindowStyle() const override { return SS_CENTER; }
};

struct PauseWindowContent {
    std::string Nickname;
    std::string Caption;
    std::string Message;                 // empty: none
    std::optional<ScreenPoint> TopLeft;  // none: centred
};

class TPauseMacro final : public TRunTimeDialog {
  public:
    // workWindow: the window that gets the keyboard back whenever the pause
    // window is activated (none: it keeps it).
    TPauseMacro(const PauseWindowContent& content, std::function<HWND()> workWindow);

    TLabel Label1{*this, nullptr, {8, 4, 208, 16}, "Orvane Pause"};
    TCentredLabel MacroTitleLabel{*this, nullptr, {8, 21, 208, 18}};
    TLabel MessageLabel{*this, nullptr, {8, 42, 208, 0}};
    TButton ResumeButton{*this, nullptr, {24, 0, 80, 25}, "&Resume"};
    TButton AbortButton{*this, nullptr, {120, 0, 80, 25}, "&Abort"};

  protected:
    void FormActivate() override;

  private:
    std::function<HWND()> workWindow_;
};

}  // namespace orv::player
