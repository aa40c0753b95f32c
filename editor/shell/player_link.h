// Both directions of the editor's link to the player: what a notice from the
// player asks the editor to do, and the posting of the editor's own notices,
// which go only to a player window that still exists.
#pragma once

#include <cstdint>

#include "common/notices.h"

namespace orv {

enum class PlayerNotifyAction {
    Ignore,
    RepaintList,     // code 1
    SelectMacro,     // code 2: refill, select the macro's row
    OtherLibrary,    // code 3: the player loaded another library
    MacroGone,       // code 4: refill, select the row at most the last one
    RefreshSection,  // code 6: argument is the HookTable section
    RefreshEntry,    // code 8: argument is the macro number
    RereadRecord,    // code 20: argument is the macro number
    ReloadLibrary,   // code 21: a running macro deleted a macro
};

// What PlayerNotify does with code and argument; macroCount is the number of
// macros the editor holds. A macro number outside the library, or a section
// the HookTable does not have, does nothing rather than reach past a table.
PlayerNotifyAction DecidePlayerNotify(int code, std::int32_t argument, int macroCount);

// The platform's side of a post: whether a window exists, and the post itself.
class PlayerWindowPort {
  public:
    virtual ~PlayerWindowPort() = default;
    virtual bool IsWindow(std::uint32_t window) const = 0;
    virtual void Post(std::uint32_t window, int code, std::int32_t argument) = 0;
};

// The editor's notices to the player it was started with; nothing is posted
// without one, and a player that has gone is not posted to.
class PlayerNotices final : public ProgramNotices {
  public:
    PlayerNotices(PlayerWindowPort& port, std::uint32_t playerWindow)
        : port_(port), playerWindow_(playerWindow) {}

    void Post(int code, int argument) override;
    std::uint32_t PlayerWindow() const { return playerWindow_; }

  private:
    PlayerWindowPort& port_;
    std::uint32_t playerWindow_;
};

}  // namespace orv
