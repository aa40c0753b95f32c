// The SMTP client's connection over Windows Sockets 1.1 on the GUI thread:
// every socket operation is asynchronous and reports to a hidden window, and
// every wait keeps the message queue served until a notification, a cancel or
// the time-out ends it.
#pragma once

#include <functional>

#include "mail/smtp.h"
#include "mail/win32/winsock.h"

namespace orv::player {

// Private messages of the hidden notification window.
constexpr UINT WM_HOSTLOOKUP = WM_USER + 148;
constexpr UINT WM_SERVLOOKUP = WM_USER + 149;
constexpr UINT WM_SOCKETEVENT = WM_USER + 150;

// The time-out of one wait, counted on the tick count (no timer messages, so
// a fast transfer pays nothing for it).
class TTimeCounter {
  public:
    int TimeOut = 60;  // seconds
    void Start();
    void Stop() { running_ = false; }
    // Set once TimeOut seconds have passed since Start while running.
    bool Expired();
    void Clear() { expired_ = false; }

  private:
    std::uint32_t started_ = 0;
    bool running_ = false;
    bool expired_ = false;
};

class TagSocket final : public LineTransport {
  public:
    explicit TagSocket(TagWinsock& winsock = WinsockLib());
    ~TagSocket() override;
    TagSocket(const TagSocket&) = delete;
    TagSocket& operator=(const TagSocket&) = delete;

    void SetTimeOut(int seconds) override { counter_.TimeOut = seconds; }
    int TimeOut() const { return counter_.TimeOut; }
    void Open(std::string_view host, std::uint16_t port) override;
    void ConnectSocket() override;
    bool Connected() const override { return socket_ != INVALID_SOCKET; }
    std::string LocalHost() const override { return localHost_; }
    std::string LocalAddress() const override;
    int ReadLine(std::string& line) override;
    bool PeerClosed() const override { return drained_; }
    void SendLine(std::string_view line) override;
    void SendStream(std::istream& data, std::int64_t size, const Progress& progress) override;
    void Close() override;
    void Cancel() override;
    void ProcessMessages() override;
    // Asked after the messages of every wait are handled: true cancels the
    // transfer as Cancel does (the user stopped the run the mail belongs to).
    void CancelWhen(std::function<bool()> asked) { cancelAsked_ = std::move(asked); }

    // The port the last Open resolved, in host order.
    std::uint16_t RemotePort() const { return remotePort_; }

  private:
    struct Flags {
        bool canceled = false;
        bool hostLookedUp = false;
        bool servLookedUp = false;
        bool connected = false;
        bool dataReady = false;
        bool readyToWrite = false;
        bool closedByPeer = false;
        bool error = false;
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool IsCurrent(UINT message, WPARAM wParam) const;
    void Notify(UINT message, WPARAM wParam, LPARAM lParam);
    void ResetState();
    // Serves the message queue until done() holds, a cancel or the time-out.
    template <typename Done>
    void WaitUntil(Done done);
    void PumpMessages();
    void CheckUsable();
    void RaiseSocketError(int number);
    [[noreturn]] void RaiseTimedOut();
    [[noreturn]] void RaiseCanceled();
    void RaiseEnded();
    void CancelRequest();
    void ResolveHost(std::string_view host);
    void ResolvePort(std::uint16_t port);
    void SendAll(std::string_view bytes, bool restartOnProgress);

    TagWinsock& winsock_;
    HWND window_ = nullptr;
    SOCKET socket_ = INVALID_SOCKET;
    HANDLE request_ = nullptr;
    TTimeCounter counter_;
    unsigned long remoteAddress_ = 0;
    std::uint16_t remotePort_ = 0;
    std::string localHost_;
    int startups_ = 0;
    Flags flags_;
    int lastError_ = 0;
    bool drained_ = false;
    std::uint32_t lastPump_ = 0;
    std::function<bool()> cancelAsked_;
    char lookup_[MAXGETHOSTSTRUCT] = {};
};

}  // namespace orv::player
