// The mark on every keyboard and mouse event the player injects. The hook
// library lets events carrying it pass untouched: they never count as hot
// keys, Cuewords, waits, capture, remap or abort.
#pragma once

#include <cstdint>

namespace orv {

// Travels in the events' extra-information field ("ORVN" in ASCII).
constexpr std::uint32_t InjectedInputTag = 0x4E56524Fu;

constexpr bool IsInjectedByPlayer(std::uintptr_t extraInfo) {
    return static_cast<std::uint32_t>(extraInfo) == InjectedInputTag;
}

// The mark on the user's keys the hook library held back while a Cueword's
// text was typed and types again after it ("ORVR"): they count as the
// user's own.
constexpr std::uint32_t ReplayedInputTag = 0x5256524Fu;

constexpr bool IsReplayedByHook(std::uintptr_t extraInfo) {
    return static_cast<std::uint32_t>(extraInfo) == ReplayedInputTag;
}

}  // namespace orv
