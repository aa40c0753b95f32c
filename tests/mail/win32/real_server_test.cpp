#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <sstream>

#include "common/mail_log_index.h"
#include "mail/codings.h"
#include "mail/mail_command.h"
#include "mail/smtp.h"
#include "mail/win32/socket.h"
#include "tests/mail/recording_mail_host.h"
#include "tests/mail/win32/host_peer.h"

namespace orv {
namespace {

using testing::HostPeer;
using Lines = std::vector<std::string>;

// Types as Windows registers them; the test prefix registers none.
class WindowsLikeTypes final : public ContentTypeSource {
  public:
    WindowsLikeTypes() { SetCurrentContentTypes(this); }
    ~WindowsLikeTypes() override { SetCurrentContentTypes(nullptr); }
    std::string ContentTypeOf(std::string_view ext) const override {
        if (ext == ".eml")
            return "message/rfc822";
        return ext == ".txt" ? "text/plain" : "";
    }
};

std::string RandomBytes(std::mt19937& random, std::size_t n) {
    std::uniform_int_distribution<int> byte(0, 255);
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += static_cast<char>(byte(random));
    return s;
}

// What the server's side wrote about one message.
struct Arrival {
    std::vector<Lines> records;  // tab-separated fields of report.txt
    Lines recipients;
    std::string raw;

    Lines Find(const std::string& kind, const std::string& key) const {
        for (const Lines& r : records) {
            if (r.size() > 1 && r[0] == kind && r[1] == key)
                return r;
        }
        return {};
    }
    std::vector<Lines> All(const std::string& kind) const {
        std::vector<Lines> out;
        for (const Lines& r : records) {
            if (r[0] == kind)
                out.push_back(r);
        }
        return out;
    }
};

Lines Split(const std::string& text, char by) {
    Lines out;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(by, start)) != std::string::npos; start = end + 1) {
        out.push_back(text.substr(start, end - start));
    }
    out.push_back(text.substr(start));
    return out;
}

class RealServer : public ::testing::Test {
  protected:
    RealServer() {
        server.Start();
        int port = server.Port();
        EXPECT_NE(port, 0) << server.Read("failed.txt");
        settings.SMTPHost = "127.0.0.1";
        settings.SMTPPort = port;
        settings.EMailName = "Orvane Tester";
        settings.EMailAddress = "tester@example.com";
        settings.TimeOut = 20;
        smtp.Configure(settings);
        PrepareMessage(m, settings);
    }

    // The folder of the next message to arrive.
    std::string Folder() const { return "msg" + std::to_string(sent_) + "\\"; }

    Arrival SendAndReceive() {
        SendResult r = smtp.Send(m);
        EXPECT_TRUE(r.Sent()) << r.ErrorText;
        return Receive();
    }

    // What the server made of the next message.
    Arrival Receive() {
        std::string folder = Folder();
        ++sent_;
        Arrival a;
        if (!server.WaitForFile(folder + "done")) {
            ADD_FAILURE() << "nothing arrived " << server.Read("failed.txt");
            return a;
        }
        EXPECT_FALSE(server.Exists(folder + "failed.txt")) << server.Read(folder + "failed.txt");
        for (const std::string& line : Split(server.Read(folder + "report.txt"), '\n')) {
            if (!line.empty())
                a.records.push_back(Split(line, '\t'));
        }
        for (const std::string& line : Split(server.Read(folder + "envelope.txt"), '\n')) {
            if (line.starts_with("RCPT\t"))
                a.recipients.push_back(line.substr(5));
        }
        a.raw = server.Read(folder + "raw.eml");
        return a;
    }

    std::string AttachFile(const std::string& name, const std::string& data) {
        server.Write(name, data);
        m.Attachments.AddFile(server.Path(name));
        return data;
    }

    WindowsLikeTypes types;
    MailSettings settings;
    HostPeer server{"smtp"};
    TagSocket socket;
    TmsSMTP smtp{socket};
    TmsMessage m;
    std::mt19937 random{20261209};
    int sent_ = 0;
};

