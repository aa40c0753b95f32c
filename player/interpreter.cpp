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
    playback_.EndFineTimer();
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
        if (playback_.Refused()) {
            endRun_ = true;
            return false;
        }
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

// One of the interpreter's own tokens, passed over already in its call.
struct Interpreter::OwnToken {
    Call& In;
    const TokenMatch& Match;
    std::string_view Text;  // from the "<" to the closing ">" inclusive

    const TokenForm& Form() const { return *Match.Form; }
    std::uint8_t Variant() const { return Form().Variant; }
    std::string_view Field(TokenField field) const {
        if (field.From >= Text.size())
            return {};
        return Text.substr(field.From, field.Width());
    }
    std::int64_t Integer(TokenField field) const { return ReadInteger(Field(field)); }
    std::int64_t Integer() const { return Integer(ClosedField(Form())); }
    std::optional<double> Decimal(TokenField field) const {
        return FieldReal(Text, field.From, field.To);
    }
    std::optional<double> Decimal() const { return Decimal(ClosedField(Form())); }
};

Flow Interpreter::Perform(Call& call, const TokenMatch& match) {
    const TokenForm& form = *match.Form;
    const OwnToken token{call, match, call.Text.substr(call.Position, match.Length)};
    call.Advance(match.Length);
    if (form.Code == C::ClipboardStartCopy)
        return CopyBlock(call, match);
    if (FamilyOf(form) != FamilyId::Interpreter)
        return Family(call, match);

    switch (form.Code) {
        case C::Text:
            return KeyToken(token);
        case C::None:  // the right and middle button as keys
            return ButtonAsKey(token);
        case C::ControlKey:
        case C::AltKey:
        case C::ShiftKey:
        case C::WinKey:
            return HeldKey(token);
        case C::MouseLeftButton:
        case C::MouseRightButton:
        case C::MouseMiddleButton:
            return MouseButton(token);
        case C::MouseWheel:
            return Wheel(token);
        case C::MouseMove:
            return PointerMove(token);
        case C::WaitTimeDelay:
            return TimedPause(token);
        case C::Delay:
            return Delay(token);
        case C::MacroPlaybackSpeed:
            return PlaybackSpeed(token);
        case C::KeystrokeSpeed:
        case C::MouseSpeed:
            return InputSpeed(token);
        case C::WaitTimeElapse:
            return ElapsedWait(token);
        case C::RepeatCounter:
            return Counter(token);
        case C::RepeatPromptStart:
            return Repeat(call, call.Position, playback_.Host().DoRepPrompt(), 1, 1);
        case C::RepeatStart:
            return RepeatStart(token);
        case C::MacroRun:
            return NestedText(token, playback_.Host().MacroScript(MacroNameOf(token)));
        case C::EncryptedText:
            return NestedText(token, CryptText(MacroNameOf(token), EncryptedTextKey, false));
        case C::LoadTextFile:
            return TextFile(token);
        default:
            ReportFormWithoutCase(form);
            return Flow::Next;
    }
}

// "<ALT:" and "<ALT4:" carry digits between head and ">"; the other keystroke
// tokens name their key, Shift, Ctrl and Alt held for the next key only.
Flow Interpreter::KeyToken(const OwnToken& token) {
    const std::uint8_t key = token.Variant();
    if (key == VKey::Shift || key == VKey::Control || key == VKey::Menu) {
        HeldModifier(token.In, key);
    } else if (key != 0) {
        NamedKey(token.In, key);
    } else {
        RunState& state = playback_.State();
        if (state.KeystrokeDelayOn)
            playback_.KeyDelay(state.KeystrokeDelay);
        const std::size_t head = token.Form().Head.size();
        playback_.TypeAltNumber(token.Text.substr(head, token.Text.size() - head - 1));
    }
    return Flow::Next;
}

