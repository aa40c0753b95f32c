#include "common/script/reader.h"

#include <string>

#include "common/script/display.h"
#include "common/script/fields.h"
#include "common/script/email_command.h"
#include "common/script/token_table.h"

namespace orv {
namespace {

using C = CommandCode;
using S = TokenShape;
using K = RecordKind;

class ScriptReader {
  public:
    ScriptReader(std::string_view script, std::vector<CommandLine>& lines)
        : script_(script), lines_(lines) {}

    void Run() {
        std::size_t p = 0;
        while (p < script_.size()) {
            p += script_[p] == '<' ? Token(p) : Pend(script_.substr(p, 1));
        }
        Flush();
    }

  private:
    // Reads what starts at the "<" at p and gives its length.
    std::size_t Token(std::size_t p) {
        if (auto m = MatchToken(script_, p, TokenUse::Editor)) {
            std::string_view token = script_.substr(p, m->Length);
            if (m->Form->Code == C::Text)
                return Pend(token);  // keystrokes and Alt numbers
            fieldsOk_ = true;
            CommandRecord record = RecordOf(*m, token);
            if (!fieldsOk_)
                return Pend("<");  // no token: its "<" is text
            Flush();
            if (IsLegacyRepeat(*m->Form)) {
                int count = std::get<RepeatRec>(record).Count;
                lines_.push_back(
                    {LegacyRepeatDisplayLine(count), C::RepeatStart, record, std::string(token)});
            } else {
                Add(m->Form->Code, std::move(record), token);
            }
            return m->Length;
        }
        if (auto m = MatchDateTimeToken(script_, p)) {
            Flush();
            DateTimeRec r{m->IsDate, static_cast<std::uint32_t>(m->Format), m->ShowZeros, m->Future,
                          m->Days};
            Add(m->IsDate ? C::Date : C::Time, r, script_.substr(p, m->Length));
            return m->Length;
        }
        return Pend("<");
    }

    std::size_t Pend(std::string_view piece) {
        pending_ += piece;
        return piece.size();
    }

    void Flush() {
        if (pending_.empty())
            return;
        Add(C::Text, TextRec{pending_}, pending_);
        pending_.clear();
    }

    // Every line keeps the text it was read from, so that it is written back
    // byte for byte, in an older form or beyond its record's room too.
    void Add(CommandCode code, CommandRecord record, std::string_view source) {
        std::string text = DisplayLine(code, record);
        lines_.push_back({std::move(text), code, std::move(record), std::string(source)});
    }

