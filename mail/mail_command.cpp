#include "mail/mail_command.h"

#include <exception>

#include "common/clock.h"
#include "common/files.h"
#include "common/string_routines.h"
#include "common/script/email_command.h"
#include "mail/mail_errors.h"
#include "mail/mail_log.h"

namespace orv::player {
namespace {

constexpr std::string_view errorCaption = "Error";
constexpr std::string_view aborts = "This E-Mail attempt will abort.";
constexpr std::string_view statusCaption = "Orvane E-Mail Send";
constexpr char endOfFileMark = 26;

std::string Aborting(std::string_view reason) {
    return std::string(reason) + " " + std::string(aborts);
}

// A list ended by the field end, as the prompt answers it.
std::vector<std::string> PromptItems(std::string_view answer) {
    return SplitListItems(answer.substr(0, answer.find(EmailFieldEnd)));
}

// Recipient lines into the list, blanks around name and address trimmed (a
// hand-edited list has them beside the "|"); a line without an address names
// nobody and would only make the server refuse the whole message.
void AddRecipients(TmsAddressList& list, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        RecipientEntry entry = SplitRecipientLine(line);
        std::string address = TrimStr(entry.Address);
        if (!address.empty())
            list.Add(address, TrimStr(entry.Name));
    }
}

// Fills the message from the command and the prompts; false when the macro
// must stop, after the user has been told why (or aborted himself).
class MessageFiller {
  public:
    MessageFiller(MailCommandHost& host, TmsMessage& message) : host_(host), m_(message) {}

    bool Fill(const EmailCommand& c) {
        m_.ReturnReceipt = c.ReturnReceipt;
        return FillRecipients(c) && FillText(c) && FillAttachments(c);
    }

  private:
    bool FillRecipients(const EmailCommand& c) {
        if (c.RecipientMode == EmailMode::ChosenNow) {
            AddRecipients(m_.Recipients, c.To);
            AddRecipients(m_.CC, c.CC);
            AddRecipients(m_.BCC, c.Blind);
            return true;
        }
        std::optional<EmailPromptAnswers> a = host_.GetTheEMail(EmailPromptMode::Recipients);
        if (!a)
            return false;
        AddRecipients(m_.Recipients, PromptItems(a->First));
        AddRecipients(m_.CC, PromptItems(a->Second));
        AddRecipients(m_.BCC, PromptItems(a->Third));
        return true;
    }

    bool FillText(const EmailCommand& c) {
        std::string body;
        switch (c.TextMode) {
            case EmailMode::Asked: {
                std::optional<EmailPromptAnswers> a = host_.GetTheEMail(EmailPromptMode::Message);
                if (!a)
                    return false;
                m_.SetBodyText(a->First);
                m_.Subject = a->Second;
                m_.ReturnReceipt = m_.ReturnReceipt || a->Third == "YES";
                return true;
            }
            case EmailMode::ClipboardText: {
                std::optional<std::string> text = host_.ClipboardText();
                if (!text || text->empty())
                    return Refuse("There is no text in the clipboard to send.");
                body = *text;
                break;
            }
            case EmailMode::FileText: {
                std::optional<std::string> text = ReadWholeFile(c.FileName);
                if (!text) {
                    return Refuse(
                        "The text file to use as the E-Mail message body could not be found.");
                }
                if (!text->empty() && text->back() == endOfFileMark)
                    text->pop_back();
                body = *text;
                break;
            }
            default:
                body = c.Body;
                break;
        }
        m_.SetBodyText(body);
        m_.Subject = c.Subject.empty() ? "No Subject" : c.Subject;
        return true;
    }

    bool FillAttachments(const EmailCommand& c) {
        std::vector<std::string> files;
        if (c.AttachMode == EmailMode::AttachmentsChosen) {
            files = c.Attachments;
        } else if (c.AttachMode == EmailMode::AttachmentsAsked) {
            std::optional<EmailPromptAnswers> a = host_.GetTheEMail(EmailPromptMode::Attachments);
            if (!a)
                return false;
            files = PromptItems(a->First);
        }
        for (const std::string& file : files) {
            try {
                m_.Attachments.AddFile(file);
            } catch (const std::exception& e) {
                return Refuse(std::string(e.what()) + ".");
            }
        }
        return true;
    }

