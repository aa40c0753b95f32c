#include "common/shared_routines.h"

#include <algorithm>
#include <vector>

#include "common/hotkeys.h"
#include "common/whole_numbers.h"

namespace orv {

bool ScreenSaverRefused(const SettingsBlock& settings, const HookTable& table) {
    std::vector<MacroActivationState> macros;
    for (int i = 1; i <= table.EntryCount(); ++i) {
        const MacroEntry entry = table.Entry(i);
        macros.push_back({entry.Activation, entry.Enabled});
    }
    return RefusesScreenSaver(settings.DisableScreenSaver, macros);
}

bool RefusesScreenSaver(bool disableScreenSaver, std::span<const MacroActivationState> macros) {
    return disableScreenSaver && std::any_of(macros.begin(), macros.end(), [](const auto& m) {
               return m.enabled && m.activationCode == ActivationCode::Scheduled;
           });
}

bool IsBrowserVersion4OrLater(std::string_view version) {
    return WholeNumberOr(version.substr(0, version.find('.')), 0) > 3;
}

}  // namespace orv
