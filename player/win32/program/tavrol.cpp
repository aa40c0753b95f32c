// Tavrol.exe: the resident player. One per session: a second start hands its
// command line to the running player and ends.
#include <windows.h>

#include "common/message_boxes.h"
#include "common/win32/kernel_objects.h"
#include "common/win32/message_pump.h"
#include "common/win32/win32_message_boxes.h"
#include "player/win32/main_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace orv;
    using namespace orv::player;
    const std::string commandLine = GetCommandLineA();
    // Without a marker the player still runs.
    KernelHandle marker;
    if (CreateRunningMarker(KernelName::PlayerMarker, marker) == MarkerResult::AlreadyThere) {
        // A player that stopped answering is left alone: the second start
        // must not be held by it.
        if (HandOverCommandLine(commandLine) == HandOverResult::NoPlayerWindow)
            Win32MessageBoxes().Show(PlayerText::NoticeCaption, PlayerText::NoPlayerWindow,
                                     MsgStyle::Ok | MsgStyle::IconWarning);
        return 0;
    }

    Win32MessageBoxes boxes;
    SetCurrentMessageBoxes(&boxes);
    int exitCode = 1;
    {
        auto main = std::make_unique<TMainWin>();
        if (main->Start(commandLine)) {
            MSG msg;
            while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
                if (FilterFormMessage(msg))
                    continue;
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            exitCode = 0;
        }
    }
    SetCurrentMessageBoxes(nullptr);
    return exitCode;
}
