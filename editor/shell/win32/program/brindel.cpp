// Brindel.exe: the editor. Only the player starts it, with "-PEJ" and its own
// window after "/RH"; a second editor ends without a word.
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/hook_library.h"
#include "common/macro_library.h"
#include "common/message_boxes.h"
#include "common/settings.h"
#include "common/ui/win32/form.h"
#include "common/ui/win32/shell_service.h"
#include "hook/client/hook_client.h"
#include "common/win32/kernel_objects.h"
#include "common/win32/private_profile_store.h"
#include "common/win32/ras_api.h"
#include "common/win32/sync_file_access.h"
#include "common/win32/system_routines.h"
#include "common/win32/win32_message_boxes.h"
#include "editor/shell/launch_guard.h"
#include "editor/shell/player_link.h"
#include "editor/shell/win32/editor_dialogs.h"
#include "editor/shell/win32/main_window.h"
#include "editor/shell/win32/win32_player_port.h"

namespace {

orv::editor::StartState StartStateOf(int processShow) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    std::optional<int> startupShow;
    if (startup.dwFlags & STARTF_USESHOWWINDOW)
        startupShow = startup.wShowWindow;
    return orv::editor::StartShowState(processShow, startupShow);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    using namespace orv;
    using namespace orv::editor;
    const std::vector<std::string> args(__argv + 1, __argv + __argc);
    switch (DecideLaunch(args, RunningMarkerExists(RunningMarkerName))) {
        case LaunchDecision::Refuse:
            MessageBoxA(nullptr, NotViaPlayerMessage, "", MB_OK);
            return 0;
        case LaunchDecision::Quit:
            return 0;
        case LaunchDecision::Run:
            break;
    }
    // A marker that cannot be made does not stop the editor.
    KernelHandle marker;
    bool alreadyThere =
        CreateRunningMarker(RunningMarkerName, marker) == MarkerResult::AlreadyThere;
    if (AfterMarkerCreated(alreadyThere) == LaunchDecision::Quit)
        return 0;

    Win32MessageBoxes boxes;
    SetCurrentMessageBoxes(&boxes);
    const std::string programDir = ProgramDir();
    // Dial-up networking is bound once, at the start; without it the dial-up
    // dialog's callers warn instead.
    LoadRasApi();
    auto settings = std::make_unique<SettingsBlock>();
    auto table = std::make_unique<HookTable>();
    PrivateProfileStore store;
    Configs configs(store, *settings, programDir);
    configs.LoadConfig();
    OrnHookLibrary hooks;
    Win32PlayerPort port;
    PlayerNotices notices(port, PlayerWindowOf(args));
    MacroLibrary library(LibraryOwner::Editor, *settings, *table, hooks, notices, programDir);
    ExclusiveSyncFileAccess syncFiles;
    EditorContext context{*settings, *table,     configs,           hooks, library, syncFiles,
                          notices,   programDir, StartStateOf(show)};
    {
        ComScope com;
        TMainWin main(context);
        InstallEditorDialogs(main, context);
        main.Show();
        Application::Run();
    }
    SetCurrentMessageBoxes(nullptr);
    return 0;
}
