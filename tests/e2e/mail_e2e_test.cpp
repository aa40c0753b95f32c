// A macro's e-mail command end to end: the real player sends through the
// sockets library to an SMTP server on this machine, logs what it sent, and
// the macro goes on typing where it typed before.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/files.h"
#include "common/hook_table.h"
#include "common/hotkeys.h"
#include "common/mail_log_index.h"
#include "tests/e2e/e2e_driver.h"
#include "tests/mail/win32/fault_peer.h"
#include "tests/mail/win32/host_peer.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/win32/wait_for.h"

namespace orv::e2e {
namespace {

using testing::WaitFor;

void WriteSetting(const char* section, const char* key, const std::string& value) {
    WritePrivateProfileStringA(section, key, value.c_str(), "ORVAN.INI");
}

class MailEndToEnd : public ::testing::Test {
  protected:
    MailEndToEnd() {
        server.Start();
        const int port = server.Port();
        EXPECT_NE(port, 0) << server.Read("failed.txt");
        WriteSetting("EMail", "SMTP Host", "127.0.0.1");
        WriteSetting("EMail", "SMTP Port", std::to_string(port));
        WriteSetting("EMail", "EMail Name", "Orvane Tester");
        WriteSetting("EMail", "EMail Address", "tester@example.com");
        WriteSetting("EMail", "Attachment Encoding", "0");
        WriteSetting("EMail", "Keep Log", "Yes");
        WriteSetting("Misc", "EMail Log Path", logPath);
    }
    ~MailEndToEnd() override {
        WriteSetting("EMail", "Keep Log", "No");
        WriteSetting("EMail", "SMTP Host", "");
        WriteSetting("Misc", "EMail Log Path", "");
    }

    testing::ScratchFolder folder{"e2email"};
    std::string logPath = InFolder(folder.Path(), "MAILLOG.TXT");
    player::testing::HostPeer server{"smtp"};
    Player player;
};

TEST_F(MailEndToEnd, AHotKeySendsTheMacrosMessageAndTheMacroGoesOn) {
    const std::string attachment = InFolder(folder.Path(), "att.txt");
    const std::string bytes = "attached\r\nbytes\r\n";
    ASSERT_TRUE(ReplaceFileContents(attachment, bytes));
    const std::string script =
        "<EMAIL:RNR1TOBob|bob@example.org;\x01"
        "CC\x01"
        "BL\x01S1Line one\x01\x01"
        "A2" +
        attachment + ";\x01>after";
    std::uint16_t ctrlQ = 0;
    while (ctrlQ < HotKeyCount && KeyName(ctrlQ) != "Ctrl+Q") ++ctrlQ;
    const std::string library =
        WriteLibrary("e2e_mail.ORN", {Macro("Mail", ctrlQ, MacroKind::Global, script)});
    ASSERT_TRUE(player.Start(library)) << "the player did not come up";
    Target target;
    ASSERT_TRUE(target.Start("Mail Pad"));

    ASSERT_TRUE(target.Keys("key ctrl+q")) << "xdotool could not be started";
    EXPECT_TRUE(WaitFor([&] { return target.Text() == "after"; }, 60000))
        << "\"" << target.Text() << "\"";
    EXPECT_TRUE(WaitFor([] { return MasterByte(HookAt::MacroPlaying) == 0; }));
    EXPECT_EQ(FindWindowA(nullptr, "Orvane E-Mail Send"), nullptr);

    ASSERT_TRUE(server.WaitForFile("msg0\\done")) << server.Read("failed.txt");
    const std::string envelope = server.Read("msg0\\envelope.txt");
    EXPECT_NE(envelope.find("RCPT\tbob@example.org\n"), std::string::npos) << envelope;
    const std::string report = server.Read("msg0\\report.txt");
    EXPECT_NE(report.find("HEADER\tSubject\tNo Subject\n"), std::string::npos) << report;
    EXPECT_NE(report.find("HEADER\tX-Mailer\tOrvane\n"), std::string::npos) << report;
    EXPECT_NE(report.find("\tatt.txt\t"), std::string::npos) << report;
    EXPECT_EQ(server.Read("msg0\\part1.bin"), bytes);
    EXPECT_FALSE(server.Exists("msg1\\done"));

    const std::string log = ReadWholeFile(logPath).value_or("");
    EXPECT_TRUE(
        log.starts_with("From: Orvane Tester <tester@example.com>\r\n"
                        "To: Bob <bob@example.org>\r\n"))
        << log;
    EXPECT_NE(log.find("Attachments: " + attachment + "\r\n"), std::string::npos) << log;
    std::vector<MailLogIndexRecord> index =
        DecodeMailLogIndex(ReadWholeFile(MailLogIndexPath(logPath)).value_or(""));
    ASSERT_EQ(index.size(), 1u);
    EXPECT_EQ(index[0].ToName, "Bob");
    EXPECT_EQ(index[0].ToAddress, "bob@example.org");
    EXPECT_EQ(index[0].Subject, "No Subject");
    EXPECT_EQ(index[0].Offset, 0);
    EXPECT_EQ(index[0].Length, static_cast<std::int32_t>(log.size()));
    EXPECT_TRUE(index[0].HasAttachments);

    EXPECT_TRUE(player.Stop()) << "the player did not end";
}

// A server that does not answer MAIL (a slow one) holds the send until the
// time-out; Escape hangs up at once: nothing more is said to the server,
// nothing is logged, and the run ends there.
TEST_F(MailEndToEnd, EscapeDuringASlowSendHangsUpAndNothingIsLogged) {
    player::testing::FaultPeer slow;
    slow.Script("MAIL", "<silent>");
    WriteSetting("EMail", "SMTP Port", std::to_string(slow.Port()));
    const std::string script =
        "<EMAIL:RNR1TOBob|bob@example.org;\x01"
        "CC\x01"
        "BL\x01S1Line one\x01\x01"
        "A1>after";
    const std::string library = WriteLibrary(
        "e2e_mail.ORN", {Macro("Mail", HotKeyNamed("Ctrl+Q"), MacroKind::Global, script)});
    ASSERT_TRUE(player.Start(library)) << "the player did not come up";
    Target target;
    ASSERT_TRUE(target.Start("Mail Pad"));
    ASSERT_TRUE(target.Keys("key ctrl+q"));
    ASSERT_TRUE(WaitFor([&] {
        const std::vector<std::string> said = slow.Commands();
        return !said.empty() && said.back().starts_with("MAIL");
    }));
    ASSERT_TRUE(target.Keys("key Escape"));
    EXPECT_NE(AnswerBox("Macro Abort").find("aborted"), std::string::npos);
    EXPECT_EQ(slow.Commands().back(), "MAIL FROM:<tester@example.com>");
    EXPECT_EQ(target.Text(), "");
    EXPECT_FALSE(std::filesystem::exists(logPath));
    EXPECT_EQ(FindWindowA(nullptr, "Orvane E-Mail Send"), nullptr);
    EXPECT_TRUE(player.Stop()) << "the player did not end";
}

}  // namespace
}  // namespace orv::e2e
