#include "editor/shell/launch_guard.h"

#include "common/string_routines.h"
#include "common/whole_numbers.h"

namespace orv::editor {

LaunchDecision DecideLaunch(const std::vector<std::string>& args, bool markerOpens) {
    if (args.empty() || args.front() != LaunchSwitch)
        return LaunchDecision::Refuse;
    return markerOpens ? LaunchDecision::Quit : LaunchDecision::Run;
}

LaunchDecision AfterMarkerCreated(bool alreadyExisted) {
    return alreadyExisted ? LaunchDecision::Quit : LaunchDecision::Run;
}

std::uint32_t PlayerWindowOf(const std::vector<std::string>& args) {
    constexpr std::string_view prefix = "/RH";
    std::uint32_t window = 0;
    for (const std::string& arg : args) {
        std::string upper = UpperAscii(arg);
        if (upper.starts_with(prefix)) {
            // A sign would make a window handle of the minus; only digits count.
            std::string_view rest = std::string_view(upper).substr(prefix.size());
            bool digitLeads = !rest.empty() && rest.front() >= '0' && rest.front() <= '9';
            window = digitLeads ? static_cast<std::uint32_t>(LeadingWholeNumber(rest)) : 0;
        }
    }
    return window;
}

StartState StartShowState(int processShow, std::optional<int> startupShow) {
    const int show =
        processShow == ShowCommand::ShowDefault && startupShow ? *startupShow : processShow;
    switch (show) {
        case ShowCommand::ShowMinimized:
        case ShowCommand::Minimize:
        case ShowCommand::ShowMinNoActive:
            return StartState::Minimized;
        case ShowCommand::ShowMaximized:
            return StartState::Maximized;
        default:
            return StartState::Normal;
    }
}

}  // namespace orv::editor
