#include <gtest/gtest.h>

#include "mail/mail_errors.h"
#include "mail/smtp.h"
#include "tests/mail/scripted_transport.h"
#include "tests/support/fake_clock.h"

namespace orv::player {
namespace {

using Lines = std::vector<std::string>;
using testing::ScriptedTransport;

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
};

TEST_F(Smtp, DialogueInOrderWithEveryRecipient) {
    SendResult r = smtp.Send(m);
    ASSERT_TRUE(r.Sent()) << r.ErrorText;
    EXPECT_EQ(peer.Commands,
              (Lines{"HELO testhost", "MAIL FROM:<me@example.com>", "RCPT TO:<to1@example.com>",
                     "RCPT TO:<to2@example.com>", "RCPT TO:<cc@example.com>",
                     "RCPT TO:<bcc@example.com>", "DATA", ".", "QUIT"}));
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

TEST_F(Smtp, RefusedConnection) {
    peer.RefuseConnection = true;
    SendResult r = SendThenRecover();
    EXPECT_EQ(r.Outcome, SendOutcome::ConnectFailed);
    EXPECT_EQ(r.ErrorText, "[10061] Connection refused");
}

TEST_F(Smtp, NoGreetingTimesOut) {
    peer.Replies["GREETING"] = {"<silent>"};
    SendResult r = SendThenRecover();
    EXPECT_EQ(r.Outcome, SendOutcome::ConnectFailed);
    EXPECT_EQ(r.ErrorText, "Operation timed out");
}

TEST_F(Smtp, RefusingGreetingEndsWithQuit) {
    peer.Replies["GREETING"] = {"554 go away"};
    SendResult r = smtp.Send(m);
    EXPECT_EQ(r.Outcome, SendOutcome::Refused);
    EXPECT_EQ(r.ErrorText, "554 go away");
    EXPECT_EQ(peer.Commands, (Lines{"QUIT"}));
    EXPECT_TRUE(SendThenRecover().Sent());
}

TEST_F(Smtp, HeloWithoutTheNameIsTriedOnce) {
    peer.Replies["HELO"] = {"501 bad name", "250 fine"};
    ASSERT_TRUE(smtp.Send(m).Sent());
    EXPECT_EQ(Lines(peer.Commands.begin(), peer.Commands.begin() + 3),
              (Lines{"HELO testhost", "HELO", "MAIL FROM:<me@example.com>"}));
    peer.Replies["HELO"] = {"501 bad name", "502 still bad"};
    SendResult r = smtp.Send(m);
    EXPECT_EQ(r.ErrorText, "502 still bad");
}

TEST_F(Smtp, ClosingReplyIsNotAnsweredWithAnotherHelo) {
    peer.Replies["HELO"] = {"421 shutting down\n<close>"};
    SendResult r = SendThenRecover();
    EXPECT_EQ(r.Outcome, SendOutcome::Refused);
    EXPECT_EQ(r.ErrorText, "421 shutting down");
}

TEST_F(Smtp, RefusedRecipientEndsTheSendUnlessTheHandlerGoesOn) {
    peer.Replies["RCPT"] = {"250 ok", "550 no such user"};
    SendResult r = smtp.Send(m);
    EXPECT_EQ(r.Outcome, SendOutcome::Refused);
    EXPECT_EQ(r.ErrorText, "550 no such user");
    EXPECT_EQ(peer.Commands.back(), "QUIT");
    std::vector<std::string> rejected;
    smtp.OnAddressRejected = [&](const std::string& address, const std::string& reply) {
        rejected.push_back(address + " " + reply);
        return true;
    };
    peer.Replies["RCPT"] = {"250 ok", "550 no such user"};
    EXPECT_TRUE(smtp.Send(m).Sent());
    EXPECT_EQ(rejected, (Lines{"to2@example.com 550 no such user"}));
}

TEST_F(Smtp, DataNeedsAnIntermediateReply) {
    peer.Replies["DATA"] = {"250 not what you think"};
    SendResult r = SendThenRecover();
    EXPECT_EQ(r.ErrorText, "250 not what you think");
}

TEST_F(Smtp, RefusalAfterTheEndMark) {
    peer.Replies["."] = {"451 try later"};
    SendResult r = SendThenRecover();
    EXPECT_EQ(r.Outcome, SendOutcome::Refused);
    EXPECT_EQ(r.ErrorText, "451 try later");
}

TEST_F(Smtp, FailedQuitAfterAcceptanceStillCountsAsSent) {
    peer.Replies["QUIT"] = {"421 closing"};
    EXPECT_TRUE(SendThenRecover().Sent());
    peer.Replies["QUIT"] = {"<silent>"};
    EXPECT_TRUE(SendThenRecover().Sent());
}

TEST_F(Smtp, MultiLineRepliesAreReadWhole) {
    peer.Replies["GREETING"] = {"220-first\n220-second\n220 last"};
    peer.Replies["HELO"] = {"250-a\n250"};
    peer.Replies["MAIL"] = {"250-a\n251-other code\n250 done"};
    ASSERT_TRUE(smtp.Send(m).Sent());
    EXPECT_EQ(peer.Commands[0], "HELO testhost");
}

// Every line comes within its own wait; the reply as a whole must not hold
// the macro for ever.
TEST_F(Smtp, AReplyThatNeverEndsIsCutShort) {
    std::string endless;
    for (int i = 0; i < 1000; ++i) endless += "250-more\n";
    peer.Replies["MAIL"] = {endless + "250 end"};
    SendResult r = SendThenRecover();
    EXPECT_EQ(r.Outcome, SendOutcome::Refused);
    EXPECT_EQ(r.ErrorText, "The server's reply runs to more than 100 lines");
    EXPECT_EQ(peer.Commands.back(), "QUIT");  // of the second send

    orv::testing::FakeClock clock;
    peer.BeforeEachLine = [&] { clock.AdvanceMs(1000); };  // 7 s allowed per wait
    peer.Replies["MAIL"] = {
        "250-a\n250-b\n250-c\n250-d\n250-e\n250-f\n250-g\n250-h\n250-i\n250 end"};
    r = SendThenRecover();
    EXPECT_EQ(r.Outcome, SendOutcome::Failed);
    EXPECT_EQ(r.ErrorText, "Operation timed out");
    peer.Replies["GREETING"] = {"220-a\n220-b\n220-c\n220-d\n220-e\n220 end"};
    EXPECT_TRUE(smtp.Send(m).Sent());
}

TEST_F(Smtp, PeerThatClosesIsNoticedWithText) {
    peer.Replies["MAIL"] = {"<close>"};
    SendResult r = SendThenRecover();
    EXPECT_EQ(r.Outcome, SendOutcome::Failed);
    EXPECT_EQ(r.ErrorText, "[10054] Connection reset by peer");
}

TEST_F(Smtp, PeerClosingInTheDataStream) {
    peer.CloseAfterDataBytes = 100;
    SendResult r = SendThenRecover();
    EXPECT_EQ(r.Outcome, SendOutcome::Failed);
    EXPECT_EQ(r.ErrorText, "[10054] Connection reset by peer");
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
