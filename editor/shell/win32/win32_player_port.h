// The editor's posts to the player's window through the system.
#pragma once

#include "editor/shell/player_link.h"

namespace orv::editor {

class Win32PlayerPort final : public PlayerWindowPort {
  public:
    bool IsWindow(std::uint32_t window) const override;
    void Post(std::uint32_t window, int code, std::int32_t argument) override;
};

}  // namespace orv::editor
