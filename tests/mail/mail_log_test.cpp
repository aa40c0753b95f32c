#include <gtest/gtest.h>

#include <filesystem>

#include "common/files.h"
#include "mail/mail_log.h"

namespace orv::player {
namespace {

namespace fs = std::filesystem;

class MailLog : public ::testing::Test {
  protected:
    MailLog() {
        fs::remove_all(folder);
        fs::create_directories(folder);
        m.Sender.Name = "Me";
        m.Sender.Address = "me@x";
    }
    ~MailLog() override { fs::remove_all(folder); }

    std::string folder = (fs::path(::testing::TempDir()) / "orvmaillog").string();
    std::string log = (fs::path(folder) / "MAILLOG.TXT").string();
    std::string index = (fs::path(folder) / "MAILLOG.MCI").string();
    TmsMessage m;
};

TEST_F(MailLog, EntriesFollowEachOtherAndTheIndexPointsAtThem) {
    m.Recipients.Add("a@x", "Ann");
    m.Recipients.Add("b@x", "Bob");
    m.BCC.Add("h@x", "");
    TmsAttItem att;
    att.FileName = "C:\\a.txt";
    m.Attachments.AddItem(att);
    m.Attachments.AddItem(att);
    m.Subject = std::string(60, 's');
    m.Body = {"one", "two"};
    std::string first =
        "From: Me <me@x>\r\n"
        "To: Ann <a@x>\r\n"
        "    Bob <b@x>\r\n"
        "cc: \r\n"
        "blind cc:  <h@x>\r\n"
        "Attachments: C:\\a.txt\r\n"
        "             C:\\a.txt\r\n"
        "Subject: " +
        std::string(60, 's') +
        "\r\n"
        "Body: one\r\n"
        "two\r\n";
    WriteMailLog(m, log, 46000.25);

    TmsMessage second;
    second.Sender = m.Sender;
    second.CC.Add("c@x", "C");
    second.CC.Add("d@x", "D");
    std::string secondEntry =
        "From: Me <me@x>\r\n"
        "To: \r\n"
        "cc: C <c@x>\r\n"
        "    D <d@x>\r\n"
        "blind cc: \r\n"
        "Attachments: \r\n"
        "Subject: \r\n"
        "Body: \r\n";  // an empty body still ends its line
    WriteMailLog(second, log, 46001);
    EXPECT_EQ(ReadWholeFile(log), first + secondEntry);

    MailLogIndexRecord r1;
    r1.ToName = "Ann";
    r1.ToAddress = "a@x";
    r1.When = 46000.25;
    r1.Subject = std::string(50, 's');
    r1.Length = static_cast<std::int32_t>(first.size());
    r1.HasAttachments = 1;
    r1.HasBCC = 1;
    MailLogIndexRecord r2;
    r2.When = 46001;
    r2.Offset = r1.Length;
    r2.Length = static_cast<std::int32_t>(secondEntry.size());
    r2.HasCC = 1;
    std::optional<std::string> bytes = ReadWholeFile(index);
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 2 * MailLogIndexRecord::Size);
    EXPECT_EQ(DecodeMailLogIndex(*bytes), (std::vector{r1, r2}));
}

TEST_F(MailLog, TornIndexTailIsOverwritten) {
    MailLogIndexRecord earlier;
    earlier.Subject = "earlier";
    auto image = earlier.Encode();
    ASSERT_TRUE(ReplaceFileContents(
        index, std::string(image.begin(), image.end()) + std::string(100, '\xEE')));
    WriteMailLog(m, log, 1);
    std::optional<std::string> bytes = ReadWholeFile(index);
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 2 * MailLogIndexRecord::Size);
    std::vector<MailLogIndexRecord> records = DecodeMailLogIndex(*bytes);
    EXPECT_EQ(records[0], earlier);
    EXPECT_EQ(records[1].When, 1);
    EXPECT_EQ(records[1].Offset, 0);
}

TEST_F(MailLog, LogThatCannotBeCreatedWritesNothing) {
    std::string missing = (fs::path(folder) / "no" / "LOG.TXT").string();
    WriteMailLog(m, missing, 1);
    EXPECT_FALSE(fs::exists(fs::path(folder) / "no"));
}

}  // namespace
}  // namespace orv::player
