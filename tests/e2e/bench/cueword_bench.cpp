// Keys typed on while a Cueword is replaced by its text: "see brb soon."
// typed at several speeds into the target, the Cueword "brb" standing for
// "be right back". A keyboard hook of the bench's own, called before the
// player's, counts the user's keys that came while the player held them back
// (the in-use byte says so) and the held ones the hook library types again,
// with their own mark. Prints per speed how
// many were held and replayed and how many rounds came out misplaced.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>

#include "common/hook_table.h"
#include "common/hotkeys.h"
#include "common/injected_input.h"
#include "common/macro_record.h"
#include "common/win32/kernel_objects.h"
#include "tests/e2e/e2e_driver.h"

namespace {

using namespace orv::e2e;

const volatile std::uint8_t* MasterView = nullptr;
std::atomic<int> Held{0}, Replayed{0};

LRESULT CALLBACK CountKeys(int code, WPARAM wParam, LPARAM lParam) {
    const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (code == HC_ACTION && !(k->flags & LLKHF_UP)) {
        if (orv::IsReplayedByHook(k->dwExtraInfo)) {
            ++Replayed;
        } else if (!orv::IsInjectedByPlayer(k->dwExtraInfo)) {
            if (MasterView &&
                MasterView[orv::HookAt::MacroPlaying] == orv::HookAt::PlayingHoldsTyping)
                ++Held;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool WaitForText(Target& target, const std::string& expected) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 5000) {
        if (target.Text() == expected && MasterView[orv::HookAt::MacroPlaying] == 0)
            return true;
        Sleep(10);
    }
    return false;
}

}  // namespace

int main() {
    orv::MacroRecord cue =
        Macro("brb", orv::ActivationCode::Cueword, orv::MacroKind::Global, "be right back");
    cue.CuewordText = "brb";
    cue.CuewordRemove = 1;
    const std::string library = WriteLibrary("cueword_bench.ORN", {cue});
    Player player;
    Target target;
    if (!player.Start(library) || !target.Start("Bench Pad") || !target.Keys("")) {
        std::fprintf(stderr, "the player or the target did not come up\n");
        return 1;
    }
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, orv::KernelName::MasterTable);
    MasterView = mapping ? static_cast<const volatile std::uint8_t*>(
                               MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, orv::HookTable::Size))
                         : nullptr;
    if (!MasterView) {
        std::fprintf(stderr, "no master table\n");
        return 1;
    }
    const KeyboardWatch watch(CountKeys);
    const std::string keys = "s e e space b r b space s o o n period";
    const std::string expected = "see be right back soon.";
    constexpr int Rounds = 5;
    int failed = 0;
    for (int keysPerSecond : {5, 10, 20, 30}) {
        int held = 0, replayed = 0, misplaced = 0;
        for (int round = 0; round < Rounds; ++round) {
            target.Clear();
            Held = Replayed = 0;
            if (!target.Keys("key --delay " + std::to_string(1000 / keysPerSecond) + " " + keys) ||
                !WaitForText(target, expected)) {
                ++misplaced;
                std::printf("  \"%s\"\n", target.Text().c_str());
            }
            held += Held;
            replayed += Replayed;
        }
        failed += misplaced;
        std::printf(
            "%2d keys a second: %d rounds, %.1f keys held and %.1f replayed a round, "
            "%d misplaced\n",
            keysPerSecond, Rounds, static_cast<double>(held) / Rounds,
            static_cast<double>(replayed) / Rounds, misplaced);
    }
    player.Stop();
    return failed == 0 ? 0 : 1;
}
