#include "player/win32/forms/play_avi.h"

#include <algorithm>
#include <cstdio>

#include "player/win32/mci_strings.h"

namespace orv::player {

namespace {

std::string Alias() {
    return TDoPlayAVI::DeviceAlias;
}

std::uint32_t Send(const std::string& command, std::string* answer = nullptr) {
    return SendMci(command, answer);
}

std::string ErrorText(std::uint32_t error) {
    return MciErrorText(error, "video device");
}

}  // namespace

TDoPlayAVI::TDoPlayAVI(int mode, int clipWidth, int clipHeight)
    : TRunTimeDialog("TDoPlayAVI", "Video Clip Player", std::max(clipWidth, BarWidth),
                     clipHeight + BarHeight),
      mode_(mode),
      clipWidth_(clipWidth),
      clipHeight_(clipHeight) {
    for (TButton* button : {&PlayButton, &PauseButton, &StopButton})
        button->SetBounds({button == &PlayButton    ? 0
                           : button == &PauseButton ? 60
                                                    : 120,
                           clipHeight + 3, 60, 25});
    PlayButton.OnClick = [] { Send("play " + Alias()); };
    PauseButton.OnClick = [] { Send("pause " + Alias()); };
    StopButton.OnClick = [] {
        Send("stop " + Alias());
        Send("seek " + Alias() + " to start");
    };
    MyTimer.OnTimer = [this] { MyTimerTimer(); };
}

void TDoPlayAVI::FormShow() {
    TRunTimeDialog::FormShow();
    char handle[32];
    std::snprintf(handle, sizeof handle, "%llu",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(Handle())));
    Send("window " + Alias() + " handle " + handle);
    Send("put " + Alias() + " destination at 0 0 " + std::to_string(clipWidth_) + " " +
         std::to_string(clipHeight_));
    if (mode_ == PlayAtOnce || mode_ == PlayAndClose)
        Send("play " + Alias());
    // Watched rather than waited for, so the window answers while it plays.
    if (mode_ == PlayAndClose)
        MyTimer.SetEnabled(true);
}

void TDoPlayAVI::MyTimerTimer() {
    std::string mode;
    if (Send("status " + Alias() + " mode", &mode) != 0 || mode != "playing") {
        MyTimer.SetEnabled(false);
        Close(IDOK);
    }
}

std::optional<std::string> PlayVideoClip(const std::string& file, int mode) {
    if (const std::uint32_t error = Send("open \"" + file + "\" type avivideo alias " + Alias()))
        return ErrorText(error);
    std::string source;
    int width = 0, height = 0, left = 0, top = 0;
    const std::uint32_t error = Send("where " + Alias() + " source", &source);
    if (error == 0)
        std::sscanf(source.c_str(), "%d %d %d %d", &left, &top, &width, &height);
    std::optional<std::string> failure;
    if (error != 0) {
        failure = ErrorText(error);
    } else {
        TDoPlayAVI form(mode, width, height);
        form.ShowModal();
    }
    Send("close " + Alias());
    return failure;
}

}  // namespace orv::player
