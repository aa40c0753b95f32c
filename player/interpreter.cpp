#include "player/interpreter.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <string>

#include "common/cipher.h"
#include "common/script/email_command.h"
#include "common/script/fields.h"
#include "player/command_context.h"
#include "player/date_time_text.h"

namespace orv::player {

namespace {

using C = CommandCode;

constexpr char CtrlZ = 26;

bool StartsAt(std::string_view text, std::size_t at, std::string_view prefix) {
    return at <= text.size() && text.substr(at, prefix.size()) == prefix;
}

// Beyond this a speed factor only means the script was misread: delays of
// hours per keystroke.
constexpr double MaxPlaybackSpeed = 100.0;

// The four key commands' variants run down, up, down, up, ... for Ctrl, Alt,
// Shift and the left Windows key.
constexpr std::uint8_t HeldKeys[] = {VKey::Control, VKey::Menu, VKey::Shift, VKey::LeftWin};

// The mouse button commands' variants run click, double click, down, up for
// the left, the right and the middle button in turn.
struct ButtonFlags {
    std::uint32_t Down, Up;
};
constexpr ButtonFlags Buttons[] = {{MouseFlag::LeftDown, MouseFlag::LeftUp},
                                   {MouseFlag::RightDown, MouseFlag::RightUp},
                                   {MouseFlag::MiddleDown, MouseFlag::MiddleUp}};

}  // namespace

// One interpreter call: its text, where it stands, its pass and its counter.
struct Interpreter::Call {
    std::string_view Text;
    std::size_t Position = 0;
    std::int32_t Pass = 1;
    std::int32_t Start = 1;
    std::int32_t Step = 1;
    int Depth = 0;
    HeldModifiers Held;

