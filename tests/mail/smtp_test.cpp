#include <gtest/gtest.h>

#include <optional>

#include "mail/mail_errors.h"
#include "mail/smtp.h"
#include "tests/mail/scripted_transport.h"
#include "tests/support/fake_clock.h"

namespace orv {
namespace {

using Lines = std::vector<std::string>;
using testing::ScriptedTransport;
using testing::SmtpReplies;

// What the client says after its greeting when the fixture's message goes through.
const Lines afterHelo = {"MAIL FROM:<me@example.com>",
                         "RCPT TO:<to1@example.com>",
                         "RCPT TO:<to2@example.com>",
                         "RCPT TO:<cc@example.com>",
                         "RCPT TO:<bcc@example.com>",
                         "DATA",
                         ".",
                         "QUIT"};

Lines Then(Lines first, const Lines& rest) {
    first.insert(first.end(), rest.begin(), rest.end());
    return first;
}

std::string Repeated(const std::string& line, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += line;
    return text;
}

class Smtp : public ::testing::Test {
  protected:
    Smtp() {
        MailSettings settings;
        settings.SMTPHost = "mail.example.com";
        settings.SMTPPort = 2526;
        settings.EMailName = "Me";
        settings.EMailAddress = "me@example.com";
        settings.TimeOut = 7;
        smtp.Configure(settings);
        PrepareMessage(m, settings);
        m.Recipients.Add("to1@example.com", "One");
        m.Recipients.Add("to2@example.com", "Smith, John");
        m.CC.Add("cc@example.com", "");
        m.BCC.Add("bcc@example.com", "Hidden");
        m.Subject = "Test";
        m.Body = {"hello", ".", ".x", "..y"};
    }

    // Sends and then checks that the next send on the same client works.
    SendResult SendThenRecover() {
        SendResult first = smtp.Send(m);
        firstCommands = peer.Commands;
        EXPECT_FALSE(peer.Connected());
        peer.Replies.clear();
        peer.RefuseConnection = false;
        peer.CloseAfterDataBytes = -1;
        SendResult second = smtp.Send(m);
        EXPECT_TRUE(second.Sent()) << second.ErrorText;
        return first;
    }

