#include "player/command_context.h"

#include <algorithm>

namespace orv {

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
            return form.Head == "<SSON>" ? std::nullopt : std::optional(FamilyId::Settings);
        case C::None:
            return form.Head == "<DOHOOK>" ? std::optional(FamilyId::Settings) : std::nullopt;
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

}  // namespace orv
