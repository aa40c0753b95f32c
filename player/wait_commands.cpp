#include "player/wait_commands.h"

#include "common/string_routines.h"

namespace orv::player {

using C = CommandCode;

namespace {

constexpr std::uint64_t MsPerMinute = 60'000;
constexpr double MarkerDelaySeconds = 0.1;
constexpr unsigned char Backspace = 8;

// The wait byte is 1 only while its wait runs, whichever way it ends.
class HeldWaitByte {
  public:
    HeldWaitByte(WaitSignals& signals, WaitByte which) : signals_(signals), which_(which) {
        signals_.SetWaitByte(which_, true);
    }
    ~HeldWaitByte() { signals_.SetWaitByte(which_, false); }
    HeldWaitByte(const HeldWaitByte&) = delete;
    HeldWaitByte& operator=(const HeldWaitByte&) = delete;

  private:
    WaitSignals& signals_;
    WaitByte which_;
};

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

bool Holds(const std::string& text, std::string_view part) {
    return UpperAscii(text).find(UpperAscii(part)) != std::string::npos;
}

}  // namespace

void WaitEvents::WaitTextChar(std::uint32_t kind, unsigned char character) {
    if (kind == 1) {
        TypedText.clear();
    } else if (character == Backspace) {
        if (!TypedText.empty())
            TypedText.pop_back();
    } else {
        TypedText.push_back(static_cast<char>(character));
        if (TypedText.size() > WaitTextLength)
            TypedText.erase(0, TypedText.size() - WaitTextLength);
    }
}

std::optional<WaitKey> WaitKeyOf(std::int64_t number) {
    if (number >= 0 && number <= 25)
        return WaitKey{static_cast<std::uint8_t>('A' + number), std::string(1, char('A' + number))};
    if (number >= 26 && number <= 35)
        return WaitKey{static_cast<std::uint8_t>('0' + number - 26),
                       std::string(1, char('0' + number - 26))};
    if (number >= 36 && number <= 47)
        return WaitKey{static_cast<std::uint8_t>(112 + number - 36),
                       "F" + std::to_string(number - 35)};
    static const WaitKey others[] = {{27, "ESC"},  {9, "TAB"},  {13, "ENTER"},
                                     {17, "CTRL"}, {18, "ALT"}, {16, "SHIFT"}};
    if (number >= 48 && number <= 53)
        return others[number - 48];
    return std::nullopt;
}

void WaitCommands::TimedWait(Playback& play, std::int64_t minutes,
                             const std::function<bool()>& done, std::string_view caption,
                             std::string_view what) {
    const std::optional<std::uint64_t> limit =
        minutes > 0 ? std::optional(static_cast<std::uint64_t>(minutes) * MsPerMinute)
                    : std::nullopt;
    if (play.WaitFor(done, limit) != WaitEnd::TimedOut)
        return;
    timedOut_ = true;
    play.EndRunNotice(caption, std::string(what) + " within the specified time of " +
                                   std::to_string(minutes) + " minutes.  Macro will abort.");
    play.State().AbortFlag = true;
}

void WaitCommands::WaitWhileBusy(Playback& play) {
    if (!play.HasInputToSettle())
        return;
    HeldWaitByte held(signals_, WaitByte::InputProcessed);
    play.PauseForNoSpeed(MarkerDelaySeconds);
    // The hook library answers the marker once it has passed all input
    // played before it; the clear-wait timer bounds the wait.
    play.PlaySettleMarker(MarkerKey);
    signals_.StartClearWaitTimer();
    play.WaitFor([&] { return !signals_.WaitByteSet(WaitByte::InputProcessed); }, std::nullopt);
}

Flow WaitCommands::Perform(CommandContext& context) {
    Playback& play = context.Play;
    const std::string_view text = context.Match.Texts[0];
    const auto minutes = [&](std::size_t from) {
        return ReadInteger(context.Field(from, from + 2));
    };
    const C code = context.Form().Code;
    timedOut_ = false;
    // A wait that watches the foreground window starts once the keys played
    // before it have arrived: a window they open or close is then in place.
    if (code == C::WaitForWindowTitle || code == C::WaitWindowLoseFocus)
        WaitWhileBusy(play);
    if (play.Refused())
        return Flow::EndRun;
    switch (code) {
        case C::WaitForWindowTitle: {
            const std::int64_t limit = minutes(9);
            TimedWait(
                play, limit,
                [&] {
                    const WindowId window = signals_.ForegroundWindow();
                    const std::string title = window ? signals_.Title(window) : std::string();
                    if (!title.empty() && limit == 0)
                        windows_.LastActivatedWindow = window;
                    return !title.empty() && Holds(title, text);
                },
                "Wait For Window Error",
                "The Window Title of " + Quoted(UpperAscii(text)) + " did not appear");
            break;
        }
        case C::WaitWindowLoseFocus:
            TimedWait(
                play, minutes(9),
                [&] {
                    const WindowId window = signals_.ForegroundWindow();
                    const std::string title = window ? signals_.Title(window) : std::string();
                    if (title.empty())
                        return false;
                    windows_.LastActivatedWindow = window;
                    return !Holds(title, text);
                },
                "Wait For Window Error",
                "The Window Title of " + Quoted(UpperAscii(text)) + " did not lose focus");
            break;
        case C::WaitProgramTerminate: {
            const std::string name = UpperAscii(text);
            signals_.SetProgTermTimer(true);
            TimedWait(
                play, minutes(10), [&] { return !signals_.ProgramRunning(name); },
                "Wait For Program To Terminate Error",
                "The Program " + Quoted(name) + " did not terminate");
            signals_.SetProgTermTimer(false);
            break;
        }
        case C::WaitLeftMouseClick:
        case C::WaitRightMouseClick:
        case C::WaitMiddleMouseClick: {
            const std::uint32_t button = code == C::WaitLeftMouseClick    ? 1
                                         : code == C::WaitRightMouseClick ? 2
                                                                          : 3;
            static constexpr std::string_view names[] = {"", "Left", "Right", "Middle"};
            Events.ClickSeen = {};
            HeldWaitByte held(signals_, WaitByte::Click);
            TimedWait(
                play, minutes(8), [&] { return Events.ClickSeen[button]; },
                "Wait For Mouse Click Error", std::string(names[button]) + " click did not occur");
            break;
        }
        case C::WaitForKeyPress: {
            const std::optional<WaitKey> key = WaitKeyOf(ReadInteger(text));
            // A key number the list does not have names no key to wait for.
            if (!key)
                break;
            HeldWaitByte held(signals_, WaitByte::Key);
            Events.LastKeySeen = 0;
            TimedWait(
                play, minutes(9), [&] { return Events.LastKeySeen == key->VirtualKey; },
                "Wait For Key Press", "The " + Quoted(key->Name) + " key was not pressed");
            break;
        }
        case C::WaitForText: {
            const bool caseSensitive = context.Form().Variant == 1;
            Events.WaitTextLength = text.size();
            Events.TypedText.clear();
            HeldWaitByte held(signals_, WaitByte::Text);
            TimedWait(
                play, minutes(10),
                [&] {
                    return caseSensitive ? Events.TypedText == text
                                         : UpperAscii(Events.TypedText) == UpperAscii(text);
                },
                "Wait For Text Error", "Text " + Quoted(text) + " was not typed");
            break;
        }
        case C::WaitTextPlayback:
            WaitWhileBusy(play);
            break;
        default:
            ReportFormWithoutCase(context.Form());
    }
    // The time-out's notice was the run's last word: no abort notice after it.
    return timedOut_ ? Flow::EndRun : Flow::Next;
}

}  // namespace orv::player
