// What a system macro does. A record keeps it as the first character of its
// scope text, '1' to '5'; both programs read it from there.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

enum class SystemMacroAction : char {
    // The editor runs or shows the editor; the player shows itself through it.
    ActivateEditor = '1',
    StartStopCapture = '2',
    ResumePause = '3',
    MenuOfTopWindow = '4',
    TerminatePlayer = '5',
};

constexpr std::size_t SystemMacroActionCount = 5;

// The action a system macro's scope text names; none for any other text.
constexpr std::optional<SystemMacroAction> SystemMacroActionOf(std::string_view scopeText) {
    if (scopeText.empty() || scopeText[0] < '1' || scopeText[0] > '5')
        return std::nullopt;
    return static_cast<SystemMacroAction>(scopeText[0]);
}

// The scope text a system macro with the action is written with.
inline std::string ScopeTextOf(SystemMacroAction action) {
    return std::string(1, static_cast<char>(action));
}

// 0 to 4, in the order of the characters: the place of the action in a table
// of all five.
constexpr std::size_t IndexOf(SystemMacroAction action) {
    return static_cast<std::size_t>(static_cast<char>(action) - '1');
}

}  // namespace orv