    ScriptedTransport peer;
    TmsSMTP smtp{peer};
    TmsMessage m;
    Lines firstCommands;  // what the client said in the first send of SendThenRecover
};

TEST_F(Smtp, DialogueInOrderWithEveryRecipient) {
    SendResult r = smtp.Send(m);
    ASSERT_TRUE(r.Sent()) << r.ErrorText;
    EXPECT_EQ(peer.Commands, Then({"HELO testhost"}, afterHelo));
    EXPECT_EQ(peer.OpenedHost, "mail.example.com");
    EXPECT_EQ(peer.OpenedPort, 2526);  // the "SMTP Port" setting
    EXPECT_EQ(peer.TimeOut, 7);
    EXPECT_EQ(peer.Data.find("bcc@"), std::string::npos);
    EXPECT_NE(peer.Data.find("X-Mailer: Orvane\r\n"), std::string::npos);
}

TEST_F(Smtp, EveryLineStartingWithADotIsStuffed) {
    m.Body.push_back(std::string(65, 'q') + ".starts-a-piece" + std::string(200, 'w'));
    ASSERT_TRUE(smtp.Send(m).Sent());
    EXPECT_NE(peer.Data.find("\r\nhello\r\n..\r\n..x\r\n...y\r\n"), std::string::npos);
    // The quoted-printable cut moved a dot to the start of a line as well.
    EXPECT_NE(peer.Data.find("=\r\n..starts-a-piece"), std::string::npos) << peer.Data;
    EXPECT_TRUE(peer.Data.ends_with("\r\n"));
    EXPECT_EQ(peer.Data.find("\r\n.\r\n"), std::string::npos);
}

TEST_F(Smtp, ServerNamesItsOwnPort) {
    struct Row {
        std::string server;
        std::uint16_t defaultPort;
        std::uint16_t opened;
    } const rows[] = {
        {"mail.example.com:2525", 2526, 2525},
        {"mail.example.com:0", 2526, 2526},  // no port: the default one
        {"mail.example.com:smtp", 0, 0},     // left to the system's service table
    };
    for (const Row& row : rows) {
        smtp.Server = row.server;
        smtp.DefaultPort = row.defaultPort;
        ASSERT_TRUE(smtp.Send(m).Sent()) << row.server;
        EXPECT_EQ(peer.OpenedPort, row.opened) << row.server;
        EXPECT_EQ(peer.OpenedHost, "mail.example.com") << row.server;
    }
}

TEST_F(Smtp, EmptyServerIsAConnectionFailure) {
    smtp.Server = ":25";
    SendResult r = smtp.Send(m);
    EXPECT_EQ(r.Outcome, SendOutcome::ConnectFailed);
    EXPECT_EQ(r.ErrorText, "Server property is required");
}

TEST_F(Smtp, InvalidMessageIsRefusedBeforeConnecting) {
    m.Subject = "x\r\nBcc: y";
    SendResult r = smtp.Send(m);
    EXPECT_EQ(r.Outcome, SendOutcome::InvalidMessage);
    EXPECT_TRUE(peer.OpenedHost.empty());
    EXPECT_TRUE(peer.Commands.empty());
}

TEST_F(Smtp, SendMessageWithoutMessageSaysSo) {
    try {
        smtp.SendMessage();
        FAIL();
    } catch (const ESocketError& e) {
        EXPECT_STREQ(e.what(), "MailMessage property must be assigned");
    }
}

// A peer that replies as scripted or fails on the wire; whatever happened,
// the same client's next send to a well-behaved peer goes through.
struct PeerRow {
    std::string name;
    SmtpReplies replies;
    bool refuseConnection = false;
    std::int64_t closeAfterDataBytes = -1;
    std::uint32_t msPerLine = 0;  // a slow peer: time passing before each reply line
    SendOutcome outcome = SendOutcome::Sent;
    std::string text;               // the error's text, empty when sent
    std::optional<Lines> commands;  // all the client said, where it matters
};

void PrintTo(const PeerRow& row, std::ostream* out) {
    *out << row.name;
}

class SmtpPeer : public Smtp, public ::testing::WithParamInterface<PeerRow> {};

TEST_P(SmtpPeer, EndsAsTheRowSaysAndTheNextSendWorks) {
    const PeerRow& row = GetParam();
    testing::FakeClock clock;
    peer.Replies = row.replies;
    peer.RefuseConnection = row.refuseConnection;
    peer.CloseAfterDataBytes = row.closeAfterDataBytes;
    peer.BeforeEachLine = [&] { clock.AdvanceMs(row.msPerLine); };
    SendResult r = SendThenRecover();
    EXPECT_EQ(r.Outcome, row.outcome);
    EXPECT_EQ(r.ErrorText, row.text);
    if (row.commands) {
        EXPECT_EQ(firstCommands, *row.commands);
    }
}

const std::string connectionReset = "[10054] Connection reset by peer";
const std::string timedOut = "Operation timed out";

const PeerRow peerRows[] = {
    {.name = "RefusedConnection",
     .refuseConnection = true,
     .outcome = SendOutcome::ConnectFailed,
     .text = "[10061] Connection refused",
     .commands = Lines{}},
    {.name = "NoGreetingTimesOut",
     .replies = {{"GREETING", {"<silent>"}}},
     .outcome = SendOutcome::ConnectFailed,
     .text = timedOut},
    {.name = "RefusingGreetingEndsWithQuit",
     .replies = {{"GREETING", {"554 go away"}}},
     .outcome = SendOutcome::Refused,
     .text = "554 go away",
     .commands = Lines{"QUIT"}},
    {.name = "HeloWithoutTheNameIsTriedOnce",
     .replies = {{"HELO", {"501 bad name", "250 fine"}}},
     .commands = Then({"HELO testhost", "HELO"}, afterHelo)},
    {.name = "HeloRefusedWithAndWithoutTheName",
     .replies = {{"HELO", {"501 bad name", "502 still bad"}}},
     .outcome = SendOutcome::Refused,
     .text = "502 still bad"},
    {.name = "ClosingReplyIsNotAnsweredWithAnotherHelo",
     .replies = {{"HELO", {"421 shutting down\n<close>"}}},
     .outcome = SendOutcome::Refused,
     .text = "421 shutting down",
     .commands = Lines{"HELO testhost", "QUIT"}},
    {.name = "RefusedRecipientEndsTheSend",
     .replies = {{"RCPT", {"250 ok", "550 no such user"}}},
     .outcome = SendOutcome::Refused,
     .text = "550 no such user",
     .commands = Lines{"HELO testhost", "MAIL FROM:<me@example.com>", "RCPT TO:<to1@example.com>",
                       "RCPT TO:<to2@example.com>", "QUIT"}},
    {.name = "DataNeedsAnIntermediateReply",
     .replies = {{"DATA", {"250 not what you think"}}},
     .outcome = SendOutcome::Refused,
     .text = "250 not what you think"},
    {.name = "RefusalAfterTheEndMark",
     .replies = {{".", {"451 try later"}}},
     .outcome = SendOutcome::Refused,
     .text = "451 try later"},
    {.name = "FailedQuitAfterAcceptanceStillCountsAsSent", .replies = {{"QUIT", {"421 closing"}}}},
    {.name = "SilentQuitAfterAcceptanceStillCountsAsSent", .replies = {{"QUIT", {"<silent>"}}}},
    {.name = "MultiLineRepliesAreReadWhole",
     .replies = {{"GREETING", {"220-first\n220-second\n220 last"}},
                 {"HELO", {"250-a\n250"}},
                 {"MAIL", {"250-a\n251-other code\n250 done"}}},
     .commands = Then({"HELO testhost"}, afterHelo)},
    // Every line comes within its own wait; the reply as a whole must not
    // hold the macro for ever.
    {.name = "AReplyThatNeverEndsIsCutShort",
     .replies = {{"MAIL", {Repeated("250-more\n", 1000) + "250 end"}}},
     .outcome = SendOutcome::Refused,
     .text = "The server's reply runs to more than 100 lines",
     // The rest of the reply would stand where QUIT's reply belongs: the
     // client hangs up without it.
     .commands = Lines{"HELO testhost", "MAIL FROM:<me@example.com>"}},
    {.name = "ASlowReplyIsTimedAsAWhole",  // 10 s of lines, 7 s allowed per wait
     .replies = {{"MAIL", {Repeated("250-line\n", 9) + "250 end"}}},
     .msPerLine = 1000,
     .outcome = SendOutcome::Failed,
     .text = timedOut},
    {.name = "ASlowReplyWithinTheTimeOutIsWaitedFor",
     .replies = {{"GREETING", {Repeated("220-line\n", 5) + "220 end"}}},
     .msPerLine = 1000},
    {.name = "PeerThatClosesIsNoticedWithText",
     .replies = {{"MAIL", {"<close>"}}},
     .outcome = SendOutcome::Failed,
     .text = connectionReset},
    {.name = "PeerClosingInTheDataStream",
     .closeAfterDataBytes = 100,
     .outcome = SendOutcome::Failed,
     .text = connectionReset},
};

INSTANTIATE_TEST_SUITE_P(Rows, SmtpPeer, ::testing::ValuesIn(peerRows),
                         [](const ::testing::TestParamInfo<PeerRow>& info) {
                             return info.param.name;
                         });

TEST_F(Smtp, RefusedRecipientIsPassedOverWhenTheHandlerGoesOn) {
    std::vector<std::string> rejected;
    smtp.OnAddressRejected = [&](const std::string& address, const std::string& reply) {
        rejected.push_back(address + " " + reply);
        return true;
    };
    peer.Replies["RCPT"] = {"250 ok", "550 no such user"};
    EXPECT_TRUE(smtp.Send(m).Sent());
    EXPECT_EQ(rejected, (Lines{"to2@example.com 550 no such user"}));
}

TEST_F(Smtp, CancelDuringTheDataStream) {
    m.Attachments.AddItem(TmsAttItem{std::string(10000, 'z'), "z.bin", "application/x", 1});
    smtp.OnProgress = [&](int percent, std::int64_t) {
        if (percent > 30)
            smtp.Cancel();
    };
    SendResult r = smtp.Send(m);
    EXPECT_EQ(r.Outcome, SendOutcome::Canceled);
    EXPECT_EQ(r.ErrorText, "Operation has been canceled");
    smtp.OnProgress = nullptr;
    EXPECT_TRUE(SendThenRecover().Sent());
    EXPECT_EQ(peer.Percentages.back(), 100);
}

TEST_F(Smtp, EventsInTheirOrder) {
    std::string events;
    smtp.OnPrepare = [&] { events += "prepare "; };
    smtp.OnSending = [&] { events += "sending "; };
    smtp.OnMailSent = [&] { events += "sent "; };
    smtp.OnClosing = [&] { events += "closing"; };
    ASSERT_TRUE(smtp.Send(m).Sent());
    EXPECT_EQ(events, "prepare sending sent closing");
}

TEST(ReplyCodes, ThreeDigitsOrNone) {
    EXPECT_EQ(ReplyCode("250 ok"), 250);
    EXPECT_EQ(ReplyCode("421"), 421);
    EXPECT_EQ(ReplyCode("25"), -1);
    EXPECT_EQ(ReplyCode("2x0 ok"), -1);
    EXPECT_EQ(ReplyCode(""), -1);
}

}  // namespace
}  // namespace orv
