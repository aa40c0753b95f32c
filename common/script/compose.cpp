#include "common/script/compose.h"

#include <cmath>

#include "common/script/fields.h"
#include "common/script/token_table.h"
#include "common/string_routines.h"

namespace orv {
namespace {

using C = CommandCode;

class Composer {
  public:
    // Starts the token of the command's form for this variant.
    Composer& Head(CommandCode code, int variant) {
        const TokenForm* form = WrittenForm(code, variant);
        if (!form)
            Fail("The command \"" + std::string(CommandName(code)) +
                 "\" has no form for its choice " + NumberText(variant) + ".");
        else
            text_ += form->Head;
        return *this;
    }
    Composer& Literal(std::string_view s) {
        text_ += s;
        return *this;
    }
    Composer& Digits(long long value, std::size_t width) {
        return Field(DigitsField(value, width), NumberText(value),
                     "a field of " + NumberText(static_cast<long long>(width)) + " digits");
    }
    Composer& Signed(long long value) {
        return Field(SignedField5(value), NumberText(value), "its field (-9999 to 99999)");
    }
    Composer& Seconds(double value) {
        return Field(SecondsField(value), RealText(value, 2), "its field (0.00 to 99.99)");
    }
    Composer& Rounded(double value, std::size_t width) {
        if (!std::isfinite(value) || std::fabs(value) > 1e15)
            return Field(std::nullopt, RealText(value, 0), "its field");
        return Digits(std::llround(value), width);
    }
    // Free text runs to the next ">", so it may not hold one; stop lists further
    // characters that end this field early.
    Composer& Free(std::string_view value, std::string_view stop = "",
                   std::string_view what = "text") {
        std::string problem = FreeTextProblem(value, stop, what);
        if (!problem.empty())
            return Fail(std::move(problem));
        text_ += value;
        return *this;
    }
    // A stored password is scrambled, and the character that scrambles to ">"
    // cannot be written.
    Composer& Password(std::string_view scrambled) {
        if (scrambled.find('>') != std::string_view::npos) {
            return Fail("The password holds the character \"" + ScrambleText(">") +
                        "\", which cannot be stored in a macro.  Please choose another "
                        "password.");
        }
        text_ += scrambled;
        return *this;
    }
    Composer& Title(std::string_view title, bool current) {
        return current ? Literal(CurrentWindowTitle) : Free(title, "", "window title");
    }
    // A path that holds the parameter mark would lose its tail to the parameters.
    Composer& Program(const LaunchRec& r) {
        if (r.Program.str().find("<PARAM") != std::string::npos)
            return Fail("The program \"" + r.Program.str() +
                        "\" holds \"<PARAM\", which would be taken for its parameters.  Please "
                        "remove it.");
        Free(r.Program, "", "program");
        if (!r.Parameters.empty())
            Literal("<PARAM>").Free(r.Parameters, "", "parameter text");
        return *this;
    }
    // A field with room for at most most characters.
    Composer& Limited(std::string_view value, std::size_t most, std::string_view what) {
        if (value.size() > most) {
            return Fail("The " + std::string(what) + " has " + NumberText(value.size()) +
                        " characters; at most " + NumberText(most) + " fit.  Please shorten it.");
        }
        return Free(value, "", what);
    }
    Composer& Close() { return Literal(">"); }
    Composer& Fail(std::string message) {
        if (error_.empty())
            error_ = std::move(message);
        return *this;
    }
    ComposeResult Result() const {
        if (!error_.empty())
            return {{}, error_};
        return {text_, {}};
    }

  private:
    Composer& Field(const std::optional<std::string>& field, const std::string& shown,
                    const std::string& where) {
        if (!field)
            return Fail("The number " + shown + " does not fit " + where + ".");
        text_ += *field;
        return *this;
    }

    std::string text_;
    std::string error_;
};

struct Writer {
    CommandCode code;
    Composer c;

