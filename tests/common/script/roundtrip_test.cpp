// Generated command lists: writing, reading and writing again gives the same
// text, and reading gives back the commands.
#include <gtest/gtest.h>

#include <random>

#include "common/script/compose.h"
#include "common/script/display.h"
#include "common/script/reader.h"
#include "common/script/token_table.h"
#include "common/script/writer.h"

namespace orv {
namespace {

using C = CommandCode;

class Generator {
  public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

    // Free text as the dialogs allow it: no ">" and, to stay in its field,
    // nothing that ends a title or a first file name early.
    std::string Free(std::size_t most = 30) {
        static const std::string alphabet = "abcXYZ019 .:\\/-_\"'\xE9\xFC!?";
        std::string s;
        for (int n = Int(0, static_cast<int>(most)); n > 0; --n)
            s += alphabet[Int(0, static_cast<int>(alphabet.size()) - 1)];
        return s;
    }

    std::string Typed() {
        std::string s;
        for (int n = Int(1, 6); n > 0; --n) {
            if (Int(0, 2) == 0) {
                s += KeystrokeTokens[Int(0, KeystrokeTokenCount - 1)].Token;
            } else {
                s += Free(8) + (Int(0, 5) == 0 ? "\r\n" : "") + (Int(0, 7) == 0 ? "<ALT:065>" : "");
            }
        }
        // Typed "<": alone, before other text, or beginning a token whose head
        // comes in part or whole and its fields in part.
        switch (Int(0, 5)) {
            case 0:
                s += "<" + Free(3);
                break;
            case 1: {
                const TokenForm& form = TokenTable()[Int(0, int(TokenTable().size()) - 1)];
                if (form.Shape != TokenShape::Exact)
                    s += std::string(form.Head.substr(0, Int(1, int(form.Head.size())))) + Free(3);
                break;
            }
        }
        return s.empty() ? "x" : s;
    }

    // One of the variants the command is written with.
    int Variant(CommandCode code) {
        std::vector<int> variants;
        for (const TokenForm& form : TokenTable()) {
            if (form.Code == code && (form.Use & TokenUse::Written))
                variants.push_back(form.Variant);
        }
        return variants.empty() ? 0 : variants[Int(0, static_cast<int>(variants.size()) - 1)];
    }

