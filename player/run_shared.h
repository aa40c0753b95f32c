// What a run reads and changes of the state the player shares with the editor
// and the hook library: the macros by nickname, and the in-use byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/hook_library.h"
#include "common/macro_library.h"
#include "common/notices.h"
#include "common/settings.h"

namespace orv::player {

class RunShared {
  public:
    RunShared(const SettingsBlock& settings, HookTable& table, HookLibrary& hooks,
              ProgramNotices& notices, const MacroLibrary& library)
        : settings_(settings), table_(table), hooks_(hooks), notices_(notices), library_(library) {}

    // The script of the first macro whose nickname is exactly this (case
    // counts); none when no macro has it or its record cannot be read.
    std::optional<std::string> MacroScript(std::string_view nickname) const;

    // A macro is playing (or no longer): the byte is handed to the hook
    // library, which then reports no hot keys, and the editor is told.
    void SetMacroInUse(bool inUse);
    // In use for a Cueword's text: the hook library also holds the keys the
    // user types until the text is typed, and types them after it.
    void SetMacroInUseHoldingTyping();
    // The run leaves its place (a dialog waits for the user, another window
    // comes forward): the keys held so far are typed now, where the run has
    // typed, and the user's keys go straight on for the rest of it.
    void EndTypingHold();

  private:
    void HandOverInUse();

    const SettingsBlock& settings_;
    HookTable& table_;
    HookLibrary& hooks_;
    ProgramNotices& notices_;
    const MacroLibrary& library_;
};

}  // namespace orv::player
