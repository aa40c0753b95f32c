#include "player/pause_layout.h"

#include <algorithm>

#include "common/hotkeys.h"
#include "common/macro_record.h"
#include "common/settings.h"
#include "common/string_routines.h"
#include "common/system_macro_action.h"

namespace orv::player {

namespace {

constexpr std::int32_t LineHeight = 19;
constexpr std::size_t CharactersPerLine = 30;
constexpr std::int32_t ButtonsAboveBottom = 52;
constexpr std::uint16_t MaxRepeatCount = 0xFFFF;

}  // namespace

PauseLayout LayOutPause(std::string_view message) {
    PauseLayout layout;
    if (!message.empty())
        layout.MessageHeight =
            static_cast<std::int32_t>(message.size() / CharactersPerLine) * LineHeight + LineHeight;
    layout.Height = PauseLayout::BaseHeight + layout.MessageHeight;
    layout.ButtonsTop = layout.Height - ButtonsAboveBottom;
    return layout;
}

ScreenPoint PlacedPause(std::int32_t top, std::int32_t left, std::string_view message,
                        ScreenPoint screen) {
    return {std::min(left, screen.X - PauseLayout::Width),
            std::min(top, screen.Y - LayOutPause(message).Height)};
}

std::string PauseCaption(std::uint16_t activationCode) {
    if (activationCode > ActivationCode::LastHotKey)
        return "Pause";
    return "Pause (" + KeyName(activationCode) + ")";
}

std::optional<std::uint16_t> ParseRepeatCount(std::string_view text) {
    const std::string trimmed = TrimStr(text);
    std::string_view digits = trimmed;
    if (!digits.empty() && digits[0] == '+')
        digits.remove_prefix(1);
    const bool hex = !digits.empty() && digits[0] == '$';
    if (hex)
        digits.remove_prefix(1);
    if (digits.empty())
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return std::nullopt;  // a sign other than "+" too: no negative count
        value = value * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
        if (value > MaxRepeatCount)
            return std::nullopt;
    }
    return static_cast<std::uint16_t>(value);
}

bool ResumesPause(const HookTable& table, const PausedMacro& paused, std::uint16_t code) {
    if (code <= ActivationCode::LastHotKey && code == paused.Key)
        return true;
    for (int i = 1; i <= table.EntryCount(); ++i) {
        const MacroEntry entry = table.Entry(i);
        if (entry.Kind == MacroKind::System && entry.Activation == code && entry.Enabled)
            return SystemMacroActionOf(entry.ScopeText) == SystemMacroAction::ResumePause;
    }
    return false;
}

}  // namespace orv::player
