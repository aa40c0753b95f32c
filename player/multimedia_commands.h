// The sound commands: volume, balance, treble, bass and mute through the
// mixer component, wave files, the audio CD and the video window. What they
// need of the machine is MediaHost; the Win32 one is
// player/win32/win32_media.*, tests fake it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "common/mixer.h"
#include "player/command_context.h"

namespace orv {

class MediaHost {
  public:
    virtual ~MediaHost() = default;
    // The player's one mixer, opened on mixer device 0 on first use.
    virtual TMidiMixer& OpenMixer() = 0;
    // Plays a wave file (never the default sound); with wait until it ends.
    virtual void PlayWave(std::string_view file, bool wait) = 0;
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

  private:
    // The mixer with the slot available, else none after the notice.
    TMidiMixer* MixerWith(PlayerHost& player, TMixerControlType slot, std::string_view control);
    Flow Mixer(CommandContext& context);

    MediaHost& host_;
};

}  // namespace orv
