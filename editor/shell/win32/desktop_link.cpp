#include "editor/shell/win32/desktop_link.h"

#include "common/files.h"
#include "common/message_boxes.h"
#include "common/string_routines.h"
#include "common/ui/win32/shell_service.h"
#include "common/win32/system_routines.h"
#include "editor/shell/macro_operations.h"

namespace orv::editor {

bool DoTheLink(const MacroRecord& macro, const std::string& programDir) {
    const std::string desktop = CurrentShell().SpecialFolder(ShellFolder::Desktop);
    if (desktop.empty() || !DirExists(desktop)) {
        ShowError(NoDesktopFolderMessage);
        return false;
    }
    const std::string nickname = macro.Nickname.str();
    const std::string player = InFolder(programDir, "TAVROL.EXE");
    const std::string icon = UpperAscii(macro.IconName.str());
    ShellLink link;
    link.Target = player;
    link.Arguments = "/A" + nickname;
    link.IconPath = icon == "MAIN" || icon == "MENU" || icon.empty()
                        ? player
                        : InFolder(InFolder(programDir, "Icons"), macro.IconName.str());
    const std::string path = InFolder(desktop, nickname + ".LNK");
    if (FileExists(path) &&
        CurrentMessageBoxes().Show("Desktop Icon", ReplaceLinkQuestion(path),
                                   MsgStyle::YesNo | MsgStyle::IconQuestion) != MsgResult::Yes)
        return false;
    if (!CurrentShell().CreateLink(path, link)) {
        ShowError("The desktop icon \"" + path + "\" could not be written.");
        return false;
    }
    CurrentMessageBoxes().Show("", DesktopLinkAdded, MsgStyle::Ok | MsgStyle::IconInformation);
    return true;
}

}  // namespace orv::editor