    CommandRecord Record(CommandCode code) {
        std::uint32_t v = static_cast<std::uint32_t>(Variant(code));
        switch (RecordKindOf(code)) {
            case RecordKind::Text:
                return TextRec{Typed()};
            case RecordKind::DateTime:
                if (code == C::Time)
                    return DateTimeRec{0, std::uint32_t(Int(1, 26)), std::uint8_t(Int(0, 1)), 1, 0};
                return DateTimeRec{1, std::uint32_t(Int(1, 51)), std::uint8_t(Int(0, 1)),
                                   std::uint8_t(Int(0, 1)), Int(0, 999)};
            case RecordKind::Delay:
                if (code == C::WaitTimeDelay)
                    return DelayRec{3, double(Int(0, 99))};
                return v == 1 ? DelayRec{1, Int(0, 9999) / 100.0}
                              : DelayRec{2, double(Int(0, 9999))};
            case RecordKind::Pause:
                return v == 1 ? PauseRec{1} : PauseRec{2, Int(0, 999), Int(0, 999), Free()};
            case RecordKind::Repeat:
                if (code == C::RepeatCounter)
                    return RepeatRec{4, int(v), 1, 1};
                if (code == C::RepeatStart)
                    return RepeatRec{1, Int(0, 9999), Int(0, 999999), Int(0, 999999)};
                return RepeatRec{v};
            case RecordKind::Speed:
                return SpeedRec{v, Int(0, 9999),
                                code == C::MacroPlaybackSpeed ? Int(0, 9999) / 100.0 : 1.0};
            case RecordKind::Launch: {
                std::string title = Free();
                std::string program = Free() + ".exe";
                std::string params = Int(0, 1) ? Free() : "";
                return LaunchRec{v, title, program, params, Int(0, 99), Int(0, 99)};
            }
            case RecordKind::Sound:
                return SoundRec{code == C::SoundBeep ? 1u : 2u, code == C::SoundBeep ? "" : Free(),
                                std::uint8_t(v)};
            case RecordKind::String:
                return StringRec{Free()};
            case RecordKind::SizePos: {
                bool current = Int(0, 1);
                return SizePosRec{current ? "" : Free(), v, current, Int(0, 9999), Int(0, 9999)};
            }
            case RecordKind::Window: {
                bool current = Int(0, 1);
                return WindowRec{current ? "" : Free(), v, current};
            }
            case RecordKind::Mouse:
                if (code == C::MouseMove)
                    return MouseRec{Int(-9999, 99999), Int(-9999, 99999), 0, 1, v};
                return MouseRec{0, 0, code == C::MouseWheel ? Int(0, 999) : 0, v, 2};
            case RecordKind::Clipboard:
                return ClipboardRec{v, Int(0, 3) ? Free() : ":PROMPT:", v == 8};
            case RecordKind::ModifierKey:
                return ModifierKeyRec{v};
            case RecordKind::File: {
                std::string second = code == C::CopyFile || code == C::RenameFile ? Free() : "";
                return FileRec{v, Free(), second};
            }
            case RecordKind::MacroRef:
                return MacroRefRec{v, Free()};
            case RecordKind::Network:
                return NetworkRec{
                    "F:" + Free(),
                    Free(),
                    Free(),
                    std::uint8_t(Int(0, 1)),
                    code == C::NetworkDisconnect ? std::uint8_t(Int(0, 1)) : std::uint8_t(0),
                    std::uint8_t(Int(0, 1))};
            case RecordKind::WText:
                return WTextRec{Free(), Free(400)};
            case RecordKind::Video:
                return VideoRec{Free(), v};
            case RecordKind::Cd:
                return CdRec{v, v >= 6 && v <= 8 ? Int(0, 99) : 0};
            case RecordKind::Desktop:
                return DesktopRec{v};
            case RecordKind::DisplaySize:
                return DisplaySizeRec{Int(0, 999)};
            case RecordKind::System:
                if (code == C::Wallpaper)
                    return SystemRec{
                        6, Free(), 0, v == 3 ? Int(0, 9999) : 0, v == 3 ? Int(0, 9999) : 0, v};
                return SystemRec{v, "", code == C::ScreenSaver && v != 3 ? 0 : Int(0, 99)};
            case RecordKind::Volume:
                return VolumeRec{v};
            case RecordKind::Wait: {
                bool timed = code == C::WaitTimeElapse;
                bool texted = v <= 5 && code != C::WaitForKeyPress;
                return WaitRec{code == C::WaitForText ? 5u : v,
                               texted || code == C::WaitForKeyPress ? Free() : "",
                               code == C::WaitTextPlayback ? 0 : Int(0, timed ? 99999999 : 999),
                               std::uint8_t(code == C::WaitForText ? v : 0)};
            }
            case RecordKind::DialUp:
                return v == 2 ? DialUpRec{2} : DialUpRec{1, Free(), Free(), "pw"};
            case RecordKind::Email: {
                std::string token = "<EMAIL:RN";
                token += Int(0, 1) ? "R2"
                                   : "R1TOa|b@c.org;\x01"
                                     "CC\x01"
                                     "BL\x01";
                token += Int(0, 1) ? "S2" : "S1" + Free() + "\x01" + Free() + "\x01";
                token += Int(0, 1) ? "A1" : "A3";
                return ReadEmailToken(token + ">");
            }
            case RecordKind::Encrypted:
                return EncryptedRec{"0A1B2C"};
        }
        return TextRec{"x"};
    }

    std::vector<CommandLine> Lines(int count) {
        std::vector<CommandLine> lines;
        for (int i = 0; i < count; ++i) {
            CommandCode code = CodeOf(Int(1, CommandCount));
            CommandRecord record = Record(code);
            lines.push_back({DisplayLine(code, record), code, record});
        }
        return lines;
    }

    // A script as stored: commands in the writer's forms and in older ones,
    // nested repeats, texts beyond a field's room, characters 128-255, a
    // literal "<" and tokens left unfinished.
    std::string StoredScript() {
        std::string script;
        int depth = 0;
        for (int n = Int(1, 30); n > 0; --n) {
            switch (Int(0, 7)) {
                case 0:
                case 1: {
                    CommandCode code = CodeOf(Int(1, CommandCount));
                    ComposeResult token = ComposeCommand(code, Record(code));
                    script += token.Ok() ? token.Text : Typed();
                    break;
                }
                case 2:
                    script += OlderForm();
                    break;
                case 3:
                    script += Int(0, 1) && depth > 0 ? (--depth, "<ENDREP>")
                                                     : (++depth, "<REP:0002:000001:000001>");
                    break;
                case 4:
                    script += LongField();
                    break;
                case 5:
                    for (int k = Int(1, 12); k > 0; --k) script += char(Int(128, 255));
                    break;
                default:
                    script += Typed();
            }
        }
        if (Int(0, 3) == 0)
            script += Int(0, 1) ? "Go to <HTTP:www.example.com" : "x<REM:";
        return script;
    }

