#include "editor/shell/win32/email_menu.h"

#include "editor/commands/win32/email_dialogs.h"
#include "editor/commands/win32/email_log.h"

namespace orv {

void InstallEmailDialogs(TMainWin& main, EditorContext& context) {
    EditorLaunchers& launchers = main.Launchers();
    launchers.EMailDefaults = [&main, &context] {
        TMyEmailOptions options(context.Settings, context.Config, context.Notices);
        options.ShowModal(main.Handle());
    };
    launchers.EMailRecipients = [&main, &context] {
        CommandContext commands{context.Settings};
        // The list editor's way to a recipient file path it could not write.
        commands.OpenPreferences = [&main, &context] {
            main.Launchers().Preferences();
            context.Config.WriteMiscSettings();
            context.Notices.Post(NoticeCode::MiscSettingsChanged, 0);
        };
        TMyAddress list(commands);
        list.ShowModal(main.Handle());
    };
}

}  // namespace orv
