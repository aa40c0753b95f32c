// What the editor decides from its command line and its running marker
// before anything of it is created: only the player starts it, and only once.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orv {

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

}  // namespace orv
