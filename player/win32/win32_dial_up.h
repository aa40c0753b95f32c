// Dial-up networking for the player's dial and hang-up commands, through the
// program's one binding of the dial-up library.
#pragma once

#include <string>

#include "common/win32/ras_api.h"
#include "player/system_commands.h"

namespace orv {

// The modeless status window shown while a dial lasts (the e-mail status
// window plugs in here).
class DialStatusWindow {
  public:
    virtual ~DialStatusWindow() = default;
    virtual void Open(std::string_view caption, std::string_view status) = 0;
    virtual void Close() = 0;
};

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

    DialStatusWindow* Status = nullptr;

  private:
    const RasApi& api_;
    std::string errorTextFolder_;
    HCURSOR formerCursor_ = nullptr;
};

}  // namespace orv
