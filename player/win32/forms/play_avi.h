// The video window of "<AVI:", "<AVII:" and "<AVIE:": the clip at its own
// size over a bar of Play, Pause and Stop buttons, through the media control
// interface's "avivideo" device.
#pragma once

#include <optional>
#include <string>

#include "player/win32/forms/run_time_dialog.h"

namespace orv::player {

class TDoPlayAVI final : public TRunTimeDialog {
  public:
    // Mode 3 only shows the clip, 1 plays it at once, 2 plays it and closes
    // at its end.
    enum Mode { PlayAtOnce = 1, PlayAndClose = 2, ShowOnly = 3 };
    static constexpr int BarHeight = 31;
    static constexpr int BarWidth = 180;

    // The clip must have been opened under DeviceAlias; width and height are
    // its own size.
    TDoPlayAVI(int mode, int clipWidth, int clipHeight);

    TButton PlayButton{*this, nullptr, {0, 3, 60, 25}, "&Play"};
    TButton PauseButton{*this, nullptr, {60, 3, 60, 25}, "P&ause"};
    TButton StopButton{*this, nullptr, {120, 3, 60, 25}, "&Stop"};
    TTimer MyTimer{*this, 250};

    static constexpr const char* DeviceAlias = "orvane_avi";

  protected:
    void FormShow() override;

  private:
    void MyTimerTimer();

    int mode_;
    int clipWidth_;
    int clipHeight_;
};

// Opens the clip, shows the window modally and closes the clip again; the
// device's error text when the clip cannot be opened or played.
std::optional<std::string> PlayVideoClip(const std::string& file, int mode);

}  // namespace orv::player
