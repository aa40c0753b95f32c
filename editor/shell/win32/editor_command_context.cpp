#include "editor/shell/win32/editor_command_context.h"

#include "common/notices.h"
#include "common/win32/ras_api.h"
#include "common/win32/system_routines.h"
#include "editor/shell/win32/activation_dialogs.h"

namespace orv::editor {
namespace {

std::vector<MacroNickname> NicknamesOf(const EditorContext& context) {
    std::vector<MacroNickname> macros;
    for (int i = 1; i <= context.Table.MacroCount(); ++i)
        macros.push_back({context.Settings.Nickname[i].str(), context.Table.Entry(i).Kind});
    return macros;
}

}  // namespace

CommandContext EditorCommandContext(TMainWin& main, EditorContext& context) {
    CommandContext commands{context.Settings};
    commands.Nicknames = [&context] { return NicknamesOf(context); };
    commands.Browser4OrLater = IsBrowser4OrLater();
    commands.PickProgram = [] { return PickInstalledProgram(); };
    commands.RasLoaded = RasLoaded();
    commands.MixerCapabilities = [&main] { return MixerAnswersOf(main.OpenMixer()); };
    // A path the user mends there is written and the player told.
    commands.OpenPreferences = [&main, &context] {
        main.Launchers().Preferences();
        if (SettingsSaved(context.Config.WriteMiscSettings()))
            context.Notices.Post(NoticeCode::MiscSettingsChanged, 0);
    };
    return commands;
}

}  // namespace orv::editor
