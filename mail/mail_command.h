// What the player does with one "<EMAIL:" command of a running macro: reads
// its parts, asks at run time for what it leaves open, sends the message with
// a status window and logs what was sent. The program supplies the windows,
// the clipboard and the connection through MailCommandHost.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/settings.h"
#include "mail/smtp.h"

namespace orv::player {

// The answers of the run-time prompt, in the prompt's own order: recipients
// (To, CC, blind CC), message (body, subject, "YES" when a receipt is asked
// for) or attachments (the list). Lists are items each ended by ";", the whole
// ended by 0x01.
struct EmailPromptAnswers {
    std::string First, Second, Third;
    bool operator==(const EmailPromptAnswers&) const = default;
};

namespace EmailPromptMode {
constexpr int Recipients = 1;
constexpr int Message = 2;
constexpr int Attachments = 3;
}  // namespace EmailPromptMode

class MailCommandHost {
  public:
    virtual ~MailCommandHost() = default;
    // Whether the sockets library can be loaded on this machine.
    virtual bool WinsockPresent() = 0;
    // The clipboard's text; nothing when it holds none.
    virtual std::optional<std::string> ClipboardText() = 0;
    // The run-time prompt of that mode; nothing when the user aborted.
    virtual std::optional<EmailPromptAnswers> GetTheEMail(int mode) = 0;
    // The status window: shown modeless and in front, its one text, closed.
    virtual void ShowStatus(std::string_view caption) = 0;
    virtual void SetStatus(std::string_view text) = 0;
    virtual void CloseStatus() = 0;
    // The player's notice window and its text box for long texts.
    virtual void DoAMessage(std::string_view caption, std::string_view text) = 0;
    virtual void ShowTextBox(std::string_view caption, std::string_view text) = 0;
    // The connection the message goes over.
    virtual LineTransport& Transport() = 0;
};

// The mail settings of the settings record.
MailSettings MailSettingsFrom(const SettingsBlock& settings);

// Sends the message of one whole "<EMAIL:" token. False when the macro must
// stop (the prompt aborted, no clipboard text, no body file, an attachment
// that cannot be read); a missing sockets library or a failed send only shows
// its message and lets the macro go on.
bool SendMailMessage(std::string_view token, MailCommandHost& host, const MailSettings& settings);

}  // namespace orv::player
