// The new activation of a macro being copied or moved: the check of the
// user's choice and its storing into the record.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "common/macro_record.h"
#include "editor/shell/system_keys.h"

namespace orv::editor {

enum class NewActivation { HotKey, Cueword, Timed, WindowTitle, None };

struct ActivationChoice {
    NewActivation Kind = NewActivation::HotKey;
    int Code = -1;     // the selected hot-key line, -1 for none
    std::string Text;  // the Cueword or window title as typed
};

struct ActivationRefusal {
    std::string Message;
    bool FocusText = false;  // else the hot-key list
};

inline constexpr const char* MenuCuewordRefusal =
    "A pop-up menu cannot be activated by a Cueword.  Please choose another activation.";

// The refusal of a choice for a macro of macroKind; changeMode: a move, else
// a copy. A hot key a global or pop-up menu macro holds is refused to both
// kinds of macro that would then share it with one.
std::optional<ActivationRefusal> CheckActivationChoice(const ActivationChoice& choice,
                                                       std::int16_t macroKind,
                                                       std::span<const KeyHolder> macros,
                                                       bool changeMode);

// Stores a checked choice other than Timed (whose schedule dialog stores it).
void StoreActivationChoice(const ActivationChoice& choice, MacroRecord& record);

}  // namespace orv::editor
