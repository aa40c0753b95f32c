// A line transport whose peer follows a script: per command verb, the replies
// it gives in turn. It behaves as the socket layer does on the wire's faults:
// a silent peer times out and closes, a closed peer gives no more lines.
#pragma once

#include <deque>
#include <functional>
#include <istream>
#include <map>
#include <string>
#include <vector>

#include "mail/mail_errors.h"
#include "mail/smtp.h"
#include "tests/mail/smtp_reply_script.h"

namespace orv::player::testing {

class ScriptedTransport final : public LineTransport {
  public:
    // Replies by verb ("GREETING", "HELO", "MAIL", "RCPT", "DATA", ".", "QUIT"),
    // used once each, in order; lines of one reply are separated by "\n".
    // "<close>" closes the connection, "<silent>" sends nothing at all.
    SmtpReplies Replies;
    bool RefuseConnection = false;
    // The peer closes once this many bytes of the data stream arrived.
    std::int64_t CloseAfterDataBytes = -1;

    std::vector<std::string> Commands;  // every line the client sent
    std::string Data;                   // the data stream as sent
    std::string OpenedHost;
    std::uint16_t OpenedPort = 0;
    int TimeOut = 0;
    std::vector<int> Percentages;
    // This computer as the client sees it.
    std::string HostName = "testhost";
    std::string HostAddress;
    // Runs as each reply line is read (a slow peer moves a clock here).
    std::function<void()> BeforeEachLine;

    void SetTimeOut(int seconds) override { TimeOut = seconds; }

    void Open(std::string_view host, std::uint16_t port) override {
        canceled_ = false;
        OpenedHost = host;
        OpenedPort = port;
        Commands.clear();
        Data.clear();
        Percentages.clear();
    }

    void ConnectSocket() override {
        Check(false);
        if (RefuseConnection)
            throw ESocketError(SocketErrorText(10061));
        connected_ = true;
        peerClosed_ = false;
        pending_.clear();
        Answer("GREETING");
    }

    bool Connected() const override { return connected_; }
    std::string LocalHost() const override { return HostName; }
    std::string LocalAddress() const override { return HostAddress; }
    bool PeerClosed() const override { return peerClosed_; }

    int ReadLine(std::string& line) override {
        Check(true);
        line.clear();
        if (BeforeEachLine)
            BeforeEachLine();
        if (pending_.empty()) {
            if (peerClosed_)
                return -1;
            Close();
            throw ETimedOutError(MailText(MailId::TimedOut));
        }
        line = pending_.front();
        pending_.pop_front();
        return ReplyCode(line);
    }

    void SendLine(std::string_view line) override {
        Check(true);
        Commands.emplace_back(line);
        Answer(Verb(line));
    }

    void SendStream(std::istream& data, std::int64_t size, const Progress& progress) override {
        Check(true);
        char chunk[2047];
        std::int64_t sent = 0;
        for (;;) {
            data.read(chunk, sizeof chunk);
            std::streamsize got = data.gcount();
            for (std::streamsize i = 0; i < got; ++i) {
                if (CloseAfterDataBytes >= 0 && sent == CloseAfterDataBytes) {
                    Close();
                    throw ESocketError(SocketErrorText(WsaConnReset));
                }
                Data += chunk[i];
                ++sent;
            }
            int percent = size ? static_cast<int>((sent * 100 + size / 2) / size) : 100;
            Percentages.push_back(percent);
            if (progress)
                progress(percent, sent);
            Check(true);
            if (got < static_cast<std::streamsize>(sizeof chunk))
                break;
        }
    }

    void Close() override { connected_ = false; }
    void Cancel() override {
        canceled_ = true;
        Close();
    }
    void ProcessMessages() override {}

  private:
    static std::string Verb(std::string_view line) {
        std::size_t end = line.find_first_of(" :");
        return std::string(line.substr(0, end));
    }

    void Check(bool needConnection) {
        if (canceled_)
            throw ECanceledError(MailText(MailId::Canceled));
        if (needConnection && !connected_)
            throw ESocketError(MailText(MailId::NotConnected));
    }

    void Answer(const std::string& verb) {
        if (peerClosed_)
            return;
        std::string reply = Next(verb);
        if (reply == "<silent>")
            return;
        if (reply == "<close>") {
            peerClosed_ = true;
            return;
        }
        std::size_t start = 0;
        for (std::size_t nl; (nl = reply.find('\n', start)) != std::string::npos; start = nl + 1) {
            pending_.push_back(reply.substr(start, nl - start));
        }
        pending_.push_back(reply.substr(start));
    }

    std::string Next(const std::string& verb) { return NextScriptedReply(Replies, verb); }

    bool connected_ = false;
    bool peerClosed_ = false;
    bool canceled_ = false;
    std::deque<std::string> pending_;
};

}  // namespace orv::player::testing
