// The e-mail command on the desktop: the run-time prompt and the status
// window, the clipboard, the sockets library and the connection. The player
// lends its notice windows and its way of bringing a window to the front.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "mail/codings.h"
#include "mail/mail_command.h"
#include "mail/win32/socket.h"

namespace orv {
class TForm;
}  // namespace orv

namespace orv::player {

class TEMailStatus;

struct MailDesk {
    std::function<void(std::string_view caption, std::string_view text)> DoAMessage;
    std::function<void(std::string_view caption, std::string_view text)> MyMessage;
    // Shows a prompt modally in the way of the player's run-time dialogs.
    std::function<int(TForm& form)> ShowModal;
    // The recipient file the prompt offers.
    std::function<std::string()> RecipientFile;
    // The user asked to stop the run that sends: the SMTP dialogue is
    // cancelled at its next wait. May be empty.
    std::function<bool()> Aborted;
};

// The character set of the system's code page, in which Windows hands the
// program its 8-bit text (the clipboard's CF_TEXT included).
TextCharset SystemTextCharset();

// Installs the system's character set for the mail it sends while it lives.
class Win32MailHost final : public MailCommandHost {
  public:
    explicit Win32MailHost(MailDesk desk);
    ~Win32MailHost() override;

    bool WinsockPresent() override;
    std::optional<std::string> ClipboardText() override;
    std::optional<EmailPromptAnswers> GetTheEMail(int mode) override;
    void ShowStatus(std::string_view caption) override;
    void SetStatus(std::string_view text) override;
    void CloseStatus() override;
    void DoAMessage(std::string_view caption, std::string_view text) override;
    void ShowTextBox(std::string_view caption, std::string_view text) override;
    LineTransport& Transport() override { return socket_; }

  private:
    MailDesk desk_;
    TagSocket socket_;
    std::unique_ptr<TEMailStatus> status_;
};

}  // namespace orv::player
