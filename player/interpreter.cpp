#include "player/interpreter.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "common/cipher.h"
#include "player/date_time_text.h"

namespace orv {

namespace {

// What a row of the dispatch table does.
enum class Op : std::uint8_t {
    NamedKey,      // arg: virtual key
    KeyDown,       // arg: virtual key; one transition, no delay, no release
    KeyUp,         // arg: virtual key
    ButtonKey,     // arg: virtual key of a mouse button, pressed through the keyboard
    HeldModifier,  // arg: virtual key
    Skip,          // nothing to do: the token's text ends at its ">"
    TDelay,
    Delay,
    Speed,
    Msd,
    AltNumber,  // arg: number of digits
    Counter,    // arg: number of digits
    PromptRepeat,
    MacroRun,
    Repeat,
    RepeatCounted,
    KeystrokeSpeed,
    MouseSpeed,
    WaitTime,
    EncryptedText,
    TextFile,
    EndMarker,
    MouseButton,  // arg: index into ButtonActions
    WheelForward,
    WheelBack,
    MovePointer,
    MoveScreen,
    MoveWindow,
    MoveCaret,
    // Commands performed by the player's other routines; until those are in
    // place the token is passed over whole. arg: how many ">" it holds.
    Later,
    LaterClipText,  // the text up to "<ENDCLIP>" belongs to the token
};

struct Row {
    std::string_view Prefix;
    std::int8_t CloseAt;  // where ">" must stand for the row to match; -1 none
    Op Action;
    std::uint8_t Arg = 0;
};

// Mouse button rows: down flag, up flag, clicks (0: the single event).
struct ButtonAction {
    std::uint32_t Down, Up;
    int Clicks;
};
constexpr ButtonAction ButtonActions[] = {
    {MouseFlag::LeftDown, 0, 0},
    {MouseFlag::LeftUp, 0, 0},
    {MouseFlag::LeftDown, MouseFlag::LeftUp, 1},
    {MouseFlag::LeftDown, MouseFlag::LeftUp, 2},
    {MouseFlag::RightDown, 0, 0},
    {MouseFlag::RightUp, 0, 0},
    {MouseFlag::RightDown, MouseFlag::RightUp, 1},
    {MouseFlag::RightDown, MouseFlag::RightUp, 2},
    {MouseFlag::MiddleDown, 0, 0},
    {MouseFlag::MiddleUp, 0, 0},
    {MouseFlag::MiddleDown, MouseFlag::MiddleUp, 1},
    {MouseFlag::MiddleDown, MouseFlag::MiddleUp, 2},
};

// Every "<" is tried against these rows in this order, then against the date
// and time formats, before it is typed as a character.
constexpr Row DispatchTable[] = {
    {"<TAB>", -1, Op::NamedKey, 9},
    {"<ENTER>", -1, Op::NamedKey, 13},
    {"<RIGHTWIN>", -1, Op::NamedKey, 92},
    {"<LEFTWIN>", -1, Op::NamedKey, 91},
    {"<APP>", -1, Op::NamedKey, 93},
    {"<BACKSPACE>", -1, Op::NamedKey, 8},
    {"<ESC>", -1, Op::NamedKey, 27},
    {"<SPACE>", -1, Op::NamedKey, 32},
    {"<LEFT ARROW>", -1, Op::NamedKey, 37},
    {"<RIGHT ARROW>", -1, Op::NamedKey, 39},
    {"<UP ARROW>", -1, Op::NamedKey, 38},
    {"<DOWN ARROW>", -1, Op::NamedKey, 40},
    {"<TEST>", -1, Op::Skip},
    {"<HOME>", -1, Op::NamedKey, 36},
    {"<END>", -1, Op::NamedKey, 35},
    {"<INSERT>", -1, Op::NamedKey, 45},
    {"<DELETE>", -1, Op::NamedKey, 46},
    {"<PAGE DOWN>", -1, Op::NamedKey, 34},
    {"<PAGE UP>", -1, Op::NamedKey, 33},
    {"<CTLD>", -1, Op::KeyDown, VKey::Control},
    {"<CTLU>", -1, Op::KeyUp, VKey::Control},
    {"<ALTD>", -1, Op::KeyDown, VKey::Menu},
    {"<ALTU>", -1, Op::KeyUp, VKey::Menu},
    {"<SHFD>", -1, Op::KeyDown, VKey::Shift},
    {"<SHFU>", -1, Op::KeyUp, VKey::Shift},
    {"<WIND>", -1, Op::KeyDown, VKey::LeftWin},
    {"<WINU>", -1, Op::KeyUp, VKey::LeftWin},
    {"<RIGHT MOUSE>", -1, Op::ButtonKey, VKey::RightButton},
    {"<MIDDLE MOUSE>", -1, Op::ButtonKey, VKey::MiddleButton},
    {"<PAUSE:", -1, Op::Later, 1},
    {"<PAUSE>", -1, Op::Later, 0},
    {"<SCREEN:", 11, Op::Later, 1},
    {"<KEYDEL:", 10, Op::Later, 1},
    {"<KEYSPD:", 10, Op::Later, 1},
    {"<SSTIME:", 10, Op::Later, 1},
    {"<WBSIZE:", 10, Op::Later, 1},
    {"<WALLT:", -1, Op::Later, 1},
    {"<WALLC:", -1, Op::Later, 1},
    {"<WALLS:", -1, Op::Later, 1},
    {"<WALLP:", -1, Op::Later, 1},
    {"<TBOX:<HEAD:", -1, Op::Later, 2},
    {"<TDELAY:", 10, Op::TDelay},
    {"<DELAY:", 12, Op::Delay},
    {"<SPEED:", 12, Op::Speed},
    {"<MSD:", 9, Op::Msd},
    {"<REM:", -1, Op::Skip},
    {"<WSHUT:", -1, Op::Later, 1},
    {"<WHIDE:", -1, Op::Later, 1},
    {"<WSHOW:", -1, Op::Later, 1},
    {"<WSIZE:", -1, Op::Later, 1},
    {"<WPOS:", -1, Op::Later, 1},
    {"<WPOS2:", -1, Op::Later, 1},
    {"<ALT:", 8, Op::AltNumber, 3},
    {"<ALT4:", 10, Op::AltNumber, 4},
    {"<IIII>", -1, Op::Counter, 4},
    {"<III>", -1, Op::Counter, 3},
    {"<II>", -1, Op::Counter, 2},
    {"<I>", -1, Op::Counter, 1},
    {"<CLIPF:", -1, Op::Later, 1},
    {"<CLIPB:", -1, Op::Later, 1},
    {"<CLIPC>", -1, Op::Later, 0},
    {"<CLIPP>", -1, Op::Later, 0},
    {"<BEGCLIP>", -1, Op::LaterClipText},
    {"<CLIPTYPE>", -1, Op::Later, 0},
    {"<CLIPTYPEI>", -1, Op::Later, 0},
    {"<CLIPSG:", -1, Op::Later, 1},
    {"<CLIPST:", -1, Op::Later, 1},
    {"<CLIPAT:", -1, Op::Later, 1},
    {"<PROMPTREP>", -1, Op::PromptRepeat},
    {"<MACRUN:", -1, Op::MacroRun},
    {"<MACDEL:", -1, Op::Later, 1},
    {"<MACACT:", -1, Op::Later, 1},
    {"<MACDEACT:", -1, Op::Later, 1},
    {"<REPEAT:", 12, Op::Repeat},
    {"<REP:", 23, Op::RepeatCounted},
    {"<SPKEY:", 11, Op::KeystrokeSpeed},
    {"<SPMSE:", 11, Op::MouseSpeed},
    {"<SWAP:", -1, Op::Later, 1},
    {"<WAITWIN:", -1, Op::Later, 1},
    {"<WAITWLF:", -1, Op::Later, 1},
    {"<WAITPROG:", -1, Op::Later, 1},
    {"<WAITTXTY:", -1, Op::Later, 1},
    {"<WAITTXTN:", -1, Op::Later, 1},
    {"<WAITPB>", -1, Op::Later, 0},
    {"<WAITKEY:", -1, Op::Later, 1},
    {"<WAITLM:", -1, Op::Later, 1},
    {"<WAITMM:", -1, Op::Later, 1},
    {"<WAITRM:", -1, Op::Later, 1},
    {"<WAITTIME:", -1, Op::WaitTime},
    {"<ETEXT:", -1, Op::EncryptedText},
    {"<TFILE:", -1, Op::TextFile},
    {"<HTTP:", -1, Op::Later, 1},
    {"<FTP:", -1, Op::Later, 1},
    {"<ENDREP>", -1, Op::EndMarker},
    {"<ENDCLIP>", -1, Op::EndMarker},
    {"<AUDOFF>", -1, Op::Later, 0},
    {"<AUDON>", -1, Op::Later, 0},
    {"<AUDUP>", -1, Op::Later, 0},
    {"<AUDDOWN>", -1, Op::Later, 0},
    {"<AUDMUTE>", -1, Op::Later, 0},
    {"<AUDLEFT>", -1, Op::Later, 0},
    {"<AUDRIGHT>", -1, Op::Later, 0},
    {"<AUDCENTER>", -1, Op::Later, 0},
    {"<TREBUP>", -1, Op::Later, 0},
    {"<TREBDOWN>", -1, Op::Later, 0},
    {"<MIDIOFF>", -1, Op::Later, 0},
    {"<MIDION>", -1, Op::Later, 0},
    {"<MIDIUP>", -1, Op::Later, 0},
    {"<MIDIDOWN>", -1, Op::Later, 0},
    {"<MIDIMUTE>", -1, Op::Later, 0},
    {"<MIDILEFT>", -1, Op::Later, 0},
    {"<MIDIRIGHT>", -1, Op::Later, 0},
    {"<MIDICENTER>", -1, Op::Later, 0},
    {"<BASSUP>", -1, Op::Later, 0},
    {"<BASSDOWN>", -1, Op::Later, 0},
    {"<LDN>", -1, Op::MouseButton, 0},
    {"<LUP>", -1, Op::MouseButton, 1},
    {"<LCLK>", -1, Op::MouseButton, 2},
    {"<LDCLK>", -1, Op::MouseButton, 3},
    {"<RDN>", -1, Op::MouseButton, 4},
    {"<RUP>", -1, Op::MouseButton, 5},
    {"<RCLK>", -1, Op::MouseButton, 6},
    {"<RDCLK>", -1, Op::MouseButton, 7},
    {"<MDN>", -1, Op::MouseButton, 8},
    {"<MUP>", -1, Op::MouseButton, 9},
    {"<MCLK>", -1, Op::MouseButton, 10},
    {"<MDCLK>", -1, Op::MouseButton, 11},
    {"<WFW:", 8, Op::WheelForward},
    {"<WBW:", 8, Op::WheelBack},
    {"<MMP:", 16, Op::MovePointer},
    {"<MMS:", 16, Op::MoveScreen},
    {"<MMW:", 16, Op::MoveWindow},
    {"<MMC>", -1, Op::MoveCaret},
    {"<F1>", -1, Op::NamedKey, 112},
    {"<F2>", -1, Op::NamedKey, 113},
    {"<F3>", -1, Op::NamedKey, 114},
    {"<F4>", -1, Op::NamedKey, 115},
    {"<F5>", -1, Op::NamedKey, 116},
    {"<F6>", -1, Op::NamedKey, 117},
    {"<F7>", -1, Op::NamedKey, 118},
    {"<F8>", -1, Op::NamedKey, 119},
    {"<F9>", -1, Op::NamedKey, 120},
    {"<F10>", -1, Op::NamedKey, 121},
    {"<F11>", -1, Op::NamedKey, 122},
    {"<F12>", -1, Op::NamedKey, 123},
    {"<F13>", -1, Op::NamedKey, 124},
    {"<F14>", -1, Op::NamedKey, 125},
    {"<F15>", -1, Op::NamedKey, 126},
    {"<F16>", -1, Op::NamedKey, 127},
    {"<F17>", -1, Op::NamedKey, 128},
    {"<F18>", -1, Op::NamedKey, 129},
    {"<F19>", -1, Op::NamedKey, 130},
    {"<F20>", -1, Op::NamedKey, 131},
    {"<F21>", -1, Op::NamedKey, 132},
    {"<F22>", -1, Op::NamedKey, 133},
    {"<F23>", -1, Op::NamedKey, 134},
    {"<F24>", -1, Op::NamedKey, 135},
    {"<SHIFT>", -1, Op::HeldModifier, VKey::Shift},
    {"<CTRL>", -1, Op::HeldModifier, VKey::Control},
    {"<ALT>", -1, Op::HeldModifier, VKey::Menu},
    {"<ATTN>", -1, Op::NamedKey, 246},
    {"<CRSEL>", -1, Op::NamedKey, 247},
    {"<EXSEL>", -1, Op::NamedKey, 248},
    {"<EREOF>", -1, Op::NamedKey, 249},
    {"<PLAY>", -1, Op::NamedKey, 250},
    {"<ZOOM>", -1, Op::NamedKey, 251},
    {"<WAV1:", -1, Op::Later, 1},
    {"<WAV2:", -1, Op::Later, 1},
    {"<BEEP>", -1, Op::Later, 0},
    {"<CHDIR:", -1, Op::Later, 1},
    {"<MKDIR:", -1, Op::Later, 1},
    {"<NWT", -1, Op::Later, 3},
    {"<NWC", -1, Op::Later, 3},
    {"<NWD", -1, Op::Later, 1},
    {"<DIAL:<NAME:", -1, Op::Later, 3},
    {"<HANG>", -1, Op::Later, 0},
    {"<DELFILE:", -1, Op::Later, 1},
    {"<COPYFILE:", -1, Op::Later, 1},
    {"<RENFILE:", -1, Op::Later, 1},
    {"<ACTIVATE:", -1, Op::Later, 1},
    {"<EMAIL:", -1, Op::Later, 1},
    {"<LAUNCH:", -1, Op::Later, 1},
    {"<LAUNCHDEL:", -1, Op::Later, 1},
    {"<LAUNCHNO:", -1, Op::Later, 1},
    {"<LAUNCHYES:", -1, Op::Later, 1},
    {"<LAUNCHNO2:", -1, Op::Later, 1},
    {"<LAUNCHYES2:", -1, Op::Later, 1},
    {"<DOHOOK>", -1, Op::Later, 0},
    {"<DEFPRT:", -1, Op::Later, 1},
    {"<EXPLORE:", -1, Op::Later, 1},
    {"<AVI:", -1, Op::Later, 1},
    {"<AVII:", -1, Op::Later, 1},
    {"<AVIE:", -1, Op::Later, 1},
    {"<CDPLAY>", -1, Op::Later, 0},
    {"<CDSTOP>", -1, Op::Later, 0},
    {"<CDPAUSE>", -1, Op::Later, 0},
    {"<CDNEXT>", -1, Op::Later, 0},
    {"<CDPREV>", -1, Op::Later, 0},
    {"<CDGOTO:", 10, Op::Later, 1},
    {"<CDSTEP:", 10, Op::Later, 1},
    {"<CDBACK:", 10, Op::Later, 1},
    {"<CDEJECT>", -1, Op::Later, 0},
    {"<CDCLOSE>", -1, Op::Later, 0},
    {"<LOGOFF>", -1, Op::Later, 0},
    {"<REBOOT>", -1, Op::Later, 0},
    {"<SHUTDOWN>", -1, Op::Later, 0},
    {"<POWEROFF>", -1, Op::Later, 0},
    {"<SSON>", -1, Op::Later, 0},
    {"<SSOFF>", -1, Op::Later, 0},
    {"<CASCDESK>", -1, Op::Later, 0},
    {"<TILHDESK>", -1, Op::Later, 0},
    {"<TILVDESK>", -1, Op::Later, 0},
    {"<MINIDESK>", -1, Op::Later, 0},
    {"<RESTDESK>", -1, Op::Later, 0},
    {"<SUSPEND>", -1, Op::Later, 0},
    {"<UNDOCK>", -1, Op::Later, 0},
    {"<RUNDT>", -1, Op::Later, 0},
    {"<RUNFC>", -1, Op::Later, 0},
    {"<RUNFF>", -1, Op::Later, 0},
    {"<RUNRP>", -1, Op::Later, 0},
    {"<EXPCP>", -1, Op::Later, 0},
    {"<EXPDT>", -1, Op::Later, 0},
    {"<EXPDP>", -1, Op::Later, 0},
    {"<EXPFV>", -1, Op::Later, 0},
    {"<EXPFT>", -1, Op::Later, 0},
    {"<EXPMC>", -1, Op::Later, 0},
    {"<EXPNW>", -1, Op::Later, 0},
    {"<EXPPR>", -1, Op::Later, 0},
    {"<EXPPF>", -1, Op::Later, 0},
    {"<EXPRD>", -1, Op::Later, 0},
    {"<EXPRB>", -1, Op::Later, 0},
    {"<EXPSM>", -1, Op::Later, 0},
    {"<EXPSU>", -1, Op::Later, 0},
    {"<EXPUD>", -1, Op::Later, 0},
    {"<EMPTYBIN>", -1, Op::Skip},
    {"<PA1>", -1, Op::NamedKey, 253},
    {"<PRTSCR>", -1, Op::NamedKey, 44},
    {"<SCRLOCK>", -1, Op::NamedKey, 145},
    {"<PAUSEKEY>", -1, Op::NamedKey, 19},
    {"<CAPLOCK>", -1, Op::NamedKey, 20},
    {"<NUMLOCK>", -1, Op::NamedKey, 144},
    {"<KEYP0>", -1, Op::NamedKey, 96},
    {"<KEYP1>", -1, Op::NamedKey, 97},
    {"<KEYP2>", -1, Op::NamedKey, 98},
    {"<KEYP3>", -1, Op::NamedKey, 99},
    {"<KEYP4>", -1, Op::NamedKey, 100},
    {"<KEYP5>", -1, Op::NamedKey, 101},
    {"<KEYP6>", -1, Op::NamedKey, 102},
    {"<KEYP7>", -1, Op::NamedKey, 103},
    {"<KEYP8>", -1, Op::NamedKey, 104},
    {"<KEYP9>", -1, Op::NamedKey, 105},
    {"<KEYP.>", -1, Op::NamedKey, 110},
    {"<KEYP/>", -1, Op::NamedKey, 111},
    {"<KEYP*>", -1, Op::NamedKey, 106},
    {"<KEYP->", -1, Op::NamedKey, 109},
    {"<KEYP+>", -1, Op::NamedKey, 107},
    {"<WMAX:", -1, Op::Later, 1},
    {"<WMIN:", -1, Op::Later, 1},
    {"<WCLS:", -1, Op::Later, 1},
    {"<WRES:", -1, Op::Later, 1},
};
static_assert(std::size(DispatchTable) == 260);

constexpr std::string_view EncryptedTextKey = "DRUNBOLTqiv";
constexpr char CtrlZ = 26;

// Whole numbers in fields: leading blanks, an optional sign, then the digits
// up to the first other character; an empty field is 0. Saturates rather
// than overflowing.
std::int64_t ReadInteger(std::string_view field) {
    std::size_t at = 0;
    while (at < field.size() && field[at] == ' ') ++at;
    bool negative = false;
    if (at < field.size() && (field[at] == '-' || field[at] == '+'))
        negative = field[at++] == '-';
    std::int64_t value = 0;
    for (; at < field.size() && field[at] >= '0' && field[at] <= '9'; ++at) {
        if (value < 1'000'000'000'000)
            value = value * 10 + (field[at] - '0');
    }
    return negative ? -value : value;
}

// A decimal number filling the whole field ("." as the decimal point, blanks
// around it allowed); anything else gives no value.
std::optional<double> ReadDecimal(std::string_view field) {
    while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    if (field.empty())
        return std::nullopt;
    std::size_t digits = 0;
    for (char c : field) digits += c >= '0' && c <= '9';
    if (digits == 0)
        return std::nullopt;
    double value = 0;
    const auto [end, error] =
        std::from_chars(field.data(), field.data() + field.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != field.data() + field.size())
        return std::nullopt;
    return value;
}

bool StartsAt(std::string_view text, std::size_t at, std::string_view prefix) {
    return at <= text.size() && text.substr(at, prefix.size()) == prefix;
}

// Beyond this a speed factor only means the script was misread: delays of
// hours per keystroke.
constexpr double MaxPlaybackSpeed = 100.0;

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
    // Characters from..to (inclusive) counted from the "<", as far as the text
    // goes, cut to the 255 a field holds.
    std::string_view Field(std::size_t from, std::size_t to) const {
        const std::size_t begin = std::min(Position + from, Length());
        const std::size_t end = std::min(Position + to + 1, Length());
        return Text.substr(begin, std::min<std::size_t>(end - begin, 255));
    }
    // Free text from a place to the next ">"; the token then ends behind it.
    std::string_view FreeText(std::size_t from, std::size_t& tokenEnd) const {
        const std::size_t begin = std::min(Position + from, Length());
        std::size_t close = Text.find('>', begin);
        if (close == std::string_view::npos)
            close = Length();
        tokenEnd = std::min(close + 1, Length());
        return Text.substr(begin, std::min<std::size_t>(close - begin, 255));
    }
    void Advance(std::size_t by) { Position = std::min(Position + by, Length()); }
};

bool Interpreter::RunMacro(std::string_view script, RunOrigin origin) {
    RunState& state = playback_.State();
    if (state.Running)
        return false;
    PlayerHost& host = playback_.Host();
    if (origin == RunOrigin::User)
        host.MarkMacroInUse();
    state.AbortFlag = false;
    endRun_ = false;
    capsGivenBack_ = false;
    if (state.CapsLockWasOn) {
        // Off while the macro types; given back at the end.
        playback_.PostVKey(VKey::Capital, false);
        playback_.PostVKey(VKey::Capital, true);
    }
    state.KeystrokeDelayOn = false;
    state.MouseDelayOn = false;
    state.PlaybackSpeed = 1.0;
    playback_.GetSystemSize();
    state.Running = true;
    host.ShowRunning(true);

    DoMacro(script, 1, 1, 1, true, 0);

    // However the run ended, nothing it pressed stays down and Caps Lock is
    // given back once.
    playback_.ReleaseEverything();
    GiveBackCapsLock();
    state.Running = false;
    host.ShowRunning(false);
    if (origin == RunOrigin::User) {
        playback_.PostVKey(VKey::Execute, false);
        playback_.PostVKey(VKey::Execute, true);
        host.StartClearTimer();
    }
    return true;
}

void Interpreter::GiveBackCapsLock() {
    if (!playback_.State().CapsLockWasOn || capsGivenBack_)
        return;
    capsGivenBack_ = true;
    playback_.PostVKey(VKey::Capital, false);
    playback_.PostVKey(VKey::Capital, true);
}

void Interpreter::DoMacro(std::string_view text, std::int32_t count, std::int32_t start,
                          std::int32_t step, bool restoreCapsLock, int depth) {
    RunState& state = playback_.State();
    if (state.AbortFlag || endRun_)
        return;
    if (depth > MaxNesting) {
        playback_.Host().DoAMessage("Macro Nesting Error",
                                    "Macros, repeats and text files are nested more than " +
                                        std::to_string(MaxNesting) +
                                        " levels deep. Macro will abort.");
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
        GiveBackCapsLock();
}

// One pass over the text; false when the call must return at once.
bool Interpreter::RunPass(Call& call) {
    RunState& state = playback_.State();
    while (call.Position < call.Length() && !endRun_) {
        if (state.AbortFlag) {
            playback_.Host().DoAMessage("Macro Abort", "Orvane 99 macro has been aborted.");
            return false;
        }
        const char c = call.Text[call.Position];
        if (c == '<') {
            if (Token(call) == Flow::Return)
                return false;
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

Interpreter::Flow Interpreter::Token(Call& call) {
    for (std::size_t row = 0; row < std::size(DispatchTable); ++row) {
        const Row& r = DispatchTable[row];
        if (!StartsAt(call.Text, call.Position, r.Prefix))
            continue;
        if (r.CloseAt >= 0) {
            const std::size_t close = call.Position + r.CloseAt;
            if (close >= call.Length() || call.Text[close] != '>')
                continue;
        }
        return Perform(call, row);
    }
    if (DateOrTime(call))
        return Flow::Next;
    // No token: the "<" is a character like any other.
    playback_.TypeChar('<', call.Held);
    call.Advance(1);
    return Flow::Next;
}

bool Interpreter::DateOrTime(Call& call) {
    const std::string_view rest = call.Text.substr(call.Position + 1);
    const auto& dates = DateFormatNames();
    for (int f = 0; f < DateFormatCount; ++f) {
        const std::string_view name = dates[f];
        if (!StartsAt(rest, 0, name) || !StartsAt(rest, name.size(), "{"))
            continue;
        const bool zeros = StartsAt(rest, name.size() + 1, "Y");
        const bool shortForm = StartsAt(rest, name.size() + 3, ">");
        std::int32_t offset = 0;
        if (!shortForm) {
            offset = static_cast<std::int32_t>(
                ReadInteger(call.Field(name.size() + 4, name.size() + 6)));
            if (StartsAt(rest, name.size() + 2, "P"))
                offset = -offset;
        }
        playback_.TypeDate(f + 1, zeros, offset, call.Held);
        call.Advance(name.size() + (shortForm ? 5 : 9));
        return true;
    }
    const auto& times = TimeFormatNames();
    for (const std::string_view ending : {"{N}>", "{Y}>"}) {
        for (int f = 0; f < TimeFormatCount; ++f) {
            const std::string_view name = times[f];
            if (!StartsAt(rest, 0, name) || !StartsAt(rest, name.size(), ending))
                continue;
            playback_.TypeTime(f + 1, ending[1] == 'Y', call.Held);
            call.Advance(name.size() + 5);
            return true;
        }
    }
    return false;
}

void Interpreter::NamedKey(Call& call, std::uint8_t virtualKey) {
    RunState& state = playback_.State();
    if (state.KeystrokeDelayOn)
        playback_.KeyDelay(state.KeystrokeDelay);
    playback_.PostVKey(virtualKey, false);
    playback_.PostVKey(virtualKey, true);
    playback_.ReleaseModifiers(call.Held);
}

void Interpreter::Nested(const Call& call, std::string_view text) {
    DoMacro(text, 1, 1, 1, false, call.Depth + 1);
}

Interpreter::Flow Interpreter::Perform(Call& call, std::size_t row) {
    const Row& r = DispatchTable[row];
    RunState& state = playback_.State();
    PlayerHost& host = playback_.Host();
    const std::size_t fixedEnd = r.CloseAt >= 0 ? r.CloseAt + 1 : r.Prefix.size();
    std::size_t tokenEnd = 0;
    switch (r.Action) {
        case Op::NamedKey:
            call.Advance(r.Prefix.size());
            NamedKey(call, r.Arg);
            return Flow::Next;
        case Op::KeyDown:
        case Op::KeyUp:
            playback_.PostVKey(r.Arg, r.Action == Op::KeyUp);
            break;
        case Op::ButtonKey:
            playback_.PostVKey(r.Arg, false);
            playback_.PostVKey(r.Arg, true);
            playback_.ReleaseModifiers(call.Held);
            break;
        case Op::HeldModifier: {
            bool& held = r.Arg == VKey::Shift     ? call.Held.Shift
                         : r.Arg == VKey::Control ? call.Held.Ctrl
                                                  : call.Held.Alt;
            // Alt toggles; Shift and Ctrl are pressed again however often.
            const bool release = r.Arg == VKey::Menu && held;
            playback_.PostVKey(r.Arg, release);
            held = !release;
            break;
        }
        case Op::Skip:
            call.FreeText(r.Prefix.size() - 1, tokenEnd);
            call.Position = tokenEnd;
            return Flow::Next;
        case Op::TDelay:
            playback_.TimedPauseFor(static_cast<double>(ReadInteger(call.Field(8, 9))));
            break;
        case Op::Delay:
            playback_.PauseFor(ReadDecimal(call.Field(7, 11)).value_or(0));
            break;
        case Op::Speed: {
            const std::optional<double> speed = ReadDecimal(call.Field(7, 11));
            if (speed && *speed >= 0 && *speed <= MaxPlaybackSpeed)
                state.PlaybackSpeed = *speed;
            break;
        }
        case Op::Msd:
            playback_.KeyDelay(ReadInteger(call.Field(5, 8)));
            break;
        case Op::AltNumber:
            if (state.KeystrokeDelayOn)
                playback_.KeyDelay(state.KeystrokeDelay);
            playback_.TypeAltNumber(call.Field(r.Prefix.size(), r.Prefix.size() + r.Arg - 1));
            break;
        case Op::Counter: {
            // Start and step come from 16-bit fields; the pass is at least 1.
            const std::uint64_t value =
                static_cast<std::uint64_t>(call.Start) +
                static_cast<std::uint64_t>(call.Pass - 1) * static_cast<std::uint64_t>(call.Step);
            call.Advance(r.Prefix.size());
            Nested(call, ZeroPadded(value, r.Arg));
            return Flow::Next;
        }
        case Op::PromptRepeat:
            return Repeat(call, call.Position + r.Prefix.size(), host.DoRepPrompt(), 1, 1);
        case Op::Repeat:
            return Repeat(call, call.Position + 13,
                          static_cast<std::uint16_t>(ReadInteger(call.Field(8, 11))), 1, 1);
        case Op::RepeatCounted:
            return Repeat(call, call.Position + 24,
                          static_cast<std::uint16_t>(ReadInteger(call.Field(5, 8))),
                          static_cast<std::uint16_t>(ReadInteger(call.Field(10, 15))),
                          static_cast<std::uint16_t>(ReadInteger(call.Field(17, 22))));
        case Op::KeystrokeSpeed:
        case Op::MouseSpeed: {
            const std::int64_t ms = ReadInteger(call.Field(7, 10));
            if (ms >= 0) {
                const bool keys = r.Action == Op::KeystrokeSpeed;
                (keys ? state.KeystrokeDelay : state.MouseDelay) = static_cast<std::uint16_t>(ms);
                (keys ? state.KeystrokeDelayOn : state.MouseDelayOn) = ms != 0;
            }
            break;
        }
        case Op::WaitTime: {
            const std::int64_t seconds = ReadInteger(call.Field(10, 17));
            playback_.WaitForTimer(seconds > 0 ? static_cast<std::uint64_t>(seconds) * 1000 : 0);
            call.Advance(19);
            return Flow::Next;
        }
        case Op::MacroRun:
        case Op::EncryptedText:
        case Op::TextFile: {
            const std::string field(call.FreeText(r.Prefix.size(), tokenEnd));
            call.Position = tokenEnd;
            std::optional<std::string> text;
            if (r.Action == Op::MacroRun) {
                text = host.MacroScript(field);
            } else if (r.Action == Op::EncryptedText) {
                text = CryptText(field, EncryptedTextKey, false);
            } else {
                text = host.ReadTextFile(field);
                if (text && !text->empty() && text->back() == CtrlZ)
                    text->pop_back();
            }
            if (text)
                Nested(call, *text);
            return Flow::Next;
        }
        case Op::EndMarker:
            break;
        case Op::MouseButton: {
            const ButtonAction& b = ButtonActions[r.Arg];
            if (b.Clicks == 0) {
                playback_.MouseButton(b.Down);
            } else {
                playback_.MouseClicks(b.Down, b.Up, b.Clicks);
            }
            break;
        }
        case Op::WheelForward:
        case Op::WheelBack: {
            const auto notches = static_cast<std::int32_t>(ReadInteger(call.Field(5, 7)));
            playback_.MouseWheel(r.Action == Op::WheelForward ? notches : -notches);
            break;
        }
        case Op::MovePointer:
        case Op::MoveScreen:
        case Op::MoveWindow: {
            ScreenPoint origin;
            if (r.Action == Op::MovePointer)
                origin = host.CursorPos();
            if (r.Action == Op::MoveWindow)
                origin = host.ForegroundOrigin();
            const double x = ReadDecimal(call.Field(5, 9)).value_or(0);
            const double y = ReadDecimal(call.Field(11, 15)).value_or(0);
            playback_.MouseMoveTo(origin.X + x, origin.Y + y);
            break;
        }
        case Op::MoveCaret:
            playback_.MouseToCaret();
            break;
        case Op::Later:
            if (r.CloseAt >= 0 || r.Arg == 0)
                break;
            tokenEnd = call.Position;
            for (int i = 0; i < r.Arg && tokenEnd < call.Length(); ++i) {
                const std::size_t close = call.Text.find('>', tokenEnd + (i == 0 ? 1 : 0));
                tokenEnd = close == std::string_view::npos ? call.Length() : close + 1;
            }
            call.Position = tokenEnd;
            return Flow::Next;
        case Op::LaterClipText: {
            const std::size_t end = call.Text.find("<ENDCLIP>", call.Position);
            call.Position = end == std::string_view::npos ? call.Length() : end;
            return Flow::Next;
        }
    }
    call.Advance(fixedEnd);
    return Flow::Next;
}

Interpreter::Flow Interpreter::Repeat(Call& call, std::size_t bodyStart, std::int32_t count,
                                      std::int32_t start, std::int32_t step) {
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
        playback_.Host().DoAMessage("Repeat Error",
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

}  // namespace orv
