// What the editor decides from its command line, its running marker and its
// start-up information before anything of it is created: only the player
// starts it, only once, and in the window state it was asked for.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orv::editor {

inline constexpr const char* LaunchSwitch = "-PEJ";
inline constexpr const char* RunningMarkerName = "ORNED321Z";
inline constexpr const char* NotViaPlayerMessage = "Orvane Editor can only be invoked via Orvane";

enum class LaunchDecision {
    Refuse,  // tell the user, then end
    Quit,    // another editor runs: end without a word
    Run,
};

// args are the parameters after the program name. markerOpens: the running
// marker of another editor could be opened.
LaunchDecision DecideLaunch(const std::vector<std::string>& args, bool markerOpens);

// Creating the marker found one already there: an editor started at the same
// moment got there first, so this one ends quietly as well.
LaunchDecision AfterMarkerCreated(bool alreadyExisted);

// The player's window from every "/RH" parameter (any case), the last one
// winning; the decimal digits that lead the rest, 0 when there are none.
std::uint32_t PlayerWindowOf(const std::vector<std::string>& args);

// The system's show commands that the start tells apart (their Win32 values).
namespace ShowCommand {
inline constexpr int ShowMinimized = 2;
inline constexpr int ShowMaximized = 3;
inline constexpr int Minimize = 6;
inline constexpr int ShowMinNoActive = 7;
inline constexpr int ShowDefault = 10;
}  // namespace ShowCommand

// The state the main window takes when it is first activated.
enum class StartState { Normal, Minimized, Maximized };

// processShow: the show command the process was started with; startupShow:
// the one its start-up information gives, if any. With the default command
// the start-up information's counts. Every minimised form starts minimised:
// the runtime already hands a program the start-up information's command.
StartState StartShowState(int processShow, std::optional<int> startupShow);

}  // namespace orv::editor
