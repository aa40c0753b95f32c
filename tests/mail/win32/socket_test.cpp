#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>

#include "mail/mail_errors.h"
#include "mail/smtp.h"
#include "mail/win32/registry_content_types.h"
#include "mail/win32/socket.h"
#include "tests/mail/win32/fault_peer.h"
#include "tests/support/fake_clock.h"

namespace orv::player {
namespace {

using testing::FaultPeer;
using Lines = std::vector<std::string>;

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Failures must be noticed long before the time-out; the margin is wide so a
// busy machine does not fail the tests.
constexpr int timeOutSeconds = 60;
constexpr double noticedWithinSeconds = timeOutSeconds / 2;

class SocketFaults : public ::testing::Test {
  protected:
    SocketFaults() {
        smtp.Server = "127.0.0.1:" + std::to_string(peer.Port());
        smtp.SetTimeOut(timeOutSeconds);
        m.Sender.Address = "me@example.com";
        m.Recipients.Add("you@example.com", "You");
        m.Subject = "fault";
        m.Body = {"body"};
    }

    void AddLargeAttachment() {
        TmsAttItem big;
        big.FileName = "big.bin";
        big.ContentType = "application/octet-stream";
        big.Data.assign(2 * 1024 * 1024, 'b');
        m.Attachments.AddItem(big);
    }

    // The send, timed; then the next send to a well-behaved peer must work.
    SendResult SendThenRecover() {
        auto start = std::chrono::steady_clock::now();
        SendResult first = smtp.Send(m);
        seconds = SecondsSince(start);
        EXPECT_FALSE(smtp.Connected());
        peer.Reset();
        smtp.Server = "127.0.0.1:" + std::to_string(peer.Port());
        smtp.OnProgress = nullptr;
        SendResult second = smtp.Send(m);
        EXPECT_TRUE(second.Sent()) << second.ErrorText;
        return first;
    }

