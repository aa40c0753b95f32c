#include "mail/win32/socket.h"

#include <vector>

#include "common/clock.h"
#include "common/win32/message_pump.h"
#include "mail/mail_errors.h"

namespace orv::player {
namespace {

constexpr char windowClass[] = "OrvaneMailSocket";
constexpr int chunkSize = 2047;
constexpr int chunksPerWrite = 16;
constexpr std::size_t maxLine = 1024;
// The least time between two rounds of message handling while encoding or
// sending: often enough for the status window, rarely enough to stay fast.
constexpr std::uint32_t pumpIntervalMs = 20;

void RegisterWindowClass(WNDPROC proc) {
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = windowClass;
    RegisterClassA(&wc);
    registered = true;
}

}  // namespace

TagSocket::TagSocket(TagWinsock& winsock) : winsock_(winsock) {
    RegisterWindowClass(&TagSocket::WindowProc);
    window_ = CreateWindowExA(0, windowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TagSocket::~TagSocket() {
    Close();
    DestroyWindow(window_);
}

LRESULT CALLBACK TagSocket::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TagSocket*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self &&
        (message == WM_HOSTLOOKUP || message == WM_SERVLOOKUP || message == WM_SOCKETEVENT)) {
        self->Notify(message, wParam, lParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool TagSocket::IsCurrent(UINT message, WPARAM wParam) const {
    // A closed socket's handle is soon given to the next one, and its last
    // notifications may still be queued: only the current socket's and the
    // current request's count.
    if (message == WM_SOCKETEVENT)
        return socket_ != INVALID_SOCKET && wParam == socket_;
    return request_ && reinterpret_cast<HANDLE>(wParam) == request_;
}

void TagSocket::Notify(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsCurrent(message, wParam))
        return;
    lastError_ = WSAGETSELECTERROR(lParam);
    flags_.error = lastError_ != 0;
    if (message == WM_HOSTLOOKUP) {
        flags_.hostLookedUp = true;
        request_ = nullptr;
    } else if (message == WM_SERVLOOKUP) {
        flags_.servLookedUp = true;
        request_ = nullptr;
    } else if (!flags_.error) {
        switch (WSAGETSELECTEVENT(lParam)) {
            case FD_READ:
                flags_.dataReady = true;
                break;
            case FD_WRITE:
                flags_.readyToWrite = true;
                break;
            case FD_CONNECT:
                flags_.connected = true;
                break;
            case FD_CLOSE:
                flags_.closedByPeer = true;
                break;
        }
    }
}

void TagSocket::ResetState() {
    CancelRequest();
    flags_ = {};
    counter_.Clear();
    lastError_ = 0;
    drained_ = false;
}

void TTimeCounter::Start() {
    started_ = CurrentClock().TickCount();
    running_ = true;
    expired_ = false;
}

bool TTimeCounter::Expired() {
    if (running_ &&
        CurrentClock().TickCount() - started_ >= static_cast<std::uint32_t>(TimeOut) * 1000u) {
        expired_ = true;
    }
    return expired_;
}

void TagSocket::PumpMessages() {
    lastPump_ = CurrentClock().TickCount();
    // A program that is ending cancels the transfer, as does the user's abort.
    if (!PumpPendingMessages() || (cancelAsked_ && cancelAsked_()))
        flags_.canceled = true;
}

void TagSocket::ProcessMessages() {
    if (CurrentClock().TickCount() - lastPump_ >= pumpIntervalMs)
        PumpMessages();
}

template <typename Done>
void TagSocket::WaitUntil(Done done) {
    for (;;) {
        PumpMessages();
        if (done() || flags_.canceled || counter_.Expired())
            return;
        MsgWaitForMultipleObjectsEx(0, nullptr, 250, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

void TagSocket::CancelRequest() {
    if (request_ && winsock_.Loaded())
        winsock_.WSACancelAsyncRequest(request_);
    request_ = nullptr;
}

void TagSocket::RaiseSocketError(int number) {
    if (number == 0)
        return;
    counter_.Stop();
    if (number == WsaConnReset)
        Close();
    throw ESocketError(SocketErrorText(number));
}

void TagSocket::RaiseTimedOut() {
    counter_.Stop();
    CancelRequest();
    Close();
    throw ETimedOutError(MailText(MailId::TimedOut));
}

void TagSocket::RaiseCanceled() {
    counter_.Stop();
    throw ECanceledError(MailText(MailId::Canceled));
}

// After a wait: the time-out first, then a cancel.
void TagSocket::RaiseEnded() {
    if (counter_.Expired())
        RaiseTimedOut();
    if (flags_.canceled)
        RaiseCanceled();
}

void TagSocket::CheckUsable() {
    if (flags_.canceled)
        RaiseCanceled();
    if (!Connected())
        throw ESocketError(MailText(MailId::NotConnected));
}

void TagSocket::Open(std::string_view host, std::uint16_t port) {
    Close();
    ResetState();
    if (host.empty())
        throw ESocketError(MailText(MailId::ServerRequired));
    winsock_.Load();
    WSADATA data;
    if (winsock_.WSAStartup(MAKEWORD(1, 1), &data) != 0) {
        throw ESocketError(MailText(MailId::InvalidWinsockVersion));
    }
    ++startups_;
    try {
        char name[512];
        localHost_ =
            winsock_.gethostname(name, sizeof name) == 0 ? std::string(name) : std::string(host);
        ResolveHost(host);
        ResolvePort(port);
        socket_ = winsock_.socket(AF_INET, SOCK_STREAM, 0);
        if (socket_ == INVALID_SOCKET)
            RaiseSocketError(winsock_.WSAGetLastError());
    } catch (...) {
        Close();  // the start-up is undone; nothing stays half open
        throw;
    }
}

std::string TagSocket::LocalAddress() const {
    sockaddr_in address{};
    int length = sizeof address;
    if (!Connected() ||
        winsock_.getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
        address.sin_family != AF_INET)
        return {};
    // In network order: the first byte is the first number.
    const auto* b = reinterpret_cast<const unsigned char*>(&address.sin_addr.s_addr);
    return std::to_string(b[0]) + "." + std::to_string(b[1]) + "." + std::to_string(b[2]) + "." +
           std::to_string(b[3]);
}

void TagSocket::ResolveHost(std::string_view host) {
    std::string name(host.substr(0, 127));
    remoteAddress_ = winsock_.inet_addr(name.c_str());
    if (remoteAddress_ != INADDR_NONE)
        return;
    counter_.Start();
    request_ = winsock_.WSAAsyncGetHostByName(window_, WM_HOSTLOOKUP, name.c_str(), lookup_,
                                              sizeof lookup_);
    if (!request_)
        RaiseSocketError(winsock_.WSAGetLastError());
    WaitUntil([this] { return flags_.hostLookedUp; });
    counter_.Stop();
    if (flags_.error && flags_.hostLookedUp)
        RaiseSocketError(lastError_);
    RaiseEnded();
    auto* entry = reinterpret_cast<hostent*>(lookup_);
    if (!entry->h_addr_list || !entry->h_addr_list[0]) {
        throw ESocketError(MailText(MailId::ResolveError));
    }
    remoteAddress_ = reinterpret_cast<in_addr*>(entry->h_addr_list[0])->s_addr;
}

void TagSocket::ResolvePort(std::uint16_t port) {
    remotePort_ = port;
    if (port != 0)
        return;
    // No port given: the service table's, or the standard one when it has none.
    remotePort_ = 25;
    if (flags_.canceled)
        RaiseCanceled();
    flags_.error = false;
    counter_.Start();
    request_ = winsock_.WSAAsyncGetServByName(window_, WM_SERVLOOKUP, "smtp", "tcp", lookup_,
                                              sizeof lookup_);
    if (!request_)
        return counter_.Stop();
    WaitUntil([this] { return flags_.servLookedUp; });
    counter_.Stop();
    if (flags_.canceled)
        RaiseCanceled();
    if (flags_.servLookedUp && !flags_.error) {
        remotePort_ = winsock_.ntohs(reinterpret_cast<servent*>(lookup_)->s_port);
    }
    CancelRequest();
    counter_.Clear();
}

void TagSocket::ConnectSocket() {
    if (flags_.canceled)
        RaiseCanceled();
    if (!Connected())
        throw ESocketError(MailText(MailId::NotConnected));
    flags_.error = false;
    if (winsock_.WSAAsyncSelect(socket_, window_, WM_SOCKETEVENT,
                                FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE) == SOCKET_ERROR) {
        RaiseSocketError(winsock_.WSAGetLastError());
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = winsock_.htons(remotePort_);
    address.sin_addr.s_addr = remoteAddress_;
    counter_.Start();
    if (winsock_.connect(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) ==
        SOCKET_ERROR) {
        int error = winsock_.WSAGetLastError();
        if (error != WSAEWOULDBLOCK)
            RaiseSocketError(error);
    }
    // A refused connection is reported by the connect notification's error:
    // it ends the wait at once instead of after the whole time-out.
    WaitUntil([this] { return flags_.connected || flags_.error; });
    counter_.Stop();
    if (flags_.canceled)
        RaiseCanceled();
    if (counter_.Expired())
        RaiseTimedOut();
    if (flags_.error) {
        int error = lastError_;
        Close();
        RaiseSocketError(error);
    }
}

int TagSocket::ReadLine(std::string& line) {
    CheckUsable();
    std::string buffer;
    bool complete = false;
    counter_.Start();
    while (!flags_.canceled && !counter_.Expired()) {
        flags_.dataReady = false;
        char c;
        int n = winsock_.recv(socket_, &c, 1, 0);
        if (n == 1) {
            if (c == '\n') {
                complete = true;
                break;
            }
            if (buffer.size() < maxLine)
                buffer += c;  // the rest of an endless line is dropped
            continue;
        }
        if (n == 0) {
            drained_ = true;
            break;
        }
        int error = winsock_.WSAGetLastError();
        if (error != WSAEWOULDBLOCK)
            RaiseSocketError(error);
        // The peer closed and nothing is left to read: that is the end now,
        // not at the time-out.
        if (flags_.closedByPeer) {
            drained_ = true;
            break;
        }
        // Nothing there yet: wait for data, the peer's close or an error rather
        // than ask again and again.
        WaitUntil([this] { return flags_.dataReady || flags_.closedByPeer || flags_.error; });
        if (flags_.error)
            RaiseSocketError(lastError_);
        if (flags_.closedByPeer)
            flags_.dataReady = true;  // recv now says what is left
    }
    counter_.Stop();
    line.clear();
    int code = -1;
    if (complete) {
        while (!buffer.empty() && (buffer.back() == '\r' || buffer.back() == '\n')) {
            buffer.pop_back();
        }
        line = buffer;
        code = ReplyCode(line);
    }
    RaiseEnded();
    return code;
}

void TagSocket::SendAll(std::string_view bytes, bool restartOnProgress) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        if (flags_.canceled || counter_.Expired())
            break;
        flags_.readyToWrite = false;
        int n = winsock_.send(socket_, bytes.data() + at, static_cast<int>(bytes.size() - at), 0);
        if (n > 0) {
            at += static_cast<std::size_t>(n);
            if (restartOnProgress)
                counter_.Start();  // a slow but moving transfer goes on
            ProcessMessages();
            continue;
        }
        int error = winsock_.WSAGetLastError();
        if (error != WSAEWOULDBLOCK)
            RaiseSocketError(error);
        WaitUntil([this] { return flags_.readyToWrite || flags_.closedByPeer || flags_.error; });
        if (flags_.error)
            RaiseSocketError(lastError_);
        if (flags_.closedByPeer) {
            Close();
            RaiseSocketError(WsaConnReset);
        }
    }
    counter_.Stop();
    RaiseEnded();
}

void TagSocket::SendLine(std::string_view line) {
    CheckUsable();
    std::string text(line);
    text += "\r\n";
    counter_.Start();
    SendAll(text, false);
}

void TagSocket::SendStream(std::istream& data, std::int64_t size, const Progress& progress) {
    CheckUsable();
    data.seekg(0);
    std::int64_t position = 0;
    bool last = false;
    std::string batch;
    std::vector<std::int64_t> chunkEnds;
    while (!last) {
        // Progress is told per chunk, but each socket write is costly (under
        // Wine above all), so the chunks go to the socket several at a time.
        batch.clear();
        chunkEnds.clear();
        for (int i = 0; i < chunksPerWrite && !last; ++i) {
            char chunk[chunkSize];
            data.read(chunk, chunkSize);
            std::streamsize got = data.gcount();
            batch.append(chunk, static_cast<std::size_t>(got));
            chunkEnds.push_back(position += got);
            last = got < chunkSize;
        }
        counter_.Start();
        SendAll(batch, true);
        for (std::int64_t end : chunkEnds) {
            if (progress && !flags_.canceled) {
                progress(size > 0 ? static_cast<int>((end * 100 + size / 2) / size) : 100, end);
            }
        }
        if (flags_.canceled)
            RaiseCanceled();
    }
    if (progress)
        progress(0, 0);
}

void TagSocket::Close() {
    counter_.Stop();
    CancelRequest();
    if (socket_ != INVALID_SOCKET && winsock_.Loaded()) {
        winsock_.WSAAsyncSelect(socket_, window_, 0, 0);
        winsock_.closesocket(socket_);
    }
    socket_ = INVALID_SOCKET;
    // The next socket may get the same handle: notifications of this one that
    // are still queued must not reach it.
    MSG stale;
    while (PeekMessageA(&stale, window_, WM_SOCKETEVENT, WM_SOCKETEVENT, PM_REMOVE)) {
    }
    // Every start-up of this connection is undone with it.
    for (; startups_ > 0; --startups_) {
        if (winsock_.Loaded())
            winsock_.WSACleanup();
    }
}

void TagSocket::Cancel() {
    flags_.canceled = true;
    CancelRequest();
    Close();
}

}  // namespace orv::player
