// A scripted SMTP peer on a loopback port, on a thread of its own, for the
// faults a real server will not produce on demand: silence, a close in the
// middle, odd replies. One connection at a time; per command verb it gives
// the scripted replies in turn, then a plain default.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/mail/smtp_reply_script.h"

namespace orv::player::testing {

class FaultPeer {
  public:
    FaultPeer();
    ~FaultPeer();

    int Port() const { return port_; }
    // Replies by verb ("GREETING", "HELO", "MAIL", "RCPT", "DATA", ".",
    // "QUIT"); lines of one reply separated by "\n" are sent as they stand
    // with an LF only when the reply begins with "LF:". "<close>" closes the
    // connection, "<silent>" sends nothing.
    void Script(const std::string& verb, const std::string& reply);
    // The peer closes once this many bytes of message data came.
    void CloseAfterDataBytes(std::int64_t bytes);
    // The commands of the last connection.
    std::vector<std::string> Commands();
    void Reset();

  private:
    void Run();
    void Serve(std::uintptr_t client);
    std::string Next(const std::string& verb);

    std::uintptr_t listener_;
    int port_ = 0;
    std::mutex mutex_;
    SmtpReplies replies_;
    std::vector<std::string> commands_;
    std::int64_t closeAfter_ = -1;
    std::thread thread_;
};

// A loopback port on which nothing listens.
int ClosedPort();

}  // namespace orv::player::testing
