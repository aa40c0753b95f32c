// The player's short waits against the asked delay: 200 waits each of 1, 5
// and 10 ms through the player's own wait (the one every delay of a run
// takes), as a run makes them. Prints the mean and the longest wait of each;
// a bench to read on Windows, where the default tick is 15.6 ms, not a test
// (Wine's tick is 1 ms anyway).
//   scripts/with-display scripts/wine build/win32/bin/wait_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "player/playback.h"
#include "player/win32/win32_player_host.h"

namespace {

constexpr int WaitCount = 200;

double Milliseconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main() {
    orv::player::Win32PlayerHost host;
    orv::player::RunState state;
    orv::player::Playback playback(host, state);
    for (int asked : {1, 5, 10}) {
        double total = 0, longest = 0;
        for (int i = 0; i < WaitCount; ++i) {
            const double start = Milliseconds();
            playback.PauseForNoSpeed(asked / 1000.0);
            const double took = Milliseconds() - start;
            total += took;
            longest = std::max(longest, took);
        }
        std::printf("%2d ms asked: %6.2f ms on average, %6.2f ms at most (%d waits)\n", asked,
                    total / WaitCount, longest, WaitCount);
    }
    playback.EndFineTimer();
    return 0;
}
