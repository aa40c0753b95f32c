// Dial-up networking for the player's dial and hang-up commands, through the
// program's one binding of the dial-up library.
#pragma once

#include <memory>
#include <string>

#include "common/win32/ras_api.h"
#include "mail/win32/email_status.h"
#include "player/system_commands.h"

namespace orv::player {

class Win32DialUp final : public RasHost {
  public:
    // The library and the folder of OVRAS.INI.
    Win32DialUp(const RasApi& api, std::string errorTextFolder)
        : api_(api), errorTextFolder_(std::move(errorTextFolder)) {}

    bool Loaded() override { return api_.Loaded() && api_.Dial; }
    std::uint32_t Dial(std::string_view entry, std::string_view user,
                       std::string_view password) override;
    std::optional<std::vector<std::uintptr_t>> Connections() override;
    bool HangUp(std::uintptr_t connection) override;
    std::string ErrorText(std::uint32_t error) override;
    void ShowDialStatus(std::string_view caption, std::string_view status) override;
    void CloseDialStatus() override;

  private:
    const RasApi& api_;
    std::string errorTextFolder_;
    HCURSOR formerCursor_ = nullptr;
    // The e-mail status window serves while a dial lasts.
    std::unique_ptr<TEMailStatus> status_;
};

}  // namespace orv::player
