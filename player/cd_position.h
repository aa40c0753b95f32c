// Positions on an audio CD as the media control interface packs them, and the
// step forward or back by seconds across tracks.
#pragma once

#include <cstdint>
#include <span>

namespace orv::player {

struct CdPosition {
    std::uint8_t Track = 1;
    std::uint8_t Minutes = 0;
    std::uint8_t Seconds = 0;
    std::uint8_t Frames = 0;
    bool operator==(const CdPosition&) const = default;
};

// Track in byte 0, minutes, seconds, frames in bytes 1 to 3.
CdPosition UnpackTmsf(std::uint32_t packed);
std::uint32_t PackTmsf(const CdPosition& position);

// The position seconds later (earlier when negative): a step past a track's
// end goes on into the following tracks, one before its start back into the
// earlier ones. Past the last track it stops at that track's last second,
// before the first track at its start. Frames are kept except at those ends.
// trackSeconds holds each track's length, track 1 first.
CdPosition StepPosition(const CdPosition& from, std::int64_t seconds,
                        std::span<const std::uint32_t> trackSeconds);

}  // namespace orv::player
