#include <gtest/gtest.h>

#include "mail/mail_errors.h"
#include "mail/smtp.h"
#include "tests/mail/peer_rows.h"
#include "tests/mail/scripted_transport.h"
#include "tests/support/fake_clock.h"

namespace orv::player {
namespace {

using Lines = std::vector<std::string>;
using testing::connectionReset;
using testing::defaultReplies;
using testing::Reply;
using testing::ScriptedTransport;
using testing::SmtpReplies;
using testing::timedOut;

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
    m.Body.push_back(std::string(75, 'q') + ".starts-a-piece" + std::string(200, 'w'));
    ASSERT_TRUE(smtp.Send(m).Sent());
    EXPECT_NE(peer.Data.find("\r\nhello\r\n..\r\n..x\r\n...y\r\n"), std::string::npos);
    // The quoted-printable cut moved a dot to the start of a line as well.
    EXPECT_NE(peer.Data.find("=\r\n..starts-a-piece"), std::string::npos) << peer.Data;
    EXPECT_TRUE(peer.Data.ends_with("\r\n"));
    EXPECT_EQ(peer.Data.find("\r\n.\r\n"), std::string::npos);
}

TEST_F(Smtp, ServerNamesItsOwnPort) {
    smtp.Server = "mail.example.com:2525";
    ASSERT_TRUE(smtp.Send(m).Sent());
    EXPECT_EQ(peer.OpenedPort, 2525);
    smtp.Server = "mail.example.com:0";
    ASSERT_TRUE(smtp.Send(m).Sent());
    EXPECT_EQ(peer.OpenedPort, 2526);
    smtp.Server = "mail.example.com:smtp";
    smtp.DefaultPort = 0;  // left to the system's service table
    ASSERT_TRUE(smtp.Send(m).Sent());
    EXPECT_EQ(peer.OpenedPort, 0);
    EXPECT_EQ(peer.OpenedHost, "mail.example.com");
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

// How the peer fails below its replies.
struct WireFault {
    bool refuseConnection = false;
    std::int64_t closeAfterDataBytes = -1;
    std::uint32_t msPerLine = 0;  // a slow peer: time passing before each reply line
    // This computer: a bare name and the connection's own address.
    std::string hostName = "testhost";
    std::string hostAddress;
};

// A peer that replies as scripted or fails on the wire; whatever happened,
// the same client's next send to a well-behaved peer goes through.
using PeerRow = testing::PeerRow<WireFault>;

class SmtpPeer : public Smtp, public ::testing::WithParamInterface<PeerRow> {};

TEST_P(SmtpPeer, EndsAsTheRowSaysAndTheNextSendWorks) {
    const PeerRow& row = GetParam();
    orv::testing::FakeClock clock;
    peer.Replies = row.replies;
    peer.RefuseConnection = row.setup.refuseConnection;
    peer.CloseAfterDataBytes = row.setup.closeAfterDataBytes;
    peer.BeforeEachLine = [&] { clock.AdvanceMs(row.setup.msPerLine); };
    peer.HostName = row.setup.hostName;
    peer.HostAddress = row.setup.hostAddress;
    testing::ExpectEnding(row, SendThenRecover(), firstCommands);
}

using enum SendOutcome;
const auto none = std::nullopt;

const PeerRow peerRows[] = {
    {"RefusedConnection", defaultReplies, ConnectFailed, "[10061] Connection refused", Lines{},
     WireFault{.refuseConnection = true}},
    {"NoGreetingTimesOut", Reply("GREETING", "<silent>"), ConnectFailed, timedOut},
    {"RefusingGreetingEndsWithQuit", Reply("GREETING", "554 go away"), Refused, "554 go away",
     Lines{"QUIT"}},
    {"HeloWithoutTheNameIsTriedOnce", Reply("HELO", "501 bad name", "250 fine"), Sent, "",
     Then({"HELO testhost", "HELO"}, afterHelo)},
    {"HeloRefusedWithAndWithoutTheName", Reply("HELO", "501 bad name", "502 still bad"), Refused,
     "502 still bad"},
    {"BareNameGreetsWithTheAddressLiteral", defaultReplies, Sent, "",
     Then({"HELO [192.0.2.7]"}, afterHelo), WireFault{.hostAddress = "192.0.2.7"}},
    {"BareNameGreetsWithTheIPv6Literal", defaultReplies, Sent, "",
     Then({"HELO [IPv6:2001:db8::7]"}, afterHelo), WireFault{.hostAddress = "2001:db8::7"}},
    {"DottedNameStays", defaultReplies, Sent, "", Then({"HELO vm.example.org"}, afterHelo),
     WireFault{.hostName = "vm.example.org", .hostAddress = "192.0.2.7"}},
    // No computer name: the server's address stands in for it.
    {"AnAddressForTheNameGivesWayToTheOwnAddress", defaultReplies, Sent, "",
     Then({"HELO [192.0.2.7]"}, afterHelo),
     WireFault{.hostName = "192.0.2.9", .hostAddress = "192.0.2.7"}},
    {"AnAddressForTheNameIsALiteral", defaultReplies, Sent, "",
     Then({"HELO [192.0.2.9]"}, afterHelo), WireFault{.hostName = "192.0.2.9"}},
    {"ClosingReplyIsNotAnsweredWithAnotherHelo", Reply("HELO", "421 shutting down\n<close>"),
     Refused, "421 shutting down", Lines{"HELO testhost", "QUIT"}},
    {"RefusedRecipientEndsTheSend", Reply("RCPT", "250 ok", "550 no such user"), Refused,
     "550 no such user",
     Lines{"HELO testhost", "MAIL FROM:<me@example.com>", "RCPT TO:<to1@example.com>",
           "RCPT TO:<to2@example.com>", "QUIT"}},
    {"DataNeedsAnIntermediateReply", Reply("DATA", "250 not what you think"), Refused,
     "250 not what you think"},
    {"RefusalAfterTheEndMark", Reply(".", "451 try later"), Refused, "451 try later"},
    {"FailedQuitAfterAcceptanceStillCountsAsSent", Reply("QUIT", "421 closing"), Sent},
    {"SilentQuitAfterAcceptanceStillCountsAsSent", Reply("QUIT", "<silent>"), Sent},
    {"MultiLineRepliesAreReadWhole",
     SmtpReplies{{"GREETING", {"220-first\n220-second\n220 last"}},
                 {"HELO", {"250-a\n250"}},
                 {"MAIL", {"250-a\n251-other code\n250 done"}}},
     Sent, "", Then({"HELO testhost"}, afterHelo)},
    // Every line comes within its own wait; the reply as a whole must not
    // hold the macro for ever. Cut short, the rest of the reply would stand
    // where QUIT's reply belongs: the client hangs up without it.
    {"AReplyThatNeverEndsIsCutShort", Reply("MAIL", Repeated("250-more\n", 1000) + "250 end"),
     Refused, "The server's reply runs to more than 100 lines",
     Lines{"HELO testhost", "MAIL FROM:<me@example.com>"}},
    // 10 s of lines, 7 s allowed per wait.
    {"ASlowReplyIsTimedAsAWhole", Reply("MAIL", Repeated("250-line\n", 9) + "250 end"), Failed,
     timedOut, none, WireFault{.msPerLine = 1000}},
    {"ASlowReplyWithinTheTimeOutIsWaitedFor",
     Reply("GREETING", Repeated("220-line\n", 5) + "220 end"), Sent, "", none,
     WireFault{.msPerLine = 1000}},
    {"PeerThatClosesIsNoticedWithText", Reply("MAIL", "<close>"), Failed, connectionReset},
    {"PeerClosingInTheDataStream", defaultReplies, Failed, connectionReset, none,
     WireFault{.closeAfterDataBytes = 100}},
};

INSTANTIATE_TEST_SUITE_P(Rows, SmtpPeer, ::testing::ValuesIn(peerRows), testing::RowName());

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
}  // namespace orv::player
