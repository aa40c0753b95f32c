// Wave sounds, played without waiting for them. A service a test replaces.
#pragma once

#include <string_view>

namespace orv {

class SoundService {
  public:
    virtual ~SoundService() = default;
    // Starts the wave file playing, without the system's default sound in
    // its place; false when it cannot be played.
    virtual bool Play(std::string_view file) = 0;
};

class Win32SoundService final : public SoundService {
  public:
    bool Play(std::string_view file) override;
};

SoundService& CurrentSound();
void SetCurrentSound(SoundService* sound);

}  // namespace orv