void Interpreter::NamedKey(Call& call, std::uint8_t virtualKey) {
    RunState& state = playback_.State();
    if (state.KeystrokeDelayOn)
        playback_.KeyDelay(state.KeystrokeDelay);
    const std::uint8_t lifted = playback_.LiftUserModifiers(0);
    playback_.PostVKey(virtualKey, false);
    playback_.PostVKey(virtualKey, true);
    playback_.ReleaseModifiers(call.Held);
    playback_.PutBackUserModifiers(lifted);
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

Flow Interpreter::ButtonAsKey(const OwnToken& token) {
    playback_.PostVKey(token.Variant(), false);
    playback_.PostVKey(token.Variant(), true);
    playback_.ReleaseModifiers(token.In.Held);
    return Flow::Next;
}

Flow Interpreter::HeldKey(const OwnToken& token) {
    const std::uint8_t variant = token.Variant();
    playback_.PostVKey(HeldKeys[(variant - 1) / 2], variant % 2 == 0);
    return Flow::Next;
}

Flow Interpreter::MouseButton(const OwnToken& token) {
    const int choice = token.Variant() - 2;
    const ButtonFlags& button = Buttons[choice / 4];
    switch (choice % 4) {
        case 0:
        case 1:
            playback_.MouseClicks(button.Down, button.Up, choice % 4 + 1);
            break;
        case 2:
            playback_.MouseButton(button.Down);
            break;
        default:
            playback_.MouseButton(button.Up);
    }
    return Flow::Next;
}

Flow Interpreter::Wheel(const OwnToken& token) {
    const auto notches = static_cast<std::int32_t>(token.Integer());
    playback_.MouseWheel(token.Form().Head == "<WFW:" ? notches : -notches);
    return Flow::Next;
}

// "<MMS:" moves to a point of the screen, "<MMW:" of the foreground window,
// "<MMP:" by an offset from where the pointer stands; "<MMC>" to the caret.
Flow Interpreter::PointerMove(const OwnToken& token) {
    const std::string_view head = token.Form().Head;
    if (head == "<MMC>") {
        playback_.MouseToCaret();
        return Flow::Next;
    }
    PlayerHost& host = playback_.Host();
    ScreenPoint origin;
    if (head == "<MMP:")
        origin = host.CursorPos();
    if (head == "<MMW:")
        origin = host.ForegroundOrigin();
    playback_.MouseMoveTo(origin.X + token.Decimal(PointField::X).value_or(0),
                          origin.Y + token.Decimal(PointField::Y).value_or(0));
    return Flow::Next;
}

Flow Interpreter::TimedPause(const OwnToken& token) {
    playback_.TimedPauseFor(static_cast<double>(token.Integer()));
    return Flow::Next;
}

Flow Interpreter::Delay(const OwnToken& token) {
    if (token.Form().Head == "<MSD:") {
        playback_.KeyDelay(token.Integer());
    } else {
        playback_.PauseFor(token.Decimal().value_or(0));
    }
    return Flow::Next;
}

Flow Interpreter::PlaybackSpeed(const OwnToken& token) {
    const std::optional<double> speed = token.Decimal();
    if (speed && *speed >= 0 && *speed <= MaxPlaybackSpeed)
        playback_.State().PlaybackSpeed = *speed;
    return Flow::Next;
}

Flow Interpreter::InputSpeed(const OwnToken& token) {
    const std::int64_t ms = token.Integer();
    if (ms < 0)
        return Flow::Next;
    RunState& state = playback_.State();
    const bool keys = token.Form().Code == C::KeystrokeSpeed;
    (keys ? state.KeystrokeDelay : state.MouseDelay) = static_cast<std::uint16_t>(ms);
    (keys ? state.KeystrokeDelayOn : state.MouseDelayOn) = ms != 0;
    return Flow::Next;
}

Flow Interpreter::ElapsedWait(const OwnToken& token) {
    const std::int64_t seconds = token.Integer();
    playback_.WaitForTimer(seconds > 0 ? static_cast<std::uint64_t>(seconds) * 1000 : 0);
    return Flow::Next;
}

// The repeat counter types the pass's value; start and step come from 16-bit
// fields and the pass is at least 1.
Flow Interpreter::Counter(const OwnToken& token) {
    const Call& call = token.In;
    const std::uint64_t value =
        static_cast<std::uint64_t>(call.Start) +
        static_cast<std::uint64_t>(call.Pass - 1) * static_cast<std::uint64_t>(call.Step);
    Nested(call, ZeroPadded(value, token.Variant()));
    return Flow::Next;
}

// "<REPEAT:" holds the count alone; "<REP:" the counter's start and step too.
Flow Interpreter::RepeatStart(const OwnToken& token) {
    Call& call = token.In;
    const auto field16 = [&](TokenField field) {
        return static_cast<std::uint16_t>(token.Integer(field));
    };
    if (token.Form().Head == "<REPEAT:")
        return Repeat(call, call.Position, static_cast<std::uint16_t>(token.Integer()), 1, 1);
    return Repeat(call, call.Position, field16(RepeatField::Count), field16(RepeatField::Start),
                  field16(RepeatField::Step));
}

std::string Interpreter::MacroNameOf(const OwnToken& token) {
    return std::string(token.Match.Texts[0].substr(0, 255));
}

Flow Interpreter::NestedText(const OwnToken& token, const std::optional<std::string>& text) {
    if (text)
        Nested(token.In, *text);
    return Flow::Next;
}

// A text file plays as a script without its last Ctrl+Z; one beyond the bound
// ends the run.
Flow Interpreter::TextFile(const OwnToken& token) {
    const std::string name = MacroNameOf(token);
    std::optional<std::string> text = playback_.Host().ReadTextFile(name, MaxTextFileBytes);
    if (text && text->size() > MaxTextFileBytes) {
        playback_.EndRunNotice("Text File Error",
                               "The text file " + name + " is larger than " +
                                   std::to_string(MaxTextFileBytes) +
                                   " bytes and cannot be played. Macro will abort.");
        playback_.State().AbortFlag = true;
        return Flow::Next;
    }
    if (text && !text->empty() && text->back() == CtrlZ)
        text->pop_back();
    return NestedText(token, text);
}

void Interpreter::Nested(const Call& call, std::string_view text) {
    DoMacro(text, 1, 1, 1, false, call.Depth + 1);
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
