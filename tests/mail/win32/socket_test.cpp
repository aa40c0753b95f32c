#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>

#include "mail/mail_errors.h"
#include "mail/smtp.h"
#include "mail/win32/registry_content_types.h"
#include "mail/win32/socket.h"
#include "tests/mail/peer_rows.h"
#include "tests/mail/win32/fault_peer.h"
#include "tests/support/fake_clock.h"

namespace orv::player {
namespace {

using testing::connectionReset;
using testing::defaultReplies;
using testing::FaultPeer;
using testing::Reply;
using testing::SmtpReplies;
using testing::timedOut;
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
        firstCommands = peer.Commands();
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
    Lines firstCommands;  // what the client said in the first send of SendThenRecover
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

TEST_F(SocketFaults, ConfiguredPortIsHonouredAndHostNamesResolve) {
    smtp.Server = "localhost";
    smtp.DefaultPort = static_cast<std::uint16_t>(peer.Port());
    SendResult r = smtp.Send(m);
    EXPECT_TRUE(r.Sent()) << r.ErrorText;
    EXPECT_EQ(socket.RemotePort(), peer.Port());
}

TEST_F(SocketFaults, HeloRefusedWithTheNameThenAccepted) {
    peer.Script("HELO", "501 bad name");
    peer.Script("HELO", "250 fine");
    ASSERT_TRUE(smtp.Send(m).Sent());
    EXPECT_EQ(peer.Commands()[1], "HELO");
}

// How the test sets the client and the peer up beyond the replies.
struct Setup {
    bool closedPort = false;  // nothing listens where the client connects
    int timeOut = timeOutSeconds;
    bool largeAttachment = false;
    std::int64_t closeAfterDataBytes = -1;
    std::string alsoTo;  // a second recipient
};

// A peer that replies as scripted or fails on the wire; the client notices
// long before its time-out, and its next send to a well-behaved peer works.
using FaultRow = testing::PeerRow<Setup>;

class SocketPeer : public SocketFaults, public ::testing::WithParamInterface<FaultRow> {};

TEST_P(SocketPeer, EndsAsTheRowSaysSoonAndTheNextSendWorks) {
    const FaultRow& row = GetParam();
    for (const auto& [verb, replies] : row.replies) {
        for (const std::string& reply : replies) peer.Script(verb, reply);
    }
    if (row.setup.closedPort)
        smtp.Server = "127.0.0.1:" + std::to_string(testing::ClosedPort());
    smtp.SetTimeOut(row.setup.timeOut);
    if (row.setup.largeAttachment)
        AddLargeAttachment();
    peer.CloseAfterDataBytes(row.setup.closeAfterDataBytes);
    if (!row.setup.alsoTo.empty())
        m.Recipients.Add(row.setup.alsoTo, "");
    testing::ExpectEnding(row, SendThenRecover(), firstCommands);
    EXPECT_LT(seconds, noticedWithinSeconds);
}

using enum SendOutcome;
const auto none = std::nullopt;

const FaultRow faultRows[] = {
    {"RefusedConnectionIsNoticedAtOnce", defaultReplies, ConnectFailed,
     "[10061] Connection refused", none, Setup{.closedPort = true}},
    {"NoGreetingTimesOut", Reply("GREETING", "<silent>"), ConnectFailed, timedOut, none,
     Setup{.timeOut = 1}},
    {"RefusingGreeting", Reply("GREETING", "554 no service here"), Refused, "554 no service here",
     Lines{"QUIT"}},
    {"RefusedRecipient", Reply("RCPT", "250 ok", "550 no such user"), Refused, "550 no such user",
     none, Setup{.alsoTo = "other@example.com"}},
    {"RefusalAfterTheEndMark", Reply(".", "451 local error"), Refused, "451 local error"},
    {"QuitRefusedAfterAcceptance", Reply("QUIT", "421 closing anyway"), Sent},
    {"MultiLineAndLfOnlyReplies",
     SmtpReplies{{"GREETING", {"LF:220-first\n220-second\n220 last"}},
                 {"HELO", {"LF:250-a\n250 b"}},
                 {"MAIL", {"LF:250"}}},
     Sent},
    {"StalledPeerTimesOut", Reply(".", "<silent>"), Failed, timedOut, none, Setup{.timeOut = 1}},
    {"PeerClosingIsNoticedAtOnce", Reply("MAIL", "<close>"), Failed, connectionReset},
    {"PeerClosingInTheDataStream", defaultReplies, Failed, connectionReset, none,
     Setup{.largeAttachment = true, .closeAfterDataBytes = 100000},
     "[10053] Software caused connection abort"},
    // A message the socket takes whole before the close is seen: the close
    // is said when the end mark's reply should come, not at the time-out.
    {"PeerClosingInASmallMessagesData", defaultReplies, Failed, connectionReset, none,
     Setup{.closeAfterDataBytes = 100}, "[10053] Software caused connection abort"},
    {"OverlongReplyLineIsCutNotOverrun", Reply("MAIL", "250 " + std::string(5000, 'x')), Sent},
};

INSTANTIATE_TEST_SUITE_P(Rows, SocketPeer, ::testing::ValuesIn(faultRows), testing::RowName());

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

bool abortAsked = false;
void CALLBACK AbortOnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    abortAsked = true;
}

// The user's abort (Escape) comes as a message the wait handles: a server
// that answers slowly is hung up on at once, and nothing more is said to it.
TEST_F(SocketFaults, TheUsersAbortCancelsASlowDialogue) {
    peer.Script("MAIL", "<silent>");
    abortAsked = false;
    socket.CancelWhen([] { return abortAsked; });
    SetTimer(nullptr, 0, 300, AbortOnTimer);
    const auto start = std::chrono::steady_clock::now();
    SendResult r = smtp.Send(m);
    EXPECT_LT(SecondsSince(start), noticedWithinSeconds);
    EXPECT_EQ(r.Outcome, SendOutcome::Canceled);
    EXPECT_FALSE(smtp.Connected());
    const Lines said = peer.Commands();
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said.back(), "MAIL FROM:<me@example.com>");
    abortAsked = false;
    EXPECT_TRUE(smtp.Send(m).Sent()) << "the next run's send";
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
