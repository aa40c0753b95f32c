#include <gtest/gtest.h>

#include <algorithm>
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

namespace orv::player {
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
        if (ext == ".latin")  // a damaged registry value
            return "text/plain; name=caf\xE9";
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
    std::string helo;  // the name the greeting gave
    std::string raw;

    Lines Find(const std::string& kind, const std::string& key) const {
        for (const Lines& r : records) {
            if (r.size() > 1 && r[0] == kind && r[1] == key)
                return r;
        }
        return {};
    }
    Lines First(const std::string& kind) const {
        std::vector<Lines> all = All(kind);
        return all.empty() ? Lines{} : all[0];
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

std::string Hex(std::string_view bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    for (char c : bytes) {
        out += digits[static_cast<unsigned char>(c) >> 4];
        out += digits[static_cast<unsigned char>(c) & 15];
    }
    return out;
}

// Blanks as a reader unfolds and trims them.
std::string Unfolded(std::string_view text) {
    std::string out;
    for (char c : text) {
        bool blank = c == ' ' || c == '\t';
        if (blank && (out.empty() || out.back() == ' '))
            continue;
        out += blank ? ' ' : c;
    }
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

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
            else if (line.starts_with("HELO\t"))
                a.helo = line.substr(5);
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
    EXPECT_EQ(parts[0], (Lines{"PART", "0", "text/plain", "", "windows-1252"}));
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

struct HostileRow {
    std::string name;
    std::function<void(TmsMessage&)> arrange;
    std::function<void(const Arrival&)> check;
    bool refused = false;  // the message must be refused before connecting
};

// Seeded hostile field values: names, subjects, addresses, file names and
// bodies with every byte value. Text fields hold Windows code page text (the
// five bytes it leaves undefined are no text); now and then a value that
// must be refused.
class HostileFields {
  public:
    explicit HostileFields(unsigned seed) : random_(seed) {}

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool OneIn(int n) { return Pick(n) == 0; }

    std::string Bytes(std::size_t n, std::string_view refused) {
        std::string s;
        while (s.size() < n) {
            char c = static_cast<char>(Pick(256));
            if (refused.find(c) == std::string_view::npos)
                s += c;
        }
        return s;
    }

    // Bytes no text of the code page holds, and the line breaks of a field.
    static constexpr char notTextBytes[] =
        "\x81\x8D\x8F\x90\x9D\x7F\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C\x0D\x0E\x0F"
        "\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1A\x1B\x1C\x1D\x1E\x1F";
    static constexpr std::string_view notText{notTextBytes, sizeof notTextBytes - 1};

    std::string Text(bool& refused) {
        static const char* pieces[] = {"Smith, John",
                                       "\"a\"b\"",
                                       "=?utf-8?Q?evil=40attacker.org?=",
                                       "evil@attacker.org",
                                       "<evil@attacker.org>",
                                       "x:",
                                       "(comment)",
                                       "\\",
                                       "Bcc: e@attacker.org",
                                       ";",
                                       "\x80 \x93quoted\x94",
                                       "caf\xE9",
                                       "=?",
                                       "?=",
                                       "a\tb"};
        std::string text;
        for (int n = 1 + Pick(5); n > 0; --n) {
            if (!text.empty())
                text += ' ';
            int kind = Pick(4);
            if (kind == 0)
                text += Bytes(1 + Pick(12), notText);
            else if (kind == 1)
                text += std::string(70 + Pick(30), 'w');
            else
                text += pieces[Pick(std::size(pieces))];
        }
        text.resize(std::min<std::size_t>(text.size(), 220));
        if (OneIn(25)) {
            text.insert(static_cast<std::size_t>(Pick(static_cast<int>(text.size()) + 1)),
                        OneIn(2) ? "\r\nBcc: evil@attacker.org" : "\x1B");
            refused = true;
        }
        return text;
    }

    std::string Address(bool& refused) {
        static const char* hostile[] = {"a@example.org, evil@attacker.org",
                                        "x:evil@attacker.org;",
                                        "a@example.org(evil@attacker.org)",
                                        "\"evil@x\"@example.org",
                                        "a b@example.org",
                                        "a@example.org>\r\nRCPT TO:<evil@x",
                                        "caf\xE9@example.org",
                                        "a@b@example.org"};
        if (OneIn(30)) {
            refused = true;
            return hostile[Pick(std::size(hostile))];
        }
        static constexpr std::string_view local = "abcxyz0189!#$%&'*+/=?^_`{|}~-";
        std::string address;
        for (int n = 1 + Pick(12); n > 0; --n)
            address += local[Pick(static_cast<int>(local.size()))];
        if (OneIn(3))
            address += ".d" + std::to_string(Pick(100));
        return address + "@sub-" + std::to_string(Pick(1000)) + ".example.org";
    }

    // No folder separators: what remains is the name that travels.
    std::string FileName() {
        std::string name = Bytes(1 + Pick(60), std::string(notText) + "\\/:");
        return OneIn(2) ? name + ".bin" : name;
    }

    // Every byte value, in lines a text body can have.
    Lines Body() {
        Lines body;
        for (int n = Pick(6); n > 0; --n) body.push_back(Bytes(Pick(1200), "\r\n"));
        std::string every;
        for (int b = 0; b < 256; ++b) {
            if (b != '\r' && b != '\n')
                every += static_cast<char>(b);
        }
        body.insert(body.begin() + Pick(static_cast<int>(body.size()) + 1), every);
        return body;
    }

    std::string Data() {
        std::string data;
        for (int b = 0; b < 256; ++b) data += static_cast<char>(b);
        return data + Bytes(static_cast<std::size_t>(Pick(5000)), "");
    }

  private:
    std::mt19937 random_;
};

// Field i of a record, "" when the record is missing or shorter.
std::string At(const Lines& record, std::size_t i) {
    return i < record.size() ? record[i] : "";
}

// Blanks of the code page: the no-break space counts as one for the reader.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\xA0';
}

// The current policy of the mail package puts a blank between the adjacent
// encoded words of a name, which the standard says to join as they are; its
// names are compared without blanks.
std::string WithoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (!IsBlank(c))
            out += c;
    }
    return out;
}

