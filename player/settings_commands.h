// The commands that change system settings for the session (keyboard delay
// and repeat speed, screen-saver time-out and switch, window border width)
// and the one that installs the player's hooks afresh. Settings are never
// written to the user's profile, so they last until the user logs off.
#pragma once

#include <cstdint>

#include "player/command_context.h"

namespace orv::player {

// The system's parameter numbers.
namespace SystemParameter {
constexpr std::uint32_t SetBorder = 0x0006;
constexpr std::uint32_t SetKeyboardSpeed = 0x000B;
constexpr std::uint32_t SetScreenSaveTimeout = 0x000F;
constexpr std::uint32_t SetScreenSaveActive = 0x0011;
constexpr std::uint32_t SetKeyboardDelay = 0x0017;
}  // namespace SystemParameter

class SettingsHost {
  public:
    virtual ~SettingsHost() = default;
    // Sets a system parameter for this session only.
    virtual void SetSystemParameter(std::uint32_t parameter, std::uint32_t value) = 0;
    // Removes the keyboard and the mouse hook and installs them again.
    virtual void ReinstallHooks() = 0;
};

class SettingsCommands final : public CommandFamily {
  public:
    explicit SettingsCommands(SettingsHost& host) : host_(host) {}
    Flow Perform(CommandContext& context) override;

  private:
    SettingsHost& host_;
};

}  // namespace orv::player
