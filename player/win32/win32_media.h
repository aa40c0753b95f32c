// The machine's side of the sound commands: the player's one mixer on the
// system's mixer device 0, and wave files.
#pragma once

#include <memory>

#include "common/win32/winmm_mixer_driver.h"
#include "player/multimedia_commands.h"

namespace orv {

class Win32Media final : public MediaHost {
  public:
    TMidiMixer& OpenMixer() override;
    void PlayWave(std::string_view file, bool wait) override;

  private:
    WinmmMixerDriver driver_;
    std::unique_ptr<TMidiMixer> mixer_;
};

// The sound command family over the machine.
struct Win32MultimediaCommands {
    Win32Media Media;
    MultimediaCommands Commands{Media};
};

}  // namespace orv