  private:
    std::string OlderForm() {
        // Forms only read, and the player's own tokens, which the editor keeps as text.
        static const char* const forms[] = {"<LAUNCHYES:01Word<LAUNCH:w.exe>",
                                            "<LAUNCHNO:05Calc<LAUNCH:calc.exe<PARAM>/x>",
                                            "<LAUNCH:C:\\x.exe>",
                                            "<REPEAT:0005>",
                                            "<ALT4:0233>",
                                            "<WPOS2:00010,00020Calc>",
                                            "<SPEED:00001>",
                                            "<SPEED:00002>",
                                            "<PAUSE:001,002>",
                                            "<DOHOOK>",
                                            "<RIGHT MOUSE>"};
        if (Int(0, 2) == 0) {
            const FormatEntry* date = FindFormat(true, std::uint32_t(Int(1, 51)));
            return "<" + std::string(date->Name) + (Int(0, 1) ? "{Y}>" : "{N}>");
        }
        return forms[Int(0, int(std::size(forms)) - 1)];
    }

    // Free text beyond its record's room, and pause messages beyond the
    // dialog's.
    std::string LongField() {
        std::string text(std::size_t(Int(181, 400)), 'm');
        switch (Int(0, 3)) {
            case 0:
                return "<PAUSE:010,020" + text.substr(0, std::size_t(Int(181, 255))) + ">";
            case 1:
                return "<REM:" + text + ">";
            case 2:
                return "<ACTIVATE:" + text + ">";
            default:
                return "<TBOX:<HEAD:" + text + ">" + text + ">";
        }
    }

    std::mt19937 rng_;
};

// The commands in order, Text lines in a row counting once: they are read
// back as one.
std::vector<CommandCode> Commands(const std::vector<CommandLine>& lines) {
    std::vector<CommandCode> codes;
    for (const CommandLine& line : lines) {
        if (codes.empty() || line.Code != C::Text || codes.back() != C::Text)
            codes.push_back(line.Code);
    }
    return codes;
}

// Only a text that ends in an unfinished token may be refused: written, it
// would take in the line after it.
bool RefusedOnlyForItsText(const std::vector<CommandLine>& lines, const ScriptTextResult& r) {
    return r.Ok() || lines[r.FailedLine].Code == C::Text;
}

TEST(RoundTrip, WriteReadWriteGivesTheSameText) {
    int refused = 0;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        Generator gen(seed);
        std::vector<CommandLine> lines = gen.Lines(gen.Int(1, 40));
        ScriptTextResult first = ComposeScript(lines);
        ASSERT_TRUE(RefusedOnlyForItsText(lines, first)) << "seed " << seed << ": " << first.Error;
        if (!first.Ok()) {
            ++refused;
            continue;
        }
        std::vector<CommandLine> read = ReadScript(first.Text);
        EXPECT_EQ(Commands(read), Commands(lines)) << "seed " << seed << ": " << first.Text;
        ScriptTextResult second = ComposeScript(read);
        ASSERT_TRUE(second.Ok()) << "seed " << seed << ": " << second.Error;
        EXPECT_EQ(second.Text, first.Text) << "seed " << seed;
    }
    EXPECT_LT(refused, 100) << "most lists are written";
}

// A stored script opened and saved unchanged comes back byte for byte, and
// is never refused.
TEST(RoundTrip, StoredScriptsReadAndWriteBackByteForByte) {
    for (unsigned seed = 1; seed <= 1000; ++seed) {
        Generator gen(seed);
        std::string script = gen.StoredScript();
        ScriptTextResult written = ComposeScript(ReadScript(script));
        ASSERT_TRUE(written.Ok()) << "seed " << seed << ": " << written.Error;
        ASSERT_EQ(written.Text, script) << "seed " << seed;
    }
}

// Each generated line on its own reads back as one line of the same command
// that shows the same.
TEST(RoundTrip, SingleLinesReadBackAsThemselves) {
    Generator gen(42);
    for (int i = 0; i < 2000; ++i) {
        std::vector<CommandLine> lines = gen.Lines(1);
        ScriptTextResult text = ComposeScript(lines);
        ASSERT_TRUE(RefusedOnlyForItsText(lines, text)) << text.Error;
        if (!text.Ok())
            continue;
        std::vector<CommandLine> read = ReadScript(text.Text);
        ASSERT_EQ(read.size(), 1u) << text.Text;
        EXPECT_EQ(read[0].Code, lines[0].Code) << text.Text;
        EXPECT_EQ(read[0].Text, lines[0].Text) << text.Text;
    }
}

}  // namespace
}  // namespace orv
