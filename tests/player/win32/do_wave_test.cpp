#include "player/win32/do_wave.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace orv::player {
namespace {

// A scheduled macro waiting for its alarm must not hang on a file that is
// gone, nor play the system's default sound in its place.
TEST(DoWave, AMissingFileFailsAtOnceEvenWhenWaitedFor) {
    const DWORD start = GetTickCount();
    EXPECT_FALSE(DoWave("C:\\no such folder\\alarm.wav", true));
    EXPECT_LT(GetTickCount() - start, 2000u);
}

}  // namespace
}  // namespace orv::player
