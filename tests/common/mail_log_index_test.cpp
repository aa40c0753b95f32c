#include <gtest/gtest.h>

#include "common/mail_log_index.h"

namespace orv {
namespace {

std::string Bytes(const MailLogIndexRecord& r) {
    MailLogIndexRecord::Image image = r.Encode();
    return std::string(image.begin(), image.end());
}

TEST(MailLogIndex, RecordHasItsExactBytes) {
    MailLogIndexRecord r;
    r.ToName = "Bob";
    r.ToAddress = std::string(60, 'a');  // cut to 50
    r.When = 1.5;                        // 31 December 1899, noon
    r.Subject = "Hi";
    r.Offset = 0x01020304;
    r.Length = -2;
    r.HasAttachments = 1;
    r.HasBCC = 1;
    std::string expected(193, '\0');
    expected.replace(0, 4,
                     "\x03"
                     "Bob");
    expected.replace(51, 51, "\x32" + std::string(50, 'a'));
    expected.replace(102, 8, std::string("\0\0\0\0\0\0\xF8\x3F", 8));
    expected.replace(110, 3, "\x02Hi");
    expected.replace(161, 8, "\x04\x03\x02\x01\xFE\xFF\xFF\xFF");
    expected[169] = 1;
    expected[171] = 1;
    EXPECT_EQ(Bytes(r), expected);
    auto data = reinterpret_cast<const std::uint8_t*>(expected.data());
    MailLogIndexRecord back = MailLogIndexRecord::Decode(ConstBytes(data, 193));
    r.ToAddress = std::string(50, 'a');
    EXPECT_EQ(back, r);
}

TEST(MailLogIndex, WholeRecordsOnly) {
    MailLogIndexRecord a, b;
    a.Subject = "one";
    b.Subject = "two";
    b.Offset = 99;
    std::string file = Bytes(a) + Bytes(b);
    EXPECT_EQ(DecodeMailLogIndex(file), (std::vector{a, b}));
    EXPECT_EQ(DecodeMailLogIndex(file.substr(0, 200)), (std::vector{a}));
    EXPECT_TRUE(DecodeMailLogIndex("").empty());
}

TEST(MailLogIndex, PathBesideTheLog) {
    EXPECT_EQ(MailLogIndexPath("C:\\ORV\\MAILLOG.TXT"), "C:\\ORV\\MAILLOG.MCI");
    EXPECT_EQ(MailLogIndexPath("C:\\LOGS\\SENT"), "C:\\LOGS\\SENT.MCI");
    EXPECT_EQ(MailLogIndexPath("LOG.TEXT"), "LOG.TEXT.MCI");
    EXPECT_EQ(MailLogIndexPath(".TXT"), ".MCI");
    EXPECT_EQ(MailLogIndexPath("A"), "A.MCI");
}

}  // namespace
}  // namespace orv
