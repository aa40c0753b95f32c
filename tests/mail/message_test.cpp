#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "common/date_time.h"
#include "mail/codings.h"
#include "mail/mail_errors.h"
#include "mail/message.h"

namespace orv::player {
namespace {

using Lines = std::vector<std::string>;

class FixedContentTypes final : public ContentTypeSource {
  public:
    FixedContentTypes() { SetCurrentContentTypes(this); }
    ~FixedContentTypes() override { SetCurrentContentTypes(nullptr); }
    std::string ContentTypeOf(std::string_view ext) const override {
        static const std::map<std::string, std::string, std::less<>> types = {
            {".txt", "text/plain"}, {".gif", "image/gif"}, {".eml", "message/rfc822"}};
        auto it = types.find(ext);
        return it == types.end() ? "" : it->second;
    }
};

MessageStamp Stamp() {
    return {EncodeDateTime(2026, 12, 9, 5, 4, 3), -90, "TOKEN"};
}

std::string Repeat(std::string_view s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

Lines Encoded(const TmsMessage& m) {
    Lines lines;
    m.Encode([&](std::string_view l) { lines.emplace_back(l); }, Stamp());
    return lines;
}

TmsAttItem Attachment(std::string name, std::string data) {
    TmsAttItem a;
    a.SetFileName(name);
    a.Data = std::move(data);
    return a;
}

class Message : public ::testing::Test {
  protected:
    Message() {
        m.Sender.Address = "me@example.com";
        m.Sender.Name = "Me";
        m.Recipients.Add("you@example.com", "You");
    }
    FixedContentTypes types;
    TmsMessage m;
};

TEST_F(Message, HeaderBlockAndPlainBody) {
    m.Recipients.Add("smith@example.com", "Smith, John");
    m.Recipients.Add("dot@example.com", "J. Dot");
    m.CC.Add("cc@example.com", "");
    m.BCC.Add("hidden@example.com", "Hidden");
    m.ReturnReceipt = true;
    m.Priority = TPriority::ptHigh;
    m.Headers.Add("X-Mailer: Orvane");
    m.Headers.Add("Subject: dropped");
    m.Subject = "Hello";
    m.SetBodyText("line one\r\nline two");
    EXPECT_EQ(Encoded(m), (Lines{
                              "From:     Me <me@example.com>",
                              "To:       You <you@example.com>,",
                              "          \"Smith, John\" <smith@example.com>,",
                              "          \"J. Dot\" <dot@example.com>",
                              "CC:        <cc@example.com>",
                              "Return-Receipt-To: <me@example.com>",
                              "X-Priority: 1",
                              "X-Mailer: Orvane",
                              "Subject: Hello",
                              "Date: Wed, 09 Dec 2026 05:04:03 -0130",
                              "Message-ID: <20261209050403.TOKEN@example.com>",
                              "Mime-Version: 1.0",
                              "Content-Type: text/plain; charset=\"us-ascii\"",
                              "Content-Transfer-Encoding: 7bit",
                              "",
                              "line one",
                              "line two",
                          }));
}

TEST_F(Message, NamesThatAreNoPlainPhraseAreQuoted) {
    m.Recipients.Clear();
    m.Recipients.Add("a@x", "Say \"hi\" \\ bye");
    // Quotes already there are text: "a"b" would otherwise add a mailbox.
    m.Recipients.Add("b@x", "\"a\"b\"");
    m.Recipients.Add("c@x", "Ren\xE9");
    // Text that looks like an encoded word is encoded, to read as itself.
    m.Recipients.Add("d@x", "=?utf-8?B?QQ==?=");
    Lines lines = Encoded(m);
    EXPECT_EQ(lines[1], "To:       \"Say \\\"hi\\\" \\\\ bye\" <a@x>,");
    EXPECT_EQ(lines[2], "          \"\\\"a\\\"b\\\"\" <b@x>,");
    EXPECT_EQ(lines[3], "          =?windows-1252?B?UmVu6Q==?= <c@x>,");
    EXPECT_EQ(lines[4], "          =?us-ascii?B?PT91dGYtOD9CP1FRPT0/PQ==?= <d@x>");
}

// The system's code page names 8-bit text wherever it goes.
TEST_F(Message, EightBitTextDeclaresTheSystemCharacterSet) {
    for (const char* charset : {"windows-1252", "windows-1251"}) {
        SetCurrentTextCharset({charset, {}});
        std::string label = charset;
        m.Subject = "Caf\xE9";
        m.SetBodyText("caf\xE9 au lait");
        m.Attachments.Clear();
        Lines lines = Encoded(m);
        EXPECT_EQ(lines[2], "Subject: =?" + label + "?B?Q2Fm6Q==?=");
        EXPECT_EQ(lines[6], "Content-Type: text/plain; charset=\"" + label + "\"");
        EXPECT_EQ(lines[7], "Content-Transfer-Encoding: quoted-printable");
        EXPECT_EQ(lines[9], "caf=E9 au lait");
        m.Attachments.AddItem(Attachment("\xE9.gif", "g"));
        lines = Encoded(m);
        EXPECT_NE(std::find(lines.begin(), lines.end(),
                            "Content-Type: image/gif; name*=" + label + "''%E9.gif"),
                  lines.end());
    }
    SetCurrentTextCharset({});
}

TEST_F(Message, LongLineMakesTheBodyQuotedPrintable) {
    m.Body = {std::string(256, 'x')};
    Lines lines = Encoded(m);
    EXPECT_EQ(lines[5], "Content-Type: text/plain; charset=\"us-ascii\"");
    EXPECT_EQ(lines[6], "Content-Transfer-Encoding: quoted-printable");
    m.Body = {std::string(255, 'x')};
    EXPECT_EQ(Encoded(m)[6], "Content-Transfer-Encoding: 7bit");
}

TEST_F(Message, DotLinesAreWrittenAsTheyAre) {
    m.Body = {".", ".x", "x"};
    Lines lines = Encoded(m);
    EXPECT_EQ(Lines(lines.end() - 3, lines.end()), (Lines{".", ".x", "x"}));
}

TEST_F(Message, ContentTypeFollowsTheAttachments) {
    m.Body = {"text"};
    EXPECT_EQ(m.ContentType(), "text/plain");
    m.Attachments.AddItem(Attachment("C:\\pics\\a.gif", "GIF"));
    EXPECT_EQ(m.ContentType(), "multipart/mixed");
    m.Body.clear();
    EXPECT_EQ(m.ContentType(), "image/gif");
    m.Attachments.AddItem(Attachment("b.txt", "t"));
    EXPECT_EQ(m.ContentType(), "multipart/mixed");
    m.Encoding = TMsgEncoding::meUU;
    EXPECT_EQ(m.ContentType(), "");
}

TEST_F(Message, AttachmentEncodingFollowsTheRegisteredType) {
    EXPECT_EQ(Attachment("a.TXT", "").Encoding, AttEncoding::Base64);  // extension as given
    EXPECT_EQ(Attachment("a.txt", "").Encoding, AttEncoding::QuotedPrintable);
    // A stored message keeps its bytes only encoded, which its own type forbids.
    EXPECT_EQ(Attachment("a.eml", "").Encoding, AttEncoding::Base64);
    EXPECT_EQ(Attachment("a.eml", "").ContentType, "application/octet-stream");
    TmsAttItem unknown = Attachment("dir.d/noext", "");
    EXPECT_EQ(unknown.ContentType, "application/octet-stream");
    EXPECT_EQ(unknown.Encoding, AttEncoding::Base64);
}

TEST_F(Message, SingleAttachmentWithoutBodyIsTheWholeBody) {
    m.Attachments.AddItem(Attachment("C:\\pics\\a.gif", std::string(57, 'g')));
    Lines lines = Encoded(m);
    Lines tail(lines.begin() + 5, lines.end());
    EXPECT_EQ(
        tail,
        (Lines{"Content-Type: image/gif; name=\"a.gif\"", "Content-Transfer-Encoding: Base64",
               "Content-Disposition: attachment; filename=\"a.gif\"", "", Repeat("Z2dn", 19)}));
}

TEST_F(Message, MultipartKeepsEveryPartExact) {
    m.Body = {"body"};
    m.Attachments.AddItem(Attachment("a.txt", "one\ntwo\n"));
    m.Attachments.AddItem(Attachment("e.bin", ""));
    Lines lines = Encoded(m);
    ASSERT_GE(lines.size(), 6u);
    std::string head = lines[5];
    ASSERT_TRUE(head.starts_with("Content-Type: multipart/mixed; boundary=\"")) << head;
    std::string b = head.substr(head.size() - 9, 8);
    for (char c : b) EXPECT_TRUE(c >= '0' && c <= '8');
    EXPECT_EQ(Lines(lines.begin() + 6, lines.end()),
              (Lines{"",
                     "This is a multipart message in MIME format",
                     "",
                     "--" + b,
                     "Content-Type: text/plain; charset=\"us-ascii\"",
                     "Content-Transfer-Encoding: 7bit",
                     "",
                     "body",
                     "",
                     "--" + b,
                     "Content-Type: text/plain; name=\"a.txt\"",
                     "Content-Transfer-Encoding: Quoted-Printable",
                     "Content-Disposition: attachment; filename=\"a.txt\"",
                     "",
                     "one",
                     "two",
                     "",
                     "--" + b,
                     "Content-Type: application/octet-stream; name=\"e.bin\"",
                     "Content-Transfer-Encoding: Base64",
                     "Content-Disposition: attachment; filename=\"e.bin\"",
                     "",
                     "",
                     "--" + b + "--"}));
}

TEST_F(Message, AlternativePartsNestInsideTheMixedOnes) {
    m.Body = {"body"};
    m.Attachments.AddItem(Attachment("_alt.txt", "plain\n"));
    m.Attachments.AddItem(Attachment("_ALT.htm", "<b>html</b>\n"));
    m.Attachments.AddItem(Attachment("x.txt", "file\n"));
    Lines delimiters;
    for (const std::string& line : Encoded(m)) {
        if (line.starts_with("--"))
            delimiters.push_back(line);
    }
    ASSERT_EQ(delimiters.size(), 7u);
    std::string outer = delimiters[0], inner = delimiters[1];
    EXPECT_NE(outer, inner);
    EXPECT_EQ(delimiters, (Lines{outer, inner, inner, inner, inner + "--", outer, outer + "--"}));
}

TEST_F(Message, HtmlBodyFileIsTheMessageItself) {
    m.Attachments.AddItem(Attachment("C:\\w\\_HtmBody.htm", "<p>hi</p>"));
    EXPECT_EQ(m.ContentType(), "text/html");
    Lines lines = Encoded(m);
    EXPECT_EQ(Lines(lines.begin() + 5, lines.end()),
              (Lines{"Content-Type: text/html", "Content-Transfer-Encoding: Base64", "",
                     "PHA+aGk8L3A+"}));
}

TEST_F(Message, UuencodeEndsEveryFileWithOneEmptyLineAndEnd) {
    m.Encoding = TMsgEncoding::meUU;
    m.Body = {"see files"};
    m.Attachments.AddItem(Attachment("C:\\x\\full.bin", std::string(90, 'u')));
    m.Attachments.AddItem(Attachment("empty.bin", ""));
    Lines lines = Encoded(m);
    Lines tail(lines.begin() + 4, lines.end());
    std::string full = "M" + Repeat("=75U", 15);
    EXPECT_EQ(tail, (Lines{"", "see files", "", "begin 600 full.bin", full, full, "`", "end", "",
                           "begin 600 empty.bin", "`", "end"}));
    for (const std::string& l : lines) {
        EXPECT_FALSE(l.starts_with("Mime-Version"));
        EXPECT_FALSE(l.starts_with("Content-Type"));
    }
}

// The dialogue has no 8BITMIME and servers take lines of at most 998: a body
// that is not plain short text goes quoted-printable, the files with it.
TEST_F(Message, UuencodeBodyThatIsNoPlainTextIsQuoted) {
    m.Encoding = TMsgEncoding::meUU;
    m.Body = {"na\xEFve", std::string(1200, 'x')};
    m.Attachments.AddItem(Attachment("na\xEFve=1.bin", "="));
    Lines lines = Encoded(m);
    Lines tail(lines.begin() + 4, lines.end());
    ASSERT_EQ(tail.size(), 26u);
    EXPECT_EQ(Lines(tail.begin(), tail.begin() + 5),
              (Lines{"Mime-Version: 1.0", "Content-Type: text/plain; charset=\"windows-1252\"",
                     "Content-Transfer-Encoding: quoted-printable", "", "na=EFve"}));
    EXPECT_EQ(tail[5], std::string(75, 'x') + "=");
    EXPECT_EQ(Lines(tail.end() - 5, tail.end()),
              (Lines{"", "begin 600 na=EFve=3D1.bin", "!/0", "`", "end"}));
    m.Body = {std::string(998, 'x'), "\x1B$B"};
    EXPECT_EQ(Encoded(m)[4], "Mime-Version: 1.0");  // ESC is no US-ASCII text
    m.Body = {std::string(998, 'x')};
    EXPECT_EQ(Encoded(m)[5], "Content-Type: text/plain; charset=\"windows-1252\"");
    m.Attachments.Clear();
    EXPECT_EQ(Encoded(m)[5], std::string(998, 'x'));
}

TEST_F(Message, ControlBytesInTheBodyAreQuoted) {
    m.Body = {
        std::string("a\0b\x1B"
                    "c\x7F",
                    6)};
    Lines lines = Encoded(m);
    EXPECT_EQ(lines[6], "Content-Transfer-Encoding: quoted-printable");
    EXPECT_EQ(lines.back(), "a=00b=1Bc=7F");
}

TEST_F(Message, HeaderLinesFoldAtBlanks) {
    m.Subject = std::string(255, '\xE9');
    m.Recipients.Add("long@x", std::string(40, 'a') + " " + std::string(40, 'b'));
    m.Sender.Name = std::string(90, '\xE8');
    m.CC.Add("cc@x", "=?utf-8?Q?" + std::string(60, 'q') + "?=");
    m.Body = {"b"};
    Lines lines = Encoded(m);
    std::string subject;
    for (std::size_t i = 0; i < lines.size() && !lines[i].empty(); ++i) {
        EXPECT_LE(lines[i].size(), 78u) << lines[i];
        if (lines[i].starts_with("Subject:")) {
            subject = lines[i];
            while (lines[i + 1].starts_with(" ")) subject += lines[++i];
        }
    }
    EXPECT_EQ(subject,
              "Subject: " + EncodeHeaderText(std::string(255, '\xE9'), CurrentTextCharset()));
}

// A quoted string folded across lines is taken apart by some readers, which
// then show its text as further mailboxes.
TEST_F(Message, QuotedStringsAreNeverFolded) {
    std::string name = std::string(60, 'w') + " <evil@attacker.org> x: y";
    m.Recipients.Add("two@x", name);
    m.Attachments.AddItem(Attachment(std::string(70, 'n') + " x.gif", "g"));
    m.Body = {"b"};
    Lines lines = Encoded(m);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "          \"" + name + "\""), lines.end());
    EXPECT_NE(
        std::find(lines.begin(), lines.end(), " filename=\"" + std::string(70, 'n') + " x.gif\""),
        lines.end());
}

// A continuation line of blanks and tabs only would end the header block for
// readers.
TEST_F(Message, WhiteSpaceIsNeverFoldedOffAlone) {
    std::string tabbed = "Tabs";
    for (int i = 0; i < 110; ++i) tabbed += " \t";
    for (std::string subject : {"a" + std::string(254, ' '), "a b" + std::string(200, ' '),
                                std::string(100, 'w') + std::string(150, ' '),
                                "a" + std::string(100, ' ') + "\t", tabbed + "end"}) {
        m.Subject = subject;
        Lines lines = Encoded(m);
        std::string unfolded;
        for (std::size_t i = 0; i < lines.size() && !lines[i].empty(); ++i) {
            EXPECT_NE(lines[i].find_first_not_of(" \t"), std::string::npos) << i;
            if (lines[i].starts_with("Subject:") || (!unfolded.empty() && lines[i][0] == ' '))
                unfolded += lines[i];
        }
        EXPECT_EQ(unfolded, "Subject: " + subject);
    }
}

TEST(ContentTypes, OnlyWellFormedTypesReachAPartHeader) {
    struct Row {
        const char* registered;
        const char* written;
    } rows[] = {
        {"image/gif", "image/gif"},
        {"text/plain; charset=utf-8", "text/plain; charset=utf-8"},
        {"application/vnd.ms-excel", "application/vnd.ms-excel"},
        {"text/plain\r\nX-Evil: 1", "application/octet-stream"},
        {"text/plain; a=b\r\n\r\nbody", "application/octet-stream"},
        {"text/plain; a=\x1B", "application/octet-stream"},
        {"text", "application/octet-stream"},
        {"text/", "application/octet-stream"},
        {"/plain", "application/octet-stream"},
        {"text plain/x", "application/octet-stream"},
        {"te\xE9xt/plain", "application/octet-stream"},
        {"text/plain; name=caf\xE9", "application/octet-stream"},
        {"text/pl\"ain", "application/octet-stream"},
        {"multipart/mixed", "application/octet-stream"},
        {"", "application/octet-stream"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CheckedContentType(row.registered), row.written) << row.registered;
}

class RegisteredTypes final : public ContentTypeSource {
  public:
    explicit RegisteredTypes(std::string type) : type_(std::move(type)) {
        SetCurrentContentTypes(this);
    }
    ~RegisteredTypes() override { SetCurrentContentTypes(nullptr); }
    std::string ContentTypeOf(std::string_view) const override { return type_; }

  private:
    std::string type_;
};

TEST_F(Message, ARegisteredTypeThatWouldAddHeaderLinesIsNotWritten) {
    RegisteredTypes evil("image/gif\r\nX-Evil: 1\r\n\r\nearly body");
    m.Attachments.AddItem(Attachment("a.xyz", "data"));
    EXPECT_EQ(m.Attachments.Items(0).ContentType, "application/octet-stream");
    m.Body = {"b"};
    for (const std::string& line : Encoded(m)) EXPECT_EQ(line.find("Evil"), std::string::npos);
    RegisteredTypes padded(" image/png ");
    EXPECT_EQ(ContentTypeOfFile("a.png"), "image/png");
}

TEST_F(Message, AttachmentNamesAQuotedStringCannotCarryAreEncoded) {
    m.Body = {"b"};
    m.Attachments.AddItem(Attachment("C:\\na\xEFve \"x\".txt", "t"));
    // Readers decode an encoded word even inside quotes.
    m.Attachments.AddItem(Attachment("C:\\=?us-ascii?Q?a.txt?=", "t"));
    Lines lines = Encoded(m);
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        " filename*=windows-1252''%3D%3Fus-ascii%3FQ%3Fa.txt%3F%3D"),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "Content-Type: text/plain; name*=windows-1252''na%EFve%20%22x%22.txt"),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "Content-Disposition: attachment; "
                        "filename*=windows-1252''na%EFve%20%22x%22.txt"),
              lines.end());
}

