// What each key of a keyboard layout types, asked of the system once per
// layout: the hook then translates keys from tables and never asks the
// system inside a key's way, where translating a dead key would consume it.
#pragma once

#include <windows.h>

#include <array>

#include "hook/key_layout.h"

namespace orv {

void LearnLayout(HKL handle, KeyLayout& layout);

// The layouts learned so far, the focused window's looked up at each key.
class LearnedLayouts {
  public:
    // The learned layout of handle; none while it is not learned.
    const KeyLayout* Find(HKL handle) const;
    // Learns handle's layout, in place of the one learned longest ago.
    const KeyLayout& Learn(HKL handle);

  private:
    struct Entry {
        HKL handle = nullptr;
        KeyLayout layout;
    };
    static constexpr std::size_t Room = 4;
    std::array<Entry, Room> entries_{};
    std::size_t next_ = 0;
};

}  // namespace orv
