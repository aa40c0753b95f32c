#include "editor/script/bridges.h"

#include <iterator>
#include <utility>

namespace orv::editor {
namespace {

using C = CommandCode;

struct BridgeRow {
    Bridge Serves;
    std::initializer_list<C> Codes;
};

// The families in the order of their bridges.
const BridgeRow BridgeRows[] = {
    {Bridge::MyText, {C::Text}},
    {Bridge::MyDate, {C::Date, C::Time}},
    {Bridge::MyDelay, {C::Delay, C::WaitTimeDelay}},
    {Bridge::MyPause, {C::Pause}},
    {Bridge::MyRepeat, {C::RepeatStart, C::RepeatEnd, C::RepeatCounter, C::RepeatPromptStart}},
    {Bridge::MySpeed2, {C::KeystrokeSpeed, C::MouseSpeed, C::MacroPlaybackSpeed}},
    {Bridge::MyActive,
     {C::WindowActivate, C::ProgramLaunch, C::ActivateOrLaunch, C::LaunchAndActivate}},
    {Bridge::MyBeep, {C::SoundBeep, C::SoundWaveFile}},
    {Bridge::MySwap, {C::LoadNewMacroFile}},
    {Bridge::MyTextInsert, {C::LoadTextFile}},
    {Bridge::MySizeIt, {C::WindowResize, C::WindowReposition}},
    {Bridge::MyCommand,
     {C::WindowMaximize, C::WindowMinimize, C::WindowRestore, C::WindowClose, C::WindowHide,
      C::WindowShow, C::ProgramShutDown}},
    {Bridge::MyMouseStuff,
     {C::MouseMove, C::MouseLeftButton, C::MouseRightButton, C::MouseMiddleButton, C::MouseWheel}},
    {Bridge::MyRemark, {C::Remark}},
    {Bridge::MyClip,
     {C::ClipboardCopy, C::ClipboardPaste, C::ClipboardStartCopy, C::ClipboardEndCopy,
      C::ClipboardFileCopy, C::ClipboardTypeText, C::ClipboardGraphicCopy, C::ClipboardSaveText,
      C::ClipboardAppendText, C::ClipboardSaveGraphic}},
    {Bridge::MyKeyUp, {C::ControlKey, C::AltKey, C::ShiftKey, C::WinKey}},
    {Bridge::MyWeb, {C::WebSite, C::WebFtp}},
    {Bridge::MyDosStuff,
     {C::ChangeDirectory, C::DeleteFile, C::CopyFile, C::RenameFile, C::CreateDirectory}},
    {Bridge::MyConnect, {C::MacroRun, C::MacroDelete, C::MacroActivate, C::MacroDeactivate}},
    {Bridge::MyNetwork, {C::NetworkConnect, C::NetworkDisconnect, C::NetworkToggle}},
    {Bridge::MyTextWindow, {C::WindowOfText}},
    {Bridge::MyAVI, {C::VideoClipPlay}},
    {Bridge::MyCDRom,
     {C::CdPlay, C::CdStop, C::CdPause, C::CdNextTrack, C::CdPreviousTrack, C::CdGoToTrack,
      C::CdStep, C::CdBack, C::CdEject, C::CdCloseTray}},
    {Bridge::MyExplore, {C::OpenFolderInExplorer}},
    {Bridge::MyDeskTop,
     {C::DeskTopCascade, C::DeskTopTile, C::DeskTopMinimizeAll, C::DeskTopRestoreAll,
      C::OpenExplorerTo, C::RunDialogWindow, C::UndockComputer, C::SuspendComputer}},
    {Bridge::MyPrinter, {C::DefaultPrinter}},
    {Bridge::MyDisplay, {C::DefaultDisplaySize}},
    {Bridge::MyReboot, {C::Logoff, C::Reboot, C::ShutDown, C::PowerOff}},
    {Bridge::MySys,
     {C::ScreenSaver, C::KeyboardRepeatSpeed, C::KeyboardDelay, C::Wallpaper,
      C::WindowsSizingBorder}},
    {Bridge::MyVolume,
     {C::AudioVolume, C::AudioBalance, C::AudioMuteToggle, C::AudioTreble, C::AudioBass,
      C::MidiVolume, C::MidiBalance, C::MidiMuteToggle}},
    {Bridge::MyWaitWin,
     {C::WaitForWindowTitle, C::WaitWindowLoseFocus, C::WaitProgramTerminate, C::WaitForKeyPress,
      C::WaitForText, C::WaitLeftMouseClick, C::WaitRightMouseClick, C::WaitMiddleMouseClick,
      C::WaitTextPlayback, C::WaitTimeElapse}},
    {Bridge::MyDialup, {C::DialUpNetworking}},
    {Bridge::MyEMail, {C::EMailSend}},
    {Bridge::MyEncrypt, {C::EncryptedText}},
};
static_assert(std::size(BridgeRows) == BridgeCount);

// The place of code in a list of codes, with the value at the same place.
template <class T>
T ByCode(CommandCode code, std::initializer_list<std::pair<C, T>> choices, T otherwise) {
    for (const auto& [c, value] : choices)
        if (c == code)
            return value;
    return otherwise;
}

}  // namespace

std::optional<Bridge> BridgeFor(CommandCode code) {
    for (const BridgeRow& row : BridgeRows)
        for (C c : row.Codes)
            if (c == code)
                return row.Serves;
    return std::nullopt;
}

bool AddsWithoutDialog(CommandCode code) {
    return code == C::RepeatEnd || code == C::RepeatPromptStart;
}

bool RefusedOnOldShell(CommandCode code, bool browser4OrLater) {
    if (browser4OrLater)
        return false;
    switch (code) {
        case C::DeskTopMinimizeAll:
        case C::DeskTopRestoreAll:
        case C::OpenExplorerTo:
        case C::RunDialogWindow:
        case C::UndockComputer:
        case C::SuspendComputer:
            return true;
        default:
            return false;
    }
}

template <>
DateTimeInput Preselect<DateTimeInput>(CommandCode code) {
    DateTimeInput input;
    input.IsTime = code == C::Time;
    return input;
}

template <>
DelayInput Preselect<DelayInput>(CommandCode code) {
    DelayInput input;
    input.Choice = code == C::WaitTimeDelay ? DelayChoice::Timed : DelayChoice::Seconds;
    return input;
}

template <>
RepeatInput Preselect<RepeatInput>(CommandCode code) {
    RepeatInput input;
    input.Choice = ByCode(code,
                          {{C::RepeatEnd, RepeatChoice::End},
                           {C::RepeatCounter, RepeatChoice::Counter},
                           {C::RepeatPromptStart, RepeatChoice::Prompt}},
                          RepeatChoice::Start);
    return input;
}

template <>
SpeedInput Preselect<SpeedInput>(CommandCode code) {
    SpeedInput input;
    input.Choice = ByCode(
        code, {{C::MouseSpeed, SpeedChoice::Mouse}, {C::MacroPlaybackSpeed, SpeedChoice::Macro}},
        SpeedChoice::Keyboard);
    return input;
}

template <>
ActiveInput Preselect<ActiveInput>(CommandCode code) {
    ActiveInput input;
    input.Choice = ByCode(code,
                          {{C::WindowActivate, ActiveChoice::ActivateOnly},
                           {C::ProgramLaunch, ActiveChoice::LaunchOnly},
                           {C::LaunchAndActivate, ActiveChoice::LaunchAndActivate}},
                          ActiveChoice::ActivateOrLaunch);
    return input;
}

template <>
SizeItInput Preselect<SizeItInput>(CommandCode code) {
    SizeItInput input;
    input.Resize = code != C::WindowReposition;
    return input;
}

template <>
SystemCommandInput Preselect<SystemCommandInput>(CommandCode code) {
    SystemCommandInput input;
    input.Control = ByCode(code,
                           {{C::WindowMinimize, WindowControl::Minimize},
                            {C::WindowRestore, WindowControl::Restore},
                            {C::WindowClose, WindowControl::Close},
                            {C::WindowHide, WindowControl::Hide},
                            {C::WindowShow, WindowControl::Show},
                            {C::ProgramShutDown, WindowControl::ShutDown}},
                           WindowControl::Maximize);
    return input;
}

template <>
MouseInput Preselect<MouseInput>(CommandCode code) {
    MouseInput input;
    // The first choice of each button group (click), and the wheel forward.
    input.Command = ByCode(code,
                           {{C::MouseLeftButton, 2},
                            {C::MouseRightButton, 6},
                            {C::MouseMiddleButton, 10},
                            {C::MouseWheel, 14}},
                           MouseMoveCommand);
    return input;
}

template <>
ClipboardInput Preselect<ClipboardInput>(CommandCode code) {
    ClipboardInput input;
    input.Choice = InputFromRecord<ClipboardInput>(code, ClipboardRec{}).Choice;
    return input;
}

template <>
KeyUpDownInput Preselect<KeyUpDownInput>(CommandCode code) {
    // Each key on its down choice.
    return {ByCode(code, {{C::AltKey, 3}, {C::ShiftKey, 5}, {C::WinKey, 7}}, 1)};
}

template <>
DOSFilesInput Preselect<DOSFilesInput>(CommandCode code) {
    DOSFilesInput input;
    input.Command = InputFromRecord<DOSFilesInput>(code, FileRec{}).Command;
    return input;
}

template <>
NickInput Preselect<NickInput>(CommandCode code) {
    NickInput input;
    input.Action = InputFromRecord<NickInput>(code, MacroRefRec{}).Action;
    return input;
}

template <>
RecycleInput Preselect<RecycleInput>(CommandCode code) {
    return {ByCode(code,
                   {{C::DeskTopTile, 2},
                    {C::DeskTopMinimizeAll, 4},
                    {C::DeskTopRestoreAll, 5},
                    {C::SuspendComputer, 6},
                    {C::UndockComputer, 7},
                    {C::RunDialogWindow, 8},
                    {C::OpenExplorerTo, 12}},
                   1)};
}

template <>
RebootInput Preselect<RebootInput>(CommandCode code) {
    return InputFromRecord<RebootInput>(code, DesktopRec{});
}

template <>
SysControlsInput Preselect<SysControlsInput>(CommandCode code) {
    SysControlsInput input;
    input.Control = ByCode(code,
                           {{C::KeyboardDelay, SysControl::KeyDelay},
                            {C::KeyboardRepeatSpeed, SysControl::KeySpeed},
                            {C::Wallpaper, SysControl::Wallpaper},
                            {C::WindowsSizingBorder, SysControl::WinSize}},
                           SysControl::ScreenOn);
    return input;
}

template <>
WaitInput Preselect<WaitInput>(CommandCode code) {
    WaitInput input;
    input.Kind = InputFromRecord<WaitInput>(code, WaitRec{}).Kind;
    return input;
}

template <>
SoundInput Preselect<SoundInput>(CommandCode code) {
    SoundInput input;
    input.WaveFile = code == C::SoundWaveFile;
    return input;
}

template <>
WebInput Preselect<WebInput>(CommandCode code) {
    WebInput input;
    input.IsFtp = code == C::WebFtp;
    return input;
}

template <>
NetConnInput Preselect<NetConnInput>(CommandCode code) {
    NetConnInput input;
    input.Mode = ByCode(
        code, {{C::NetworkDisconnect, NetMode::Disconnect}, {C::NetworkToggle, NetMode::Toggle}},
        NetMode::Connect);
    return input;
}

template <>
CdInput Preselect<CdInput>(CommandCode code) {
    CdInput input;
    input.Command = InputFromRecord<CdInput>(code, CdRec{}).Command;
    return input;
}

template <>
VolumeInput Preselect<VolumeInput>(CommandCode code) {
    // The first of the speaker actions the code stands for.
    for (int action = 1; action <= 20; ++action)
        if (ComposeVolume({action}).Code == code)
            return {action};
    return {};
}

}  // namespace orv::editor