    std::size_t Length() const { return Text.size(); }
    void Advance(std::size_t by) { Position = std::min(Position + by, Length()); }
};

bool Interpreter::RunMacro(std::string_view script, RunOrigin origin) {
    RunState& state = playback_.State();
    if (state.Running)
        return false;
    PlayerHost& host = playback_.Host();
    state.AbortFlag = false;
    endRun_ = false;
    // Whatever started the run, Caps Lock as it is now: off while the macro
    // types, given back at the end.
    playback_.TakeRunHold(origin == RunOrigin::User);
    state.KeystrokeDelayOn = false;
    state.MouseDelayOn = false;
    state.PlaybackSpeed = 1.0;
    playback_.GetSystemSize();
    state.Running = true;
    host.ShowRunning(true);

    std::string failure;
    try {
        DoMacro(script, 1, 1, 1, true, 0);
    } catch (const std::exception& e) {
        failure = e.what();
    } catch (...) {
        failure = "unknown error";
    }

    // However the run ended, nothing it pressed stays down and Caps Lock is
    // given back once.
    playback_.ReleaseEverything();
    playback_.GiveBackCapsLock();
    state.Running = false;
    host.ShowRunning(false);
    if (!failure.empty()) {
        playback_.EndRunNotice("Macro Error",
                               "Orvane 99 macro has stopped because of an unexpected error (" +
                                   failure + "). Macro will abort.");
    }
    // Only a run still holding the in-use byte: one a notice ended gave it
    // back, and the hook library would answer its marker with nothing, so
    // the clear timer would clear the byte of whatever run came next.
    if (playback_.HoldsInUse()) {
        playback_.PostVKey(VKey::Execute, false);
        playback_.PostVKey(VKey::Execute, true);
        host.StartClearTimer();
    }
    return true;
}

void Interpreter::DoMacro(std::string_view text, std::int32_t count, std::int32_t start,
                          std::int32_t step, bool restoreCapsLock, int depth) {
    RunState& state = playback_.State();
    if (state.AbortFlag || endRun_)
        return;
    if (depth > MaxNesting) {
        playback_.EndRunNotice("Macro Nesting Error",
                               "Macros, repeats and text files are nested more than " +
                                   std::to_string(MaxNesting) + " levels deep. Macro will abort.");
        endRun_ = true;
        return;
    }
    Call call{text};
    call.Start = start;
    call.Step = step;
    call.Depth = depth;
    for (std::int32_t pass = 1; pass <= count && !endRun_; ++pass) {
        if (state.AbortFlag)
            return;
        call.Pass = pass;
        call.Held = {};
        call.Position = 0;
        if (!RunPass(call))
            return;
    }
    if (restoreCapsLock)
        playback_.GiveBackCapsLock();
}

// One pass over the text; false when the call must return at once.
bool Interpreter::RunPass(Call& call) {
    RunState& state = playback_.State();
    while (call.Position < call.Length() && !endRun_) {
        if (state.AbortFlag) {
            playback_.EndRunNotice("Macro Abort", "Orvane 99 macro has been aborted.");
            return false;
        }
        const char c = call.Text[call.Position];
        if (c == '<') {
            switch (Token(call)) {
                case Flow::Next:
                    break;
                case Flow::Return:
                    return false;
                case Flow::SkipPass:
                    call.Position = call.Length();
                    break;
                case Flow::EndRun:
                    endRun_ = true;
                    return false;
            }
        } else {
            playback_.TypeChar(static_cast<unsigned char>(c), call.Held);
            call.Advance(1);
            if (c == '\r' && call.Position < call.Length() && call.Text[call.Position] == '\n') {
                call.Advance(1);
            }
        }
        playback_.Host().PumpMessages();
    }
    return true;
}

Flow Interpreter::Token(Call& call) {
    if (std::optional<TokenMatch> match = MatchToken(call.Text, call.Position, TokenUse::Player)) {
        if (match->Form->Code == C::EMailSend)
            return MeasureEmail(call, *match);
        return Perform(call, *match);
    }
    if (const std::optional<DateTimeMatch> date = MatchDateTimeToken(call.Text, call.Position)) {
        if (date->IsDate) {
            playback_.TypeDate(date->Format, date->ShowZeros,
                               date->Future ? date->Days : -date->Days, call.Held);
        } else {
            playback_.TypeTime(date->Format, date->ShowZeros, call.Held);
        }
        call.Advance(date->Length);
        return Flow::Next;
    }
    // No token: the "<" is a character like any other.
    playback_.TypeChar('<', call.Held);
    call.Advance(1);
    return Flow::Next;
}

// The e-mail token reaches as far as its fields do, past any ">" inside them;
// one whose fields are cut short sends nothing.
Flow Interpreter::MeasureEmail(Call& call, TokenMatch& match) {
    const std::string_view rest = std::string_view(call.Text).substr(call.Position);
    if (const std::size_t length = ParseEmailCommand(rest).Length) {
        match.Length = length;
        return Perform(call, match);
    }
    call.Advance(match.Length);
    playback_.Host().DoAMessage(
        "E-Mail Error", "The e-mail command is incomplete. This E-Mail attempt will abort.");
    return Flow::SkipPass;
}

void Interpreter::NamedKey(Call& call, std::uint8_t virtualKey) {
    RunState& state = playback_.State();
    if (state.KeystrokeDelayOn)
        playback_.KeyDelay(state.KeystrokeDelay);
    playback_.PostVKey(virtualKey, false);
    playback_.PostVKey(virtualKey, true);
    playback_.ReleaseModifiers(call.Held);
}

void Interpreter::HeldModifier(Call& call, std::uint8_t virtualKey) {
    bool& held = virtualKey == VKey::Shift     ? call.Held.Shift
                 : virtualKey == VKey::Control ? call.Held.Ctrl
                                               : call.Held.Alt;
    // Alt toggles; Shift and Ctrl are pressed again however often.
    const bool release = virtualKey == VKey::Menu && held;
    playback_.PostVKey(virtualKey, release);
    held = !release;
}

void Interpreter::Nested(const Call& call, std::string_view text) {
    DoMacro(text, 1, 1, 1, false, call.Depth + 1);
}

Flow Interpreter::Perform(Call& call, const TokenMatch& match) {
    const TokenForm& form = *match.Form;
    const std::uint8_t variant = form.Variant;
    RunState& state = playback_.State();
    PlayerHost& host = playback_.Host();
    // Fields are counted from the "<" of the token.
    const std::string_view token = call.Text.substr(call.Position, match.Length);
    auto field = [&](std::size_t from, std::size_t to) {
        return token.substr(std::min(from, token.size()), to + 1 - from);
    };
    auto decimal = [&](std::size_t from, std::size_t to) { return FieldReal(token, from, to); };
    call.Advance(match.Length);
    if (form.Code == C::ClipboardStartCopy)
        return CopyBlock(call, match);
    if (FamilyOf(form) != FamilyId::Interpreter)
        return Family(call, match);

    switch (form.Code) {
        case C::Text:
            if (variant == VKey::Shift || variant == VKey::Control || variant == VKey::Menu) {
                HeldModifier(call, variant);
            } else if (variant != 0) {
                NamedKey(call, variant);
            } else {  // "<ALT:" and "<ALT4:": the digits between head and ">"
                if (state.KeystrokeDelayOn)
                    playback_.KeyDelay(state.KeystrokeDelay);
                playback_.TypeAltNumber(
                    token.substr(form.Head.size(), match.Length - form.Head.size() - 1));
            }
            break;
        case C::None:  // the right and middle button as keys
            playback_.PostVKey(variant, false);
            playback_.PostVKey(variant, true);
            playback_.ReleaseModifiers(call.Held);
            break;
        case C::ControlKey:
        case C::AltKey:
        case C::ShiftKey:
        case C::WinKey:
            playback_.PostVKey(HeldKeys[(variant - 1) / 2], variant % 2 == 0);
            break;
        case C::MouseLeftButton:
        case C::MouseRightButton:
        case C::MouseMiddleButton: {
            const ButtonFlags& button = Buttons[(variant - 2) / 4];
            switch ((variant - 2) % 4) {
                case 0:
                case 1:
                    playback_.MouseClicks(button.Down, button.Up, (variant - 2) % 4 + 1);
                    break;
                case 2:
                    playback_.MouseButton(button.Down);
                    break;
                default:
                    playback_.MouseButton(button.Up);
            }
            break;
        }
        case C::MouseWheel: {
            const auto notches = static_cast<std::int32_t>(ReadInteger(field(5, 7)));
            playback_.MouseWheel(form.Head == "<WFW:" ? notches : -notches);
            break;
        }
        case C::MouseMove: {
            if (form.Head == "<MMC>") {
                playback_.MouseToCaret();
                break;
            }
            ScreenPoint origin;
            if (form.Head == "<MMP:")
                origin = host.CursorPos();
            if (form.Head == "<MMW:")
                origin = host.ForegroundOrigin();
            playback_.MouseMoveTo(origin.X + decimal(5, 9).value_or(0),
                                  origin.Y + decimal(11, 15).value_or(0));
            break;
        }
        case C::WaitTimeDelay:
            playback_.TimedPauseFor(static_cast<double>(ReadInteger(field(8, 9))));
            break;
        case C::Delay:
            if (form.Head == "<MSD:") {
                playback_.KeyDelay(ReadInteger(field(5, 8)));
            } else {
                playback_.PauseFor(decimal(7, 11).value_or(0));
            }
            break;
        case C::MacroPlaybackSpeed: {
            const std::optional<double> speed = decimal(7, 11);
            if (speed && *speed >= 0 && *speed <= MaxPlaybackSpeed)
                state.PlaybackSpeed = *speed;
            break;
        }
        case C::KeystrokeSpeed:
        case C::MouseSpeed: {
            const std::int64_t ms = ReadInteger(field(7, 10));
            if (ms >= 0) {
                const bool keys = form.Code == C::KeystrokeSpeed;
                (keys ? state.KeystrokeDelay : state.MouseDelay) = static_cast<std::uint16_t>(ms);
                (keys ? state.KeystrokeDelayOn : state.MouseDelayOn) = ms != 0;
            }
            break;
        }
        case C::WaitTimeElapse: {
            const std::int64_t seconds = ReadInteger(field(10, 17));
            playback_.WaitForTimer(seconds > 0 ? static_cast<std::uint64_t>(seconds) * 1000 : 0);
            break;
        }
        case C::RepeatCounter: {
            // Start and step come from 16-bit fields; the pass is at least 1.
            const std::uint64_t value =
                static_cast<std::uint64_t>(call.Start) +
                static_cast<std::uint64_t>(call.Pass - 1) * static_cast<std::uint64_t>(call.Step);
            Nested(call, ZeroPadded(value, variant));
            break;
        }
        case C::RepeatPromptStart:
            return Repeat(call, call.Position, host.DoRepPrompt(), 1, 1);
        case C::RepeatStart:
            if (form.Head == "<REPEAT:") {
                return Repeat(call, call.Position,
                              static_cast<std::uint16_t>(ReadInteger(token.substr(8, 4))), 1, 1);
            }
            return Repeat(call, call.Position,
                          static_cast<std::uint16_t>(ReadInteger(token.substr(5, 4))),
                          static_cast<std::uint16_t>(ReadInteger(token.substr(10, 6))),
                          static_cast<std::uint16_t>(ReadInteger(token.substr(17, 6))));
        case C::MacroRun:
        case C::EncryptedText:
        case C::LoadTextFile: {
            const std::string name(match.Texts[0].substr(0, 255));
            std::optional<std::string> text;
            if (form.Code == C::MacroRun) {
                text = host.MacroScript(name);
            } else if (form.Code == C::EncryptedText) {
                text = CryptText(name, EncryptedTextKey, false);
            } else {
                text = host.ReadTextFile(name, MaxTextFileBytes);
                if (text && text->size() > MaxTextFileBytes) {
                    playback_.EndRunNotice("Text File Error",
                                           "The text file " + name + " is larger than " +
                                               std::to_string(MaxTextFileBytes) +
                                               " bytes and cannot be played. Macro will abort.");
                    state.AbortFlag = true;
                    break;
                }
                if (text && !text->empty() && text->back() == CtrlZ)
                    text->pop_back();
            }
            if (text)
                Nested(call, *text);
            break;
        }
        default:
            ReportFormWithoutCase(form);
    }
    return Flow::Next;
}

// The commands of the families: the token has been passed over already, so a
// family that is not there leaves nothing behind.
Flow Interpreter::Family(Call& call, const TokenMatch& match) {
    const std::size_t tokenStart = call.Position - match.Length;
    CommandContext context{call.Text.substr(tokenStart, match.Length),
                           match,
                           call.Held,
                           playback_,
                           [this, &call](std::string_view text) { Nested(call, text); },
                           call.Text.substr(call.Position)};
    return PerformFamilyCommand(playback_.Host().Families(), context);
}

// The text up to "<ENDCLIP>" belongs to the copy, whose family sees it
// behind the token; the run goes on at its end marker.
Flow Interpreter::CopyBlock(Call& call, const TokenMatch& match) {
    const std::size_t tokenStart = call.Position - match.Length;
    const Flow flow = Family(call, match);
    const std::size_t end = call.Text.find("<ENDCLIP>", tokenStart);
    call.Position = end == std::string_view::npos ? call.Length() : end;
    return flow;
}

Flow Interpreter::Repeat(Call& call, std::size_t bodyStart, std::int32_t count, std::int32_t start,
                         std::int32_t step) {
    // The matching end: repeats opened inside the body claim theirs first.
    int depth = 0;
    std::size_t end = std::string_view::npos;
    for (std::size_t at = bodyStart; at < call.Length(); ++at) {
        if (call.Text[at] != '<')
            continue;
        if (StartsAt(call.Text, at, "<REP:") || StartsAt(call.Text, at, "<REPEAT:") ||
            StartsAt(call.Text, at, "<PROMPTREP>")) {
            ++depth;
        } else if (StartsAt(call.Text, at, "<ENDREP>")) {
            if (depth == 0) {
                end = at;
                break;
            }
            --depth;
        }
    }
    if (end == std::string_view::npos) {
        playback_.EndRunNotice("Repeat Error",
                               "No \"End Repeat\" that matches the initial repeat specified "
                               "in the macro. Macro will abort.");
        playback_.State().AbortFlag = true;
        call.Position = call.Length() - 1;
        return Flow::Next;
    }
    // The body plays whole, however long: texts from files and the clipboard
    // can hold repeats longer than a macro's script.
    DoMacro(call.Text.substr(bodyStart, end - bodyStart), count, start, step, false,
            call.Depth + 1);
    if (playback_.State().AbortFlag)
        return Flow::Return;
    call.Position = end;
    return Flow::Next;
}

}  // namespace orv::player
