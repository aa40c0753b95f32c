#include "common/script/display.h"

#include "common/script/fields.h"
#include "common/string_routines.h"

namespace orv {
namespace {

using C = CommandCode;

// The first keep characters and "..." once the text is longer than limit.
std::string Abbreviated(std::string_view text, std::size_t keep, std::size_t limit) {
    if (text.size() <= limit)
        return std::string(text.substr(0, keep));
    return std::string(text.substr(0, keep)) + "...";
}

// The whole text up to limit characters, else its first keep and "...".
std::string Shortened(std::string_view text, std::size_t keep, std::size_t limit) {
    return text.size() <= limit ? std::string(text) : Abbreviated(text, keep, limit);
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// Two decimals, a trailing ".00" dropped, then a trailing "0" after one decimal.
std::string SpeedFactorText(double factor) {
    std::string text = RealText(factor, 2);
    if (text.ends_with(".00"))
        return text.substr(0, text.size() - 3);
    if (text.ends_with('0'))
        text.pop_back();
    return text;
}

std::string_view Detail(std::uint32_t index, std::initializer_list<std::string_view> details) {
    return index < details.size() ? details.begin()[index] : std::string_view();
}

std::string_view VolumeDetail(std::uint32_t action) {
    if (action >= 11 && action <= 18)
        action -= 10;  // MIDI follows the audio wording
    switch (action) {
        case 1:
            return " Off";
        case 2:
            return " On Full";
        case 3:
        case 9:
        case 19:
            return " Up";
        case 4:
        case 10:
        case 20:
            return " Down";
        case 6:
            return " Left";
        case 7:
            return " Right";
        case 8:
            return " Centered";
        default:
            return "";
    }
}

std::string_view DesktopDetail(std::uint32_t action) {
    if (action >= 12 && action <= 25) {
        return Detail(action - 12,
                      {": Control Panel", ": DeskTop", ": DeskTop Programs", ": Favorites",
                       ": Fonts", ": My Computer", ": Network Neighborhood", ": Printers",
                       ": Programs", ": Recent Documents", ": Recycle Bin", ": Start Menu",
                       ": Startup Folder", ": User Documents"});
    }
    if (action >= 8 && action <= 11) {
        return Detail(action - 8,
                      {": Date and Time", ": Find Computer", ": Find Files", ": Run Program"});
    }
    if (action == 2)
        return " Vertically";
    if (action == 3)
        return " Horizontally";
    return "";
}

struct Describer {
    CommandCode code;
    std::string name;

    std::string With(std::string_view detail) const { return name + ": " + std::string(detail); }

    std::string operator()(const TextRec& r) const { return With(Abbreviated(r.Text, 50, 53)); }
    std::string operator()(const DateTimeRec& r) const {
        bool isDate = code == C::Date;
        static const FormatEntry none{"", ""};
        const FormatEntry* found = FindFormat(isDate, r.FormatNumber);
        const FormatEntry& format = found ? *found : none;
        std::string offset;
        if (isDate && r.Days > 0) {
            offset = " (" + NumberText(r.Days) + (r.Days == 1 ? " day" : " days") +
                     (r.Future ? " in future)" : " in past)");
        }
        return name + offset + ": " + std::string(format.Name) + "  (" +
               std::string(format.Sample) + ")";
    }
    std::string operator()(const DelayRec& r) const {
        if (code == C::WaitTimeDelay)
            return name + " " + RealText(r.Value, 0) + " Seconds";
        if (r.Kind == 1)
            return name + " " + RealText(r.Value, 2) + " Seconds";
        return name + " " + RealText(r.Value, 0) + " Milliseconds";
    }
    std::string operator()(const PauseRec& r) const {
        return With(r.Kind == 1 ? "Basic" : "Complex");
    }
    std::string operator()(const RepeatRec& r) const {
        switch (code) {
            case C::RepeatStart:
                return With(NumberText(r.Count) + " Times, Starting at " +
                            NumberText(r.CounterStart) + " Stepping by " +
                            NumberText(r.CounterStep));
            case C::RepeatPromptStart:
                return With("(prompt for repeat count at macro play time)");
            case C::RepeatCounter:
                return With("Width " + NumberText(r.Count));
            default:
                return name;
        }
    }
    std::string operator()(const SpeedRec& r) const {
        if (code != C::MacroPlaybackSpeed)
            return With(NumberText(r.Milliseconds) + " Milliseconds");
        if (r.Factor == 0)
            return With("No Speed");
        if (r.Factor == 1)
            return With("Normal Speed");
        // The factor stretches the player's delays: above 1 plays slower
        // (capture at half speed writes 2).
        if (r.Factor > 1)
            return With(SpeedFactorText(r.Factor) + " Times Slower Than Normal");
        return With(SpeedFactorText(1 / r.Factor) + " Times Faster Than Normal");
    }
    std::string operator()(const LaunchRec& r) const {
        if (code == C::WindowActivate)
            return With(Quoted(r.Title));
        return With(FilePart(r.Program));
    }
    std::string operator()(const SoundRec& r) const {
        return code == C::SoundBeep ? name : With(FilePart(r.File));
    }
    std::string operator()(const StringRec& r) const {
        switch (code) {
            case C::LoadNewMacroFile:
            case C::LoadTextFile:
                return With(FilePart(r.Text));
            case C::Remark:
                return With(Shortened(r.Text, 40, 43));
            default:
                return With(r.Text);
        }
    }
    std::string operator()(const SizePosRec& r) const {
        std::string title = r.Current ? " - Current Win" : " - " + Quoted(r.Title);
        if (code == C::WindowResize) {
            return name + title + " (Width: " + NumberText(r.X) + " Height: " + NumberText(r.Y) +
                   ")";
        }
        return name + title + " (Left: " + NumberText(r.X) + " Top: " + NumberText(r.Y) + ")";
    }
    std::string operator()(const WindowRec& r) const {
        return r.Current ? name + " - Current Win" : name + " - Window Title: " + r.Title.str();
    }
    std::string operator()(const MouseRec& r) const {
        switch (code) {
            case C::MouseMove:
                if (r.Mode == 4)
                    return name + " To Caret";
                return name +
                       std::string(Detail(r.Mode - 1, {" Screen ", " Window ", " Position "})) +
                       NumberText(r.X) + "," + NumberText(r.Y);
            case C::MouseWheel:
                return name + " " + NumberText(r.Steps) +
                       (r.Action == 14 ? " Clicks Forward" : " Clicks Backward");
            default:
                return name + std::string(Detail((r.Action - 2) % 4,
                                                 {" Click", " Double Click", " Down", " Up"}));
        }
    }
    std::string operator()(const ClipboardRec& r) const {
        switch (code) {
            case C::ClipboardFileCopy:
            case C::ClipboardGraphicCopy:
                return With(FilePart(r.File));
            case C::ClipboardSaveText:
            case C::ClipboardAppendText:
            case C::ClipboardSaveGraphic:
                return With(r.File == ":PROMPT:" ? "(Prompt for file name)" : FilePart(r.File));
            default:
                return name;
        }
    }
    std::string operator()(const ModifierKeyRec& r) const {
        return name + (r.Action % 2 == 1 ? " Down" : " Up");
    }
    std::string operator()(const FileRec& r) const {
        if (code == C::ChangeDirectory || code == C::CreateDirectory)
            return With(r.Path);
        return With(FilePart(r.Path));
    }
    std::string operator()(const MacroRefRec& r) const { return With(r.Nickname); }
    std::string operator()(const NetworkRec& r) const {
        if (code == C::NetworkDisconnect)
            return With(r.Resource);
        std::string_view resource = r.Resource;
        return With(std::string(resource.substr(0, 2)) + " to " +
                    std::string(resource.substr(std::min<std::size_t>(2, resource.size()))));
    }
    std::string operator()(const WTextRec& r) const { return With(Abbreviated(r.Text, 50, 53)); }
    std::string operator()(const VideoRec& r) const { return With(FilePart(r.File)); }
    std::string operator()(const CdRec& r) const {
        switch (code) {
            case C::CdGoToTrack:
                return name + " " + NumberText(r.Number);
            case C::CdStep:
                return name + " Forward " + NumberText(r.Number) + " Seconds";
            case C::CdBack:
                return name + " Up " + NumberText(r.Number) + " Seconds";
            default:
                return name;
        }
    }
    std::string operator()(const DesktopRec& r) const {
        switch (code) {
            case C::DeskTopTile:
            case C::RunDialogWindow:
            case C::OpenExplorerTo:
                return name + std::string(DesktopDetail(r.Action));
            default:
                return name;
        }
    }
    std::string operator()(const DisplaySizeRec&) const { return name; }
    std::string operator()(const SystemRec& r) const {
        if (code == C::Wallpaper)
            return With(FilePart(r.Bitmap));
        if (code != C::ScreenSaver)
            return name;
        if (r.Kind == 1)
            return name + " On";
        if (r.Kind == 2)
            return name + " Off";
        return name + " Timer Set To " + NumberText(r.Value) + " Minutes";
    }
    std::string operator()(const VolumeRec& r) const {
        return name + std::string(VolumeDetail(r.Action));
    }
    std::string operator()(const WaitRec& r) const {
        switch (code) {
            case C::WaitForWindowTitle:
            case C::WaitWindowLoseFocus:
            case C::WaitProgramTerminate:
            case C::WaitForText:
                return With(r.Text);
            case C::WaitTimeElapse:
                return With(NumberText(r.Amount / 60) + " Minutes " + NumberText(r.Amount % 60) +
                            " Seconds");
            default:
                return name;
        }
    }
    std::string operator()(const DialUpRec& r) const {
        return r.Action == 2 ? name + ": Hang Up" : name + ": Dial " + r.Entry.str();
    }
    std::string operator()(const EmailRec& r) const {
        return With(
            std::string(
                Detail(r.Recipients - 1, {"Know Recipients, ", "Prompt For Recipients, "})) +
            std::string(Detail(r.TextMode - 1, {"Fixed Text, ", "Prompt For Text, ",
                                                "Text From Clipboard, ", "Text From File, "})) +
            std::string(Detail(r.Attachments - 1,
                               {"No Attachments", "Attachments", "Prompt For Attachments"})));
    }
    std::string operator()(const EncryptedRec&) const { return name; }
};

}  // namespace

std::string DisplayLine(CommandCode code, const CommandRecord& record) {
    return CutShort(std::visit(Describer{code, std::string(CommandName(code))}, record));
}

std::string LegacyRepeatDisplayLine(int count) {
    return CutShort(std::string(CommandName(C::RepeatStart)) + ": " + NumberText(count));
}

}  // namespace orv
