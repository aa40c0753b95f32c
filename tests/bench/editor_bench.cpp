// Opens the editor's main window on a full library of 500 macros and prints
// the time from its start to the list painted, then the time a new sort order
// takes to refill and repaint the list.
//   scripts/with-display scripts/wine build/win32/bin/editor_bench.exe
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

#include "common/message_boxes.h"
#include "common/settings_store.h"
#include "common/sync_record.h"
#include "editor/shell/win32/main_window.h"
#include "hook/client/hook_client.h"
#include "tests/bench/full_library.h"

namespace {

using namespace orv;
using namespace orv::editor;
using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Handles what is queued until the grid has nothing left to paint.
void PaintNow(TMainWin& main) {
    UpdateWindow(main.Handle());
    UpdateWindow(main.MyGrid.Handle());
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsFormMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

}  // namespace

int main() {
    bench::PrintedMessages messages;
    SetCurrentMessageBoxes(&messages);
    std::string folder;
    auto settings = bench::SettingsWithFullLibrary("orveditorbench", folder);
    if (!settings)
        return 1;
    settings->FirstUse = false;
    auto table = std::make_unique<HookTable>();
    MemorySettingsStore store;
    Configs configs(store, *settings, folder);
    OrnHookLibrary hooks;
    NoNotices notices;
    MacroLibrary library(LibraryOwner::Editor, *settings, *table, hooks, notices, folder);
    PlainSyncFileAccess syncFiles;
    EditorContext context{*settings, *table, configs, hooks, library, syncFiles, notices, folder};

    const Clock::time_point start = Clock::now();
    TMainWin main(context);
    main.Show();
    PaintNow(main);
    const double opened = MsSince(start);
    if (main.List().RowCount() != MaxMacros + 1) {
        std::fprintf(stderr, "the list shows %d rows\n", main.List().RowCount() - 1);
        return 1;
    }

    double worstSort = 0, worstFill = 0;
    for (int round = 0; round < 3; ++round)
        for (const char* order : {"213", "321", "132", "123"}) {
            const Clock::time_point sortStart = Clock::now();
            settings->PrimarySort = order;
            main.FillList();
            worstFill = std::max(worstFill, MsSince(sortStart));
            PaintNow(main);
            worstSort = std::max(worstSort, MsSince(sortStart));
        }
    std::printf(
        "editor on %d macros: list painted %.1f ms after start; "
        "worst re-sort and repaint %.1f ms (of it the refill %.1f ms)\n",
        MaxMacros, opened, worstSort, worstFill);
    DeleteFileA(settings->MacroFiles[0].c_str());
    return 0;
}
