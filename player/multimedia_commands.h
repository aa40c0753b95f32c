// The sound commands: volume, balance, treble, bass and mute through the
// mixer component, wave files, the audio CD and the video window. What they
// need of the machine is MediaHost; the Win32 one is
// player/win32/win32_media.*, tests fake it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/mixer.h"
#include "player/command_context.h"

namespace orv::player {

// The audio CD through the media control interface, opened on the CD drive
// on first use. Each call answers 0 or the device's error number.
class CdDevice {
  public:
    virtual ~CdDevice() = default;
    enum class Action : std::uint8_t { Play, Stop, Pause, Next, Previous, Eject, CloseDoor };
    virtual bool IsOpen() = 0;
    virtual std::uint32_t Open() = 0;
    virtual std::uint32_t Do(Action action) = 0;
    virtual std::uint32_t PlayTrack(std::uint32_t track) = 0;
    // The position packed as track, minutes, seconds, frames.
    virtual std::uint32_t Position(std::uint32_t& tmsf) = 0;
    // Each track's length in seconds, track 1 first.
    virtual std::uint32_t TrackSeconds(std::vector<std::uint32_t>& seconds) = 0;
    virtual std::uint32_t PlayFrom(std::uint32_t tmsf) = 0;
    virtual std::string ErrorText(std::uint32_t error) = 0;
};

class MediaHost {
  public:
    virtual ~MediaHost() = default;
    // The player's one mixer, opened on mixer device 0 on first use (the
    // commands open it again while that failed).
    virtual TMidiMixer& OpenMixer() = 0;
    // Plays a wave file (never the default sound); with wait until it ends.
    virtual void PlayWave(std::string_view file, bool wait) = 0;
    virtual CdDevice& Cd() = 0;
    // Shows the video window for the clip in mode 3 (show), 1 (play) or 2
    // (play and close) until it closes; the device's text when it failed.
    virtual std::optional<std::string> PlayVideo(std::string_view file, int mode) = 0;
};

enum class VolumeKind : std::uint8_t { Off, On, Up, Down };
enum class BalanceKind : std::uint8_t { Left, Right, Centre };

// One step of a volume, balance or tone change: a twentieth of the range,
// at least 1.
std::int32_t VolumeStep(std::int32_t minimum, std::int32_t maximum);

class MultimediaCommands final : public CommandFamily {
  public:
    explicit MultimediaCommands(MediaHost& host) : host_(host) {}
    Flow Perform(CommandContext& context) override;

    // Each shows its "not supported" notice when the control is missing and
    // lets a mixer error (EMMError) through.
    void SetVolume(PlayerHost& player, VolumeKind kind, bool master);
    void SetBalance(PlayerHost& player, BalanceKind kind, bool master);
    void SetToneControl(PlayerHost& player, bool up, bool treble);
    void ToggleMute(PlayerHost& player, bool master);

    // What the last mute command did: master, synthesizer.
    std::array<bool, 2> MixerMuteOn{};
    // A video window is open.
    bool VideoInUse = false;

  private:
    // The mixer with the slot available, else none after the notice.
    TMidiMixer* MixerWith(PlayerHost& player, TMixerControlType slot, std::string_view control);
    Flow Mixer(CommandContext& context);
    Flow Cd(CommandContext& context);
    Flow Video(CommandContext& context);
    std::uint32_t Step(CdDevice& cd, std::int64_t seconds);

    MediaHost& host_;
};

}  // namespace orv::player
