#include "player/command_context.h"

#include <algorithm>

namespace orv::player {

using C = CommandCode;

std::string_view CommandContext::Field(std::size_t from, std::size_t to) const {
    if (from >= Token.size())
        return {};
    return Token.substr(from, std::min(to, Token.size() - 1) + 1 - from);
}

std::optional<FamilyId> FamilyOf(const TokenForm& form) {
    switch (form.Code) {
        case C::WindowActivate:
        case C::ProgramLaunch:
        case C::ActivateOrLaunch:
        case C::LaunchAndActivate:
        case C::WebSite:
        case C::WebFtp:
        case C::WindowMaximize:
        case C::WindowMinimize:
        case C::WindowRestore:
        case C::WindowClose:
        case C::WindowHide:
        case C::WindowShow:
        case C::ProgramShutDown:
        case C::WindowResize:
        case C::WindowReposition:
            return FamilyId::Windows;
        case C::KeyboardDelay:
        case C::KeyboardRepeatSpeed:
        case C::WindowsSizingBorder:
            return FamilyId::Settings;
        case C::ScreenSaver:
            // "<SSON>" starts the screen saver: a system command, not a setting.
            return form.Head == "<SSON>" ? FamilyId::System : FamilyId::Settings;
        case C::None:
            if (form.Head == "<DOHOOK>")
                return FamilyId::Settings;
            return form.Head == "<EMPTYBIN>" ? std::optional(FamilyId::System) : std::nullopt;
        case C::NetworkConnect:
        case C::NetworkDisconnect:
        case C::NetworkToggle:
        case C::DialUpNetworking:
        case C::DefaultDisplaySize:
        case C::DefaultPrinter:
        case C::Wallpaper:
        case C::SoundBeep:
        case C::DeskTopCascade:
        case C::DeskTopTile:
        case C::DeskTopMinimizeAll:
        case C::DeskTopRestoreAll:
        case C::SuspendComputer:
        case C::UndockComputer:
        case C::RunDialogWindow:
        case C::OpenExplorerTo:
        case C::Logoff:
        case C::Reboot:
        case C::ShutDown:
        case C::PowerOff:
            return FamilyId::System;
        case C::AudioVolume:
        case C::AudioBalance:
        case C::AudioMuteToggle:
        case C::AudioTreble:
        case C::AudioBass:
        case C::MidiVolume:
        case C::MidiBalance:
        case C::MidiMuteToggle:
        case C::SoundWaveFile:
        case C::CdPlay:
        case C::CdStop:
        case C::CdPause:
        case C::CdNextTrack:
        case C::CdPreviousTrack:
        case C::CdGoToTrack:
        case C::CdStep:
        case C::CdBack:
        case C::CdEject:
        case C::CdCloseTray:
        case C::VideoClipPlay:
            return FamilyId::Media;
        case C::WaitForWindowTitle:
        case C::WaitWindowLoseFocus:
        case C::WaitProgramTerminate:
        case C::WaitForKeyPress:
        case C::WaitForText:
        case C::WaitLeftMouseClick:
        case C::WaitRightMouseClick:
        case C::WaitMiddleMouseClick:
        case C::WaitTextPlayback:
            return FamilyId::Waits;
        case C::Pause:
        case C::WindowOfText:
            return FamilyId::Dialogs;
        case C::EMailSend:
            return FamilyId::Mail;
        case C::ClipboardTypeText:
        case C::ClipboardStartCopy:
        case C::ClipboardCopy:
        case C::ClipboardPaste:
        case C::ClipboardFileCopy:
        case C::ClipboardGraphicCopy:
        case C::ClipboardSaveText:
        case C::ClipboardAppendText:
        case C::ClipboardSaveGraphic:
            return FamilyId::Clipboard;
        case C::ChangeDirectory:
        case C::CreateDirectory:
        case C::DeleteFile:
        case C::CopyFile:
        case C::RenameFile:
        case C::OpenFolderInExplorer:
            return FamilyId::Files;
        case C::MacroDelete:
        case C::MacroActivate:
        case C::MacroDeactivate:
        case C::LoadNewMacroFile:
            return FamilyId::Library;
        default:
            return std::nullopt;
    }
}

Flow PerformFamilyCommand(const CommandFamilies& families, CommandContext& context) {
    const std::optional<FamilyId> id = FamilyOf(context.Form());
    CommandFamily* family = id ? families[*id] : nullptr;
    return family ? family->Perform(context) : Flow::Next;
}

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

}  // namespace orv::player
