// The commands that talk to the user during a run: the pause window, whose
// Abort ends the whole run, and the text box. What they show is the host's
// (`PauseControl`); the geometry is computed here.
#pragma once

#include <optional>
#include <string_view>

#include "player/command_context.h"
#include "player/player_host.h"

namespace orv::player {

class PauseControl {
  public:
    virtual ~PauseControl() = default;
    // The pause window at this top-left corner (none: centred) with the
    // message (empty: none), kept on the screen at the size the screen's
    // scale gives it; true when the user resumes, false for Abort or a closed
    // window.
    virtual bool ShowPauseWindow(std::optional<ScreenPoint> topLeft, std::string_view message) = 0;
    // The scrolling text box.
    virtual void MyMessage(std::string_view caption, std::string_view text) = 0;
};

class DialogCommands final : public CommandFamily {
  public:
    explicit DialogCommands(PauseControl& pause) : pause_(pause) {}
    Flow Perform(CommandContext& context) override;

  private:
    PauseControl& pause_;
};

}  // namespace orv::player