// The mail package trims the blanks around a file name it reads.
std::string TrimmedName(std::string_view name) {
    while (!name.empty() && IsBlank(name.front())) name.remove_prefix(1);
    while (!name.empty() && IsBlank(name.back())) name.remove_suffix(1);
    return std::string(name);
}

using NameForm = std::string (*)(std::string_view);

std::vector<Lines> AddressesOf(const TmsAddressList& list, NameForm form) {
    std::vector<Lines> out;
    for (const TmsMailAddress& a : list.All()) out.push_back({form(a.Name), a.Address.str()});
    return out;
}

// One generated message and what must hold of it on arrival.
HostileRow GeneratedRow(HostileFields& f, int n, const std::function<std::string(int)>& partFile) {
    TmsMessage g;
    bool refused = false;
    g.Subject = f.Text(refused);
    g.Sender.Name = f.Text(refused);
    g.Sender.Address = f.Address(refused);
    for (TmsAddressList* list : {&g.Recipients, &g.CC, &g.BCC}) {
        for (int k = list == &g.Recipients ? 1 + f.Pick(3) : f.Pick(3); k > 0; --k)
            list->Add(f.Address(refused), f.Text(refused));
    }
    g.Body = f.Body();
    for (int k = f.Pick(3); k > 0; --k) {
        TmsAttItem item;
        item.SetFileName(f.FileName());
        item.Data = f.Data();
        g.Attachments.AddItem(item);
    }
    auto arrange = [g](TmsMessage& m) {
        TmsHeaders headers = m.Headers;
        m = g;
        m.Headers = headers;
    };
    auto check = [g, partFile](const Arrival& a) {
        Lines wire;
        for (const TmsAddressList* list : {&g.Recipients, &g.CC, &g.BCC}) {
            for (const TmsMailAddress& r : list->All()) wire.push_back(r.Address.str());
        }
        EXPECT_EQ(a.recipients, wire);
        for (const char* kind : {"ADDRESS", "ADDRESS2"}) {
            NameForm form = std::string_view(kind) == "ADDRESS" ? Unfolded : WithoutBlanks;
            std::vector<Lines> seen[3];
            for (const Lines& r : a.All(kind)) {
                int field = r[1] == "From" ? 0 : r[1] == "To" ? 1 : r[1] == "CC" ? 2 : -1;
                ASSERT_GE(field, 0) << r[1];
                seen[field].push_back({form(r[2]), r[3]});
            }
            EXPECT_EQ(seen[0], (std::vector<Lines>{{form(g.Sender.Name), g.Sender.Address.str()}}))
                << kind;
            EXPECT_EQ(seen[1], AddressesOf(g.Recipients, form)) << kind;
            EXPECT_EQ(seen[2], AddressesOf(g.CC, form)) << kind;
        }
        for (const TmsMailAddress& hidden : g.BCC.All())
            EXPECT_EQ(a.raw.find(hidden.Address.str()), std::string::npos);
        // No header gains a line, whatever the fields held.
        Lines names;
        for (const Lines& r : a.All("HEADER")) names.push_back(r[1]);
        Lines expected = {"From", "To"};
        if (g.CC.Count() > 0)
            expected.push_back("CC");
        expected.insert(expected.end(), {"X-Mailer", "Subject", "Date", "Message-ID",
                                         "Mime-Version", "Content-Type"});
        if (g.Attachments.Count() == 0)
            expected.push_back("Content-Transfer-Encoding");
        EXPECT_EQ(names, expected);
        EXPECT_EQ(Unfolded(At(a.Find("HEADER", "Subject"), 2)), Unfolded(g.Subject));
        EXPECT_EQ(Unfolded(At(a.First("SUBJECT2"), 1)), Unfolded(g.Subject));
        EXPECT_LE(std::stoi("0" + At(a.First("LONGEST"), 1)), 998);
        std::string text;
        for (const std::string& line : g.Body) text += line + "\r\n";
        EXPECT_EQ(partFile(0), text);
        for (int k = 0; k < g.Attachments.Count(); ++k) {
            const TmsAttItem& att = g.Attachments.Items(k);
            std::string key = std::to_string(k + 1);
            EXPECT_EQ(At(a.Find("PART", key), 3), TrimmedName(att.FileName));
            EXPECT_EQ(At(a.Find("PART2", key), 2), TrimmedName(att.FileName));
            EXPECT_EQ(partFile(k + 1), att.Data) << key;
        }
    };
    return {"generated message " + std::to_string(n), arrange, check, refused};
}

