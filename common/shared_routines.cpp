#include "common/shared_routines.h"

#include <algorithm>

#include "common/hotkeys.h"
#include "common/whole_numbers.h"

namespace orv {

bool RefusesScreenSaver(bool disableScreenSaver, std::span<const MacroActivationState> macros) {
    return disableScreenSaver && std::any_of(macros.begin(), macros.end(), [](const auto& m) {
               return m.enabled && m.activationCode == ActivationCode::Scheduled;
           });
}

bool IsBrowserVersion4OrLater(std::string_view version) {
    return WholeNumberOr(version.substr(0, version.find('.')), 0) > 3;
}

}  // namespace orv
