// What the wait dialog (TDoWaitWin) computes: the ten waits of the script
// language, each but the last two with a time-out in minutes or none.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "editor/commands/command_dialogs.h"

namespace orv::editor {

// The kinds, numbered by their option codes.
enum class WaitKind {
    Title = 1,
    LoseFocus,
    Program,
    Key,
    Text,
    LeftClick,
    RightClick,
    MiddleClick,
    PlayBack,
    Time
};
enum class WaitField { WinTitle, ProgName, TheText, TheKey, WaitMin, Minutes, Seconds };
struct WaitValues {
    std::int32_t RawValue = 0;  // the time-out in minutes, or the seconds of a time wait
    std::string WaitParameter;
    std::uint8_t WaitCaseSensitive = 0;
};
using WaitOutcome = CommandOutcome<WaitField, WaitValues>;
struct WaitInput {
    WaitKind Kind = WaitKind::Title;
    std::string WinTitle;
    std::string ProgName;
    std::string TheText;
    bool CaseSense = false;
    int KeyIndex = 50;    // into WaitKeyNames; -1 for none; "ENTER"
    bool WaitMax = true;  // else indefinitely
    std::string WaitMin = "10";
    std::string Minutes = "10";
    std::string Seconds = "0";
};
WaitOutcome ComposeWait(const WaitInput& input);
template <>
WaitInput InputFromRecord<WaitInput>(CommandCode code, const CommandRecord& record);

// The keys a wait can wait for, in their list's order.
std::span<const std::string_view> WaitKeyNames();

// Which panel a kind shows, and the form's height with its buttons' top.
enum class WaitPanel { None, Title, Program, Key, Text, Elapse };
struct WaitLayout {
    WaitPanel Panel = WaitPanel::None;
    bool ShowTimeOut = false;
    int TimeOutTop = 0;
    int ButtonTop = 0;
    int ClientHeight = 0;
};
WaitLayout WaitLayoutFor(WaitKind kind);

}  // namespace orv::editor
