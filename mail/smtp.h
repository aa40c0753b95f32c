// The SMTP client: delivers one message over a line transport with the plain
// dialogue HELO, MAIL FROM, RCPT TO per address, DATA, the message, QUIT.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <string>
#include <string_view>

#include "mail/message.h"

namespace orv::player {

// The connection the client talks over. The Windows one is the socket layer;
// tests put scripted peers behind it. Failures are raised as the typed errors
// of mail_errors.h; a time-out, a cancel and a reset by the peer leave the
// transport closed.
class LineTransport {
  public:
    virtual ~LineTransport() = default;

    // Seconds any single wait may last.
    virtual void SetTimeOut(int seconds) = 0;
    // Starts the socket library, resolves host and port (port 0: the "smtp"
    // service, else 25) and creates the socket. Forgets an earlier cancel.
    virtual void Open(std::string_view host, std::uint16_t port) = 0;
    virtual void ConnectSocket() = 0;
    virtual bool Connected() const = 0;
    // This computer's name, for HELO.
    virtual std::string LocalHost() const = 0;
    // The connected socket's own address as text (dotted IPv4, or IPv6 text);
    // empty when it is not known.
    virtual std::string LocalAddress() const = 0;
    // One reply line without its line end; returns its code, or -1 when it has
    // none or when the peer closed before a whole line came.
    virtual int ReadLine(std::string& line) = 0;
    virtual bool PeerClosed() const = 0;
    // The line followed by CR LF.
    virtual void SendLine(std::string_view line) = 0;
    // The whole stream of size bytes, reporting after each chunk.
    using Progress = std::function<void(int percent, std::int64_t transferred)>;
    virtual void SendStream(std::istream& data, std::int64_t size, const Progress& progress) = 0;
    virtual void Close() = 0;
    // Ends the current wait with ECanceledError and closes the connection.
    virtual void Cancel() = 0;
    // Lets the program handle its pending messages.
    virtual void ProcessMessages() = 0;
};

// The code of a reply line: its first three characters as a number, -1 when
// they are not three digits.
int ReplyCode(std::string_view line);

// What HELO names: a name with a dot as it is; a bare computer name, which
// servers may refuse, gives way to the address literal ("[192.0.2.7]",
// "[IPv6:2001:db8::7]") where the address is known; so does a dotted address
// in place of the name.
std::string HeloDomain(std::string_view localHost, std::string_view localAddress);

// The settings of the "EMail" section as the mail transport uses them.
struct MailSettings {
    std::string SMTPHost;                 // "SMTP Host": host name or address, optionally ":port"
    std::int32_t SMTPPort = 25;           // "SMTP Port"
    std::string EMailName;                // "EMail Name": the sender's name
    std::string EMailAddress;             // "EMail Address": sender and reply address
    std::int32_t AttachmentEncoding = 0;  // "Attachment Encoding": 0 MIME, 1 uuencode
    bool KeepLog = false;                 // "Keep Log"
    std::string LogPath;                  // "EMail Log Path": the sent-mail log
    int TimeOut = 40;                     // seconds per wait
};

// Empties the message and fills what comes from the settings: the sender, the
// mailer's header line and the attachment encoding.
void PrepareMessage(TmsMessage& message, const MailSettings& settings);

// How one whole send ended.
enum class SendOutcome {
    Sent,            // the server accepted the message
    InvalidMessage,  // refused before connecting (EMessageError)
    ConnectFailed,   // no connection: socket error or time-out while connecting
    Refused,         // the server refused a step (EServerError)
    Failed,          // socket error, time-out or another failure after connecting
    Canceled,
};

struct SendResult {
    SendOutcome Outcome = SendOutcome::Sent;
    std::string ErrorText;  // the error's text; empty when sent
    bool Sent() const { return Outcome == SendOutcome::Sent; }
};

class TmsSMTP {
  public:
    explicit TmsSMTP(LineTransport& transport) : transport_(transport) {}

    std::string Server;              // host, optionally ":" and a port
    std::uint16_t DefaultPort = 25;  // used when Server names no port
    const TmsMessage* MailMessage = nullptr;
    std::string LastReply;
    // Folder of the temporary file that holds the encoded message; the
    // system's temporary folder when empty.
    std::string TempFolder;

    std::function<void()> OnPrepare;
    std::function<void()> OnSending;
    std::function<void()> OnMailSent;
    std::function<void()> OnClosing;
    LineTransport::Progress OnProgress;
    // A refused recipient: return true to go on with the next one.
    std::function<bool(const std::string& address, const std::string& reply)> OnAddressRejected;

    // Server, port and time-out from the settings.
    void Configure(const MailSettings& settings);

    // Seconds any single wait, and any whole reply, may last.
    void SetTimeOut(int seconds) {
        timeOut_ = seconds;
        transport_.SetTimeOut(seconds);
    }
    bool Connected() const { return transport_.Connected(); }
    void Cancel() { transport_.Cancel(); }

    // Open and greeting with HELO.
    void Connect();
    // QUIT and close.
    void Disconnect();
    // Sends MailMessage over the open connection.
    void SendMessage();
    // Reads one reply (one or more lines) into LastReply; the first line's code.
    // A reply that outlasts the time-out or runs past MostReplyLines lines
    // closes the connection with ETimedOutError or EServerError.
    int ReadReply();
    static constexpr int MostReplyLines = 100;

    // The whole send of one message: validation before connecting, Connect,
    // SendMessage, Disconnect. Never raises; the connection is closed after it
    // in every case, so the next send starts afresh.
    SendResult Send(const TmsMessage& message);

  private:
    void Open();
    void Login();
    void Logout();
    void Close();
    void Command(std::string_view line, int acceptedHundreds);
    [[noreturn]] void RaiseServerError() const;
    void QuitQuietly();

    LineTransport& transport_;
    int timeOut_ = 40;
};

}  // namespace orv::player
