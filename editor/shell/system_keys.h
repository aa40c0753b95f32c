// The hot keys of the five system commands as their dialog edits them: which
// macro holds each command, the key it had at the start and the one chosen,
// and the checks of a pressed key and of the whole choice.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/hook_table.h"
#include "common/system_macro_action.h"

namespace orv::editor {

// What the checks need of one macro of the library.
struct KeyHolder {
    int Macro = 0;
    std::int16_t Kind = 0;
    std::uint16_t Activation = 0;
    std::optional<SystemMacroAction> Action;  // a system macro's only
};

// Every macro of the table, from its entries.
std::vector<KeyHolder> KeyHoldersOf(const HookTable& table);

struct SystemCommandKey {
    int Macro = 0;  // 0: the library has no macro for the command
    std::uint16_t Code = 0;
    std::uint16_t ShownCode = 0;
};

// The commands in the order of their actions: the editor, capture, resume,
// top-window menu and terminating the player.
using SystemCommandKeys = std::array<SystemCommandKey, SystemMacroActionCount>;

constexpr const char* SameSystemKeyMessage =
    "The same hot key has been assigned to more than one system command.";

// Each system macro's key, found by its action.
SystemCommandKeys SystemKeysOf(std::span<const KeyHolder> macros);

// The refusal of a pressed code that a global, pop-up menu or system macro
// already has as its hot key (the system macros' own keys included).
std::optional<std::string> HotKeyTakenRefusal(std::span<const KeyHolder> macros, int code);

// True when two commands that have a macro were given one key.
bool SharesAKey(const SystemCommandKeys& keys);

// The commands whose key differs from the one they had at the start: the
// only macros OK rewrites.
std::vector<SystemCommandKey> ChangedSystemKeys(const SystemCommandKeys& keys);

}  // namespace orv::editor
