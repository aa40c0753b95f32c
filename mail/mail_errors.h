// The failures of the mail transport. Each is its own class so a caller can
// tell a failed connection from a refused message; the message is always the
// text the user is shown.
#pragma once

#include <stdexcept>
#include <string>

namespace orv::player {

#define ORV_MAIL_ERROR(Name)                                            \
    class Name : public std::runtime_error {                            \
      public:                                                           \
        explicit Name(const std::string& text) : runtime_error(text) {} \
    }

ORV_MAIL_ERROR(ESocketError);
ORV_MAIL_ERROR(EServerError);
ORV_MAIL_ERROR(ETimedOutError);
ORV_MAIL_ERROR(ECanceledError);
ORV_MAIL_ERROR(EMessageError);
ORV_MAIL_ERROR(EWinsockDLLError);

#undef ORV_MAIL_ERROR

// Ids of the mail transport's own texts.
namespace MailId {
constexpr int TimedOut = 57000;
constexpr int Canceled = 57001;
constexpr int ServerRequired = 57002;
constexpr int InvalidWinsockVersion = 57003;
constexpr int ResolveError = 57004;
constexpr int ServiceRequired = 57005;
constexpr int NotConnected = 57008;
constexpr int FunctionNotFound = 57010;
constexpr int WinsockNotLoaded = 57011;
constexpr int WinsockNotFound = 57012;
constexpr int InvalidReply = 57014;
constexpr int SenderRequired = 57100;
constexpr int RecipientRequired = 57101;
constexpr int MessageRequired = 57102;
constexpr int MultipartPreamble = 57106;
}  // namespace MailId

// The text of one of the ids above ("" for an id without text).
std::string MailText(int id);

// The text of a socket error number: "[10061] Connection refused", or
// "Error #" and the number for one the table lacks.
std::string SocketErrorText(int number);

// Socket error numbers the transport itself reports.
constexpr int WsaConnReset = 10054;
constexpr int WsaWouldBlock = 10035;

}  // namespace orv::player
