// Both directions of the editor's link to the player: what a notice from the
// player asks the editor to do, and the posting of the editor's own notices,
// which go only to a player window that still exists.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "common/notices.h"

namespace orv::editor {

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

// What PlayerNotify does with code and argument. A macro number no library
// can have, or a section the HookTable does not have, does nothing rather
// than reach past a table.
PlayerNotifyAction DecidePlayerNotify(int code, std::int32_t argument);

// While a dialog or a recording holds a macro, the player's notices that
// reload or replace the library (codes 3, 4 and 21) wait, so that the held
// macro's number and file stay the ones shown; they are given back in their
// order once the last hold ends.
class HeldReloads {
  public:
    using Notice = std::pair<int, std::int32_t>;

    void Hold() { ++holds_; }
    // The notices that waited, once no hold is left; none before.
    std::vector<Notice> Release();
    // True when the notice waits (it is kept for the release).
    bool Defer(int code, std::int32_t argument);
    bool Holding() const { return holds_ > 0; }
    // Whether a notice came while held: the numbers shown may have moved.
    bool Waiting() const { return !waiting_.empty(); }

  private:
    int holds_ = 0;
    std::vector<Notice> waiting_;
};

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

}  // namespace orv::editor
