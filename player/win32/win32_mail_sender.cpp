#include "player/win32/win32_mail_sender.h"

namespace orv::player {

Win32MailSender::Win32MailSender(const SettingsBlock& settings, Win32Dialogs& dialogs,
                                 std::function<bool()> aborted)
    : settings_(settings),
      host_(MailDesk{
          [&dialogs](std::string_view caption, std::string_view text) {
              dialogs.DoAMessage(caption, text);
          },
          [&dialogs](std::string_view caption, std::string_view text) {
              dialogs.MyMessage(caption, text);
          },
          [&dialogs](TForm& form) { return dialogs.ShowInFront(form); },
          [&settings] { return settings.EMailPath.str(); },
          std::move(aborted),
      }) {
    SetCurrentContentTypes(&contentTypes_);
}

Win32MailSender::~Win32MailSender() {
    SetCurrentContentTypes(nullptr);
}

bool Win32MailSender::SendMailMessage(std::string_view token) {
    return player::SendMailMessage(token, host_, MailSettingsFrom(settings_));
}

}  // namespace orv::player
