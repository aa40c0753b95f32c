#include "editor/commands/email_commands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "common/files.h"
#include "editor/commands/mail_log_view.h"
#include "editor/commands/recipient_list.h"
#include "tests/support/scratch_folder.h"

namespace orv::editor {
namespace {

using Lines = std::vector<std::string>;
const Lines List = {"Ann|ann@x", "Bob|bob@x", "carl@x", "Ann|ann@x"};

EmailInput Chosen(std::string person, std::string address, std::vector<int> rows) {
    EmailInput in;
    in.Sections[0] = {std::move(person), std::move(address), std::move(rows)};
    return in;
}

TEST(EmailCompose, WritesTheChoices) {
    EmailInput asked;
    asked.RecipientMode = 2;
    asked.TextMode = 2;
    asked.AttachMode = 3;
    EmailInput typed = Chosen(" Bo ", " bo@x ", {0, 1});
    typed.Memo = "Line\r\nTwo";
    typed.Subject = " Hi ";
    EmailInput files;
    files.Request = true;
    files.Sections[2].SelectedRows = {2};
    files.TextMode = 4;
    files.FileName = " C:\\t.txt ";
    files.AttachMode = 2;
    files.Attachments = {"C:\\a b.zip", "D:\\c"};
    struct Row {
        EmailInput In;
        std::string Golden;
    } rows[] = {
        {{},
         "<EMAIL:RNR1S1\x01\x01"
         "A1>"},
        {asked, "<EMAIL:RNR2S2A3>"},
        {typed,
         "<EMAIL:RNR1TOBo|bo@x;Ann|ann@x;Bob|bob@x;\x01S1Line\r\nTwo\x01Hi\x01"
         "A1>"},
        {files,
         "<EMAIL:RYR1BLcarl@x;\x01S4C:\\t.txt\x01\x01"
         "A2C:\\a b.zip;D:\\c;\x01>"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Golden);
        EmailOutcome out = ComposeEmail(row.In, List);
        ASSERT_TRUE(out.Accepted()) << out.Refused->Message;
        EXPECT_EQ(out.CommandText, row.Golden);
        EXPECT_EQ(out.Code, CommandCode::EMailSend);
        EXPECT_EQ(out.Raw.TextMode, static_cast<std::int32_t>(row.In.TextMode));
    }
}

// Every part refuses what would end the token, break its parts or split an
// item, and points at the control that holds it.
TEST(EmailCompose, RefusesWhatBreaksTheCommand) {
    auto with = [](auto change) {
        EmailInput in;
        change(in);
        return in;
    };
    const Lines badList = {"a;b|x", "c|d>", "e\x01"};
    struct Row {
        EmailInput In;
        EmailField Focus;
        std::string Says;
    } rows[] = {
        {Chosen("B|o", "b@x", {}), EmailField::ToPerson, "\"|\""},
        {Chosen("B;o", "b@x", {}), EmailField::ToPerson, "\";\""},
        {Chosen("B>o", "b@x", {}), EmailField::ToPerson, "\">\""},
        {Chosen("Bo", "b@x;c", {}), EmailField::ToAddress, "\";\""},
        {Chosen("Bo", "b@x\x01", {}), EmailField::ToAddress, "\";\""},
        {with([](EmailInput& i) { i.Sections[1].Address = "b@x>"; }), EmailField::ccAddress,
         "not one plain address"},
        {Chosen("Bo", "a@x, evil@y", {}), EmailField::ToAddress, "not one plain address"},
        {Chosen("Bo", "x:evil@y", {}), EmailField::ToAddress, "not one plain address"},
        {with([](EmailInput& i) { i.Sections[1].SelectedRows = {0}; }), EmailField::ccList,
         "\";\""},
        {with([](EmailInput& i) { i.Sections[2].SelectedRows = {1}; }), EmailField::BlindList,
         "\">\""},
        {with([](EmailInput& i) { i.Sections[2].SelectedRows = {2}; }), EmailField::BlindList,
         "code 1"},
        {with([](EmailInput& i) { i.Memo = "a>b"; }), EmailField::MyMemo, "\">\""},
        {with([](EmailInput& i) { i.Memo = "a\x01"; }), EmailField::MyMemo, "code 1"},
        {with([](EmailInput& i) { i.Subject = "re: >"; }), EmailField::Subject, "\">\""},
        {with([](EmailInput& i) { i.TextMode = 4, i.FileName = "C:\\a\x01"; }),
         EmailField::FileName, "code 1"},
        {with([](EmailInput& i) { i.AttachMode = 2, i.Attachments = {"C:\\a;b"}; }),
         EmailField::AttachBox, "\";\""},
        {with([](EmailInput& i) { i.AttachMode = 2, i.Attachments = {"C:\\a>b"}; }),
         EmailField::AttachBox, "\">\""},
        {with([](EmailInput& i) { i.Memo = std::string(4983, 'm'); }), EmailField::MyMemo, "5,000"},
    };
    for (const Row& row : rows) {
        EmailOutcome out = ComposeEmail(row.In, badList);
        ASSERT_TRUE(out.Refused) << row.Says;
        EXPECT_EQ(out.Refused->Focus, row.Focus) << out.Refused->Message;
        EXPECT_NE(out.Refused->Message.find(row.Says), std::string::npos) << out.Refused->Message;
        EXPECT_EQ(out.CommandText, "");
    }
    // The parts a mode does not use are not checked: their text is not written.
    EmailInput unused = with([](EmailInput& i) {
        i.RecipientMode = 2, i.Sections[0].Person = "B|>";
        i.TextMode = 3, i.Memo = ">";
    });
    EXPECT_TRUE(ComposeEmail(unused, badList).Accepted());
    // 5,000 characters fit a script.
    EXPECT_EQ(ComposeEmail(with([](EmailInput& i) { i.Memo = std::string(4982, 'm'); }), {})
                  .CommandText.size(),
              5000u);
}

TEST(EmailDecode, ShowsWhatTheListStillHolds) {
    // The typed recipient and two rows come back; a doubled line selects its
    // first row only.
    DecodedEmail typed = DecodeEmail(
        "<EMAIL:RNR1TOBo|bo@x;Ann|ann@x;Bob|bob@x;\x01S1Hi\x01S\x01"
        "A1>",
        List);
    EXPECT_EQ(typed.Input.Sections[0], (EmailSection{"Bo", "bo@x", {0, 1}}));
    EXPECT_TRUE(typed.Dropped.empty());
    EXPECT_EQ(ComposeEmail(typed.Input, List).CommandText,
              "<EMAIL:RNR1TOBo|bo@x;Ann|ann@x;Bob|bob@x;\x01S1Hi\x01S\x01"
              "A1>");

    // Recipients removed from the list: the first fills the empty edits, the
    // next is named.
    DecodedEmail removed =
        DecodeEmail("<EMAIL:RNR1CCgone|g@x;carl@x;left@x;\x01S2A2C:\\a;C:\\b;\x01>", List);
    EXPECT_EQ(removed.Input.Sections[1], (EmailSection{"gone", "g@x", {2}}));
    EXPECT_EQ(removed.Dropped, Lines{"left@x"});
    EXPECT_NE(DroppedRecipientsNotice(removed.Dropped).find("\"left@x\""), std::string::npos);
    EXPECT_EQ(removed.Input.TextMode, 2u);
    EXPECT_EQ(removed.Input.Attachments, (Lines{"C:\\a", "C:\\b"}));
}

TEST(EmailRecipient, ChecksOneEntry) {
    struct Row {
        std::string Name, Address;
        std::string Line;
        std::optional<RecipientField> Refused;
        bool AskAboutAt;
    } rows[] = {
        {" Ann ", " ann@x ", "Ann|ann@x", std::nullopt, false},
        {"", "ann", "|ann", std::nullopt, true},
        {"Ann", "  ", "", RecipientField::Address, false},
        {"A|nn", "ann@x", "", RecipientField::Name, false},
        {"A;nn", "ann@x", "", RecipientField::Name, false},
        {"Ann", "ann@x;b@x", "", RecipientField::Address, false},
        {"Ann", "ann@x (evil@y)", "", RecipientField::Address, false},
        {"Ann", "ann;x", "", RecipientField::Address, false},
    };
    for (const Row& row : rows) {
        RecipientCheck check = CheckRecipient(row.Name, row.Address);
        EXPECT_EQ(check.Line, row.Line);
        EXPECT_EQ(check.Refused ? std::optional(check.Refused->Focus) : std::nullopt, row.Refused)
            << row.Name;
        EXPECT_EQ(check.AskAboutAt, row.AskAboutAt) << row.Address;
    }
    EXPECT_EQ(CheckRecipient("", "").Refused->Message,
              "No e-mail address specified.  Please correct.");
}

TEST(EmailOptions, PortIsAWholeNumberAServerCanListenOn) {
    EXPECT_EQ(ParseSmtpPort(" 25 "), 25);
    EXPECT_EQ(ParseSmtpPort("587"), 587);
    EXPECT_EQ(ParseSmtpPort("65535"), 65535);
    for (const char* bad : {"", "0", "-1", "65536", "2x", "x"})
        EXPECT_FALSE(ParseSmtpPort(bad)) << bad;
}

TEST(RecipientListFile, KeepsLinesWholeAndSortsIgnoringCase) {
    orv::testing::ScratchFolder folder("recipients");
    const std::string path = InFolder(folder.Path(), "ORVEMAIL.TXT");
    EXPECT_TRUE(RecipientList::Read(path).Lines.empty());
    ASSERT_TRUE(ReplaceFileContents(path, "zed|z@x\r\nann|a@x\nBob|b@x\r" + std::string(300, 'L')));
    RecipientList list = RecipientList::Read(path);
    list.Sort();
    EXPECT_EQ(list.Lines, (Lines{"ann|a@x", "Bob|b@x", std::string(300, 'L'), "zed|z@x"}));
    ASSERT_TRUE(list.Write(path));
    EXPECT_EQ(RecipientList::Read(path).Lines, list.Lines);
    EXPECT_EQ(ReadWholeFile(path)->substr(0, 9), "ann|a@x\r\n");
    EXPECT_FALSE(list.Write(InFolder(folder.Path(), "missing/ORVEMAIL.TXT")));
    // A read-only list keeps what it held.
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    EXPECT_FALSE(RecipientList{{"new|n@x"}}.Write(path));
    EXPECT_EQ(RecipientList::Read(path).Lines, list.Lines);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

class MailLogViewTest : public ::testing::Test {
  protected:
    orv::testing::ScratchFolder folder{"maillog"};
    std::string log = InFolder(folder.Path(), "MAILLOG.TXT");

    void WriteIndex(const std::vector<MailLogIndexRecord>& records, std::size_t extra = 0) {
        std::string bytes;
        for (const MailLogIndexRecord& r : records) {
            MailLogIndexRecord::Image image = r.Encode();
            bytes.append(image.begin(), image.end());
        }
        ASSERT_TRUE(ReplaceFileContents(MailLogIndexPath(log), bytes + std::string(extra, 'x')));
    }
};

TEST_F(MailLogViewTest, OneRowPerWholeRecord) {
    MailLogView none = MailLogView::Load(log);
    EXPECT_TRUE(none.NoRecords);
    ASSERT_EQ(none.Rows.size(), 1u);
    EXPECT_EQ(none.Rows[0].Flags, "NNN");

    MailLogIndexRecord r;
    r.ToName = "Ann";
    r.Subject = "Hi";
    r.When = 45000.5;
    r.HasAttachments = 1;
    r.HasBCC = 7;
    WriteIndex({r}, 7);  // 200 bytes: one record and a part of one
    MailLogView view = MailLogView::Load(log);
    EXPECT_FALSE(view.NoRecords);
    ASSERT_EQ(view.Rows.size(), 1u);
    const MailLogRow& row = view.Rows[0];
    EXPECT_EQ(row.When, 45000.5);
    const char* cells[] = {"Ann", "when", "Hi", "x", "", "x", ""};
    for (int col = 0; col < 7; ++col) EXPECT_EQ(MailLogCellText(row, col, "when"), cells[col]);
    EXPECT_EQ(MailLogTitle(5), "bcc");

    for (double when : {std::nan(""), 1e300, -1e9}) {
        r.When = when;
        WriteIndex({r});
        EXPECT_FALSE(MailLogView::Load(log).Rows[0].When) << when;
    }
}

TEST_F(MailLogViewTest, AMessageIsTheLogsBytesWhereTheIndexSays) {
    EXPECT_EQ(ReadLoggedMessage(log, 0, 1).Error, LogOpenFailedMessage);
    ASSERT_TRUE(ReplaceFileContents(log, std::string("first\r\nsec\0nd\r\n", 15)));
    struct Row {
        std::int32_t Offset, Length;
        std::string Text, Error;
    } rows[] = {
        {7, 8, std::string("sec\0nd\r\n", 8), ""},
        {7, 2147483647, std::string("sec\0nd\r\n", 8), ""},
        {15, 4, "", ""},
        {16, 1, "", LogTruncatedMessage},
        {-1, 1, "", LogTruncatedMessage},
        {0, -5, "", LogTruncatedMessage},
    };
    for (const Row& row : rows) {
        LoggedMessage m = ReadLoggedMessage(log, row.Offset, row.Length);
        EXPECT_EQ(m.Text, row.Text) << row.Offset;
        EXPECT_EQ(m.Error, row.Error) << row.Offset;
    }
}

}  // namespace
}  // namespace orv::editor
