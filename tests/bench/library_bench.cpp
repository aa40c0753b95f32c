// Loads a full library of 500 macros and hands it to the hook library, as the
// player does at start and on every reload; prints the time it takes.
//   scripts/with-display wine build/win32/bin/library_bench.exe
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "common/files.h"
#include "common/macro_library.h"
#include "common/message_boxes.h"
#include "hook/client/hook_client.h"
#include "tests/bench/full_library.h"

using namespace orv;

int main() {
    bench::PrintedMessages messages;
    SetCurrentMessageBoxes(&messages);
    std::string folder;
    auto settings = bench::SettingsWithFullLibrary("orvbench", folder);
    if (!settings)
        return 1;

    auto table = std::make_unique<HookTable>();
    OrnHookLibrary hooks;
    NoNotices notices;
    MacroLibrary library(LibraryOwner::Player, *settings, *table, hooks, notices, folder);
    std::vector<double> runs;
    for (int run = 0; run < 10; ++run) {
        auto start = std::chrono::steady_clock::now();
        if (!library.ReloadMacroFile(false))
            return 1;
        runs.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    auto master = std::make_unique<HookTable>();
    hooks.GetGlob(*master);
    if (master->MacroCount() != MaxMacros || master->Entry(3).Activation != 3) {
        std::fprintf(stderr, "the hook library does not hold the library\n");
        return 1;
    }
    const double first = runs.front();
    std::sort(runs.begin(), runs.end());
    std::printf("load of %d macros with hand-over: first %.1f ms, median %.1f ms, worst %.1f ms\n",
                MaxMacros, first, runs[runs.size() / 2], runs.back());
    DeleteFileA(settings->MacroFiles[0].c_str());
    RemoveDirectoryA(folder.c_str());
    return 0;
}
