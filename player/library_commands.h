// The commands that change the macro library while a macro runs: delete,
// enable and disable a macro by nickname, and load another macro file. Each
// writes the library first; only what was written changes the tables, the
// hook library, the player's desk and the editor.
#pragma once

#include <string>
#include <string_view>

#include "common/library_change.h"
#include "common/macro_library.h"
#include "common/network_lock.h"
#include "common/notices.h"
#include "common/settings.h"
#include "player/command_context.h"
#include "player/library_loading.h"

namespace orv::player {

struct LibraryParts {
    MacroLibrary& Library;
    SettingsBlock& Settings;
    HookTable& Table;
    NetworkLock& Lock;
    ProgramNotices& Editor;
    Configs& Ini;  // the settings file
    LibraryDesk& Desk;
    LibraryLoading& Loading;
};

// "Cannot <verb> macro "<nickname>" because the macro file is in use by
// another user."
std::string MacroInUseText(std::string_view verb, std::string_view nickname);

class LibraryCommands final : public CommandFamily {
  public:
    explicit LibraryCommands(const LibraryParts& parts) : parts_(parts) {}
    Flow Perform(CommandContext& context) override;

  private:
    // A change of the library through the one road.
    LibraryChange NewChange();
    // The first macro with exactly this nickname; 0 when none has it.
    int FindMacro(std::string_view nickname) const;
    void Delete(PlayerHost& player, std::string_view nickname);
    void SetEnabled(PlayerHost& player, std::string_view nickname, bool enabled);
    void Swap(const std::string& fileName);

    LibraryParts parts_;
    NoReloadHolds noHolds_;
};

}  // namespace orv::player
