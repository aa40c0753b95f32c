#include <gtest/gtest.h>

#include <filesystem>

#include "common/files.h"
#include "common/mail_log_index.h"
#include "mail/mail_command.h"
#include "tests/mail/recording_mail_host.h"
#include "tests/mail/scripted_transport.h"
#include "tests/support/fake_clock.h"

namespace orv::player {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using testing::ScriptedTransport;

using RecordingHost = testing::RecordingMailHost<ScriptedTransport>;

class SendMail : public ::testing::Test {
  protected:
    SendMail() {
        fs::remove_all(folder);
        fs::create_directories(folder);
        settings.SMTPHost = "mail.example.org";
        settings.EMailName = "Me";
        settings.EMailAddress = "me@example.org";
        settings.KeepLog = true;
        settings.LogPath = (fs::path(folder) / "MAILLOG.TXT").string();
    }
    ~SendMail() override { fs::remove_all(folder); }

    bool Send(const std::string& token) { return SendMailMessage(token, host, settings); }
    std::string Path(const std::string& name) const { return (fs::path(folder) / name).string(); }
    Lines Rcpts() const {
        Lines out;
        for (const std::string& c : host.Peer.Commands) {
            if (c.starts_with("RCPT TO:"))
                out.push_back(c.substr(8));
        }
        return out;
    }
    bool Logged() const {
        return fs::exists(Path("MAILLOG.TXT")) || fs::exists(Path("MAILLOG.MCI"));
    }

