#include "tests/mail/win32/fault_peer.h"

#include <winsock2.h>

namespace orv::player::testing {
namespace {

struct WinsockUser {
    WinsockUser() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~WinsockUser() { WSACleanup(); }
};

SOCKET Listen(int& port) {
    static WinsockUser user;
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    int len = sizeof a;
    getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    port = ntohs(a.sin_port);
    listen(s, 4);
    return s;
}

void SendText(SOCKET s, const std::string& text) {
    send(s, text.data(), static_cast<int>(text.size()), 0);
}

}  // namespace

int ClosedPort() {
    int port = 0;
    closesocket(Listen(port));
    return port;
}

FaultPeer::FaultPeer() {
    listener_ = Listen(port_);
    thread_ = std::thread([this] { Run(); });
}

FaultPeer::~FaultPeer() {
    closesocket(listener_);
    thread_.join();
}

void FaultPeer::Script(const std::string& verb, const std::string& reply) {
    std::lock_guard lock(mutex_);
    replies_[verb].push_back(reply);
}

void FaultPeer::CloseAfterDataBytes(std::int64_t bytes) {
    std::lock_guard lock(mutex_);
    closeAfter_ = bytes;
}

std::vector<std::string> FaultPeer::Commands() {
    std::lock_guard lock(mutex_);
    return commands_;
}

void FaultPeer::Reset() {
    std::lock_guard lock(mutex_);
    replies_.clear();
    closeAfter_ = -1;
}

std::string FaultPeer::Next(const std::string& verb) {
    std::lock_guard lock(mutex_);
    return NextScriptedReply(replies_, verb);
}

void FaultPeer::Run() {
    for (;;) {
        SOCKET client = accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET)
            return;  // the listener was closed: the end
        {
            std::lock_guard lock(mutex_);
            commands_.clear();
        }
        Serve(client);
        closesocket(client);
    }
}

// Answers one connection; returns when either side closed it.
void FaultPeer::Serve(std::uintptr_t client) {
    auto answer = [&](const std::string& verb) {
        std::string reply = Next(verb);
        if (reply == "<close>")
            return false;
        if (reply == "<silent>")
            return true;
        std::string end = "\r\n";
        if (reply.starts_with("LF:")) {
            reply = reply.substr(3);
            end = "\n";
        }
        std::string text;
        std::size_t start = 0;
        for (std::size_t nl; (nl = reply.find('\n', start)) != std::string::npos; start = nl + 1) {
            text += reply.substr(start, nl - start) + end;
        }
        SendText(client, text + reply.substr(start) + end);
        return true;
    };
    if (!answer("GREETING"))
        return;
    std::string pending;
    bool inData = false;
    std::int64_t dataBytes = 0;
    char buffer[4096];
    for (;;) {
        int n = recv(client, buffer, sizeof buffer, 0);
        if (n <= 0)
            return;
        pending.append(buffer, static_cast<std::size_t>(n));
        for (std::size_t nl; (nl = pending.find("\r\n")) != std::string::npos;) {
            std::string line = pending.substr(0, nl);
            pending.erase(0, nl + 2);
            if (inData) {
                dataBytes += static_cast<std::int64_t>(line.size()) + 2;
                std::int64_t limit;
                {
                    std::lock_guard lock(mutex_);
                    limit = closeAfter_;
                }
                if (limit >= 0 && dataBytes >= limit)
                    return;
                if (line != ".")
                    continue;
                inData = false;
            }
            std::string verb = line.substr(0, line.find_first_of(" :"));
            {
                std::lock_guard lock(mutex_);
                commands_.push_back(line);
            }
            if (!answer(verb))
                return;
            if (verb == "DATA")
                inData = true;
        }
    }
}

}  // namespace orv::player::testing
