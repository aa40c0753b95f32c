// The machine's side of the sound commands: the player's one mixer on the
// volume of the system's default output of the moment where there is one and
// mixer device 0, wave files and the audio CD.
#pragma once

#include <memory>

#include "common/win32/winmm_mixer_driver.h"
#include "player/multimedia_commands.h"
#include "player/win32/mci_cd_device.h"

namespace orv::player {

class Win32Media final : public MediaHost {
  public:
    TMidiMixer& OpenMixer() override;
    void PlayWave(std::string_view file, bool wait) override;
    CdDevice& Cd() override { return cd_; }
    std::optional<std::string> PlayVideo(std::string_view file, int mode) override;

  private:
    MciCdDevice cd_;
    WinmmMixerDriver winmm_;
    std::unique_ptr<AudioEndpoint> endpoint_;
    std::unique_ptr<RoutedMixerDriver> driver_;
    std::unique_ptr<TMidiMixer> mixer_;  // goes before its drivers
};

// The sound command family over the machine.
struct Win32MultimediaCommands {
    Win32Media Media;
    MultimediaCommands Commands{Media};
};

}  // namespace orv::player
