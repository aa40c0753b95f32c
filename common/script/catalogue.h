// The command catalogue of the script language: the 117 commands by code, each
// with its name, its record kind and who plays it; the date and time formats
// whose names are tokens themselves, and the keystroke tokens. The reader, the
// writer, the editor's lists and the player all take them from here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orv {

// The number of a script command, 1..117, the index into CommandTable;
// None marks a line that names no command.
enum class CommandCode : std::uint8_t {
    None,
    Text,
    Date,
    Time,
    Delay,
    Pause,
    RepeatStart,
    RepeatEnd,
    KeystrokeSpeed,
    MouseSpeed,
    WindowActivate,
    ProgramLaunch,
    SoundBeep,
    SoundWaveFile,
    LoadNewMacroFile,
    LoadTextFile,
    WindowResize,
    WindowReposition,
    WindowMaximize,
    WindowMinimize,
    WindowRestore,
    WindowClose,
    WindowHide,
    WindowShow,
    MouseMove,
    MouseLeftButton,
    MouseRightButton,
    MouseMiddleButton,
    MouseWheel,
    Remark,
    ClipboardCopy,
    ClipboardPaste,
    RepeatCounter,
    ActivateOrLaunch,
    LaunchAndActivate,
    ClipboardStartCopy,
    ClipboardEndCopy,
    ClipboardFileCopy,
    ProgramShutDown,
    ControlKey,
    AltKey,
    ShiftKey,
    WinKey,
    WebSite,
    WebFtp,
    RepeatPromptStart,
    ChangeDirectory,
    DeleteFile,
    CopyFile,
    RenameFile,
    MacroPlaybackSpeed,
    MacroRun,
    NetworkConnect,
    NetworkDisconnect,
    WindowOfText,
    VideoClipPlay,
    CdPlay,
    CdStop,
    CdPause,
    CdNextTrack,
    CdPreviousTrack,
    CdGoToTrack,
    CdStep,
    CdBack,
    CdEject,
    CdCloseTray,
    OpenFolderInExplorer,
    DeskTopCascade,
    DeskTopTile,
    DeskTopMinimizeAll,
    DeskTopRestoreAll,
    ClipboardTypeText,
    DefaultPrinter,
    DefaultDisplaySize,
    Logoff,
    Reboot,
    ShutDown,
    PowerOff,
    ScreenSaver,
    KeyboardRepeatSpeed,
    KeyboardDelay,
    Wallpaper,
    WindowsSizingBorder,
    NetworkToggle,
    ClipboardGraphicCopy,
    AudioVolume,
    AudioBalance,
    AudioMuteToggle,
    AudioTreble,
    AudioBass,
    MidiVolume,
    MidiBalance,
    MidiMuteToggle,
    WaitForWindowTitle,
    DialUpNetworking,
    MacroDelete,
    MacroActivate,
    MacroDeactivate,
    CreateDirectory,
    WaitWindowLoseFocus,
    WaitProgramTerminate,
    WaitForKeyPress,
    WaitForText,
    WaitLeftMouseClick,
    WaitRightMouseClick,
    WaitMiddleMouseClick,
    OpenExplorerTo,
    RunDialogWindow,
    UndockComputer,
    SuspendComputer,
    WaitTextPlayback,
    WaitTimeElapse,
    EMailSend,
    EncryptedText,
    ClipboardSaveText,
    ClipboardAppendText,
    ClipboardSaveGraphic,
    WaitTimeDelay
};

constexpr int CommandCount = 117;
static_assert(static_cast<int>(CommandCode::WaitTimeDelay) == CommandCount);

constexpr int CodeNumber(CommandCode code) {
    return static_cast<int>(code);
}
constexpr CommandCode CodeOf(int number) {
    return number >= 1 && number <= CommandCount ? static_cast<CommandCode>(number)
                                                 : CommandCode::None;
}

// The record an editor line of the command carries, in the order of the
// alternatives of CommandRecord (records.h).
enum class RecordKind : std::uint8_t {
    Text,
    DateTime,
    Delay,
    Pause,
    Repeat,
    Speed,
    Launch,
    Sound,
    String,
    SizePos,
    Window,
    Mouse,
    Clipboard,
    ModifierKey,
    File,
    MacroRef,
    Network,
    WText,
    Video,
    Cd,
    Desktop,
    DisplaySize,
    System,
    Volume,
    Wait,
    DialUp,
    Email,
    Encrypted,
};

// Who plays a command in the player: one of the families the interpreter
// hands tokens to, the interpreter itself, or no one (the command before it
// reads past it). The handed families come first; the player keeps one
// handler for each.
enum class FamilyId : std::uint8_t {
    Windows,
    Settings,
    Waits,
    Dialogs,
    Mail,
    System,
    Media,
    Clipboard,
    Files,
    Library,
    Interpreter,
    PassedOver,
};
constexpr std::size_t FamilyHandlerCount = static_cast<std::size_t>(FamilyId::Interpreter);

struct CommandEntry {
    // Every row names all three.
    constexpr CommandEntry(std::string_view name, RecordKind record, FamilyId family)
        : Name(name), Record(record), Family(family) {}

    std::string_view Name;  // as the editor shows it, at most 25 characters
    RecordKind Record;
    FamilyId Family;
};

// One row a command; row 0 stands for no command.
extern const std::array<CommandEntry, CommandCount + 1> CommandTable;

inline const CommandEntry& CommandOf(CommandCode code) {
    return CommandTable[static_cast<std::size_t>(code)];
}
inline std::string_view CommandName(CommandCode code) {
    return CommandOf(code).Name;
}
inline RecordKind RecordKindOf(CommandCode code) {
    return CommandOf(code).Record;
}


struct FormatEntry {
    std::string_view Name;    // the token name, at most 15 characters
    std::string_view Sample;  // Monday 30 March 1998, 15:04:23
};

constexpr int DateFormatCount = 51;
constexpr int TimeFormatCount = 26;
extern const std::array<FormatEntry, DateFormatCount> DateFormatTable;
extern const std::array<FormatEntry, TimeFormatCount> TimeFormatTable;

// The entry of a 1-based format number in the date or the time table, or
// nullptr when there is none.
const FormatEntry* FindFormat(bool isDate, std::uint32_t number);

// The keystroke tokens in the keystroke editor's order, each with the virtual
// key it plays. The editor's reader leaves the last four to be kept as plain
// characters, which come back out unchanged.
struct KeystrokeToken {
    std::string_view Token;
    std::uint8_t VirtualKey;
};
constexpr int KeystrokeTokenCount = 72;
extern const std::array<KeystrokeToken, KeystrokeTokenCount> KeystrokeTokens;
constexpr int KeystrokeTokensKeptAsText = 4;

}  // namespace orv
