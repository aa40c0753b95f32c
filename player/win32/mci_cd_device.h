// The audio CD through the media control interface's "cdaudio" device on
// the first CD drive, by command strings.
#pragma once

#include <string>

#include "player/multimedia_commands.h"

namespace orv::player {

// The first drive from B: to Z: that is a CD drive, such as "E:"; kept
// once found. Empty while there is none.
std::string GetCDDrive();

class MciCdDevice final : public CdDevice {
  public:
    MciCdDevice() = default;
    ~MciCdDevice() override;
    MciCdDevice(const MciCdDevice&) = delete;
    MciCdDevice& operator=(const MciCdDevice&) = delete;

    bool IsOpen() override { return open_; }
    std::uint32_t Open() override;
    std::uint32_t Do(Action action) override;
    std::uint32_t PlayTrack(std::uint32_t track) override;
    std::uint32_t Position(std::uint32_t& tmsf) override;
    std::uint32_t TrackSeconds(std::vector<std::uint32_t>& seconds) override;
    std::uint32_t PlayFrom(std::uint32_t tmsf) override;
    std::string ErrorText(std::uint32_t error) override;

  private:
    // Moves to the next or previous track, playing on when it played.
    std::uint32_t ChangeTrack(int by);

    bool open_ = false;
};

}  // namespace orv::player