    std::string folder = (fs::path(::testing::TempDir()) / "orvsendmail").string();
    orv::testing::FakeClock clock{EncodeDateTime(2026, 12, 9, 12, 0, 0)};
    MailSettings settings;
    RecordingHost host;
};

const std::string fixedToBob =
    "<EMAIL:RNR1TOBob|bob@example.org;\x01"
    "CC\x01"
    "BL\x01S1Line one\x01\x01";

TEST_F(SendMail, SentMessageShowsItsProgressAndIsLogged) {
    ASSERT_TRUE(Send(fixedToBob + "A1>"));
    EXPECT_EQ(host.Seen,
              (Lines{"show Orvane E-Mail Send", "status Connecting", "status Encoding Message",
                     "status Sending Message", "status 100% Transferred", "status Message Sent",
                     "status Disconnecting", "close"}));
    EXPECT_EQ(Rcpts(), Lines{"<bob@example.org>"});
    EXPECT_NE(host.Peer.Data.find("\r\nSubject: No Subject\r\n"), std::string::npos);
    EXPECT_NE(host.Peer.Data.find("\r\nX-Mailer: Orvane\r\n"), std::string::npos);
    EXPECT_NE(host.Peer.Data.find("\r\n\r\nLine one\r\n"), std::string::npos);
    std::optional<std::string> log = ReadWholeFile(Path("MAILLOG.TXT"));
    ASSERT_TRUE(log);
    EXPECT_TRUE(log->starts_with("From: Me <me@example.org>\r\nTo: Bob <bob@example.org>\r\n"));
    std::vector<MailLogIndexRecord> index =
        DecodeMailLogIndex(ReadWholeFile(Path("MAILLOG.MCI")).value_or(""));
    ASSERT_EQ(index.size(), 1u);
    EXPECT_EQ(index[0].Subject, "No Subject");
    EXPECT_EQ(index[0].When, clock.Now());
    EXPECT_EQ(index[0].Length, static_cast<std::int32_t>(log->size()));

    settings.KeepLog = false;
    fs::remove_all(folder);
    ASSERT_TRUE(Send(fixedToBob + "A1>"));
    EXPECT_FALSE(fs::exists(folder));

    // Blanks of a hand-edited recipient list go neither on the wire nor in a header.
    host = {};
    ASSERT_TRUE(
        Send("<EMAIL:RNR1TO Bob | bob@example.org ;\x01"
             "CC\x01"
             "BL\x01S1Line one\x01\x01"
             "A1>"));
    EXPECT_EQ(Rcpts(), Lines{"<bob@example.org>"});
    EXPECT_NE(host.Peer.Data.find("\r\nTo:       Bob <bob@example.org>\r\n"), std::string::npos);
}

// Whatever keeps the message from going, the status window closes, nothing
// is logged and the macro goes on.
TEST_F(SendMail, FailedSendsAreReportedAndTheMacroGoesOn) {
    struct Case {
        const char* name;
        std::function<void(RecordingHost&)> arrange;
        std::string shown;
    };
    const std::string aborts = " This E-Mail attempt will abort.";
    std::vector<Case> cases = {
        {"no sockets library", [](RecordingHost& h) { h.Winsock = false; },
         "message Winsock Missing: The necessary winsock files are not present on your "
         "computer.  Internet connections cannot be made.  E-Mail cannot be sent."},
        {"no connection", [](RecordingHost& h) { h.Peer.RefuseConnection = true; },
         "text box Error: A connection could not be made to the SMTP Server. You are either not "
         "connected to the Internet or an invalid SMTP Server has been specified. To change the "
         "SMTP Server, please select \"Options | E-Mail Options\" from the main menu of Orvane." +
             aborts},
        {"refused after connecting",
         [](RecordingHost& h) { h.Peer.Replies["RCPT"] = {"550 no such user"}; },
         "message Error: The message could not be sent: 550 no such user." + aborts},
        {"silent after connecting", [](RecordingHost& h) { h.Peer.Replies["DATA"] = {"<silent>"}; },
         "message Error: The message could not be sent: Operation timed out." + aborts},
        // The user stopped the run while the server answered MAIL: the
        // run's end says so, the send says nothing of its own.
        {"cancelled before the server took it",
         [](RecordingHost& h) {
             h.Peer.BeforeEachLine = [&h, lines = 0]() mutable {
                 if (++lines == 3)
                     h.Peer.Cancel();
             };
         },
         "close"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host = {};
        c.arrange(host);
        EXPECT_TRUE(Send(fixedToBob + "A1>"));
        ASSERT_FALSE(host.Seen.empty());
        EXPECT_EQ(host.Seen.back(), c.shown);
        if (host.Winsock && c.shown != "close") {
            EXPECT_EQ(host.Seen[host.Seen.size() - 2], "close");
        }
        EXPECT_FALSE(host.Peer.Connected());
        EXPECT_FALSE(Logged());
    }
    host = {};
    settings.EMailAddress = "";
    EXPECT_TRUE(Send(fixedToBob + "A1>"));
    EXPECT_EQ(host.Seen.back(),
              "message Error: No recipients specified or no return address "
              "specified.  This E-Mail attempt will abort.");
    // An address a reader would take for more than the envelope names.
    host = {};
    settings.EMailAddress = "me@example.org";
    EXPECT_TRUE(
        Send("<EMAIL:RNR1TOBob|bob@example.org, evil@attacker.org;\x01"
             "CC\x01"
             "BL\x01S1Line one\x01\x01"
             "A1>"));
    EXPECT_EQ(host.Seen.back(),
              "message Error: The e-mail address \"bob@example.org, evil@attacker.org\" is not "
              "one plain address (name@domain, at most 254 characters, without blanks, commas, "
              "parentheses, colons, quotes or accented letters)." +
                  aborts);
    EXPECT_TRUE(host.Peer.OpenedHost.empty());
}

TEST_F(SendMail, MissingTextStopsTheMacroBeforeConnecting) {
    struct Case {
        std::string token;
        std::string shown;
    };
    std::vector<Case> cases = {
        {"<EMAIL:RNR1TOa@x;\x01S3\x01"
         "A1>",
         "message Error: There is no text in the clipboard to send. This E-Mail attempt will "
         "abort."},
        {"<EMAIL:RNR1TOa@x;\x01S4" + Path("none.txt") +
             "\x01\x01"
             "A1>",
         "message Error: The text file to use as the E-Mail message body could not be found. "
         "This E-Mail attempt will abort."},
        {fixedToBob + "A2" + Path("none.bin") + ";\x01>",
         "message Error: Cannot open file \"" + Path("none.bin") +
             "\". This E-Mail attempt will abort."},
        {"<EMAIL:RNR2S2A1>", "prompt 1"},  // aborted by the user
    };
    for (const Case& c : cases) {
        host = {};
        EXPECT_FALSE(Send(c.token)) << c.token;
        EXPECT_EQ(host.Seen, Lines{c.shown});
        EXPECT_TRUE(host.Peer.Commands.empty());
    }
}

TEST_F(SendMail, PromptAnswersLandByMeaning) {
    ASSERT_TRUE(ReplaceFileContents(Path("body.txt"), "From a file\r\n\x1A"));
    host.Answers[1] = {"T|to@x;;Name|;\x01", "C|cc@x;\x01", "B|bcc@x;\x01"};
    host.Answers[2] = {"Typed body", "Typed subject", "YES"};
    host.Answers[3] = {Path("body.txt") + ";\x01", "", ""};
    ASSERT_TRUE(Send("<EMAIL:RNR2S2A3>"));
    EXPECT_EQ(Rcpts(), (Lines{"<to@x>", "<cc@x>", "<bcc@x>"}));
    const std::string& data = host.Peer.Data;
    EXPECT_NE(data.find("\r\nCC:       C <cc@x>\r\n"), std::string::npos);
    EXPECT_EQ(data.find("bcc@x"), std::string::npos);
    EXPECT_NE(data.find("\r\nReturn-Receipt-To: <me@example.org>\r\n"), std::string::npos);
    EXPECT_NE(data.find("\r\nSubject: Typed subject\r\n"), std::string::npos);
    EXPECT_NE(data.find("filename=\"body.txt\""), std::string::npos);
    EXPECT_EQ((Lines{host.Seen.begin(), host.Seen.begin() + 3}),
              (Lines{"prompt 1", "prompt 2", "prompt 3"}));

    host = {};
    ASSERT_TRUE(Send("<EMAIL:RNR1TOx@y;\x01S4" + Path("body.txt") +
                     "\x01"
                     "Sub\x01"
                     "A1>"));
    EXPECT_NE(host.Peer.Data.find("\r\n\r\nFrom a file\r\n"), std::string::npos);
    EXPECT_EQ(host.Peer.Data.find('\x1A'), std::string::npos);
    host = {};
    host.Clipboard = "Clipped";
    ASSERT_TRUE(
        Send("<EMAIL:RNR1TOx@y;\x01S3\x01"
             "A1>"));
    EXPECT_NE(host.Peer.Data.find("\r\n\r\nClipped\r\n"), std::string::npos);
}

}  // namespace
}  // namespace orv::player
