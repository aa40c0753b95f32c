// What the run-time dialogs compute before they are shown: the pause
// window's geometry, position and caption, the repeat prompt's count, and
// which hot key resumes a paused macro.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/hook_table.h"
#include "common/hotkeys.h"
#include "player/player_host.h"

namespace orv::player {

struct PauseLayout {
    static constexpr std::int32_t Width = 224;
    static constexpr std::int32_t BaseHeight = 94;
    std::int32_t Height = BaseHeight;
    std::int32_t MessageHeight = 0;  // 0: the message label is hidden
    std::int32_t ButtonsTop = BaseHeight - 52;
};

// The window grows by a line of 19 pixels for every 30 characters begun.
PauseLayout LayOutPause(std::string_view message);

// "<PAUSE:": the token's top and left, held so that the whole window stays
// on the screen ("<PAUSE>" is centred by the window itself, which knows its
// size on the screen).
ScreenPoint PlacedPause(std::int32_t top, std::int32_t left, std::string_view message,
                        ScreenPoint screen);

// "Pause (" + the key's name + ")" for a macro started by a hot key,
// otherwise "Pause".
std::string PauseCaption(std::uint16_t activationCode);

// The count typed into the repeat prompt: decimal or "$" and hexadecimal,
// blanks around it ignored; none for an empty, negative or too large count,
// which the prompt refuses.
std::optional<std::uint16_t> ParseRepeatCount(std::string_view text);

// The macro a pause holds, by its key as it was when its run started: that
// still names it when macros before it have been deleted since.
struct PausedMacro {
    std::uint16_t Key = ActivationCode::None;
};

// During a pause a hot key (without its Caps Lock bit) resumes the run when
// it is the paused macro's own key or a resume system macro's; any other
// key is refused.
bool ResumesPause(const HookTable& table, const PausedMacro& paused, std::uint16_t code);

}  // namespace orv::player
