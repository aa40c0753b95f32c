// What the mouse, clipboard and modifier-key dialogs compute: button clicks,
// moves and wheel turns (TDoMouse), the clipboard commands (TDoClipboard) and
// holding or releasing a modifier key (TDoKeyUpDown).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "editor/commands/command_dialogs.h"
#include "editor/commands/file_checks.h"

namespace orv::editor {

// Mouse commands (TDoMouse), numbered by their option codes: 1 move, 2-13 the
// button clicks, presses and releases, 14 and 15 the wheel.
constexpr int MouseMoveCommand = 1;
constexpr int WheelForwardCommand = 14;
constexpr int WheelBackwardCommand = 15;
enum class MoveTarget { Screen = 1, Window = 2, LastPosition = 3, Caret = 4 };
enum class MouseField { XPos, YPos, NumClicks };
struct MouseValues {
    std::int32_t RawX = 0;
    std::int32_t RawY = 0;
    std::int32_t RawClicks = 0;
    std::int32_t MoveMode = 0;
};
using MouseOutcome = CommandOutcome<MouseField, MouseValues>;
struct MouseInput {
    int Command = MouseMoveCommand;
    MoveTarget Target = MoveTarget::Screen;
    std::string XPos = "0";
    std::string YPos = "0";
    std::string NumClicks = "1";
};
MouseOutcome ComposeMouse(const MouseInput& input);
template <>
MouseInput InputFromRecord<MouseInput>(CommandCode code, const CommandRecord& record);
// The groups a command shows and the form's width.
struct MouseLayout {
    bool ShowMovement = false;  // with the Launch button
    bool ShowWheel = false;
    bool PositionEnabled = false;  // the X and Y boxes
    int ClientWidth = 200;
};
MouseLayout MouseLayoutFor(int command, MoveTarget target);

// Clipboard commands (TDoClipboard), in the order of their buttons.
enum class ClipboardChoice {
    StartCopy,
    EndCopy,
    CopyTextFile,
    CopyCommand,
    PasteCommand,
    CopyGraphicFile,
    TypeText,
    SaveText,
    AppendText,
    SaveGraphic
};
enum class ClipboardField { ProgPath };
struct ClipboardValues {
    std::uint8_t IgnoreLineEnds = 0;
    std::string FilePath;
};
using ClipboardOutcome = CommandOutcome<ClipboardField, ClipboardValues>;
struct ClipboardInput {
    ClipboardChoice Choice = ClipboardChoice::StartCopy;
    bool IgnoreCR = false;
    bool SavePrompt = false;
    std::string Path;
};
// The file name that asks for the file when the macro runs.
constexpr std::string_view PromptFileName = ":PROMPT:";
ClipboardOutcome ComposeClipboard(const ClipboardInput& input, const FileChecks& files);
template <>
ClipboardInput InputFromRecord<ClipboardInput>(CommandCode code, const CommandRecord& record);
// What the path panel shows for a choice, and how Browse asks for the file.
struct ClipboardLayout {
    bool ShowPath = false;
    bool PromptEnabled = false;
    bool IgnoreEnabled = false;
    bool SaveDialog = false;
    std::string_view PathLabel;
    std::string_view DefaultExt;
    std::string_view DialogTitle;
    std::string_view Filter;
};
ClipboardLayout ClipboardLayoutFor(ClipboardChoice choice);

// Modifier keys (TDoKeyUpDown): odd a press, even a release of Ctrl, Alt,
// Shift, Win in that order.
enum class KeyUpDownField { None };
using KeyUpDownOutcome = CommandOutcome<KeyUpDownField>;
struct KeyUpDownInput {
    int Action = 1;  // 1..8
};
KeyUpDownOutcome ComposeKeyUpDown(const KeyUpDownInput& input);
template <>
KeyUpDownInput InputFromRecord<KeyUpDownInput>(CommandCode code, const CommandRecord& record);

}  // namespace orv::editor
