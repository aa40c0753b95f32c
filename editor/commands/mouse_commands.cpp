#include "editor/commands/mouse_commands.h"

#include "common/script/fields.h"
#include "common/whole_numbers.h"

namespace orv::editor {
namespace {

using C = CommandCode;

CommandCode MouseCode(int command) {
    if (command == MouseMoveCommand)
        return C::MouseMove;
    if (command >= WheelForwardCommand)
        return C::MouseWheel;
    if (command <= 5)
        return C::MouseLeftButton;
    return command <= 9 ? C::MouseRightButton : C::MouseMiddleButton;
}

bool IsWheel(int command) {
    return command == WheelForwardCommand || command == WheelBackwardCommand;
}

// A coordinate of a move: at most 30000, below zero only beside the last position.
std::optional<std::int32_t> Coordinate(const std::string& text, MoveTarget target) {
    std::optional<std::int32_t> n = ParseWholeNumber(EditText(text));
    std::int32_t low = target == MoveTarget::LastPosition ? -9999 : 0;
    if (!n || *n > 30000 || *n < low)
        return std::nullopt;
    return n;
}

// By choice: the command and its option code.
constexpr C ClipboardCodes[] = {
    C::ClipboardStartCopy,  C::ClipboardEndCopy,     C::ClipboardFileCopy, C::ClipboardCopy,
    C::ClipboardPaste,      C::ClipboardGraphicCopy, C::ClipboardTypeText, C::ClipboardSaveText,
    C::ClipboardAppendText, C::ClipboardSaveGraphic};
constexpr int ClipboardOptions[] = {1, 2, 3, 4, 5, 6, 7, 9, 10, 11};

bool IsCopyFile(ClipboardChoice choice) {
    return choice == ClipboardChoice::CopyTextFile || choice == ClipboardChoice::CopyGraphicFile;
}

bool IsSave(ClipboardChoice choice) {
    return choice == ClipboardChoice::SaveText || choice == ClipboardChoice::AppendText ||
           choice == ClipboardChoice::SaveGraphic;
}

constexpr std::string_view TextLabel = "Text File Path/Name";
constexpr std::string_view GraphicLabel = "Graphic File Path/Name";
constexpr std::string_view TextFilter = "Text Files (*.TXT)|*.TXT";

}  // namespace

MouseOutcome ComposeMouse(const MouseInput& input) {
    MouseOutcome out;
    int command = input.Command;
    out.OptionCode = command;
    MouseRec record;
    record.Action = static_cast<std::uint32_t>(command);
    if (IsWheel(command)) {
        std::optional<std::int32_t> clicks = ParseWholeNumber(EditText(input.NumClicks));
        if (!clicks || *clicks < 1) {
            out.Refuse("Invalid number of wheel clicks specified.  Please correct.",
                       MouseField::NumClicks);
            return out;
        }
        out.Raw.RawClicks = record.Steps = *clicks;
    } else if (command == MouseMoveCommand) {
        out.Raw.MoveMode = static_cast<std::int32_t>(input.Target);
        record.Mode = static_cast<std::uint32_t>(input.Target);
        if (input.Target != MoveTarget::Caret) {
            std::optional<std::int32_t> x = Coordinate(input.XPos, input.Target);
            if (!x) {
                out.Refuse("Invalid X Position specified.  Please correct.", MouseField::XPos);
                return out;
            }
            std::optional<std::int32_t> y = Coordinate(input.YPos, input.Target);
            if (!y) {
                out.Refuse("Invalid Y Position specified.  Please correct.", MouseField::YPos);
                return out;
            }
            out.Raw.RawX = record.X = *x;
            out.Raw.RawY = record.Y = *y;
        }
    }
    out.Compose(MouseCode(command), record,
                IsWheel(command) ? MouseField::NumClicks : MouseField::XPos);
    return out;
}

template <>
MouseInput InputFromRecord<MouseInput>(CommandCode code, const CommandRecord& record) {
    const MouseRec* r = std::get_if<MouseRec>(&record);
    if (!r)
        return {};
    MouseInput input;
    if (code == C::MouseMove) {
        input.Target = static_cast<MoveTarget>(r->Mode);
        input.XPos = NumberText(r->X);
        input.YPos = NumberText(r->Y);
    } else {
        input.Command = static_cast<int>(r->Action);
        if (IsWheel(input.Command))
            input.NumClicks = NumberText(r->Steps);
    }
    return input;
}

MouseLayout MouseLayoutFor(int command, MoveTarget target) {
    if (command == MouseMoveCommand)
        return {true, false, target != MoveTarget::Caret, 393};
    if (IsWheel(command))
        return {false, true, false, 393};
    return {};
}

ClipboardOutcome ComposeClipboard(const ClipboardInput& input, const FileChecks& files) {
    ClipboardOutcome out;
    ClipboardChoice choice = input.Choice;
    int place = static_cast<int>(choice);
    ClipboardRec record;
    record.Kind = static_cast<std::uint32_t>(ClipboardOptions[place]);
    if (choice == ClipboardChoice::TypeText && input.IgnoreCR) {
        record.Kind = 8;
        record.IgnoreCrLf = out.Raw.IgnoreLineEnds = 1;
    }
    out.OptionCode = static_cast<std::int32_t>(record.Kind);
    if (IsCopyFile(choice)) {
        std::optional<std::string> shortPath = files.ExistingFile(EditText(input.Path));
        if (!shortPath) {
            out.Refuse(choice == ClipboardChoice::CopyTextFile
                           ? "Specified Text File does not exist.  Please correct."
                           : "Specified Bitmap File does not exist.  Please correct.",
                       ClipboardField::ProgPath);
            return out;
        }
        out.Raw.FilePath = *shortPath;
    } else if (IsSave(choice)) {
        out.Raw.FilePath = input.SavePrompt ? std::string(PromptFileName) : EditText(input.Path);
        if (out.Raw.FilePath.empty()) {
            out.Refuse("No file name specified.  Please correct.", ClipboardField::ProgPath);
            return out;
        }
    }
    record.File = out.Raw.FilePath;
    out.Compose(ClipboardCodes[place], record, ClipboardField::ProgPath);
    return out;
}

template <>
ClipboardInput InputFromRecord<ClipboardInput>(CommandCode code, const CommandRecord& record) {
    const ClipboardRec* r = std::get_if<ClipboardRec>(&record);
    if (!r)
        return {};
    ClipboardInput input;
    input.Choice = static_cast<ClipboardChoice>(PlaceOf(ClipboardCodes, code));
    input.IgnoreCR = r->IgnoreCrLf != 0;
    input.SavePrompt = IsSave(input.Choice) && r->File.str() == PromptFileName;
    if (!input.SavePrompt)
        input.Path = r->File.str();
    return input;
}

ClipboardLayout ClipboardLayoutFor(ClipboardChoice choice) {
    switch (choice) {
        case ClipboardChoice::CopyTextFile:
            return {true, false, false, false, TextLabel, "TXT", "Text Files", TextFilter};
        case ClipboardChoice::CopyGraphicFile:
            return {true,
                    false,
                    false,
                    false,
                    GraphicLabel,
                    "BMP",
                    "Graphic Files",
                    "Graphic Files (*.BMP, *.JPG, *.WMF)|*.BMP;*.JPG;*.WMF|Bitmap (*.BMP)|*.BMP|"
                    "JPeg (*.JPG)|*.JPG|Windows MetaFile (*.WMF)|*.WMF"};
        case ClipboardChoice::SaveText:
        case ClipboardChoice::AppendText:
            return {true, true, false, true, TextLabel, "TXT", "Text Files", TextFilter};
        case ClipboardChoice::SaveGraphic:
            return {
                true,         true,  false,           true,
                GraphicLabel, "BMP", "Graphic Files", "Bitmap (*.BMP)|*.BMP|JPeg (*.JPG)|*.JPG"};
        case ClipboardChoice::TypeText:
            return {false, false, true};
        default:
            return {};
    }
}

KeyUpDownOutcome ComposeKeyUpDown(const KeyUpDownInput& input) {
    KeyUpDownOutcome out;
    constexpr C codes[] = {C::ControlKey, C::AltKey, C::ShiftKey, C::WinKey};
    int action = input.Action < 1 || input.Action > 8 ? 1 : input.Action;
    out.OptionCode = action;
    out.Compose(codes[(action - 1) / 2], ModifierKeyRec{static_cast<std::uint32_t>(action)},
                KeyUpDownField::None);
    return out;
}

template <>
KeyUpDownInput InputFromRecord<KeyUpDownInput>(CommandCode, const CommandRecord& record) {
    const ModifierKeyRec* r = std::get_if<ModifierKeyRec>(&record);
    return {r ? static_cast<int>(r->Action) : 1};
}

}  // namespace orv::editor
