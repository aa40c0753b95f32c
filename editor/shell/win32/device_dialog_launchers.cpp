#include "editor/shell/win32/device_dialog_launchers.h"

#include "common/notices.h"
#include "editor/commands/win32/sound_web_dialogs.h"

namespace orv::editor {

void InstallDeviceDialogs(TMainWin& main, EditorContext& context) {
    main.Launchers().Alarm = [&main, &context] {
        TDoSound dialog(context.Settings);
        dialog.AlarmMode = 1;
        const SettingsBlock before = context.Settings;
        if (dialog.ShowModal(main.Handle()) != IDOK)
            return;
        if (SavedOrTakenBack(context.Settings, before, context.Config.WriteSchedulerSettings()))
            context.Notices.Post(NoticeCode::SchedulerSettingsChanged, 0);
    };
}

}  // namespace orv::editor