// What a hostile name, subject, header or body does to the message, as both
// of the mail package's policies read it.
TEST_F(RealServer, HostileInputArrivesAsWritten) {
    std::string kanji;
    for (int i = 0; i < 97; ++i) kanji += "\x30" + std::string(1, static_cast<char>(0x21 + i % 90));
    std::string stored = "From: a@b\r\nSubject: x\r\n\r\nhello\xE9\r\n.dot\r\n\n bare\r";
    std::vector<HostileRow> rows = {
        {"text in the Windows code page",
         [](TmsMessage& m) {
             m.Subject = "\x80 5 \x96 \x93quoted\x94";
             m.Recipients.Clear();
             m.Recipients.Add("you@example.com",
                              "Ren\xE9"
                              "e \x84Q\x93 \x8A");
             m.Body = {"Price \x80 5 \x85 \x91ok\x92"};
         },
         [&](const Arrival& a) {
             EXPECT_EQ(At(a.Find("UTF8", "Subject"), 2), Hex("€ 5 – “quoted”"));
             EXPECT_EQ(At(a.Find("UTF8", "To0"), 2), Hex("Renée „Q“ Š"));
             EXPECT_EQ(At(a.Find("UTF8", "part0"), 2), Hex("Price € 5 … ‘ok’\r\n"));
             EXPECT_EQ(At(a.Find("PART", "0"), 4), "windows-1252");
         }},
        {"name that reads like an encoded word",
         [](TmsMessage& m) {
             m.Recipients.Clear();
             m.Recipients.Add("you@example.com", "=?utf-8?Q?evil=40attacker.org?=");
         },
         [](const Arrival& a) {
             EXPECT_EQ(At(a.Find("UTF8", "To0"), 2), Hex("=?utf-8?Q?evil=40attacker.org?="));
             EXPECT_EQ(
                 a.Find("ADDRESS", "To"),
                 (Lines{"ADDRESS", "To", "=?utf-8?Q?evil=40attacker.org?=", "you@example.com"}));
         }},
        {"subject of blanks after one letter",
         [](TmsMessage& m) { m.Subject = "a" + std::string(254, ' '); },
         [](const Arrival& a) {
             EXPECT_EQ(a.Find("HEADER", "Date").size(), 3u);
             EXPECT_EQ(a.Find("HEADER", "Mime-Version").size(), 3u);
             EXPECT_EQ(At(a.Find("PART", "0"), 2), "text/plain");
         }},
        {"subject of blanks and tabs after a word",
         [](TmsMessage& m) {
             std::string subject = "Tabs";
             for (int i = 0; i < 110; ++i) subject += " \t";
             m.Subject = subject + "end";
         },
         [](const Arrival& a) {
             EXPECT_EQ(a.Find("HEADER", "Date").size(), 3u);
             EXPECT_EQ(a.Find("HEADER", "Mime-Version").size(), 3u);
             EXPECT_EQ(At(a.Find("PART", "0"), 2), "text/plain");
         }},
        {"quoted-printable lines of at most 76",
         [](TmsMessage& m) {
             m.Body = {std::string(300, '\xE9') + " x=y " + std::string(80, 'z')};
         },
         [&](const Arrival& a) {
             std::string body = a.raw.substr(a.raw.find("\r\n\r\n") + 4);
             for (const std::string& line : Split(body, '\n')) EXPECT_LE(line.size(), 77u) << line;
             EXPECT_EQ(server.Read(Folder() + "part0.bin"),
                       std::string(300, '\xE9') + " x=y " + std::string(80, 'z') + "\r\n");
         }},
        {"registered type with an 8-bit parameter",
         [&](TmsMessage& m) {
             m.Body = {"see file"};
             AttachFile("a.latin", "text");
         },
         [](const Arrival& a) {
             EXPECT_EQ(At(a.Find("PART", "1"), 2), "application/octet-stream");
         }},
        {"greeting names a domain or the connection's address", [](TmsMessage&) {},
         [](const Arrival& a) {
             EXPECT_TRUE(a.helo == "[127.0.0.1]" ||
                         (!a.helo.starts_with('[') && a.helo.find('.') != std::string::npos))
                 << a.helo;
         }},
        {"long encoded names fold",
         [](TmsMessage& m) {
             m.Sender.Name = std::string(80, '\xE9');
             m.Recipients.Add("two@example.com",
                              std::string(50, '\xE8') + " " + std::string(50, 'x'));
         },
         [](const Arrival& a) {
             EXPECT_LE(std::stoi(a.All("LONGEST")[0][1]), 78);
             EXPECT_EQ(At(a.Find("ADDRESS", "From"), 2), std::string(80, '\xE9'));
         }},
        {"uuencoded 8-bit file name",
         [&](TmsMessage& m) {
             m.Encoding = TMsgEncoding::meUU;
             m.Body = {"file follows"};
             TmsAttItem item;
             item.SetFileName("C:\\files\\na\xEFve\x80.bin");
             item.Data = "uu data";
             m.Attachments.AddItem(item);
         },
         [](const Arrival& a) {
             EXPECT_EQ(a.Find("UUDECODE", "na\xEFve\x80.bin"),
                       (Lines{"UUDECODE", "na\xEFve\x80.bin", "0", ""}));
         }},
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
    HostileFields fields(20261209);
    constexpr int generated = 200;
    for (int n = 0; n < generated; ++n) {
        rows.push_back(GeneratedRow(fields, n, [&](int part) {
            return server.Read(Folder() + "part" + std::to_string(part) + ".bin");
        }));
    }
    int refused = 0;
    for (const HostileRow& row : rows) {
        SCOPED_TRACE(row.name);
        PrepareMessage(m, settings);
        m.Recipients.Add("you@example.com", "You");
        row.arrange(m);
        if (row.refused) {
            ++refused;
            EXPECT_EQ(smtp.Send(m).Outcome, SendOutcome::InvalidMessage);
            continue;
        }
        Arrival a = SendAndReceive();
        --sent_;  // the checks read the folder it arrived in
        row.check(a);
        ++sent_;
    }
    // Most go out; some are refused before a connection is made.
    EXPECT_GT(refused, 0);
    EXPECT_LT(refused, generated / 2);
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
}  // namespace orv::player
