// How much the hot-key path adds: the time from starting xdotool on a hot key
// to the first character of its macro in the target, against the same for a
// plain key typed straight into the target. Both include starting xdotool,
// so the difference of the medians is the player's share (hook library,
// message, dispatch, record read, typing).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "common/hook_table.h"
#include "common/macro_record.h"
#include "tests/e2e/e2e_driver.h"

namespace {

using namespace orv::e2e;

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds from starting xdotool until the target holds something; -1
// after two seconds.
double Measure(Target& target, const std::string& keys) {
    target.Clear();
    const double start = Now();
    if (!Xdotool(keys))
        return -1;
    while (target.Text().empty())
        if (Now() - start > 2000)
            return -1;
    return Now() - start;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

}  // namespace

int main() {
    const std::string library =
        WriteLibrary("hotkey_bench.ORN", {Macro("Bench", 16, orv::MacroKind::Global, "h")});
    Player player;
    Target target;
    if (!player.Start(library) || !target.Start("Bench Pad") || !target.Keys("")) {
        std::fprintf(stderr, "the player or the target did not come up\n");
        return 1;
    }
    constexpr int Rounds = 40;
    std::vector<double> plain, hotKey;
    for (int k = 0; k < Rounds; ++k) {
        const double p = Measure(target, "key --delay 0 x");
        const double h = Measure(target, "key --delay 0 ctrl+q");
        // The next hot key only once the run has been given back.
        const double start = Now();
        while (MasterByte(orv::HookAt::MacroPlaying) != 0 && Now() - start < 2000) Sleep(1);
        if (p >= 0)
            plain.push_back(p);
        if (h >= 0)
            hotKey.push_back(h);
    }
    std::printf(
        "rounds %d: plain key median %.1f ms (min %.1f), hot key median %.1f ms (min %.1f)\n",
        Rounds, Median(plain), plain.empty() ? -1 : *std::min_element(plain.begin(), plain.end()),
        Median(hotKey), hotKey.empty() ? -1 : *std::min_element(hotKey.begin(), hotKey.end()));
    std::printf("the hot-key path adds %.1f ms at the median (%zu and %zu samples)\n",
                Median(hotKey) - Median(plain), plain.size(), hotKey.size());
    player.Stop();
    return 0;
}
