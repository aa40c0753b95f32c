// The e-mail command as the interpreter hands it on: the whole token goes to
// the sender; a message that could not be sent skips the rest of the pass.
#pragma once

#include <string_view>

#include "player/command_context.h"

namespace orv::player {

class MailSender {
  public:
    virtual ~MailSender() = default;
    // Sends the message the token describes; false after its own notices.
    virtual bool SendMailMessage(std::string_view token) = 0;
};

class MailCommands final : public CommandFamily {
  public:
    explicit MailCommands(MailSender& sender) : sender_(sender) {}
    Flow Perform(CommandContext& context) override {
        return sender_.SendMailMessage(context.Token) ? Flow::Next : Flow::SkipPass;
    }

  private:
    MailSender& sender_;
};

}  // namespace orv::player
