// What the command dialogs need of the editor around them: the settings, the
// macros of the open library, what the system offers, and the pickers of
// other dialogs. The editor's main window fills it; tests fill it with fakes.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/settings.h"
#include "editor/commands/device_lists.h"

namespace orv::editor {

// One macro of the open library as the dialogs see it.
struct MacroNickname {
    std::string Nickname;
    std::int16_t Kind = 0;  // MacroKind
};

struct CommandContext {
    SettingsBlock& Settings;
    // Every macro of the open library, in the library's order.
    std::function<std::vector<MacroNickname>()> Nicknames;
    // False on a shell older than version 4 of the system's browser.
    bool Browser4OrLater = true;
    // Shows the installed-program picker and gives the chosen program's name;
    // nothing when the user chose none. Without it the dialogs offer no list.
    std::function<std::optional<std::string>()> PickProgram;
    // Dial-up networking is there; without it the dial-up dialog's callers
    // warn instead of opening it.
    bool RasLoaded = false;
    // Which of the mixer's controls exist, asked when the speaker dialog's
    // test is pressed; the main window opens its mixer for it.
    std::function<MixerAnswers()> MixerCapabilities;
    // Shows the settings dialog so the user can mend a path; what it changed
    // is written (section "Misc") and the player told. Without it nothing opens.
    std::function<void()> OpenPreferences;
};

}  // namespace orv::editor
