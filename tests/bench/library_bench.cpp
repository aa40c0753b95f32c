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

// 495 ordinary macros with full scripts, then the five system macros.
bool WriteFullLibrary(const std::string& path) {
    std::string bytes(MaxMacros * MacroRecord::Size, '\0');
    for (int i = 1; i <= MaxMacros; ++i) {
        MacroRecord r;
        const auto& system = SystemMacros(LibraryOwner::Player);
        if (i > MaxMacros - 5) {
            const SystemMacro& s = system[i - (MaxMacros - 5) - 1];
            r.Nickname = s.nickname;
            r.ScopeText = std::string(1, s.action);
            r.MacroKind = MacroKind::System;
            r.ActivationCode = static_cast<std::uint16_t>(s.firstHotKey);
        } else {
            r.Nickname = "Macro number " + std::to_string(i);
            r.ScopeText = "Window title of macro " + std::to_string(i);
            r.MacroKind = static_cast<std::int16_t>(1 + i % 3);
            r.ActivationCode = static_cast<std::uint16_t>(i % 2 ? i : 20000);
            r.CuewordText = "cw" + std::to_string(i);
            r.SetScriptText(std::string(MaxScriptLength, 'x'));
        }
        r.Enabled = 1;
        r.IconName = "MAIN";
        r.CuewordCase = 3;
        r.CuewordRemove = 1;
        r.Encode(RecordBytes<MacroRecord::Size>(
            reinterpret_cast<std::uint8_t*>(bytes.data()) + (i - 1) * MacroRecord::Size,
            MacroRecord::Size));
    }
    return ReplaceFileContents(path, bytes);
}

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
    if (!WriteFullLibrary(settings->MacroFiles[0].str())) {
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
