#include "editor/shell/win32/email_menu.h"

#include "editor/commands/win32/email_dialogs.h"
#include "editor/commands/win32/email_log.h"
#include "editor/shell/win32/editor_command_context.h"

namespace orv::editor {

void InstallEmailDialogs(TMainWin& main, EditorContext& context) {
    EditorLaunchers& launchers = main.Launchers();
    launchers.EMailDefaults = [&main, &context] {
        TMyEmailOptions options(context.Settings, context.Config, context.Notices);
        options.ShowModal(main.Handle());
    };
    launchers.EMailRecipients = [&main, &context] {
        // Its preferences are the way to a recipient file path it could not write.
        CommandContext commands = EditorCommandContext(main, context);
        TMyAddress list(commands);
        list.ShowModal(main.Handle());
    };
}

}  // namespace orv::editor
