// The interpreter's e-mail command on the desktop: the message goes out over
// the sockets library with the player's prompt, status window and notices,
// with the mail settings as they stand when the command runs.
#pragma once

#include "common/settings.h"
#include "mail/win32/registry_content_types.h"
#include "mail/win32/win32_mail_host.h"
#include "player/mail_commands.h"
#include "player/win32/win32_dialogs.h"

namespace orv::player {

class Win32MailSender final : public MailSender {
  public:
    // aborted: the user stopped the run; a send under way is cancelled.
    Win32MailSender(const SettingsBlock& settings, Win32Dialogs& dialogs,
                    std::function<bool()> aborted);
    ~Win32MailSender() override;
    Win32MailSender(const Win32MailSender&) = delete;
    Win32MailSender& operator=(const Win32MailSender&) = delete;

    bool SendMailMessage(std::string_view token) override;

  private:
    const SettingsBlock& settings_;
    // Attachments get the content types the system registers.
    RegistryContentTypes contentTypes_;
    Win32MailHost host_;
};

}  // namespace orv::player