TEST_F(Message, EveryUserLineOfAHeaderTheWriterOwnsIsDropped) {
    m.Headers.Add("BCC: first@x");
    m.Headers.Add("X-Keep: 1");
    m.Headers.Add("bcc: second@x");
    for (const std::string& line : Encoded(m))
        EXPECT_EQ(line.find("@x"), std::string::npos) << line;
}

void ExpectRefused(const TmsMessage& m, const std::string& text) {
    try {
        m.Validate();
        ADD_FAILURE() << "accepted; expected: " << text;
    } catch (const EMessageError& e) {
        EXPECT_EQ(e.what(), text);
    }
}

TEST_F(Message, ValidationRefusesWhatCouldChangeTheDialogue) {
    EXPECT_NO_THROW(m.Validate());
    TmsMessage bad = m;
    bad.Sender.Address = "";
    ExpectRefused(bad, "The address of sender is required");
    bad = m;
    bad.Recipients.Clear();
    bad.BCC.Add("", "Nobody");
    ExpectRefused(bad, "At least one Recipient, CC or BCC must be entered");
    bad.CC.Add("x@y", "");
    ExpectRefused(bad, "The e-mail address of \"Nobody\" is empty");
    bad = m;
    bad.CC.Add("x@y>\r\nRCPT TO:<evil@z", "");
    ExpectRefused(bad,
                  "The e-mail address \"x@y>  RCPT TO:<evil@z\" is not one plain address "
                  "(name@domain, at most 254 characters, without blanks, commas, parentheses, "
                  "colons, quotes or accented letters)");
    // Whatever a reader could take for more mailboxes than the envelope
    // names, or a server would refuse as it stands; an address stored cut
    // short would name another mailbox.
    const std::string longest = std::string(64, 'l') + "@" + std::string(185, 'd') + ".org";
    const std::string tooLong = "l" + longest;
    for (const char* address :
         {"a@example.org, evil@attacker.org", "x:evil@attacker.org", "a@example.org(evil@x)",
          " a@x", "a@x ", "a b@x", "a@x;", "\"a\"@x", "a@b@x", "@x", "a@", "a", "a.@x", "a@x..y",
          "caf\xE9@x", "a@[1.2.3.4]", "a\x1B@x", tooLong.c_str()}) {
        for (TmsAddressList TmsMessage::*list : {&TmsMessage::Recipients, &TmsMessage::BCC}) {
            bad = m;
            (bad.*list).Add(address, "");
            EXPECT_THROW(bad.Validate(), EMessageError) << address;
        }
        bad = m;
        bad.Sender.Address = address;
        EXPECT_THROW(bad.Validate(), EMessageError) << address;
    }
    for (const char* address :
         {"a@x", "first.last+tag@sub.example.org", "o'neil@x-y.org", longest.c_str()}) {
        bad = m;
        bad.Recipients.Add(address, "");
        EXPECT_NO_THROW(bad.Validate()) << address;
    }
    // ESC is text in ISO-2022-JP only.
    bad = m;
    bad.Subject = "\x1B[2Jred";
    ExpectRefused(bad, "The subject holds a line break or another control character");
    bad.Subject = "\x1B$B0!\x1B(B";
    ExpectRefused(bad, "The subject holds a line break or another control character");
    bad.CharSet = TCharSet::csISO2022jp;
    EXPECT_NO_THROW(bad.Validate());
    bad = m;
    bad.Subject = "Hi\r\nBcc: evil@z";
    ExpectRefused(bad, "The subject holds a line break or another control character");
    bad = m;
    bad.Recipients.Add("ok@z", "Name\nX-Evil: 1");
    ExpectRefused(bad,
                  "The name \"Name X-Evil: 1\" holds a line break or another control character");
    bad = m;
    bad.Headers.Add("X-A: 1\rX-B: 2");
    ExpectRefused(bad, "A header line holds a line break or another control character");
    bad = m;
    bad.Headers.Add("X-Long: " + std::string(991, 'l'));
    ExpectRefused(bad, "A header line is longer than 998 characters");
}

