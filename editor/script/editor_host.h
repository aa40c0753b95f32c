// What the script editor needs of the editor around it: the current macro
// record it edits in place, the settings, where a save delivers, the dialogs
// of the activation and scope that the shell owns, and the player's notices.
// The shell fills it from its own context; tests fill it with fakes.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "common/notices.h"
#include "common/script/writer.h"
#include "common/settings.h"
#include "editor/commands/command_context.h"

namespace orv::editor {

// What the window or program scope dialog gives back.
struct ScopeSelection {
    std::string Name;  // the window title or program name, at most 30 characters kept
    std::uint8_t ScopeMatch = 1;
};

struct EditorHost {
    // The current record, where a save goes.
    MacroRecord& Edited;
    SettingsBlock& Settings;
    Configs& Config;
    CommandContext& Commands;
    ProgramNotices& Notices;
    std::string ProgramDir;
    // The dial-up service is bound.
    bool RasLoaded = false;

    // The main window's default schedule into a new macro (DefaultTimer).
    std::function<void(MacroRecord&)> DefaultTimer;
    // The window or program scope dialog (TDoSpecWind): the current name and
    // match, program mode; nothing when the user chose none.
    std::function<std::optional<ScopeSelection>(const std::string& name, std::uint8_t match,
                                                bool programMode)>
        SelectScope;
    // The schedule dialog (TDoSchedule), writing the record's schedule.
    std::function<void(MacroRecord&)> EditSchedule;
    // The per-macro Cueword options dialog (TShortOptions).
    std::function<void(MacroRecord&)> EditCuewordOptions;

    MacroRecord& Macro() const { return Edited; }
};

}  // namespace orv::editor