    FaultPeer peer;
    TagSocket socket;
    TmsSMTP smtp{socket};
    TmsMessage m;
    double seconds = 0;
};

TEST_F(SocketFaults, WholeDialogue) {
    SendResult r = smtp.Send(m);
    ASSERT_TRUE(r.Sent()) << r.ErrorText;
    Lines commands = peer.Commands();
    ASSERT_EQ(commands.size(), 6u);
    EXPECT_TRUE(commands[0].starts_with("HELO "));
    EXPECT_EQ(
        Lines(commands.begin() + 1, commands.end()),
        (Lines{"MAIL FROM:<me@example.com>", "RCPT TO:<you@example.com>", "DATA", ".", "QUIT"}));
}

TEST_F(SocketFaults, RefusedConnectionIsNoticedAtOnce) {
    smtp.Server = "127.0.0.1:" + std::to_string(testing::ClosedPort());
    SendResult r = SendThenRecover();
    EXPECT_EQ(r.Outcome, SendOutcome::ConnectFailed);
    EXPECT_EQ(r.ErrorText, "[10061] Connection refused");
    EXPECT_LT(seconds, noticedWithinSeconds);
}

TEST_F(SocketFaults, ConfiguredPortIsHonouredAndHostNamesResolve) {
    smtp.Server = "localhost";
    smtp.DefaultPort = static_cast<std::uint16_t>(peer.Port());
    SendResult r = smtp.Send(m);
    EXPECT_TRUE(r.Sent()) << r.ErrorText;
    EXPECT_EQ(socket.RemotePort(), peer.Port());
}

TEST_F(SocketFaults, NoGreetingTimesOut) {
    peer.Script("GREETING", "<silent>");
    smtp.SetTimeOut(1);
    SendResult r = SendThenRecover();
    EXPECT_EQ(r.Outcome, SendOutcome::ConnectFailed);
    EXPECT_EQ(r.ErrorText, "Operation timed out");
    EXPECT_LT(seconds, noticedWithinSeconds);
}

TEST_F(SocketFaults, RefusingGreeting) {
    peer.Script("GREETING", "554 no service here");
    SendResult r = smtp.Send(m);
    EXPECT_EQ(r.Outcome, SendOutcome::Refused);
    EXPECT_EQ(r.ErrorText, "554 no service here");
    EXPECT_EQ(peer.Commands(), Lines{"QUIT"});
    SendThenRecover();
}

TEST_F(SocketFaults, HeloRefusedWithTheNameThenAccepted) {
    peer.Script("HELO", "501 bad name");
    peer.Script("HELO", "250 fine");
    ASSERT_TRUE(smtp.Send(m).Sent());
    EXPECT_EQ(peer.Commands()[1], "HELO");
}

TEST_F(SocketFaults, RefusedRecipient) {
    m.Recipients.Add("other@example.com", "");
    peer.Script("RCPT", "250 ok");
    peer.Script("RCPT", "550 no such user");
    SendResult r = SendThenRecover();
    EXPECT_EQ(r.Outcome, SendOutcome::Refused);
    EXPECT_EQ(r.ErrorText, "550 no such user");
}

TEST_F(SocketFaults, RefusalAfterTheEndMark) {
    peer.Script(".", "451 local error");
    SendResult r = SendThenRecover();
    EXPECT_EQ(r.ErrorText, "451 local error");
}

TEST_F(SocketFaults, QuitRefusedAfterAcceptance) {
    peer.Script("QUIT", "421 closing anyway");
    EXPECT_TRUE(SendThenRecover().Sent());
}

TEST_F(SocketFaults, MultiLineAndLfOnlyReplies) {
    peer.Script("GREETING", "LF:220-first\n220-second\n220 last");
    peer.Script("HELO", "LF:250-a\n250 b");
    peer.Script("MAIL", "LF:250");
    SendResult r = smtp.Send(m);
    EXPECT_TRUE(r.Sent()) << r.ErrorText;
}

TEST_F(SocketFaults, StalledPeerTimesOut) {
    peer.Script(".", "<silent>");
    smtp.SetTimeOut(1);
    SendResult r = SendThenRecover();
    EXPECT_EQ(r.Outcome, SendOutcome::Failed);
    EXPECT_EQ(r.ErrorText, "Operation timed out");
    EXPECT_LT(seconds, noticedWithinSeconds);
}

TEST_F(SocketFaults, PeerClosingIsNoticedAtOnce) {
    peer.Script("MAIL", "<close>");
    SendResult r = SendThenRecover();
    EXPECT_EQ(r.Outcome, SendOutcome::Failed);
    EXPECT_EQ(r.ErrorText, "[10054] Connection reset by peer");
    EXPECT_LT(seconds, noticedWithinSeconds);
}

TEST_F(SocketFaults, PeerClosingInTheDataStream) {
    AddLargeAttachment();
    peer.CloseAfterDataBytes(100000);
    SendResult r = SendThenRecover();
    EXPECT_EQ(r.Outcome, SendOutcome::Failed);
    EXPECT_TRUE(r.ErrorText == "[10054] Connection reset by peer" ||
                r.ErrorText == "[10053] Software caused connection abort")
        << r.ErrorText;
    EXPECT_LT(seconds, noticedWithinSeconds);
}

TEST_F(SocketFaults, CancelDuringTheDataStream) {
    AddLargeAttachment();
    int calls = 0;
    smtp.OnProgress = [&](int percent, std::int64_t) {
        ++calls;
        if (percent > 30)
            smtp.Cancel();
    };
    SendResult r = SendThenRecover();
    EXPECT_EQ(r.Outcome, SendOutcome::Canceled);
    EXPECT_EQ(r.ErrorText, "Operation has been canceled");
    EXPECT_GT(calls, 100);
}

TEST_F(SocketFaults, ProgressRisesToTheWholeStream) {
    AddLargeAttachment();
    std::vector<std::pair<int, std::int64_t>> progress;
    smtp.OnProgress = [&](int percent, std::int64_t sent) { progress.emplace_back(percent, sent); };
    ASSERT_TRUE(smtp.Send(m).Sent());
    ASSERT_GE(progress.size(), 3u);
    EXPECT_EQ(progress[0].second, 2047);
    EXPECT_EQ(progress[progress.size() - 2].first, 100);
    EXPECT_EQ(progress.back(), std::make_pair(0, std::int64_t{0}));
}

TmsSMTP* cancelTarget = nullptr;
void CALLBACK CancelOnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    cancelTarget->Cancel();
}

TEST_F(SocketFaults, CancelFromAMessageHandledInsideAWait) {
    peer.Script(".", "<silent>");
    cancelTarget = &smtp;
    SetTimer(nullptr, 0, 300, CancelOnTimer);
    SendResult r = SendThenRecover();
    EXPECT_EQ(r.Outcome, SendOutcome::Canceled);
    EXPECT_EQ(r.ErrorText, "Operation has been canceled");
    EXPECT_LT(seconds, noticedWithinSeconds);
}

TEST_F(SocketFaults, OverlongReplyLineIsCutNotOverrun) {
    peer.Script("MAIL", "250 " + std::string(5000, 'x'));
    SendResult r = smtp.Send(m);
    EXPECT_TRUE(r.Sent()) << r.ErrorText;
}

TEST(Socket, ReadingBeforeOpeningSaysSo) {
    TagSocket socket;
    std::string line;
    try {
        socket.ReadLine(line);
        FAIL();
    } catch (const ESocketError& e) {
        EXPECT_STREQ(e.what(), "You have to connect to the server first");
    }
}

// Encoding a large message asks for message handling at every line; the
// queue must be served at intervals, or the sending slows to a crawl.
TEST(Socket, MessagesAreServedAtIntervalsNotAtEveryCall) {
    orv::testing::FakeClock clock;
    TagSocket socket;
    auto queued = [] {
        MSG msg;
        return PeekMessageA(&msg, nullptr, WM_APP, WM_APP, PM_NOREMOVE) != 0;
    };
    clock.AdvanceMs(1000);
    socket.ProcessMessages();
    PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
    for (int i = 0; i < 100; ++i) socket.ProcessMessages();
    EXPECT_TRUE(queued());
    clock.AdvanceMs(20);
    socket.ProcessMessages();
    EXPECT_FALSE(queued());
}

TEST(Winsock, MissingLibraryIsReportedNotFatal) {
    TagWinsock missing("orvane-no-such-sockets.dll");
    EXPECT_FALSE(missing.Present());
    try {
        missing.Load();
        FAIL();
    } catch (const EWinsockDLLError& e) {
        EXPECT_STREQ(e.what(), "Winsock not found");
    }
    try {
        missing.GetProc("send");
        FAIL();
    } catch (const EWinsockDLLError& e) {
        EXPECT_STREQ(e.what(), "Winsock is not loaded");
    }
    TagSocket socket(missing);
    TmsSMTP smtp(socket);
    smtp.Server = "127.0.0.1";
    TmsMessage m;
    m.Sender.Address = "me@x";
    m.Recipients.Add("you@x", "");
    SendResult r = smtp.Send(m);
    EXPECT_FALSE(r.Sent());
    EXPECT_EQ(r.ErrorText, "Winsock not found");
}

TEST(Winsock, TheRealLibraryIsPresentAndNamesMissingFunctions) {
    TagWinsock lib;
    EXPECT_TRUE(lib.Present());
    EXPECT_FALSE(lib.Loaded());
    lib.Load();
    try {
        lib.GetProc("NoSuchSocketCall");
        FAIL();
    } catch (const EWinsockDLLError& e) {
        EXPECT_STREQ(e.what(), "Function NoSuchSocketCall not found");
    }
}

TEST(ContentTypes, RegisteredTypeOfAnExtension) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, ".orvtest", 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    const char type[] = "application/x-orvane-test";
    RegSetValueExA(key, "Content Type", 0, REG_SZ, reinterpret_cast<const BYTE*>(type),
                   sizeof type);
    RegCloseKey(key);
    RegistryContentTypes registry;
    EXPECT_EQ(registry.ContentTypeOf(".orvtest"), type);
    EXPECT_EQ(registry.ContentTypeOf(".orvnothing"), "");
    SetCurrentContentTypes(&registry);
    EXPECT_EQ(ContentTypeOfFile("C:\\x\\a.orvtest"), type);
    EXPECT_EQ(ContentTypeOfFile("C:\\x\\a.orvnothing"), "application/octet-stream");
    SetCurrentContentTypes(nullptr);
    RegDeleteKeyA(HKEY_CLASSES_ROOT, ".orvtest");
}

}  // namespace
}  // namespace orv::player