TEST_F(Message, ClearKeepsOnlyThePriority) {
    m.Priority = TPriority::ptLow;
    m.Subject = "s";
    m.Body = {"b"};
    m.Encoding = TMsgEncoding::meUU;
    m.Clear();
    EXPECT_TRUE(m.Subject.empty());
    EXPECT_TRUE(m.Body.empty());
    EXPECT_EQ(m.Recipients.Count(), 0);
    EXPECT_EQ(m.Encoding, TMsgEncoding::meMIME);
    EXPECT_EQ(m.Priority, TPriority::ptLow);
    EXPECT_EQ(m.ContentType(), "text/plain");
}

TEST(Attachments, AddFileReadsTheWholeFileOrSaysWhichIsMissing) {
    std::string name = ::testing::TempDir() + "orvane_attachment.bin";
    std::string data("a\0b\r\n\xFF", 6);
    {
        std::ofstream out(name, std::ios::binary);
        out << data;
    }
    TmsAttList list;
    list.AddFile(name);
    std::remove(name.c_str());
    EXPECT_EQ(list.Items(0).Data, data);
    EXPECT_EQ(list.Items(0).FileName, name);
    try {
        list.AddFile(name);
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(e.what(), "Cannot open file \"" + name + "\"");
    }
    EXPECT_EQ(list.Count(), 1);
}

TEST(Headers, RemoveTakesContinuationLinesAlong) {
    TmsHeaders h;
    h.Add("X-A: 1");
    h.Add("subject: old");
    h.Add("\tcontinued");
    h.Add("X-B: 2");
    h.Remove("Subject");
    EXPECT_EQ(h.Lines(), (Lines{"X-A: 1", "X-B: 2"}));
}

}  // namespace
}  // namespace orv::player