TEST_F(RealServer, MimeMessageArrivesIntact) {
    std::string longLine;
    for (int i = 0; i < 30; ++i) longLine += "word" + std::to_string(i % 10) + "-x=y";
    longLine.resize(300, 'z');
    Lines body = {"First line", ".", ".x", "", "caf\xE9 cr\xE8me", longLine, "last"};
    m.Body = body;
    m.Subject = "R\xE9sum\xE9 of the week";
    m.Recipients.Add("smith@example.com", "Smith, John");
    m.Recipients.Add("ann@example.com", "Ann");
    m.CC.Add("carl@example.com", "Carl");
    m.BCC.Add("hidden@example.com", "Hidden");
    std::string b57 = AttachFile("b57.bin", RandomBytes(random, 57));
    AttachFile("empty.bin", "");
    std::string b58 = AttachFile("b58.bin", RandomBytes(random, 58));
    AttachFile("lf.txt", "one\ntwo\n\nfour\nfive \n");

    Arrival a = SendAndReceive();
    EXPECT_EQ(a.recipients, (Lines{"smith@example.com", "ann@example.com", "carl@example.com",
                                   "hidden@example.com"}));
    std::vector<Lines> addresses = a.All("ADDRESS");
    EXPECT_EQ(addresses,
              (std::vector<Lines>{{"ADDRESS", "From", "Orvane Tester", "tester@example.com"},
                                  {"ADDRESS", "To", "Smith, John", "smith@example.com"},
                                  {"ADDRESS", "To", "Ann", "ann@example.com"},
                                  {"ADDRESS", "CC", "Carl", "carl@example.com"}}));
    EXPECT_EQ(a.raw.find("hidden@"), std::string::npos);
    EXPECT_EQ(a.Find("HEADER", "Subject"),
              (Lines{"HEADER", "Subject", "R\xE9sum\xE9 of the week"}));
    EXPECT_EQ(a.Find("HEADER", "X-Mailer"), (Lines{"HEADER", "X-Mailer", "Orvane"}));
    EXPECT_EQ(a.Find("HEADER", "Date").size(), 3u);
    EXPECT_EQ(a.Find("HEADER", "Message-ID").size(), 3u);

    std::vector<Lines> parts = a.All("PART");
    ASSERT_EQ(parts.size(), 5u);
    EXPECT_EQ(parts[0], (Lines{"PART", "0", "text/plain", "", "iso-8859-1"}));
    std::string text;
    for (const std::string& line : body) text += line + "\r\n";
    EXPECT_EQ(server.Read("msg0\\part0.bin"), text);
    EXPECT_EQ(parts[1][3], "b57.bin");
    EXPECT_EQ(server.Read("msg0\\part1.bin"), b57);
    EXPECT_EQ(parts[2][3], "empty.bin");
    EXPECT_EQ(server.Read("msg0\\part2.bin"), "");
    EXPECT_EQ(parts[3][3], "b58.bin");
    EXPECT_EQ(server.Read("msg0\\part3.bin"), b58);
    EXPECT_EQ(parts[4], (Lines{"PART", "4", "text/plain", "lf.txt", ""}));
    // Text travels with the mail's own line ends; no line is lost or added.
    EXPECT_EQ(server.Read("msg0\\part4.bin"), "one\r\ntwo\r\n\r\nfour\r\nfive \r\n");
}

TEST_F(RealServer, UuencodedFilesDecodeWithUudecode) {
    m.Encoding = TMsgEncoding::meUU;
    m.Recipients.Add("you@example.com", "You");
    m.Body = {"Files follow."};
    std::map<std::string, std::string> files;
    for (int size : {0, 1, 45, 59, 90}) {
        std::string name = "uu" + std::to_string(size) + ".bin";
        files[name] = AttachFile(name, RandomBytes(random, static_cast<std::size_t>(size)));
    }
    Arrival a = SendAndReceive();
    EXPECT_EQ(a.All("UUDECODE").size(), files.size());
    for (const auto& [name, data] : files) {
        EXPECT_EQ(a.Find("UUDECODE", name), (Lines{"UUDECODE", name, "0", ""}));
        EXPECT_TRUE(server.Exists("msg0\\uu\\" + name)) << name;
        EXPECT_EQ(server.Read("msg0\\uu\\" + name), data) << name;
    }
}