    // Typed as it stands: whether it reads back so beside the lines around it
    // is for the writer of the whole script to say.
    ComposeResult operator()(const TextRec& r) { return c.Literal(r.Text).Result(); }
    ComposeResult operator()(const DateTimeRec& r) {
        bool isDate = code == C::Date;
        const FormatEntry* format = FindFormat(isDate, r.FormatNumber);
        if (!format)
            return c.Fail("The format number " + NumberText(r.FormatNumber) + " does not exist.")
                .Result();
        c.Literal("<").Literal(format->Name).Literal("{").Literal(r.ShowZeros ? "Y" : "N");
        if (isDate)
            c.Literal(r.Future ? "F" : "P").Digits(r.Days, 3);
        return c.Literal("}>").Result();
    }
    ComposeResult operator()(const DelayRec& r) {
        if (code == C::WaitTimeDelay)
            return c.Head(code, 3).Rounded(r.Value, 2).Close().Result();
        if (r.Kind == 1)
            return c.Head(code, 1).Seconds(r.Value).Close().Result();
        return c.Head(code, 2).Rounded(r.Value, 4).Close().Result();
    }
    ComposeResult operator()(const PauseRec& r) {
        if (r.Kind == 1)
            return c.Head(code, 1).Result();
        return c.Head(code, 2)
            .Digits(r.Top, PauseField::Top.Width())
            .Literal(",")
            .Digits(r.Left, PauseField::Left.Width())
            .Limited(r.Message, PauseRec::MessageLimit, "message")
            .Close()
            .Result();
    }
    ComposeResult operator()(const RepeatRec& r) {
        switch (code) {
            case C::RepeatStart:
                return c.Head(code, 1)
                    .Digits(r.Count, RepeatField::Count.Width())
                    .Literal(":")
                    .Digits(r.CounterStart, RepeatField::Start.Width())
                    .Literal(":")
                    .Digits(r.CounterStep, RepeatField::Step.Width())
                    .Close()
                    .Result();
            case C::RepeatCounter:
                return c.Head(code, r.Count).Result();
            case C::RepeatPromptStart:
                return c.Head(code, 2).Result();
            default:
                return c.Head(code, 3).Result();
        }
    }
    ComposeResult operator()(const SpeedRec& r) {
        if (code == C::MacroPlaybackSpeed)
            return c.Head(code, 3).Seconds(r.Factor).Close().Result();
        return c.Head(code, code == C::KeystrokeSpeed ? 1 : 2)
            .Digits(r.Milliseconds, 4)
            .Close()
            .Result();
    }
    ComposeResult operator()(const LaunchRec& r) {
        switch (code) {
            case C::WindowActivate:
                return c.Head(code, 1).Free(r.Title, "", "window title").Close().Result();
            case C::ProgramLaunch:
                return c.Head(code, 2).Digits(r.Delay, 2).Program(r).Close().Result();
            default:
                return c.Head(code, code == C::LaunchAndActivate ? 3 : 4)
                    .Digits(r.Delay, 2)
                    .Digits(r.MaxWait, 2)
                    .Free(r.Title, "<", "window title")
                    .Literal("<LAUNCH:")
                    .Program(r)
                    .Close()
                    .Result();
        }
    }
    ComposeResult operator()(const SoundRec& r) {
        if (code == C::SoundBeep)
            return c.Head(code, 1).Result();
        return c.Head(code, r.Wait ? 1 : 0).Free(r.File, "", "file name").Close().Result();
    }
    ComposeResult operator()(const StringRec& r) {
        return c.Head(code, 0).Free(r.Text).Close().Result();
    }
    ComposeResult operator()(const SizePosRec& r) {
        if (code == C::WindowReposition && !(DigitsField(r.X, 4) && DigitsField(r.Y, 4))) {
            return c.Literal(WidePlacingHead)
                .Signed(r.X)
                .Literal(",")
                .Signed(r.Y)
                .Title(r.Title, r.Current)
                .Close()
                .Result();
        }
        return c.Head(code, code == C::WindowResize ? 1 : 2)
            .Digits(r.X, 4)
            .Literal(",")
            .Digits(r.Y, 4)
            .Title(r.Title, r.Current)
            .Close()
            .Result();
    }
    ComposeResult operator()(const WindowRec& r) {
        return c.Head(code, OnlyVariant()).Title(r.Title, r.Current).Close().Result();
    }
    ComposeResult operator()(const MouseRec& r) {
        switch (code) {
            case C::MouseMove:
                if (r.Mode == 4)
                    return c.Head(code, 4).Result();
                return c.Head(code, r.Mode).Signed(r.X).Literal(",").Signed(r.Y).Close().Result();
            case C::MouseWheel:
                return c.Head(code, r.Action == 14 ? 14 : 15).Digits(r.Steps, 3).Close().Result();
            default:
                return c.Head(code, r.Action).Result();
        }
    }
    ComposeResult operator()(const ClipboardRec& r) {
        switch (code) {
            case C::ClipboardTypeText:
                return c.Head(code, r.IgnoreCrLf ? 8 : 7).Result();
            case C::ClipboardFileCopy:
            case C::ClipboardGraphicCopy:
            case C::ClipboardSaveText:
            case C::ClipboardAppendText:
            case C::ClipboardSaveGraphic:
                return c.Head(code, OnlyVariant()).Free(r.File, "", "file name").Close().Result();
            default:
                return c.Head(code, OnlyVariant()).Result();
        }
    }
    ComposeResult operator()(const ModifierKeyRec& r) {
        int press = 2 * (static_cast<int>(code) - static_cast<int>(C::ControlKey)) + 1;
        return c.Head(code, static_cast<int>(r.Action) == press ? press : press + 1).Result();
    }
    ComposeResult operator()(const FileRec& r) {
        c.Head(code, OnlyVariant());
        if (code == C::CopyFile || code == C::RenameFile) {
            c.Free(r.Path, ";", "file name").Literal(";").Free(r.SecondPath, "", "file name");
        } else {
            c.Free(r.Path, "", "path");
        }
        return c.Close().Result();
    }
    ComposeResult operator()(const MacroRefRec& r) {
        return c.Head(code, OnlyVariant()).Free(r.Nickname, "", "nickname").Close().Result();
    }
    ComposeResult operator()(const NetworkRec& r) {
        c.Head(code, 0).Literal(r.Permanent ? "P" : "");
        if (code == C::NetworkDisconnect) {
            return c.Literal(r.Force ? "F" : "")
                .Literal(r.ShowStatus ? "S" : "")
                .Literal(":")
                .Free(r.Resource, "", "resource")
                .Close()
                .Result();
        }
        return c.Literal(r.ShowStatus ? "S" : "")
            .Literal(":<NAME:")
            .Free(r.User, "", "user name")
            .Literal("><PASS:")
            .Password(r.Password)
            .Close()
            .Free(r.Resource, "", "resource")
            .Close()
            .Result();
    }
    ComposeResult operator()(const WTextRec& r) {
        return c.Head(code, 0).Free(r.Header, "", "heading").Close().Free(r.Text).Close().Result();
    }
    ComposeResult operator()(const VideoRec& r) {
        return c.Head(code, r.Mode).Free(r.File, "", "file name").Close().Result();
    }
    ComposeResult operator()(const CdRec& r) {
        c.Head(code, OnlyVariant());
        if (code == C::CdGoToTrack || code == C::CdStep || code == C::CdBack)
            c.Digits(r.Number, 2).Close();
        return c.Result();
    }
    ComposeResult operator()(const DesktopRec& r) {
        bool several =
            code == C::DeskTopTile || code == C::RunDialogWindow || code == C::OpenExplorerTo;
        return c.Head(code, several ? static_cast<int>(r.Action) : OnlyVariant()).Result();
    }
    ComposeResult operator()(const DisplaySizeRec& r) {
        return c.Head(code, 0).Digits(r.ModeIndex, 3).Close().Result();
    }
    ComposeResult operator()(const SystemRec& r) {
        switch (code) {
            case C::ScreenSaver:
                if (r.Kind == 3)
                    return c.Head(code, 3).Digits(r.Value, 2).Close().Result();
                return c.Head(code, r.Kind == 2 ? 2 : 1).Result();
            case C::Wallpaper:
                c.Head(code, r.Style);
                if (r.Style == 3)
                    c.Digits(r.X, WallpaperField::X.Width())
                        .Literal(",")
                        .Digits(r.Y, WallpaperField::Y.Width());
                return c.Free(r.Bitmap, "", "file name").Close().Result();
            default:
                return c.Head(code, OnlyVariant()).Digits(r.Value, 2).Close().Result();
        }
    }
    ComposeResult operator()(const VolumeRec& r) {
        bool several = code != C::AudioMuteToggle && code != C::MidiMuteToggle;
        return c.Head(code, several ? static_cast<int>(r.Action) : OnlyVariant()).Result();
    }
    ComposeResult operator()(const WaitRec& r) {
        switch (code) {
            case C::WaitTextPlayback:
                return c.Head(code, 9).Result();
            case C::WaitTimeElapse:
                return c.Head(code, 10).Digits(r.Amount, 8).Close().Result();
            case C::WaitLeftMouseClick:
            case C::WaitRightMouseClick:
            case C::WaitMiddleMouseClick:
                return c.Head(code, OnlyVariant()).Digits(r.Amount, 3).Close().Result();
            default:
                return c.Head(code, code == C::WaitForText ? r.CaseSensitive != 0 : OnlyVariant())
                    .Digits(r.Amount, 3)
                    .Literal(":")
                    .Free(r.Text)
                    .Close()
                    .Result();
        }
    }
    ComposeResult operator()(const DialUpRec& r) {
        if (r.Action == 2)
            return c.Head(code, 2).Result();
        return c.Head(code, 1)
            .Free(r.User, "", "user name")
            .Literal("><PASS:")
            .Password(r.Password)
            .Close()
            .Free(r.Entry, "", "entry name")
            .Close()
            .Result();
    }
    ComposeResult operator()(const EmailRec& r) {
        std::string_view token = r.Token;
        if (!token.starts_with("<EMAIL:") || !token.ends_with(">") ||
            token.find('>') != token.size() - 1)
            return c.Fail("The e-mail command is not complete.").Result();
        return c.Literal(token).Result();
    }
    ComposeResult operator()(const EncryptedRec& r) {
        return c.Head(code, 0).Free(r.Text).Close().Result();
    }

    // The variant of a command that has a single written form.
    int OnlyVariant() const {
        for (const TokenForm& form : TokenTable()) {
            if (form.Code == code && (form.Use & TokenUse::Written))
                return form.Variant;
        }
        return -1;
    }
};

}  // namespace

std::string FreeTextProblem(std::string_view value, std::string_view stop, std::string_view what) {
    for (char c : std::string(">") + std::string(stop)) {
        if (value.find(c) != std::string_view::npos) {
            return "The " + std::string(what) + " \"" + std::string(value) +
                   "\" holds the character \"" + std::string(1, c) +
                   "\", which would end the command early.  Please remove it.";
        }
    }
    return {};
}

ComposeResult ComposeCommand(CommandCode code, const CommandRecord& record) {
    if (!IsRecordOf(code, record)) {
        return {{},
                "The command \"" + std::string(CommandName(code)) + "\" does not fit its record."};
    }
    return std::visit(Writer{code, {}}, record);
}

}  // namespace orv