    bool Refuse(std::string_view reason) {
        host_.DoAMessage(errorCaption, Aborting(reason));
        return false;
    }

    MailCommandHost& host_;
    TmsMessage& m_;
};

void ShowProgressIn(MailCommandHost& host, TmsSMTP& smtp) {
    smtp.OnPrepare = [&host] { host.SetStatus("Encoding Message"); };
    smtp.OnSending = [&host] { host.SetStatus("Sending Message"); };
    // The last report of a transfer is 0; the status keeps saying it is all sent.
    smtp.OnProgress = [&host](int percent, std::int64_t) {
        host.SetStatus(std::to_string(percent == 0 ? 100 : percent) + "% Transferred");
    };
    smtp.OnMailSent = [&host] { host.SetStatus("Message Sent"); };
}

// What the user is told of a send that did not end with the message sent.
void ReportFailure(MailCommandHost& host, const SendResult& result) {
    switch (result.Outcome) {
        case SendOutcome::ConnectFailed:
            host.ShowTextBox(errorCaption,
                             Aborting("A connection could not be made to the SMTP Server. You are "
                                      "either not connected to the Internet or an invalid SMTP "
                                      "Server has been specified. To change the SMTP Server, "
                                      "please select \"Options | E-Mail Options\" from the main "
                                      "menu of Orvane."));
            break;
        case SendOutcome::InvalidMessage:
            if (result.ErrorText == MailText(MailId::SenderRequired) ||
                result.ErrorText == MailText(MailId::RecipientRequired)) {
                host.DoAMessage(errorCaption,
                                "No recipients specified or no return address specified.  " +
                                    std::string(aborts));
            } else {
                host.DoAMessage(errorCaption, Aborting(result.ErrorText + "."));
            }
            break;
        case SendOutcome::Canceled:
            // The user (or the program's end) stopped it: the run's own end
            // says so, once.
            break;
        default:
            host.DoAMessage(errorCaption,
                            Aborting("The message could not be sent: " + result.ErrorText + "."));
            break;
    }
}

}  // namespace

MailSettings MailSettingsFrom(const SettingsBlock& s) {
    MailSettings m;
    m.SMTPHost = s.SMTPHost.str();
    m.SMTPPort = s.SMTPPort;
    m.EMailName = s.EMailName.str();
    m.EMailAddress = s.EMailAddress.str();
    m.AttachmentEncoding = s.AttachmentEncoding;
    m.KeepLog = s.KeepLog;
    m.LogPath = s.EMailLogPath.str();
    return m;
}

bool SendMailMessage(std::string_view token, MailCommandHost& host, const MailSettings& settings) {
    if (!host.WinsockPresent()) {
        host.DoAMessage("Winsock Missing",
                        "The necessary winsock files are not present on your computer.  Internet "
                        "connections cannot be made.  E-Mail cannot be sent.");
        return true;
    }
    EmailCommandParse parsed = ParseEmailCommand(token);
    if (!parsed.Complete()) {
        host.DoAMessage("E-Mail Error", Aborting("The e-mail command is incomplete."));
        return false;
    }
    TmsMessage message;
    PrepareMessage(message, settings);
    if (!MessageFiller(host, message).Fill(parsed.Command))
        return false;

    host.ShowStatus(statusCaption);
    host.SetStatus("Connecting");
    TmsSMTP smtp(host.Transport());
    smtp.Configure(settings);
    ShowProgressIn(host, smtp);
    SendResult result = smtp.Send(message);
    if (result.Sent() && settings.KeepLog)
        WriteMailLog(message, settings.LogPath, CurrentClock().Now());
    host.SetStatus("Disconnecting");
    host.CloseStatus();
    if (!result.Sent())
        ReportFailure(host, result);
    return true;
}

}  // namespace orv::player
