#include "mail/smtp.h"

#include "common/clock.h"
#include "common/string_routines.h"
#include "common/whole_numbers.h"
#include "mail/mail_errors.h"
#include "mail/temp_file.h"

namespace orv::player {
namespace {

bool Accepted(int code, int hundreds) {
    return code >= 0 && code / 100 == hundreds;
}

// Reply 421: the server is closing the connection; nothing more can be asked.
constexpr int ServiceClosing = 421;

// The last line of a reply has the first line's code and no "-" after it.
bool EndsReply(std::string_view line, int code) {
    return ReplyCode(line) == code && (line.size() == 3 || line[3] != '-');
}

// Digits and dots: the server's address standing in for a computer name that
// could not be read; HELO takes an address only as a literal.
bool IsDottedAddress(std::string_view name) {
    return !name.empty() && name.find_first_not_of("0123456789.") == std::string_view::npos;
}

}  // namespace

int ReplyCode(std::string_view line) {
    if (line.size() < 3)
        return -1;
    int code = 0;
    for (int i = 0; i < 3; ++i) {
        if (line[i] < '0' || line[i] > '9')
            return -1;
        code = code * 10 + (line[i] - '0');
    }
    return code;
}

void PrepareMessage(TmsMessage& message, const MailSettings& settings) {
    message.Clear();
    message.Sender.Address = TrimStr(settings.EMailAddress);
    message.Sender.Name = TrimStr(settings.EMailName);
    message.Headers.Add("X-Mailer: Orvane");
    message.Encoding = settings.AttachmentEncoding != 0 ? TMsgEncoding::meUU : TMsgEncoding::meMIME;
}

void TmsSMTP::Configure(const MailSettings& settings) {
    Server = settings.SMTPHost;
    DefaultPort = settings.SMTPPort > 0 && settings.SMTPPort <= 65535
                      ? static_cast<std::uint16_t>(settings.SMTPPort)
                      : 25;
    SetTimeOut(settings.TimeOut);
}

void TmsSMTP::Open() {
    // "host:port" names the port; otherwise the configured port, which only
    // when it is 0 leaves the choice to the system's service table.
    std::string_view server = Server;
    std::size_t colon = server.find(':');
    std::string_view host = server.substr(0, colon);
    if (host.empty())
        throw ESocketError(MailText(MailId::ServerRequired));
    std::uint16_t port = DefaultPort;
    if (colon != std::string_view::npos) {
        auto named = ParseWholeNumber(server.substr(colon + 1));
        if (named && *named > 0 && *named <= 65535)
            port = static_cast<std::uint16_t>(*named);
    }
    transport_.Open(host, port);
}

std::string HeloDomain(std::string_view localHost, std::string_view localAddress) {
    const bool address = IsDottedAddress(localHost);
    if (localHost.find('.') != std::string_view::npos && !address)
        return std::string(localHost);
    if (!localAddress.empty()) {
        const bool six = localAddress.find(':') != std::string_view::npos;
        return (six ? "[IPv6:" : "[") + std::string(localAddress) + "]";
    }
    return address ? "[" + std::string(localHost) + "]" : std::string(localHost);
}

void TmsSMTP::Connect() {
    if (Connected())
        return;
    Open();
    Login();
}

void TmsSMTP::Login() {
    transport_.ConnectSocket();
    if (!Accepted(ReadReply(), 2))
        RaiseServerError();
    transport_.SendLine("HELO " + HeloDomain(transport_.LocalHost(), transport_.LocalAddress()));
    int code = ReadReply();
    if (Accepted(code, 2))
        return;
    if (code == ServiceClosing)
        RaiseServerError();
    Command("HELO", 2);
}

void TmsSMTP::Logout() {
    transport_.ProcessMessages();
    Command("QUIT", 2);
}

void TmsSMTP::Close() {
    if (!transport_.Connected())
        return;
    if (OnClosing)
        OnClosing();
    transport_.Close();
}

void TmsSMTP::Disconnect() {
    if (!Connected())
        return;
    try {
        Logout();
    } catch (...) {
        Close();
        throw;
    }
    Close();
}

int TmsSMTP::ReadReply() {
    int code = transport_.ReadLine(LastReply);
    if (code < 0 && transport_.PeerClosed()) {
        // The server went away without a whole reply: say so at once, as a
        // closed connection, rather than an empty or broken reply's text.
        transport_.Close();
        throw ESocketError(SocketErrorText(WsaConnReset));
    }
    if (code > 0 && LastReply.size() > 3 && LastReply[3] == '-') {
        // Each line restarts the transport's wait: the reply as a whole gets
        // the time-out, so a server that never ends it cannot hold us.
        const std::uint32_t start = CurrentClock().TickCount();
        const std::uint32_t limit = static_cast<std::uint32_t>(timeOut_) * 1000u;
        std::string line;
        int lines = 1;
        do {
            if (++lines > MostReplyLines) {
                transport_.Close();
                throw EServerError("The server's reply runs to more than " +
                                   std::to_string(MostReplyLines) + " lines");
            }
            transport_.ReadLine(line);
            if (!line.empty())
                LastReply = line;
            if (CurrentClock().TickCount() - start > limit) {
                transport_.Close();
                throw ETimedOutError(MailText(MailId::TimedOut));
            }
        } while (!EndsReply(line, code) && !transport_.PeerClosed());
    }
    return code;
}

void TmsSMTP::RaiseServerError() const {
    throw EServerError(LastReply.empty() ? MailText(MailId::InvalidReply) : LastReply);
}

void TmsSMTP::Command(std::string_view line, int acceptedHundreds) {
    transport_.SendLine(line);
    if (!Accepted(ReadReply(), acceptedHundreds))
        RaiseServerError();
}

void TmsSMTP::SendMessage() {
    if (!MailMessage)
        throw ESocketError(MailText(MailId::MessageRequired));
    const TmsMessage& message = *MailMessage;
    message.Validate();
    TTempFileStream temp(TempFolder);
    std::fstream& stream = temp.Stream();
    if (OnPrepare)
        OnPrepare();
    // Every line that begins with "." gets another in front, so the server
    // neither ends the data early nor drops the dot.
    message.Encode(
        [&stream](std::string_view line) {
            if (!line.empty() && line.front() == '.')
                stream.put('.');
            stream.write(line.data(), static_cast<std::streamsize>(line.size()));
            stream.write("\r\n", 2);
        },
        CurrentMessageStamp(), [this] { transport_.ProcessMessages(); });
    stream.flush();
    if (!stream)
        throw std::runtime_error("The message cannot be written to \"" + temp.FileName() + "\"");
    std::int64_t size = static_cast<std::int64_t>(stream.tellp());
    stream.seekg(0);
    if (OnSending)
        OnSending();
    Command("MAIL FROM:<" + message.Sender.Address.str() + ">", 2);
    for (const TmsAddressList* list : {&message.Recipients, &message.CC, &message.BCC}) {
        for (const TmsMailAddress& a : list->All()) {
            transport_.SendLine("RCPT TO:<" + a.Address.str() + ">");
            if (Accepted(ReadReply(), 2))
                continue;
            if (!OnAddressRejected || !OnAddressRejected(a.Address.str(), LastReply)) {
                RaiseServerError();
            }
        }
    }
    Command("DATA", 3);
    // The stream ends with CR LF, so the end mark follows at once; an empty
    // line before it would become part of the message.
    transport_.SendStream(stream, size, OnProgress);
    Command(".", 2);
    if (OnMailSent)
        OnMailSent();
}

void TmsSMTP::QuitQuietly() {
    try {
        Disconnect();
    } catch (...) {
        // The failure that brought us here is the one to report.
    }
    transport_.Close();
}

SendResult TmsSMTP::Send(const TmsMessage& message) {
    MailMessage = &message;
    SendResult result;
    bool connecting = true;
    try {
        message.Validate();
        Connect();
        connecting = false;
        SendMessage();
    } catch (const EMessageError& e) {
        result = {SendOutcome::InvalidMessage, e.what()};
    } catch (const EServerError& e) {
        result = {SendOutcome::Refused, e.what()};
    } catch (const ECanceledError& e) {
        result = {SendOutcome::Canceled, e.what()};
    } catch (const ESocketError& e) {
        result = {connecting ? SendOutcome::ConnectFailed : SendOutcome::Failed, e.what()};
    } catch (const ETimedOutError& e) {
        result = {connecting ? SendOutcome::ConnectFailed : SendOutcome::Failed, e.what()};
    } catch (const std::exception& e) {
        result = {SendOutcome::Failed, e.what()};
    }
    // Once the server took the message it is sent, whatever QUIT brings.
    QuitQuietly();
    return result;
}

}  // namespace orv::player