// What a hostile name, subject, header or body does to the message, as both
// of the mail package's policies read it.
TEST_F(RealServer, HostileInputArrivesAsWritten) {
    std::string kanji;
    for (int i = 0; i < 97; ++i) kanji += "\x30" + std::string(1, static_cast<char>(0x21 + i % 90));
    std::string stored = "From: a@b\r\nSubject: x\r\n\r\nhello\xE9\r\n.dot\r\n\n bare\r";
    struct Row {
        const char* name;
        std::function<void(TmsMessage&)> arrange;
        std::function<void(const Arrival&)> check;
    };
    std::vector<Row> rows = {
        {"quoted name is one mailbox",
         [](TmsMessage& m) {
             m.Recipients.Clear();
             m.Recipients.Add("one@example.com", "\"a\"b\"");
         },
         [](const Arrival& a) {
             EXPECT_EQ(a.recipients, Lines{"one@example.com"});
             EXPECT_EQ(a.Find("ADDRESS", "To"),
                       (Lines{"ADDRESS", "To", "\"a\"b\"", "one@example.com"}));
             EXPECT_EQ(a.Find("ADDRESS2", "To"),
                       (Lines{"ADDRESS2", "To", "\"a\"b\"", "one@example.com"}));
             EXPECT_EQ(a.All("ADDRESS2").size(), 2u);
         }},
        {"attachment name with 8-bit and quotes",
         [](TmsMessage& m) {
             m.Body = {"see file"};
             // No Windows file may be named so; the name is what travels.
             TmsAttItem item;
             item.SetFileName("C:\\files\\na\xEFve \"x\".txt");
             item.Data = "text\r\n";
             m.Attachments.AddItem(item);
         },
         [](const Arrival& a) {
             EXPECT_EQ(a.Find("PART", "1")[3], "na\xEFve \"x\".txt");
             EXPECT_EQ(a.Find("PART2", "1"), (Lines{"PART2", "1", "na\xEFve \"x\".txt"}));
         }},
        {"long 8-bit subject", [](TmsMessage& m) { m.Subject = std::string(255, '\xE9'); },
         [](const Arrival& a) {
             EXPECT_EQ(a.Find("HEADER", "Subject")[2], std::string(255, '\xE9'));
             EXPECT_EQ(a.Find("SUBJECT2", std::string(255, '\xE9')).size(), 2u);
             EXPECT_LE(std::stoi(a.All("LONGEST")[0][1]), 78);
         }},
        {"long ISO-2022-JP subject",
         [&](TmsMessage& m) {
             m.CharSet = TCharSet::csISO2022jp;
             m.Subject = "\x1B$B" + kanji + "\x1B(B";
         },
         [&](const Arrival& a) {
             EXPECT_EQ(a.Find("HEADER", "Subject")[2], "\x1B$B" + kanji + "\x1B(B");
             EXPECT_EQ(a.All("SUBJECT2")[0][1], "\x1B$B" + kanji + "\x1B(B");
         }},
        {"user Bcc lines",
         [](TmsMessage& m) {
             m.Headers.Add("BCC: first@example.com");
             m.Headers.Add("Bcc: second@example.com");
         },
         [](const Arrival& a) {
             EXPECT_TRUE(a.Find("HEADER", "Bcc").empty());
             EXPECT_EQ(a.raw.find("first@"), std::string::npos);
             EXPECT_EQ(a.raw.find("second@"), std::string::npos);
         }},
        {"stored message",
         [&](TmsMessage& m) {
             m.Body = {"forwarded"};
             AttachFile("m.eml", stored);
         },
         [&](const Arrival& a) {
             EXPECT_EQ(a.Find("PART", "1")[3], "m.eml");
             EXPECT_EQ(server.Read(Folder() + "part1.bin"), stored);
         }},
        {"uuencoded with a long 8-bit body",
         [&](TmsMessage& m) {
             m.Encoding = TMsgEncoding::meUU;
             m.Body = {"caf\xE9", std::string(1200, 'y')};
             AttachFile("uu.bin", "uu data");
         },
         [&](const Arrival& a) {
             EXPECT_EQ(a.Find("UUDECODE", "uu.bin"), (Lines{"UUDECODE", "uu.bin", "0", ""}));
             EXPECT_EQ(server.Read(Folder() + "uu\\uu.bin"), "uu data");
             EXPECT_TRUE(server.Read(Folder() + "part0.bin")
                             .starts_with("caf\xE9\r\n" + std::string(1200, 'y') + "\r\n"));
         }},
        {"control bytes in the body",
         [](TmsMessage& m) { m.Body = {std::string("nul\0esc\x1B", 8)}; },
         [&](const Arrival& a) {
             EXPECT_EQ(server.Read(Folder() + "part0.bin"), std::string("nul\0esc\x1B\r\n", 10));
             EXPECT_EQ(a.All("BARE")[0][1], "0");
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PrepareMessage(m, settings);
        m.Recipients.Add("you@example.com", "You");
        row.arrange(m);
        Arrival a = SendAndReceive();
        --sent_;  // the checks read the folder it arrived in
        row.check(a);
        ++sent_;
    }
}

// A macro's e-mail command, from its text to the server and into the log.
TEST_F(RealServer, EmailCommandIsSentAndLogged) {
    testing::RecordingMailHost<TagSocket> host;
    std::string attachment = "attached \x01 bytes\r\n";
    server.Write("att.txt", attachment);
    settings.KeepLog = true;
    settings.LogPath = server.Path("MAILLOG.TXT");
    std::string token =
        "<EMAIL:RNR1TOBob|bob@example.org;\x01"
        "CC\x01"
        "BL\x01S1Line one\x01\x01"
        "A2" +
        server.Path("att.txt") + ";\x01>";
    ASSERT_TRUE(SendMailMessage(token, host, settings));
    EXPECT_EQ(host.Seen.back(), "close");

    Arrival a = Receive();
    EXPECT_EQ(a.recipients, Lines{"bob@example.org"});
    EXPECT_EQ(a.Find("HEADER", "Subject"), (Lines{"HEADER", "Subject", "No Subject"}));
    EXPECT_EQ(a.Find("HEADER", "X-Mailer"), (Lines{"HEADER", "X-Mailer", "Orvane"}));
    EXPECT_EQ(server.Read("msg0\\part0.bin"), "Line one\r\n");
    EXPECT_EQ(a.Find("PART", "1")[3], "att.txt");
    EXPECT_EQ(server.Read("msg0\\part1.bin"), attachment);

    std::string log = server.Read("MAILLOG.TXT");
    EXPECT_EQ(log,
              "From: Orvane Tester <tester@example.com>\r\nTo: Bob <bob@example.org>\r\n"
              "cc: \r\nblind cc: \r\nAttachments: " +
                  server.Path("att.txt") + "\r\nSubject: No Subject\r\nBody: Line one\r\n");
    std::vector<MailLogIndexRecord> index = DecodeMailLogIndex(server.Read("MAILLOG.MCI"));
    ASSERT_EQ(index.size(), 1u);
    EXPECT_EQ(index[0].ToName, "Bob");
    EXPECT_EQ(index[0].Offset, 0);
    EXPECT_EQ(index[0].Length, static_cast<std::int32_t>(log.size()));
    EXPECT_EQ(index[0].HasAttachments, 1);
}

TEST(Codings, AgreeWithPythonOnRandomData) {
    HostPeer checker("codings");
    std::mt19937 random{7};
    std::uniform_int_distribution<int> length(0, 3000);
    std::uniform_int_distribution<int> kind(0, 9);
    constexpr int inputs = 40;
    for (int n = 0; n < inputs; ++n) {
        std::string data = RandomBytes(random, static_cast<std::size_t>(length(random)));
        // Plenty of line ends of every kind, runs of them included.
        for (char& c : data) {
            int k = kind(random);
            if (k == 0)
                c = '\n';
            if (k == 1)
                c = '\r';
            if (k == 2)
                c = ' ';
        }
        std::string qp, uu;
        for (const std::string& line : QuotedPrintableLines(data)) qp += line + "\r\n";
        for (std::size_t i = 0; i < data.size(); i += 45) {
            uu += UUEncodeLine(std::string_view(data).substr(i, 45)) + "\r\n";
        }
        std::string id = std::to_string(n);
        checker.Write("input" + id + ".bin", data);
        checker.Write("b64" + id + ".txt", Base64EncodeString(data));
        checker.Write("qp" + id + ".txt", qp);
        checker.Write("uu" + id + ".txt", uu);
    }
    checker.Start();
    ASSERT_TRUE(checker.WaitForFile("result.txt")) << checker.Read("failed.txt");
    EXPECT_EQ(checker.Read("result.txt"), "checked 40\n");
}

}  // namespace
}  // namespace orv
