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
#include "common/win32/hook_client.h"
#include "tests/bench/full_library.h"

namespace {

using namespace orv;

class PrintedMessages final : public MessageBoxes {
  public:
    int Show(std::string_view caption, std::string_view text, unsigned) override {
        std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                     static_cast<int>(text.size()), text.data());
        return MsgResult::Ok;
    }
};

}  // namespace

int main() {
    PrintedMessages messages;
    SetCurrentMessageBoxes(&messages);
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "orvbench";
    CreateDirectoryA(folder.c_str(), nullptr);
    auto settings = std::make_unique<SettingsBlock>();
    settings->MacroFiles[0] = InFolder(folder, "BENCH.ORN");
    if (!bench::WriteFullLibrary(settings->MacroFiles[0].str())) {
        std::fprintf(stderr, "could not write the library\n");
        return 1;
    }

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
