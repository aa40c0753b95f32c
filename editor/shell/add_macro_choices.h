// What the "Add Macro" dialog decides: which hot keys are taken, how each
// activation type lays the dialog out, what a choice hands to the editor that
// makes the script, and why a choice is refused.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/activation_kind.h"
#include "common/hook_table.h"
#include "common/hotkeys.h"

namespace orv::editor {

enum class AddType { HotKey, Cueword, Timed, None, Popup, WindowTitle };

// The dialog's controls for one activation type (DisableEnable).
struct AddLayout {
    bool HotKeyControls;  // the hot-key labels, entry and list: shown and enabled
    bool NameControls;    // the Cueword or window title label and box
    const char* NameCaption;
    int NameMaxLength;
    bool Capture;
    bool Script;
    const char* EnterCaption;
    int ClientHeight;
};

const AddLayout& DisableEnable(AddType type);

// The hot keys as the existing macros hold them.
struct HotKeyChoices {
    // Per code: a global, pop-up menu or system macro has it, so no other
    // global macro may.
    std::array<std::uint8_t, HotKeyCount> KeyTaken{};
    bool HasUserMacros = false;      // some macro is not a system macro
    std::vector<std::string> Lines;  // one per code, with how many macros use it
};

HotKeyChoices HotKeyChoicesOf(const HookTable& table);

// A list line split for its two columns: the key's name, and its use without
// the closing bracket.
std::pair<std::string, std::string> KeyListColumns(std::string_view line);

// The editor that makes the script is told the activation chosen.
struct ChosenActivation {
    ActivationKind ActKind;
    std::uint16_t ActivationCode;
    bool ScopeLocked;  // the hot key is a global one's: the macro cannot be global
};

// code: the selected hot key, for the hot-key type.
ChosenActivation ActivationFor(AddType type, int code, const HotKeyChoices& choices);

namespace AddMacroMessage {
inline constexpr const char* NoHotKey = "No hot key selected.  Please select one.";
inline constexpr const char* NoCueword = "No Cueword name entered.";
inline constexpr const char* NoTitle = "No Window title has been entered.";
inline constexpr const char* NoMacros =
    "No macros have been defined yet.  A popup menu is created with existing macros.";
inline constexpr const char* KeyTaken =
    "Selected Hot Key is already either a GLOBAL or Popup Menu Hot Key.  Hot Key cannot be "
    "added.";
}  // namespace AddMacroMessage

// The check of a typed Cueword or window title (already trimmed): the refusal,
// or nothing.
std::optional<const char*> NameRefusal(AddType type, std::string_view trimmedName);

}  // namespace orv::editor