    // The record of a command token; a number field that is not a number
    // clears fieldsOk_.
    CommandRecord RecordOf(const TokenMatch& m, std::string_view token) {
        const TokenForm& form = *m.Form;
        C code = form.Code;
        std::uint32_t variant = form.Variant;
        std::string_view text = m.Texts[0];
        std::size_t head = form.Head.size();
        // The number fields of a closed token fill the room up to its ">".
        auto closed = [&] {
            return form.Shape == S::Closed ? Digits(token, head, form.Offset - 1u) : 0;
        };

        switch (RecordKindOf(code)) {
            case K::Delay:
                if (variant == 1)
                    return DelayRec{1, Seconds(token, head, form.Offset - 1u)};
                return DelayRec{variant, double(Digits(token, head, form.Offset - 1u))};
            case K::Pause:
                if (variant == 1)
                    return PauseRec{1};
                return PauseRec{2, Digits(token, PauseField::Top), Digits(token, PauseField::Left),
                                text};
            case K::Repeat:
                if (code == C::RepeatCounter)
                    return RepeatRec{4, int(variant), 1, 1};
                if (code != C::RepeatStart)
                    return RepeatRec{variant};
                if (IsLegacyRepeat(form))
                    return RepeatRec{1, closed(), 1, 1};
                return RepeatRec{1, Digits(token, RepeatField::Count),
                                 Digits(token, RepeatField::Start),
                                 Digits(token, RepeatField::Step)};
            case K::Speed:
                if (code == C::MacroPlaybackSpeed)
                    return SpeedRec{3, 0, Factor(token)};
                return SpeedRec{variant, closed(), 1.0};
            case K::Launch: {
                std::size_t fields = form.Offset - head;
                int delay = fields >= 2 ? Digits(token, head, head + 1) : 0;
                int maxWait = fields == 4 ? Digits(token, head + 2, head + 3) : 12;
                if (code == C::WindowActivate)
                    return LaunchRec{1, text, "", "", 0, 12};
                return LaunchRec{variant, text, m.Texts[1], m.Texts[2], delay, maxWait};
            }
            case K::Sound:
                return SoundRec{code == C::SoundBeep ? 1u : 2u, text,
                                static_cast<std::uint8_t>(variant)};
            case K::String:
                return StringRec{text};
            case K::SizePos: {
                SizePosRec r{text, variant, 0, 0, 0};
                if (form.Head == WidePlacingHead) {
                    r.X = Signed(token, head, head + 4), r.Y = Signed(token, head + 6, head + 10);
                } else {
                    r.X = Digits(token, head, head + 3), r.Y = Digits(token, head + 5, head + 8);
                }
                if (text == CurrentWindowTitle)
                    r.Title = "", r.Current = 1;
                return r;
            }
            case K::Window: {
                WindowRec r{text, variant, 0};
                if (text == CurrentWindowTitle)
                    r.Title = "", r.Current = 1;
                return r;
            }
            case K::Mouse: {
                MouseRec r;  // x, y and steps 0, mode 2
                if (code == C::MouseMove) {
                    r.Action = 1;
                    r.Mode = variant;
                    if (variant != 4)
                        r.X = Signed(token, 5, 9), r.Y = Signed(token, 11, 15);
                } else {
                    r.Action = variant;
                    r.Steps = closed();
                }
                return r;
            }
            case K::Clipboard:
                return ClipboardRec{variant, text, variant == 8};
            case K::ModifierKey:
                return ModifierKeyRec{variant};
            case K::File: {
                std::size_t split = std::string_view::npos;
                if (code == C::CopyFile || code == C::RenameFile)
                    split = text.find(';');
                std::string_view second =
                    split == std::string_view::npos ? "" : text.substr(split + 1);
                return FileRec{variant, text.substr(0, split), second};
            }
            case K::MacroRef:
                return MacroRefRec{variant, text};
            case K::Network: {
                auto has = [&](char letter) {
                    return static_cast<std::uint8_t>(m.Letters.find(letter) !=
                                                     std::string_view::npos);
                };
                return NetworkRec{m.Texts[2], m.Texts[0], m.Texts[1], has('P'), has('F'), has('S')};
            }
            case K::WText:
                return WTextRec{text, std::string(m.Texts[1])};
            case K::Video:
                return VideoRec{text, variant};
            case K::Cd:
                return CdRec{variant, closed()};
            case K::Desktop:
                return DesktopRec{variant};
            case K::DisplaySize:
                return DisplaySizeRec{closed()};
            case K::System: {
                if (code != C::Wallpaper)
                    return SystemRec{variant, "", closed()};
                if (variant != 3)
                    return SystemRec{6, text, 0, 0, 0, variant};
                const int x = Digits(token, WallpaperField::X);
                const int y = Digits(token, WallpaperField::Y);
                return SystemRec{6, PlacedWallpaperFile(form, text), 0, x, y, 3};
            }
            case K::Volume:
                return VolumeRec{variant};
            case K::Wait: {
                bool isText = code == C::WaitForText;
                std::size_t width = code == C::WaitTimeElapse ? 8 : 3;
                int amount = form.Shape == S::Exact ? 0 : Digits(token, head, head + width - 1);
                return WaitRec{isText ? 5u : variant, text, amount,
                               static_cast<std::uint8_t>(isText ? variant : 0)};
            }
            case K::DialUp:
                return DialUpRec{variant, m.Texts[2], m.Texts[0], m.Texts[1]};
            case K::Email:
                return ReadEmailToken(token);
            case K::Encrypted:
                return EncryptedRec{text};
            case K::Text:
            case K::DateTime:  // date and time tokens are read apart
                break;
        }
        return TextRec{};
    }

    int Digits(std::string_view token, std::size_t from, std::size_t to) {
        return Field(DigitsAt(token, from, to));
    }
    int Digits(std::string_view token, TokenField field) {
        return Digits(token, field.From, field.To);
    }
    int Signed(std::string_view token, std::size_t from, std::size_t to) {
        return Field(SignedAt(token, from, to));
    }
    double Seconds(std::string_view token, std::size_t from, std::size_t to) {
        return Field(SecondsAt(token, from, to));
    }
    // A playback speed as ss.hh, or as the whole factor in five digits that
    // capture and the wizard write ("<SPEED:00002>"), when the speed dialog
    // can hold it.
    double Factor(std::string_view token) {
        std::optional<double> factor = SecondsAt(token, 7, 11);
        if (!factor) {
            std::optional<int> whole = DigitsAt(token, 7, 11);
            if (whole && SecondsField(*whole))
                factor = *whole;
        }
        return Field(factor);
    }
    template <typename Value>
    Value Field(std::optional<Value> value) {
        fieldsOk_ = fieldsOk_ && value.has_value();
        return value.value_or(0);
    }
    static bool IsLegacyRepeat(const TokenForm& form) {
        return form.Code == C::RepeatStart && form.Offset == 12;
    }

    std::string_view script_;
    std::vector<CommandLine>& lines_;
    std::string pending_;
    bool fieldsOk_ = true;
};

}  // namespace

void BuildTheScript(std::string_view script, std::vector<CommandLine>& lines) {
    ScriptReader(script, lines).Run();
}

std::vector<CommandLine> ReadScript(std::string_view script) {
    std::vector<CommandLine> lines;
    BuildTheScript(script, lines);
    return lines;
}

EmailRec ReadEmailToken(std::string_view token) {
    const EmailCommand c = ParseEmailCommand(token).Command;
    return EmailRec{std::string(token), c.RecipientMode, c.TextMode, c.AttachMode};
}

}  // namespace orv
