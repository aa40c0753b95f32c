#include "player/cd_position.h"

#include <algorithm>

namespace orv::player {

namespace {
constexpr std::int64_t SecondsPerMinute = 60;
}

CdPosition UnpackTmsf(std::uint32_t packed) {
    return {static_cast<std::uint8_t>(packed), static_cast<std::uint8_t>(packed >> 8),
            static_cast<std::uint8_t>(packed >> 16), static_cast<std::uint8_t>(packed >> 24)};
}

std::uint32_t PackTmsf(const CdPosition& position) {
    return position.Track | position.Minutes << 8 | position.Seconds << 16 |
           static_cast<std::uint32_t>(position.Frames) << 24;
}

CdPosition StepPosition(const CdPosition& from, std::int64_t seconds,
                        std::span<const std::uint32_t> trackSeconds) {
    const auto count = static_cast<std::int64_t>(trackSeconds.size());
    if (count == 0)
        return from;
    const auto length = [&](std::int64_t track) {
        return static_cast<std::int64_t>(trackSeconds[static_cast<std::size_t>(track - 1)]);
    };
    std::int64_t track = std::clamp<std::int64_t>(from.Track, 1, count);
    std::int64_t at = from.Minutes * SecondsPerMinute + from.Seconds + seconds;
    std::uint8_t frames = from.Frames;
    while (at >= length(track)) {
        if (track == count) {
            at = std::max<std::int64_t>(length(track) - 1, 0);
            frames = 0;
            break;
        }
        at -= length(track++);
    }
    while (at < 0) {
        if (track == 1) {
            at = 0;
            frames = 0;
            break;
        }
        at += length(--track);
    }
    return {static_cast<std::uint8_t>(track), static_cast<std::uint8_t>(at / SecondsPerMinute),
            static_cast<std::uint8_t>(at % SecondsPerMinute), frames};
}

}  // namespace orv::player
